#include "InputBlock.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}
} // namespace

InputBlock::InputBlock(QWidget *window) : m_window(window) { }

InputBlock::~InputBlock()
{
    setBlocked(false);
}

void InputBlock::setBlocked(bool blocked)
{
    if (blocked == m_blocked)
        return;
    m_blocked = blocked;
    if (blocked)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken here, a key reaches no shortcut, mnemonic or command; as a
        // key press it is then dropped below.
        event->accept();
        return true;
    }
    if (isUserInput(event->type())) {
        event->accept();
        return true;
    }
    return false;
}
