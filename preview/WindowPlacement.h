#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window's frame of the given size goes in a screen's available
// area (the screen less its panels): centred on each axis where it fits;
// where it does not (a large scale factor on a small screen), against the
// area's top or left edge, so that the title bar and the controls nearest
// to it stay on the screen.
QPoint placementInside(QSize frameSize, const QRect &available);

// Moves a fixed-size window to that place on the screen it belongs to.
void placeInsideScreen(QWidget *window);

// Where a window's frame of the given size goes beside another window's
// frame (the main window's), in the available area: right of it where the
// area has room, else left of it; where neither side has room, against the
// area's edge on the roomier side, covering as little of the other window
// as it can. Its top is the other window's, kept inside the area.
QPoint placementBeside(const QRect &otherFrame, QSize frameSize, const QRect &available);
