#include "SkinFramework.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include "Failure.h"

namespace {
[[noreturn]] void badMember(int member)
{
    throw Failure(QObject::tr("The skin component has no member %1").arg(member));
}
} // namespace

QVariant SkinFramework::invoke(int member, const QVariantList &arguments)
{
    switch (member) {
    case LoadSkin: {
        if (arguments.isEmpty())
            throw Failure(QObject::tr("LoadSkin needs the skin file's path"));
        if (m_lockAfterApply && m_applied)
            throw Failure(QObject::tr("The skin is locked: it has been applied already"));
        const QString path = arguments.at(0).toString();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw Failure(QObject::tr("Cannot load the skin %1: %2").arg(path, file.errorString()));
        const QByteArray content = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw Failure(QObject::tr("Cannot load the skin %1: %2").arg(path, file.errorString()));
        m_styleSheet = QString::fromUtf8(content);
        return true;
    }
    case ApplyWindow: {
        if (arguments.isEmpty())
            throw Failure(QObject::tr("ApplyWindow needs a window handle"));
        QWidget *window = QWidget::find(WId(arguments.at(0).toLongLong()));
        if (!window)
            throw Failure(QObject::tr("ApplyWindow: no window has the handle %1").arg(arguments.at(0).toLongLong()));
        if (m_enabled && (m_options & 1)) {
            window->setStyleSheet(m_styleSheet);
            m_applied = true;
        }
        return true;
    }
    default:
        badMember(member);
    }
}

QVariant SkinFramework::property(int member) const
{
    switch (member) {
    case Options:
        return m_options;
    case Enabled:
        return m_enabled;
    case LockAfterApply:
        return m_lockAfterApply;
    default:
        badMember(member);
    }
}

void SkinFramework::setProperty(int member, const QVariant &value)
{
    switch (member) {
    case Options:
        m_options = value.toInt();
        break;
    case Enabled:
        m_enabled = value.toBool();
        break;
    case LockAfterApply:
        m_lockAfterApply = value.toBool();
        break;
    default:
        badMember(member);
    }
}
