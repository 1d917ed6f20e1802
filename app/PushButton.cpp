#include "PushButton.h"

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

Frame::Frame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setMouseTracking(true);
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    event->accept();
}
