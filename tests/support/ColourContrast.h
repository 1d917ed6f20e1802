#pragma once

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QPalette>

// Checks that text can be read whatever the colour scheme.

// WCAG's contrast level for normal text; a caption that vanished into its
// background scores about 1.
inline constexpr double ReadableContrast = 4.5;

// A dark colour scheme: light text on dark backgrounds.
inline QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x2d, 0x2d, 0x2d), text(0xee, 0xee, 0xee), base(0x1e, 0x1e, 0x1e);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Midlight, QColor(0x44, 0x44, 0x44));
        dark.setColor(group, QPalette::Mid, QColor(0x30, 0x30, 0x30));
        dark.setColor(group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        dark.setColor(group, QPalette::Shadow, Qt::black);
    }
    return dark;
}

inline double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

// The contrast of the text drawn in a picture against its background: the
// background is the picture's commonest colour, the text its pixel of most
// different lightness (1 when nothing can be seen, 21 for black on white).
inline double textContrast(const QImage &picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    const double lb = luminance(background);
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double li = luminance(it.key());
        best = std::max(best, (std::max(li, lb) + 0.05) / (std::min(li, lb) + 0.05));
    }
    return best;
}

// The contrast of a frame's caption, drawn along its top edge.
inline double captionContrast(QGroupBox *frame)
{
    const QRect caption(0, 0, frame->width(), frame->fontMetrics().height());
    return textContrast(frame->grab(caption).toImage());
}
