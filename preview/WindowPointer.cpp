#include "WindowPointer.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

#include "Failure.h"

WindowPointer::WindowPointer(QWidget *window) : m_window(window) { }

void WindowPointer::overrideOwnPointers(bool busy)
{
    if (busy && m_ownPointers.empty()) {
        const auto children = m_window->findChildren<QWidget *>();
        for (QWidget *child : children) {
            if (child->testAttribute(Qt::WA_SetCursor)) {
                m_ownPointers.emplace_back(child, child->cursor());
                child->setCursor(Qt::WaitCursor);
            }
        }
    } else if (!busy) {
        for (const auto &[child, pointer] : m_ownPointers) {
            if (child)
                child->setCursor(pointer);
        }
        m_ownPointers.clear();
    }
}

void WindowPointer::setCode(Code code)
{
    m_code = code;
    overrideOwnPointers(code == Busy);
    switch (code) {
    case Busy:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case Custom:
        m_window->setCursor(m_mouseIcon ? *m_mouseIcon : QCursor(Qt::ArrowCursor));
        break;
    case Default:
        m_window->unsetCursor();
        break;
    }
}

void WindowPointer::setMouseIcon(const QCursor &cursor)
{
    m_mouseIcon = cursor;
    if (m_code == Custom)
        setCode(Custom);
}

void WindowPointer::overButton()
{
    if (m_code != Busy)
        setCode(Custom);
}

void WindowPointer::overBackground()
{
    if (m_code != Busy)
        setCode(Default);
}

QCursor loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("Cannot load %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();

    // A cursor file is an icon directory of type 2 whose first entry holds
    // the hot spot at bytes 10 to 13.
    constexpr int HeaderSize = 6, HotSpotOffset = HeaderSize + 4;
    if (bytes.size() < HotSpotOffset + 4 || qFromLittleEndian<quint16>(bytes.constData() + 2) != 2)
        throw Failure(QObject::tr("Cannot load %1: not a cursor file").arg(path));
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + HotSpotOffset);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + HotSpotOffset + 2);

    QImageReader reader(path, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw Failure(QObject::tr("Cannot load %1: %2").arg(path, reader.errorString()));
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
