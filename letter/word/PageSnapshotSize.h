#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Size and resolution of the page snapshots.
//
// The preview draws a picture at its logical size times the zoom, and
// refuses drawings of 8500 by 10700 twips or more. A letter's printed block
// (header, text and footer between the margins) is some 6 by 10 inches,
// far over the limit already at zoom 1.0, so each picture carries a smaller
// logical size: 8400 twips high, which leaves "Zoom In" one step (1.25,
// 10500 twips) to draw and shows the whole picture height in the viewport
// at 0.75. The whole sheet carries the same logical height (its width
// follows the paper), so that both views zoom alike.
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

// The printed block takes a millimetre of paper on each side beyond the
// margins (in 1/100 mm): a glyph that overhangs its advance at the right
// margin, or a header line set on the margin, is drawn whole.
inline constexpr int PrintedBlockBleed = 100;

// The built-in template's printed block (US Letter, margins of 1.25 inches
// left and right and half an inch at the top and bottom, with the bleed),
// and the logical width that its snapshot carries beside the 8400 of its
// height.
inline constexpr int TemplateBlockWidthTwips = 8640 + 113;   // 6 inches and 2 mm
inline constexpr int TemplateBlockHeightTwips = 14400 + 113; // 10 inches and 2 mm
inline constexpr int SnapshotLogicalWidthTwips
        = TemplateBlockWidthTwips * SnapshotLogicalHeightTwips / TemplateBlockHeightTwips;
constexpr int snapshotPixelWidth(int pixelsPerLogicalInch)
{
    return SnapshotLogicalWidthTwips * pixelsPerLogicalInch / 1440;
}

// A page and its margins, in 1/100 mm as the office measures them. The
// margins run from the paper's edge to the printed block: a header sits
// inside the top margin's line, a footer inside the bottom one's.
struct PageGeometry
{
    int width = 0;
    int height = 0;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    // The printed block with its bleed, within the paper.
    QRect printedBlock() const;
};

// Pixel size at which the whole page is rendered, so that its printed
// block comes out snapshotPixelHeight(pixelsPerLogicalInch) pixels high.
QSize pageExportPixels(const PageGeometry &page, int pixelsPerLogicalInch);

// Cuts the printed block out of the rendered page, at the logical size
// given above (through its dots per metre).
QImage printedBlockPicture(const QImage &renderedPage, const PageGeometry &page, int pixelsPerLogicalInch);
// The rendered page as a whole, SnapshotLogicalHeightTwips high.
QImage wholePagePicture(const QImage &renderedPage);
