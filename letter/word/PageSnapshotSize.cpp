#include "PageSnapshotSize.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double MetresPerInch = 0.0254;

double pixelsPerUnit(const PageGeometry &page, int pixelsPerLogicalInch)
{
    const int blockHeight = page.printedBlock().height();
    return blockHeight > 0 ? double(snapshotPixelHeight(pixelsPerLogicalInch)) / blockHeight : 0.0;
}

QImage withDensity(QImage picture, double pixelsPerLogicalInch)
{
    const int dotsPerMetre = int(std::lround(pixelsPerLogicalInch / MetresPerInch));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}
} // namespace

QRect PageGeometry::printedBlock() const
{
    const QRect paper(0, 0, width, height);
    return QRect(QPoint(left - PrintedBlockBleed, top - PrintedBlockBleed),
                 QPoint(width - right + PrintedBlockBleed - 1, height - bottom + PrintedBlockBleed - 1))
            .intersected(paper);
}

int previewPixelsPerLogicalInch(double devicePixelRatio)
{
    const double needed = std::ceil(LargestDrawingZoom * ScreenDotsPerInch * std::max(1.0, devicePixelRatio));
    return std::max(MinimumPixelsPerLogicalInch, int(needed));
}

QSize pageExportPixels(const PageGeometry &page, int pixelsPerLogicalInch)
{
    const double scale = pixelsPerUnit(page, pixelsPerLogicalInch);
    return QSize(int(std::lround(page.width * scale)), int(std::lround(page.height * scale)));
}

QImage printedBlockPicture(const QImage &renderedPage, const PageGeometry &page, int pixelsPerLogicalInch)
{
    // Scale by what the office really rendered, which may differ from the
    // size asked for by a pixel.
    const double sx = page.width > 0 ? double(renderedPage.width()) / page.width : 0.0;
    const double sy = page.height > 0 ? double(renderedPage.height()) / page.height : 0.0;
    const QRect block = page.printedBlock();
    const QRect pixels(int(std::lround(block.left() * sx)), int(std::lround(block.top() * sy)),
                       int(std::lround(block.width() * sx)), int(std::lround(block.height() * sy)));
    return withDensity(renderedPage.copy(pixels.intersected(renderedPage.rect())).convertToFormat(QImage::Format_RGB32),
                       pixelsPerLogicalInch);
}

QImage wholePagePicture(const QImage &renderedPage)
{
    const double logicalInches = SnapshotLogicalHeightTwips / 1440.0;
    return withDensity(renderedPage.convertToFormat(QImage::Format_RGB32), renderedPage.height() / logicalInches);
}
