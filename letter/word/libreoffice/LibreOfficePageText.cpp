#include "LibreOfficePageText.h"

#include <QStringList>

#include <com/sun/star/awt/CharSet.hpp>
#include <com/sun/star/awt/FontDescriptor.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/NumberingType.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextTable.hpp>

namespace libreoffice {

namespace {

namespace awt = com::sun::star::awt;

constexpr QChar Bullet(0x2022);

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

// A list item's label and the space after it ("• ", "1. "), or nothing.
// A bullet is told as "•" whatever its glyph: a character of a symbol font
// (Word's list bullets come in Symbol) or of the private use area means
// nothing as text.
QString listLabel(const Reference<beans::XPropertySet> &paragraph)
{
    const uno::Any counted = paragraph->getPropertyValue("NumberingIsNumber");
    if (!counted.hasValue() || !counted.get<bool>())
        return {};
    Reference<container::XIndexAccess> rules(paragraph->getPropertyValue("NumberingRules"), UNO_QUERY);
    const sal_Int16 level = paragraph->getPropertyValue("NumberingLevel").get<sal_Int16>();
    uno::Sequence<beans::PropertyValue> settings;
    if (rules.is() && level >= 0 && level < rules->getCount())
        rules->getByIndex(level) >>= settings;
    sal_Int16 type = -1;
    OUString bullet;
    awt::FontDescriptor font;
    for (const beans::PropertyValue &setting : settings) {
        if (setting.Name == "NumberingType")
            setting.Value >>= type;
        else if (setting.Name == "BulletChar")
            setting.Value >>= bullet;
        else if (setting.Name == "BulletFont")
            setting.Value >>= font;
    }
    QString label;
    if (type == style::NumberingType::CHAR_SPECIAL) {
        label = toQString(bullet);
        const bool privateUse = label.size() == 1 && label[0].unicode() >= 0xE000 && label[0].unicode() <= 0xF8FF;
        const bool symbolFont = font.CharSet == awt::CharSet::SYMBOL || font.Name.startsWith("Symbol")
                || font.Name.startsWith("Wingdings") || font.Name.startsWith("Webdings");
        if (label.isEmpty() || privateUse || symbolFont)
            label = Bullet;
    } else if (paragraph->getPropertySetInfo()->hasPropertyByName("ListLabelString")) {
        label = toQString(paragraph->getPropertyValue("ListLabelString").get<OUString>()).trimmed();
    }
    return label.isEmpty() ? QString() : label + u' ';
}

// A whole paragraph's text, its fields as this page shows them.
QString paragraphText(const Reference<text::XTextRange> &paragraph, const PageInLayout &page)
{
    Reference<container::XEnumerationAccess> portions(paragraph, UNO_QUERY);
    if (!portions.is())
        return toQString(paragraph->getString());
    QString text;
    const Reference<container::XEnumeration> it = portions->createEnumeration();
    while (it->hasMoreElements()) {
        Reference<beans::XPropertySet> portion(it->nextElement(), UNO_QUERY_THROW);
        // A header's page number field is one field for every page.
        if (portion->getPropertyValue("TextPortionType").get<OUString>() == "TextField") {
            Reference<lang::XServiceInfo> field(portion->getPropertyValue("TextField"), UNO_QUERY);
            if (field.is() && field->supportsService("com.sun.star.text.textfield.PageNumber")) {
                Reference<beans::XPropertySet> props(field, UNO_QUERY_THROW);
                text += QString::number(page.number + props->getPropertyValue("Offset").get<sal_Int16>());
                continue;
            }
            if (field.is() && field->supportsService("com.sun.star.text.textfield.PageCount")) {
                text += QString::number(page.count);
                continue;
            }
        }
        text += toQString(Reference<text::XTextRange>(portion, UNO_QUERY_THROW)->getString());
    }
    return text;
}

void addTableLines(const Reference<text::XTextTable> &table, QStringList &lines)
{
    for (const OUString &name : table->getCellNames()) {
        Reference<text::XText> cell(table->getCellByName(name), UNO_QUERY);
        if (cell.is())
            lines << toQString(cell->getString()).split(u'\n');
    }
}

// Every paragraph and table of a header or footer.
void addStoryLines(const Reference<text::XText> &story, const PageInLayout &page, QStringList &lines)
{
    if (!story.is())
        return;
    Reference<container::XEnumerationAccess> access(story, UNO_QUERY_THROW);
    const Reference<container::XEnumeration> it = access->createEnumeration();
    while (it->hasMoreElements()) {
        // A paragraph is a text range, a table is not: one question to the
        // office tells them apart for the many paragraphs.
        const uno::Any element = it->nextElement();
        Reference<text::XTextRange> paragraph(element, UNO_QUERY);
        if (!paragraph.is()) {
            if (Reference<text::XTextTable> table(element, UNO_QUERY); table.is())
                addTableLines(table, lines);
            continue;
        }
        lines << listLabel(Reference<beans::XPropertySet>(paragraph, UNO_QUERY_THROW)) + paragraphText(paragraph, page);
    }
}

// The paragraphs and tables of the main text on the page, by the pages
// the view cursor finds them on; a paragraph cut by the page's edge gives
// the part between `start` and `end`, and its label only where it begins.
void addBodyLines(const Reference<text::XText> &body, const Reference<text::XTextViewCursor> &cursor,
                  const Reference<text::XTextRange> &start, const Reference<text::XTextRange> &end,
                  const PageInLayout &page, QStringList &lines)
{
    Reference<text::XPageCursor> pages(cursor, UNO_QUERY_THROW);
    // A one-page letter needs no cursor moved: every place is on page 1.
    auto pageOf = [&](const Reference<text::XTextRange> &place) {
        if (page.count == 1)
            return 1;
        cursor->gotoRange(place, false);
        return int(pages->getPage());
    };
    Reference<container::XEnumerationAccess> access(body, UNO_QUERY_THROW);
    const Reference<container::XEnumeration> it = access->createEnumeration();
    while (it->hasMoreElements()) {
        const uno::Any element = it->nextElement();
        Reference<text::XTextRange> paragraph(element, UNO_QUERY);
        if (!paragraph.is()) {
            Reference<text::XTextTable> table(element, UNO_QUERY);
            if (!table.is())
                continue;
            const uno::Sequence<OUString> cells = table->getCellNames();
            if (cells.getLength() == 0)
                continue;
            Reference<text::XText> first(table->getCellByName(cells[0]), UNO_QUERY_THROW);
            Reference<text::XText> last(table->getCellByName(cells[cells.getLength() - 1]), UNO_QUERY_THROW);
            if (pageOf(first->getStart()) > page.number)
                break;
            if (pageOf(last->getEnd()) >= page.number)
                addTableLines(table, lines);
            continue;
        }
        const int firstPage = pageOf(paragraph->getStart());
        if (firstPage > page.number)
            break;
        const int lastPage = pageOf(paragraph->getEnd());
        if (lastPage < page.number)
            continue;
        const bool beginsHere = firstPage == page.number;
        const QString label
                = beginsHere ? listLabel(Reference<beans::XPropertySet>(paragraph, UNO_QUERY_THROW)) : QString();
        // The main text's fields read as laid out, its page numbers
        // included: the paragraph's text in one call.
        if ((beginsHere && lastPage == page.number) || !start.is() || !end.is()) {
            lines << label + toQString(paragraph->getString());
            continue;
        }
        Reference<text::XTextCursor> part
                = body->createTextCursorByRange(beginsHere ? paragraph->getStart() : start->getStart());
        part->gotoRange(lastPage == page.number ? paragraph->getEnd() : end->getEnd(), true);
        lines << label + toQString(part->getString());
    }
}

// The header or footer ("Header", "Footer") that the page shows: the
// first page's of its style, a left page's, or the common one.
Reference<text::XText> headerOrFooter(const Reference<beans::XPropertySet> &style, const QString &kind,
                                      const PageInLayout &page)
{
    auto key = [&](const char *what) { return (kind + QLatin1String(what)).toLatin1(); };
    if (!boolProperty(style, key("IsOn").constData(), false))
        return {};
    if (page.firstOfStyle && !boolProperty(style, "FirstIsShared", true))
        if (Reference<text::XText> first = textProperty(style, key("TextFirst").constData()); first.is())
            return first;
    // Page 1 is a right-hand page, as the office lays pages out.
    const bool leftPage = page.number % 2 == 0;
    if (leftPage && !boolProperty(style, key("IsShared").constData(), true))
        if (Reference<text::XText> left = textProperty(style, key("TextLeft").constData()); left.is())
            return left;
    return textProperty(style, key("Text").constData());
}

} // namespace

QString pageText(const Reference<lang::XComponent> &model, const Reference<text::XTextViewCursor> &cursor,
                 const PageInLayout &page)
{
    Reference<text::XPageCursor> pages(cursor, UNO_QUERY_THROW);
    Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
    const Reference<text::XText> body = document->getText();
    const Reference<beans::XPropertySet> style = pageStyle(model, page.style);
    QStringList lines;
    addStoryLines(headerOrFooter(style, QStringLiteral("Header"), page), page, lines);
    pages->jumpToStartOfPage();
    const Reference<text::XTextRange> start = inMainText(cursor->getStart(), body);
    pages->jumpToEndOfPage();
    const Reference<text::XTextRange> end = inMainText(cursor->getEnd(), body);
    addBodyLines(body, cursor, start, end, page, lines);
    addStoryLines(headerOrFooter(style, QStringLiteral("Footer"), page), page, lines);
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    return lines.join(u'\n');
}

} // namespace libreoffice
