#pragma once

#include <QMargins>
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

// The frame to plan a window with: the one its window manager gave it once
// it has shown, else (no frame known yet) a title bar and thin borders as
// most window managers draw them, in the screen's logical pixels at the
// given device pixel ratio. A window planned with it leaves room for the
// frame that comes; planned again with the real one, it takes its room.
QMargins plannedFrame(const QMargins &known, double devicePixelRatio);

// The room a window's inside has in the available area, less its frame.
QSize roomInside(const QRect &available, const QMargins &frame);

// The frame the window manager gave a window (nothing before it shows).
QMargins frameOf(const QWidget *window);

// Moves a fixed-size window to that place on the screen it belongs to,
// its frame (the planned one) counted.
void placeInsideScreen(QWidget *window);

// Whether the window with its frame (the planned one) lies inside its
// screen's available area.
bool isInsideItsScreen(const QWidget *window);

// Where a window's frame of the given size goes beside another window's
// frame (the main window's), in the available area: right of it where the
// area has room, else left of it; where neither side has room, against the
// area's edge on the roomier side, covering as little of the other window
// as it can. Its top is the other window's, kept inside the area.
QPoint placementBeside(const QRect &otherFrame, QSize frameSize, const QRect &available);

// A window opened beside another (the live page beside the main window):
// the frames both take. `wanted` is the new window's frame as it would
// like to be, `narrowest` the least width worth showing it at.
struct BesidePlacement
{
    QRect other; // the other window's frame, moved only to make room
    QRect frame; // the new window's frame
};
// The new window goes beside the other where a side has room for it as
// wanted; else the other window moves to the edge away from the roomier
// side and the new one takes the room the two sides had, up to its wanted
// width. Only where that room is narrower than `narrowest` does it cover
// some of the other window, as little as it can. It is never higher than
// the area.
BesidePlacement placeBeside(const QRect &otherFrame, QSize wanted, int narrowest, const QRect &available);
