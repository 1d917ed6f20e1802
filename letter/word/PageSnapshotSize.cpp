#include "PageSnapshotSize.h"

#include <algorithm>
#include <cmath>

namespace {
double pixelsPerUnit(const PageGeometry &page, int pixelsPerLogicalInch)
{
    return page.textHeight() > 0 ? double(snapshotPixelHeight(pixelsPerLogicalInch)) / page.textHeight() : 0.0;
}
} // namespace

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

QImage textAreaPicture(const QImage &renderedPage, const PageGeometry &page, int pixelsPerLogicalInch)
{
    // Scale by what the office really rendered, which may differ from the
    // size asked for by a pixel.
    const double sx = page.width > 0 ? double(renderedPage.width()) / page.width : 0.0;
    const double sy = page.height > 0 ? double(renderedPage.height()) / page.height : 0.0;
    const QRect textArea(int(std::lround(page.left * sx)), int(std::lround(page.top * sy)),
                         int(std::lround(page.textWidth() * sx)), int(std::lround(page.textHeight() * sy)));
    QImage picture = renderedPage.copy(textArea.intersected(renderedPage.rect()))
                             .convertToFormat(QImage::Format_RGB32);
    constexpr double MetresPerInch = 0.0254;
    const int dotsPerMetre = int(std::lround(pixelsPerLogicalInch / MetresPerInch));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}
