#include "WindowPlacement.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

namespace {
int placeOnAxis(int length, int areaStart, int areaLength)
{
    return length <= areaLength ? areaStart + (areaLength - length) / 2 : areaStart;
}

// Between two windows side by side: their frames do not touch.
constexpr int Gap = 8;
} // namespace

QPoint placementInside(QSize frameSize, const QRect &available)
{
    return QPoint(placeOnAxis(frameSize.width(), available.left(), available.width()),
                  placeOnAxis(frameSize.height(), available.top(), available.height()));
}

void placeInsideScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(placementInside(window->frameGeometry().size(), screen->availableGeometry()));
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
