#include "PageSnapshotSize.h"

#include <cmath>

namespace {
double pixelsPerUnit(const PageGeometry &page)
{
    return page.textHeight() > 0 ? double(SnapshotPixelHeight) / page.textHeight() : 0.0;
}
} // namespace

QSize pageExportPixels(const PageGeometry &page)
{
    const double scale = pixelsPerUnit(page);
    return QSize(int(std::lround(page.width * scale)), int(std::lround(page.height * scale)));
}

QImage textAreaPicture(const QImage &renderedPage, const PageGeometry &page)
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
    const int dotsPerMetre = int(std::lround(SnapshotPixelsPerLogicalInch / MetresPerInch));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}
