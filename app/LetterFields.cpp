#include "LetterFields.h"

#include <QDir>
#include <QSettings>

#include "AppTitle.h"
#include "Failure.h"

namespace {
constexpr char SettingsSection[] = "Tessaline";


QString sectionKey(int index)
{
    return QString::fromLatin1(SettingsSection) + QLatin1Char('/') + settingsKey(index);
}
} // namespace

QString settingsKey(int index)
{
    return QStringLiteral("Text1_") + QString::number(index);
}

SettingsStore::SettingsStore() = default;

QString SettingsStore::read(int index) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(CompanyName));
    return settings.value(sectionKey(index)).toString();
}

void SettingsStore::write(int index, const QString &text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(CompanyName));
    settings.setValue(sectionKey(index), text);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw Failure(QObject::tr("Cannot save your entries to %1: the file cannot be written.")
                              .arg(QDir::toNativeSeparators(settings.fileName())));
    }
}

QString SettingsStore::fileName() const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(CompanyName));
    return settings.fileName();
}
