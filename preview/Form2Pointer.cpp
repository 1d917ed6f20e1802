// The preview's page moved by hand: the wheel (with Shift sideways, with
// Ctrl a zoom), the scroll commands and the mouse that drags the page.
#include "Form2.h"

#include <QApplication>
#include <QMenuBar>
#include <QWheelEvent>

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "PictureBox.h"
#include "Twips.h"

namespace {
QString location(const char *text)
{
    return QString::fromLatin1(text);
}
} // namespace

void Form2::scrollBy(Viewport::Axis axis, Viewport::ScrollMove move)
{
    m_viewport.scroll(axis, move);
    syncFromViewport();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Picture1 || watched == Picture2) && event->type() == QEvent::Wheel) {
        viewportWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    // The menu bar counts as the window's background for the pointer.
    if (watched == menuBar && event->type() == QEvent::MouseMove)
        m_pointer.overBackground();
    return QWidget::eventFilter(watched, event);
}

void Form2::viewportWheel(QWheelEvent *event)
{
    constexpr int Notch = QWheelEvent::DefaultDeltasPerStep; // one click of a wheel
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Through the zoom commands, a step per whole notch: the limits and
        // the refused step stay theirs.
        m_zoomWheelDelta += angle.y() != 0 ? angle.y() : angle.x();
        for (; m_zoomWheelDelta >= Notch; m_zoomWheelDelta -= Notch)
            PushButton1_Click();
        for (; m_zoomWheelDelta <= -Notch; m_zoomWheelDelta += Notch)
            PushButton2_Click();
        return;
    }
    // Turning the wheel away from the user scrolls towards the top.
    const double linesPerNotch = QApplication::wheelScrollLines();
    auto lines = [&](int delta) { return -double(delta) / Notch * linesPerNotch; };
    if (event->modifiers() & Qt::ShiftModifier) {
        m_viewport.scrollLines(Viewport::Axis::Horizontal, lines(angle.y() != 0 ? angle.y() : angle.x()));
    } else {
        m_viewport.scrollLines(Viewport::Axis::Vertical, lines(angle.y()));
        m_viewport.scrollLines(Viewport::Axis::Horizontal, lines(angle.x()));
    }
    syncFromViewport();
}

QPointF Form2::toTwips(QPointF innerPixels) const
{
    return innerPixels * twipsPerPixel(this);
}

void Form2::picture1_MouseDown(Qt::MouseButtons, QPointF innerPixels)
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_picture1_MouseDown));
    const QPointF p = toTwips(innerPixels);
    trap.step(100, [&] { m_viewport.mouseDown(float(p.x()), float(p.y())); });
    // The page is held while the button is down.
    Picture1->setCursor(Qt::ClosedHandCursor);
}

void Form2::picture1_MouseMove(Qt::MouseButtons buttons, QPointF innerPixels)
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_picture1_MouseMove));
    const QPointF p = toTwips(innerPixels);
    trap.step(100, [&] { m_viewport.mouseMove(int(buttons), float(p.x()), float(p.y())); });
    trap.step(102, [&] { syncFromViewport(); });
}

void Form2::Picture1_MouseUp(Qt::MouseButtons, QPointF)
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_Picture1_MouseUp));
    Picture1->unsetCursor();
    int h = 0, v = 0;
    trap.step(100, [&] { h = m_viewport.releaseValue(Viewport::Axis::Horizontal); });
    trap.step(102, [&] { v = m_viewport.releaseValue(Viewport::Axis::Vertical); });
    trap.step(104, [&] { m_viewport.setHScrollValue(h); });
    trap.step(106, [&] { m_viewport.setVScrollValue(v); });
    syncFromViewport();
}
