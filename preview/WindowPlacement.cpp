#include "WindowPlacement.h"

#include <algorithm>
#include <cmath>

#include <QScreen>
#include <QWidget>

namespace {
int placeOnAxis(int length, int areaStart, int areaLength)
{
    return length <= areaLength ? areaStart + (areaLength - length) / 2 : areaStart;
}

// Between two windows side by side: their frames do not touch.
constexpr int Gap = 8;

// A title bar and borders as common window managers draw them, in device
// pixels: enough room for most, little lost where the frame is thinner.
constexpr int TitleBarPixels = 32, BorderPixels = 4;

QMargins plannedFrameOf(const QWidget *window)
{
    return plannedFrame(frameOf(window), window->devicePixelRatioF());
}
} // namespace

QPoint placementInside(QSize frameSize, const QRect &available)
{
    return QPoint(placeOnAxis(frameSize.width(), available.left(), available.width()),
                  placeOnAxis(frameSize.height(), available.top(), available.height()));
}

QMargins plannedFrame(const QMargins &known, double devicePixelRatio)
{
    if (!known.isNull())
        return known;
    const double ratio = std::max(1.0, devicePixelRatio);
    const int border = int(std::ceil(BorderPixels / ratio)), title = int(std::ceil(TitleBarPixels / ratio));
    return QMargins(border, title, border, border);
}

QSize roomInside(const QRect &available, const QMargins &frame)
{
    return available.size().shrunkBy(frame).expandedTo(QSize(0, 0));
}

QMargins frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry(), inside = window->geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

void placeInsideScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // A window's move() places its frame's corner, before it has a frame too.
    window->move(placementInside(window->size().grownBy(plannedFrameOf(window)), screen->availableGeometry()));
}

bool isInsideItsScreen(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return true;
    const QRect frame = frameOf(window).isNull() ? QRect(window->pos(), window->size().grownBy(plannedFrameOf(window)))
                                                 : window->frameGeometry();
    return screen->availableGeometry().contains(frame);
}

QPoint placementBeside(const QRect &otherFrame, QSize frameSize, const QRect &available)
{
    const int roomRight = available.right() - otherFrame.right() - Gap;
    const int roomLeft = otherFrame.left() - available.left() - Gap;
    int x = 0;
    if (roomRight >= frameSize.width())
        x = otherFrame.right() + 1 + Gap;
    else if (roomLeft >= frameSize.width())
        x = otherFrame.left() - Gap - frameSize.width();
    else if (roomRight >= roomLeft)
        x = std::max(available.left(), available.right() + 1 - frameSize.width());
    else
        x = available.left();
    const int lowestTop = available.bottom() + 1 - frameSize.height();
    const int y = std::max(available.top(), std::min(otherFrame.top(), lowestTop));
    return QPoint(x, y);
}

BesidePlacement placeBeside(const QRect &otherFrame, QSize wanted, int narrowest, const QRect &available)
{
    QRect other = otherFrame;
    QSize size(wanted.width(), std::min(wanted.height(), available.height()));
    const int roomRight = available.right() - other.right() - Gap;
    const int roomLeft = other.left() - available.left() - Gap;
    const int roomier = std::max(roomRight, roomLeft);
    const int allRoom = available.width() - other.width() - Gap;
    if (roomier >= wanted.width()) {
        // As wanted.
    } else if (allRoom >= narrowest) {
        // The other window goes to the edge away from the roomier side.
        other.moveLeft(roomRight >= roomLeft ? available.left() : available.right() + 1 - other.width());
        size.setWidth(std::min(wanted.width(), allRoom));
    } else {
        size.setWidth(std::min(narrowest, available.width()));
    }
    return {other, QRect(placementBeside(other, size, available), size)};
}
