#include "LibreOfficeInstance.h"

#include <QFile>
#include <QImage>

#include <com/sun/star/frame/XStorable.hpp>

#include "Main.h"
#include "PageSnapshotSize.h"

namespace libreoffice {

void copyPageAsPicture(Instance &instance, const Reference<lang::XComponent> &model)
{
    // JPEG renders faster than PNG at this size (a third less time in the
    // office and half in decoding); at this quality text on white shows no
    // artefacts once scaled to the screen.
    constexpr sal_Int32 JpegQuality = 95;
    const QString pngPath = instance.office->process().profileFolder() + QStringLiteral("/page.jpg");
    PageGeometry page;
    officeCall(*instance.office, QObject::tr("CopyAsPicture"), [&] {
        Reference<beans::XPropertySet> style = pageStyle(model, firstPageStyleName(model));
        auto length = [&](const char *name) {
            return style->getPropertyValue(OUString::createFromAscii(name)).get<sal_Int32>();
        };
        page.width = length("Width");
        page.height = length("Height");
        page.left = length("LeftMargin");
        page.right = length("RightMargin");
        page.top = length("TopMargin");
        page.bottom = length("BottomMargin");
        // The text area starts below the header and its spacing (which the
        // header's height includes).
        if (boolProperty(style, "HeaderIsOn", false))
            page.top += length("HeaderHeight");
        if (boolProperty(style, "FooterIsOn", false))
            page.bottom += length("FooterHeight");

        const QSize pixels = pageExportPixels(page);
        const uno::Sequence<beans::PropertyValue> filterData = properties({
            property("PixelWidth", uno::Any(sal_Int32(pixels.width()))),
            property("PixelHeight", uno::Any(sal_Int32(pixels.height()))),
            property("Quality", uno::Any(sal_Int32(JpegQuality))),
        });
        Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
        storable->storeToURL(fileUrl(pngPath),
                             properties({property("FilterName", uno::Any(OUString("writer_jpg_Export"))),
                                         property("FilterData", uno::Any(filterData))}));
    });
    QImage rendered(pngPath);
    QFile::remove(pngPath);
    if (rendered.isNull())
        throw Failure(QObject::tr("CopyAsPicture failed: the office rendered no page"));
    const QImage picture = textAreaPicture(rendered, page);
    ProgramClipboard::setPicture(picture);
}

} // namespace libreoffice
