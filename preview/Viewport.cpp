#include "Viewport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "ErrorTrap.h"

namespace {
// A bar's range is a 16-bit value; a longer page scrolls in coarse steps
// up to it.
constexpr int BarMaximumLimit = std::numeric_limits<int16_t>::max();
} // namespace

int32_t Viewport::nearest(double x)
{
    // The default rounding mode rounds halves to even.
    return int32_t(std::nearbyint(x));
}

Viewport::Viewport(int borderTwips) : m_border(borderTwips) { }

Viewport::AxisState Viewport::axis(Axis which)
{
    if (which == Axis::Horizontal)
        return {m_h, mHStep, m_surface.left, m_surface.outerWidth, viewportInnerWidth()};
    return {m_v, mVStep, m_surface.top, m_surface.outerHeight, viewportInnerHeight()};
}

int Viewport::AxisState::overflow() const
{
    return std::max(0, surfaceOuter - viewportInner);
}

void Viewport::assignPicture(int pictureWidth, int pictureHeight)
{
    m_surface.outerWidth = pictureWidth + 2 * m_border;
    m_surface.outerHeight = pictureHeight + 2 * m_border;
}

void Viewport::setUp(ErrorTrap &trap, ErrorTrap &redrawTrap)
{
    // Steps 1 and 2: the surface keeps its auto-sized extent; the holder
    // takes the surface's outer size and its picture.
    trap.step(104, [&] {
        m_holder.outerWidth = m_surface.outerWidth;
        m_holder.outerHeight = m_surface.outerHeight;
    });
    trap.step(106, [&] { mZoom = InitialZoom; });
    trap.step(108, [&] { takeExtentsFromHolder(); });
    trap.step(110, [&] { RedrawImage(redrawTrap); });
    trap.step(112, [&] { SetupScrollbars(); });
}

void Viewport::takeExtentsFromHolder()
{
    mOrigWidth = nearest(double(m_holder.outerWidth - 2 * m_border - SourceTrim));
    mOrigHeight = nearest(double(m_holder.outerHeight - 2 * m_border - SourceTrim));
    mDrawWidth = int32_t(std::floor(double(mOrigWidth) * 1.0));
    mDrawHeight = int32_t(std::floor(double(mOrigHeight) * 1.0));
}

void Viewport::ZoomStep(int direction, ErrorTrap &redrawTrap)
{
    const float z = direction == 0 ? mZoom + ZoomStepSize : mZoom - ZoomStepSize;
    ApplyZoom(z, redrawTrap);
}

void Viewport::ApplyZoom(float factor, ErrorTrap &redrawTrap)
{
    if (factor >= SmallestZoom && factor <= LargestZoom) {
        mZoom = factor;
        RedrawImage(redrawTrap);
    }
}

float Viewport::fitZoom(int sourceWidth, int sourceHeight, int innerWidth, int innerHeight)
{
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return InitialZoom;
    // Drawn extents are floored: the widest zoom whose drawing is no wider
    // than the room, and stays below the limits.
    const int roomWidth = std::min(innerWidth, DrawWidthLimit - 1);
    const int roomHeight = std::min(innerHeight, DrawHeightLimit - 1);
    auto fits = [&](float zoom) {
        return std::floor(double(sourceWidth) * double(zoom)) <= roomWidth
                && std::floor(double(sourceHeight) * double(zoom)) <= roomHeight;
    };
    float zoom = float(std::min(double(roomWidth) / sourceWidth, double(roomHeight) / sourceHeight));
    zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    // The float nearest the quotient may lie a hair above it.
    while (zoom > SmallestZoom && !fits(zoom))
        zoom = std::nextafter(zoom, 0.0f);
    return zoom;
}

void Viewport::setViewportSize(int outerWidth, int outerHeight)
{
    m_viewportOuterWidth = std::max(outerWidth, 2 * m_border + 1);
    m_viewportOuterHeight = std::max(outerHeight, 2 * m_border + 1);
    SetupScrollbars();
}

void Viewport::FitPage(ErrorTrap &redrawTrap)
{
    ApplyZoom(fitZoom(mOrigWidth, mOrigHeight, viewportInnerWidth(), viewportInnerHeight()), redrawTrap);
}

void Viewport::RedrawImage(ErrorTrap &trap)
{
    trap.step(100, [&] {
        mDrawWidth = int32_t(std::floor(double(mOrigWidth) * double(mZoom)));
        mDrawHeight = int32_t(std::floor(double(mOrigHeight) * double(mZoom)));
    });
    if (trap.test(102, [&] { return mDrawWidth < DrawWidthLimit && mDrawHeight < DrawHeightLimit; })) {
        trap.step(106, [&] {
            m_surface.outerWidth = mDrawWidth;
            m_surface.outerHeight = mDrawHeight;
        });
        // Blanking (104), drawing (108) and the pointer (110) are the
        // window's: it takes this drawing and paints it.
        trap.step(108, [&] { m_due = Drawing{mOrigWidth, mOrigHeight, mDrawWidth, mDrawHeight}; });
        // A new size needs new ranges: bars set up once would stop short of
        // a larger drawing, and an offset kept from before could leave a
        // smaller one outside the viewport.
        trap.step(112, [&] { SetupScrollbars(); });
    } else {
        // Too large to draw: keep what is shown and start again from 1.0.
        trap.step(118, [&] { mZoom = InitialZoom; });
        trap.step(120, [&] { takeExtentsFromHolder(); });
    }
}

std::optional<Viewport::Drawing> Viewport::takeDrawing()
{
    return std::exchange(m_due, std::nullopt);
}

void Viewport::SetupScrollbars()
{
    m_surface.top = 0;
    m_surface.left = 0;
    setUpBar(axis(Axis::Horizontal));
    setUpBar(axis(Axis::Vertical));
}

void Viewport::setUpBar(AxisState a)
{
    // Measured against the inner size, so that the last row and column of
    // the drawing can be scrolled into view; the maximum is rounded up for
    // the same reason, and the offset is held at the far edge.
    const int overflow = a.overflow();
    a.bar.value = 0;
    if (overflow == 0) {
        a.bar.enabled = false;
        a.bar.maximum = 0;
        a.step = 0;
        a.bar.singleStep = a.bar.pageStep = 1;
        return;
    }
    a.bar.enabled = true;
    a.step = overflow <= FineCoarseThreshold ? 1 : CoarseDivisor;
    a.bar.maximum = std::min((overflow + a.step - 1) / a.step, BarMaximumLimit);
    a.bar.singleStep = std::max(1, LineTwips / a.step);
    a.bar.pageStep = std::max(1, a.viewportInner / a.step);
}

int Viewport::clampedOffset(AxisState a, double offset)
{
    return nearest(std::clamp(offset, -double(a.overflow()), 0.0));
}

void Viewport::setScrollValue(AxisState a, int value)
{
    if (value == a.bar.value)
        return;
    a.bar.value = value;
    // Computed in full width: a coarse step times a large value overflows
    // 16 bits. The last unit may reach past the far edge; the surface stops
    // there.
    a.offset = clampedOffset(a, -double(a.step) * a.bar.value);
}

void Viewport::setHScrollValue(int value)
{
    setScrollValue(axis(Axis::Horizontal), value);
}

void Viewport::setVScrollValue(int value)
{
    setScrollValue(axis(Axis::Vertical), value);
}

void Viewport::scroll(Axis which, ScrollMove move)
{
    const AxisState a = axis(which);
    int value = a.bar.value;
    switch (move) {
    case ScrollMove::LineBack:
        value -= a.bar.singleStep;
        break;
    case ScrollMove::LineForward:
        value += a.bar.singleStep;
        break;
    case ScrollMove::PageBack:
        value -= a.bar.pageStep;
        break;
    case ScrollMove::PageForward:
        value += a.bar.pageStep;
        break;
    case ScrollMove::ToStart:
        value = 0;
        break;
    case ScrollMove::ToEnd:
        value = a.bar.maximum;
        break;
    }
    setScrollValue(a, std::clamp(value, 0, a.bar.maximum));
}

void Viewport::scrollLines(Axis which, double lines)
{
    const AxisState a = axis(which);
    const int units = nearest(lines * a.bar.singleStep);
    setScrollValue(a, int(std::clamp<int64_t>(int64_t(a.bar.value) + units, 0, a.bar.maximum)));
}

void Viewport::mouseDown(float x, float y)
{
    mDragStartX = x;
    mDragStartY = y;
}

void Viewport::mouseMove(int buttons, float x, float y)
{
    if (buttons == 0)
        return;
    // On an axis where the surface fits it stays at 0; elsewhere it stops
    // at either edge.
    const AxisState h = axis(Axis::Horizontal);
    const AxisState v = axis(Axis::Vertical);
    const int newLeft = clampedOffset(h, double(m_surface.left) - mDragStartX + x);
    const int newTop = clampedOffset(v, double(m_surface.top) - mDragStartY + y);
    m_surface.left = newLeft;
    m_surface.top = newTop;
}

int Viewport::releaseValue(Axis which) const
{
    const ScrollBar &bar = which == Axis::Horizontal ? m_h : m_v;
    const int step = which == Axis::Horizontal ? mHStep : mVStep;
    const int offset = which == Axis::Horizontal ? m_surface.left : m_surface.top;
    if (step == 0)
        return 0;
    return std::clamp(nearest(-double(offset) / step), 0, bar.maximum);
}

void Viewport::mouseUp()
{
    setHScrollValue(releaseValue(Axis::Horizontal));
    setVScrollValue(releaseValue(Axis::Vertical));
}
