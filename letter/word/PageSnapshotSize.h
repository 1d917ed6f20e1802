#pragma once

#include <QImage>
#include <QSize>

// Size and resolution of the page snapshot.
//
// The preview draws the picture at its logical size times the zoom, and
// refuses drawings of 8500 by 10700 twips or more. A letter's text area is
// 6 by 9 inches (8640 by 12960 twips), over the limit already at zoom 1.0,
// so the picture carries a smaller logical size: 8400 twips high, which
// leaves "Zoom In" one step (1.25, 10500 twips) to draw and shows the whole
// page height in the viewport at 0.75.
//
// Its pixels are three times denser than a 96-dpi screen (288 per logical
// inch, 1680 pixels high): at the largest zoom that draws, each screen pixel
// still has more than two picture pixels behind it, so text stays crisp
// when the picture is scaled down, and on a 2x high-dpi screen as well.
inline constexpr int SnapshotLogicalHeightTwips = 8400;
inline constexpr int SnapshotPixelsPerLogicalInch = 288;
inline constexpr int SnapshotPixelHeight = SnapshotLogicalHeightTwips * SnapshotPixelsPerLogicalInch / 1440;

// The built-in template's text area, and the logical width that its
// snapshot carries (5600 twips beside the 8400 of its height).
inline constexpr int TemplateTextAreaWidthTwips = 8640;   // 6 inches
inline constexpr int TemplateTextAreaHeightTwips = 12960; // 9 inches
inline constexpr int SnapshotLogicalWidthTwips =
        TemplateTextAreaWidthTwips * SnapshotLogicalHeightTwips / TemplateTextAreaHeightTwips;
inline constexpr int SnapshotPixelWidth = SnapshotLogicalWidthTwips * SnapshotPixelsPerLogicalInch / 1440;

// A page and its text area, in 1/100 mm as the office measures them.
struct PageGeometry
{
    int width = 0;
    int height = 0;
    int left = 0;   // margins: from the page edge to the text area
    int right = 0;
    int top = 0;
    int bottom = 0;

    int textWidth() const { return width - left - right; }
    int textHeight() const { return height - top - bottom; }
};

// Pixel size at which the whole page is rendered, so that its text area
// comes out SnapshotPixelHeight pixels high.
QSize pageExportPixels(const PageGeometry &page);

// Cuts the text area out of the rendered page and gives it the logical
// size described above (through its dots per metre).
QImage textAreaPicture(const QImage &renderedPage, const PageGeometry &page);
