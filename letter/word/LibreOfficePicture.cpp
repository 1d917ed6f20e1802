#include "LibreOfficeInstance.h"

#include <QFile>
#include <QImage>

#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>

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

// The place in the main text that holds `place`: itself, or, for a place
// in a table cell or a frame, the anchor of that table or frame (tables
// and frames may nest).
Reference<text::XTextRange> inMainText(Reference<text::XTextRange> place, const Reference<text::XText> &body)
{
    constexpr int MaxNesting = 32;
    for (int depth = 0; depth < MaxNesting && place.is() && place->getText() != body; ++depth) {
        Reference<beans::XPropertySet> props(place, UNO_QUERY);
        if (!props.is())
            return {};
        Reference<text::XTextContent> holder;
        for (const char *kind : {"TextTable", "TextFrame"}) {
            const OUString name = OUString::createFromAscii(kind);
            if (!holder.is() && props->getPropertySetInfo()->hasPropertyByName(name))
                holder.set(props->getPropertyValue(name), UNO_QUERY);
        }
        if (!holder.is())
            return {};
        place = holder->getAnchor();
    }
    return place.is() && place->getText() == body ? place : Reference<text::XTextRange>();
}

// The text of the main text from the start to the end of the page the view
// cursor is on, in reading order, tables included.
QString pageText(const Reference<lang::XComponent> &model, const Reference<text::XTextViewCursor> &cursor)
{
    Reference<text::XPageCursor> pages(cursor, UNO_QUERY_THROW);
    Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
    const Reference<text::XText> body = document->getText();
    pages->jumpToStartOfPage();
    const Reference<text::XTextRange> start = inMainText(cursor->getStart(), body);
    pages->jumpToEndOfPage();
    const Reference<text::XTextRange> end = inMainText(cursor->getEnd(), body);
    if (!start.is() || !end.is())
        return {};
    Reference<text::XTextCursor> span = body->createTextCursorByRange(start);
    span->gotoRange(end, true);
    return toQString(span->getString());
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
    // The text area starts below the header and its spacing (which the
    // header's height includes).
    if (boolProperty(style, "HeaderIsOn", false))
        page.top += length("HeaderHeight");
    if (boolProperty(style, "FooterIsOn", false))
        page.bottom += length("FooterHeight");
    return page;
}

} // namespace

int pageCount(Instance &instance, const Reference<lang::XComponent> &model)
{
    return officeCall(*instance.office, QObject::tr("PageCount"), [&] {
        // The view's count lays the whole document out first: a hidden
        // document is otherwise laid out only as far as it has been looked
        // at.
        Reference<frame::XModel> document(model, UNO_QUERY_THROW);
        Reference<beans::XPropertySet> view(document->getCurrentController(), UNO_QUERY_THROW);
        return int(view->getPropertyValue("PageCount").get<sal_Int32>());
    });
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
        if (!pages->jumpToPage(sal_Int16(number)) || pages->getPage() != number)
            throw Failure(QObject::tr("RenderPage failed: the letter has no page %1").arg(number));
        result.text = pageText(model, cursor);
        Reference<beans::XPropertySet> where(cursor, UNO_QUERY_THROW);
        page = pageGeometry(pageStyle(model, where->getPropertyValue("PageStyleName").get<OUString>()));
        // The text is read; the filter renders the page the cursor is on.
        pages->jumpToPage(sal_Int16(number));

        const QSize pixels = pageExportPixels(page, pixelsPerLogicalInch);
        const uno::Sequence<beans::PropertyValue> filterData = properties({
            property("PixelWidth", uno::Any(sal_Int32(pixels.width()))),
            property("PixelHeight", uno::Any(sal_Int32(pixels.height()))),
            property("Quality", uno::Any(JpegQuality)),
        });
        Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
        storable->storeToURL(fileUrl(file),
                             properties({property("FilterName", uno::Any(OUString("writer_jpg_Export"))),
                                         property("FilterData", uno::Any(filterData))}));
    });
    const QImage rendered(file, "JPG");
    QFile::remove(file);
    if (rendered.isNull())
        throw Failure(QObject::tr("RenderPage failed: the office rendered no picture of page %1").arg(number));
    result.picture = textAreaPicture(rendered, page, pixelsPerLogicalInch);
    return result;
}

} // namespace libreoffice
