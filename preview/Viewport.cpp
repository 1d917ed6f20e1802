#include "Viewport.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "ErrorTrap.h"

namespace {
constexpr int16_t Int16Max = std::numeric_limits<int16_t>::max();
constexpr int16_t Int16Min = std::numeric_limits<int16_t>::min();

int clampToInt16(int64_t v)
{
    return int(std::clamp<int64_t>(v, Int16Min, Int16Max));
}

// The release percentage of one axis: |offset| / (surface − viewport) as a
// percentage. Equal sizes give 0; a result beyond 16 bits is out of 0..100
// anyway and is kept out of range rather than overflowing.
int releasePercent(int offset, int surfaceOuter, int viewportOuter)
{
    const int difference = surfaceOuter - viewportOuter;
    if (difference == 0)
        return 0;
    const double percent = std::abs(double(offset)) / difference * 100.0;
    if (!std::isfinite(percent))
        return 0;
    return clampToInt16(Viewport::nearest(std::clamp(percent, -1e9, 1e9)));
}
} // namespace

int32_t Viewport::nearest(double x)
{
    // The default rounding mode rounds halves to even.
    return int32_t(std::nearbyint(x));
}

Viewport::Viewport(int borderTwips) : m_border(borderTwips) { }

void Viewport::assignPicture(int pictureWidth, int pictureHeight)
{
    m_surface.outerWidth = pictureWidth + 2 * m_border;
    m_surface.outerHeight = pictureHeight + 2 * m_border;
}

void Viewport::setUp(ErrorTrap &trap, ErrorTrap &redrawTrap, SurfacePainter &painter)
{
    // Steps 1 and 2: the surface keeps its auto-sized extent; the holder
    // takes the surface's outer size and its picture.
    trap.step(104, [&] { m_holder.outerWidth = m_surface.outerWidth; m_holder.outerHeight = m_surface.outerHeight; });
    trap.step(106, [&] { mZoom = InitialZoom; });
    trap.step(108, [&] { takeExtentsFromHolder(); });
    trap.step(110, [&] { RedrawImage(redrawTrap, painter); });
    trap.step(112, [&] { SetupScrollbars(); });
}

void Viewport::takeExtentsFromHolder()
{
    mOrigWidth = nearest(double(m_holder.outerWidth - 2 * m_border - SourceTrim));
    mOrigHeight = nearest(double(m_holder.outerHeight - 2 * m_border - SourceTrim));
    mDrawWidth = int32_t(std::floor(double(mOrigWidth) * 1.0));
    mDrawHeight = int32_t(std::floor(double(mOrigHeight) * 1.0));
}

void Viewport::ZoomStep(int direction, ErrorTrap &redrawTrap, SurfacePainter &painter)
{
    const float z = direction == 0 ? mZoom + ZoomStepSize : mZoom - ZoomStepSize;
    ApplyZoom(z, redrawTrap, painter);
}

void Viewport::ApplyZoom(float factor, ErrorTrap &redrawTrap, SurfacePainter &painter)
{
    if (factor >= SmallestZoom && factor <= LargestZoom) {
        mZoom = factor;
        RedrawImage(redrawTrap, painter);
    }
}

void Viewport::RedrawImage(ErrorTrap &trap, SurfacePainter &painter)
{
    trap.step(100, [&] {
        mDrawWidth = int32_t(std::floor(double(mOrigWidth) * double(mZoom)));
        mDrawHeight = int32_t(std::floor(double(mOrigHeight) * double(mZoom)));
    });
    if (trap.test(102, [&] { return mDrawWidth < DrawWidthLimit && mDrawHeight < DrawHeightLimit; })) {
        trap.step(104, [&] { painter.clearPicture(); });
        trap.step(106, [&] { m_surface.outerWidth = mDrawWidth; m_surface.outerHeight = mDrawHeight; });
        trap.step(108, [&] { painter.drawStretched(mOrigWidth, mOrigHeight, mDrawWidth, mDrawHeight); });
        trap.step(110, [&] { painter.resetPointer(); });
        trap.step(112, [&] { setHScrollValue(0); });
        trap.step(114, [&] { setVScrollValue(0); });
        trap.step(116, [&] { updateEnabledBars(); });
    } else {
        // Too large to draw: keep what is shown and start again from 1.0.
        trap.step(118, [&] { mZoom = InitialZoom; });
        trap.step(120, [&] { takeExtentsFromHolder(); });
    }
}

void Viewport::updateEnabledBars()
{
    m_h.enabled = viewportInnerWidth() < mDrawWidth;
    m_v.enabled = viewportInnerHeight() < mDrawHeight;
}

void Viewport::SetupScrollbars()
{
    m_surface.top = 0;
    m_surface.left = 0;
    auto setUpAxis = [](int surfaceOuter, int viewportOuter, ScrollBar &bar, int &step) {
        const float d = float(surfaceOuter) - float(viewportOuter);
        if (surfaceOuter <= viewportOuter) {
            bar.enabled = false;
            step = 0;
        } else if (d <= FineCoarseThreshold) {
            bar.enabled = true;
            bar.maximum = clampToInt16(nearest(d));
            step = 1;
            bar.value = 0;
        } else {
            bar.enabled = true;
            bar.maximum = clampToInt16(nearest(d / CoarseDivisor));
            step = CoarseDivisor;
            bar.value = 0;
        }
    };
    setUpAxis(m_surface.outerWidth, ViewportOuterWidth, m_h, mHStep);
    setUpAxis(m_surface.outerHeight, ViewportOuterHeight, m_v, mVStep);
}

void Viewport::setHScrollValue(int value)
{
    if (value == m_h.value)
        return;
    m_h.value = value;
    // Computed in full width: a coarse step times a large value overflows 16 bits.
    m_surface.left = -(mHStep * m_h.value);
}

void Viewport::setVScrollValue(int value)
{
    if (value == m_v.value)
        return;
    m_v.value = value;
    m_surface.top = -(mVStep * m_v.value);
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
    float newLeft = float(m_surface.left) - mDragStartX + x;
    if (newLeft > 0)
        newLeft = 0;
    else if (float(viewportInnerWidth() - m_surface.outerWidth) > newLeft)
        newLeft = float(viewportInnerWidth() - m_surface.outerWidth);
    float newTop = float(m_surface.top) - mDragStartY + y;
    if (newTop > 0)
        newTop = 0;
    else if (float(viewportInnerHeight() - m_surface.outerHeight) > newTop)
        newTop = float(viewportInnerHeight() - m_surface.outerHeight);
    m_surface.left = nearest(newLeft);
    m_surface.top = nearest(newTop);
}

int Viewport::releasePercentH() const
{
    return releasePercent(m_surface.left, m_surface.outerWidth, ViewportOuterWidth);
}

int Viewport::releasePercentV() const
{
    return releasePercent(m_surface.top, m_surface.outerHeight, ViewportOuterHeight);
}

void Viewport::mouseUp()
{
    const int hp = releasePercentH();
    const int vp = releasePercentV();
    SetHScrollbarByPercent(hp);
    SetVScrollbarByPercent(vp);
}

void Viewport::SetHScrollbarByPercent(int percent)
{
    if (percent < 0 || percent > 100)
        return;
    setHScrollValue(clampToInt16(nearest(percent / 100.0 * m_h.maximum)));
}

void Viewport::SetVScrollbarByPercent(int percent)
{
    if (percent < 0 || percent > 100)
        return;
    setVScrollValue(clampToInt16(nearest(percent / 100.0 * m_v.maximum)));
}
