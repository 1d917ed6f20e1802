#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace {
int placeOnAxis(int length, int areaStart, int areaLength)
{
    return length <= areaLength ? areaStart + (areaLength - length) / 2 : areaStart;
}
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
