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
// Its pixels are as dense as the screen needs at the largest zoom that
// draws (1.25): 120 picture pixels per logical inch for each device pixel
// of a 96-dpi screen, and never fewer than 144, so that each screen pixel
// has more than one picture pixel behind it and text stays crisp when the
// picture is scaled down. Rendering more pixels than that would only cost
// time: the page render is the largest step of a letter.
inline constexpr int SnapshotLogicalHeightTwips = 8400;
inline constexpr int MinimumPixelsPerLogicalInch = 144;
inline constexpr double LargestDrawingZoom = 1.25;
inline constexpr int ScreenDotsPerInch = 96;

// The density for a screen with that device pixel ratio (1 on most
// screens, 2 on high-density ones).
int previewPixelsPerLogicalInch(double devicePixelRatio);
// The picture's height in pixels at that density.
constexpr int snapshotPixelHeight(int pixelsPerLogicalInch)
{
    return SnapshotLogicalHeightTwips * pixelsPerLogicalInch / 1440;
}

// The built-in template's text area, and the logical width that its
// snapshot carries (5600 twips beside the 8400 of its height).
inline constexpr int TemplateTextAreaWidthTwips = 8640;   // 6 inches
inline constexpr int TemplateTextAreaHeightTwips = 12960; // 9 inches
inline constexpr int SnapshotLogicalWidthTwips =
        TemplateTextAreaWidthTwips * SnapshotLogicalHeightTwips / TemplateTextAreaHeightTwips;
constexpr int snapshotPixelWidth(int pixelsPerLogicalInch)
{
    return SnapshotLogicalWidthTwips * pixelsPerLogicalInch / 1440;
}

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
// comes out snapshotPixelHeight(pixelsPerLogicalInch) pixels high.
QSize pageExportPixels(const PageGeometry &page, int pixelsPerLogicalInch);

// Cuts the text area out of the rendered page and gives it the logical
// size described above (through its dots per metre).
QImage textAreaPicture(const QImage &renderedPage, const PageGeometry &page, int pixelsPerLogicalInch);
