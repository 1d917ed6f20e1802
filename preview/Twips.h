#pragma once

#include <cmath>

#include <QRect>
#include <QWidget>

// Window layouts are given in twips (1/1440 inch). At the screen's logical
// dpi, 96 on a standard screen, 15 twips make one pixel.
inline constexpr double TwipsPerInch = 1440.0;

inline double twipsPerPixel(const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return TwipsPerInch / (dpi > 0 ? dpi : 96);
}

inline int twipsToPixels(double twips, const QWidget *widget)
{
    return int(std::lround(twips / twipsPerPixel(widget)));
}

inline double pixelsToTwips(double pixels, const QWidget *widget)
{
    return pixels * twipsPerPixel(widget);
}

inline QRect twipsRect(int left, int top, int width, int height, const QWidget *widget)
{
    return QRect(twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
                 twipsToPixels(height, widget));
}
