#include "LibreOfficeInstance.h"

#include <QFile>
#include <QImage>

#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>

#include "LibreOfficePageText.h"
#include "PageSnapshotSize.h"

namespace libreoffice {

namespace {

// The document's view cursor, which the page export follows: the filter
// renders the page the cursor is on.
Reference<text::XTextViewCursor> viewCursor(const Reference<lang::XComponent> &model)
{
    Reference<frame::XModel> document(model, UNO_QUERY_THROW);
    Reference<text::XTextViewCursorSupplier> supplier(document->getCurrentController(), UNO_QUERY_THROW);
    return supplier->getViewCursor();
}

// The view's count lays the whole document out first: a hidden document is
// otherwise laid out only as far as it has been looked at.
int viewPageCount(const Reference<lang::XComponent> &model)
{
    Reference<frame::XModel> document(model, UNO_QUERY_THROW);
    Reference<beans::XPropertySet> view(document->getCurrentController(), UNO_QUERY_THROW);
    return int(view->getPropertyValue("PageCount").get<sal_Int32>());
}

PageGeometry pageGeometry(const Reference<beans::XPropertySet> &style)
{
    auto length = [&](const char *name) {
        return style->getPropertyValue(OUString::createFromAscii(name)).get<sal_Int32>();
    };
    PageGeometry page;
    page.width = length("Width");
    page.height = length("Height");
    page.left = length("LeftMargin");
    page.right = length("RightMargin");
    page.top = length("TopMargin");
    page.bottom = length("BottomMargin");
    return page;
}

} // namespace

int pageCount(Instance &instance, const Reference<lang::XComponent> &model)
{
    return officeCall(*instance.office, QObject::tr("PageCount"), [&] { return viewPageCount(model); });
}

word::PagePicture renderPage(Instance &instance, const Reference<lang::XComponent> &model, int number,
                             int pixelsPerLogicalInch)
{
    // JPEG renders faster than PNG (a third less time in the office and
    // half in decoding); at this quality text on white shows no artefacts
    // once scaled to the screen.
    constexpr sal_Int32 JpegQuality = 95;
    // The office writes the picture into its own private profile folder,
    // where nobody else can read or plant it.
    const QString file = instance.office->process().profileFolder() + QStringLiteral("/page.jpg");
    PageGeometry page;
    word::PagePicture result;
    officeCall(*instance.office, QObject::tr("RenderPage"), [&] {
        const Reference<text::XTextViewCursor> cursor = viewCursor(model);
        Reference<text::XPageCursor> pages(cursor, UNO_QUERY_THROW);
        Reference<beans::XPropertySet> where(cursor, UNO_QUERY_THROW);
        auto styleOfPage = [&](int n) {
            if (!pages->jumpToPage(sal_Int16(n)) || pages->getPage() != n)
                throw Failure(QObject::tr("The letter has no page %1").arg(n));
            return where->getPropertyValue("PageStyleName").get<OUString>();
        };
        // A page shows the first page's header of its style when the page
        // before has another style.
        const OUString before = number > 1 ? styleOfPage(number - 1) : OUString();
        PageInLayout layout{.number = number, .count = viewPageCount(model), .style = styleOfPage(number)};
        layout.firstOfStyle = number == 1 || before != layout.style;
        result.text = pageText(model, cursor, layout);
        page = pageGeometry(pageStyle(model, layout.style));
        // The text is read; the filter renders the page the cursor is on.
        pages->jumpToPage(sal_Int16(number));

        const QSize pixels = pageExportPixels(page, pixelsPerLogicalInch);
        const uno::Sequence<beans::PropertyValue> filterData = properties({
                property("PixelWidth", uno::Any(sal_Int32(pixels.width()))),
                property("PixelHeight", uno::Any(sal_Int32(pixels.height()))),
                property("Quality", uno::Any(JpegQuality)),
        });
        Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
        storable->storeToURL(fileUrl(*instance.office, file),
                             properties({property("FilterName", uno::Any(OUString("writer_jpg_Export"))),
                                         property("FilterData", uno::Any(filterData))}));
    });
    const QImage rendered(file, "JPG");
    QFile::remove(file);
    if (rendered.isNull())
        throw Failure(QObject::tr("The office made no picture of page %1").arg(number));
    result.picture = printedBlockPicture(rendered, page, pixelsPerLogicalInch);
    result.wholePage = wholePagePicture(rendered);
    return result;
}

} // namespace libreoffice
