#include "PushButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setMouseTracking(true);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
    // The window behind the button must not see this move as its own.
    event->accept();
}

void PushButton::enterEvent(QEnterEvent *event)
{
    emit mouseMoved();
    QPushButton::enterEvent(event);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enterKey || !plain) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held key clicks once: a command must not run again and again.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

Frame::Frame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setMouseTracking(true);
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    event->accept();
}
