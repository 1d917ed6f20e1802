#include "LibreOfficeInstance.h"

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/document/XDocumentInsertable.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCopy.hpp>
#include <com/sun/star/text/XTextField.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>

namespace libreoffice {

namespace {
struct Paragraph
{
    explicit Paragraph(Reference<text::XTextRange> r) : range(std::move(r)) { }
    Reference<text::XTextRange> range;

    // Asked for only where a paragraph's properties are read: every call
    // into the office counts on the letter's road.
    const Reference<beans::XPropertySet> &properties() const
    {
        if (!m_properties.is())
            m_properties.set(range, UNO_QUERY_THROW);
        return m_properties;
    }
    OUString style() const { return properties()->getPropertyValue("ParaStyleName").get<OUString>(); }
    bool isListItem() const
    {
        const uno::Any numbered = properties()->getPropertyValue("NumberingIsNumber");
        return numbered.hasValue() && numbered.get<bool>();
    }

private:
    mutable Reference<beans::XPropertySet> m_properties;
};

// The main text's paragraphs, in order (tables between them, which are no
// text ranges, are passed by).
std::vector<Paragraph> paragraphsOf(const Reference<text::XText> &text)
{
    std::vector<Paragraph> paragraphs;
    Reference<container::XEnumerationAccess> access(text, UNO_QUERY_THROW);
    Reference<container::XEnumeration> it = access->createEnumeration();
    while (it->hasMoreElements()) {
        Reference<text::XTextRange> range(it->nextElement(), UNO_QUERY);
        if (range.is())
            paragraphs.emplace_back(range);
    }
    return paragraphs;
}

// How the body's paragraphs look, taken from the body being replaced.
struct BodyLook
{
    OUString plainStyle;
    OUString itemStyle;
    OUString listStyle; // the bulleted list's style, when it has one
    uno::Any listRules; // else its own rules
};

BodyLook lookOf(const std::vector<Paragraph> &body)
{
    BodyLook look;
    for (const Paragraph &p : body) {
        if (p.isListItem() && look.itemStyle.isEmpty()) {
            look.itemStyle = p.style();
            look.listStyle = p.properties()->getPropertyValue("NumberingStyleName").get<OUString>();
            if (look.listStyle.isEmpty())
                look.listRules = p.properties()->getPropertyValue("NumberingRules");
        } else if (!p.isListItem() && look.plainStyle.isEmpty()) {
            look.plainStyle = p.style();
        }
    }
    if (look.plainStyle.isEmpty())
        look.plainStyle = body.front().style();
    if (look.itemStyle.isEmpty())
        look.itemStyle = look.plainStyle;
    return look;
}
} // namespace

void replaceBody(Instance &instance, const Reference<lang::XComponent> &model,
                 const std::vector<word::BodyParagraph> &replacement)
{
    const QString what = QObject::tr("ReplaceBody");
    instance.ensureAlive(what);
    officeCall(*instance.office, what, [&] {
        Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
        const Reference<text::XText> text = document->getText();
        const std::vector<Paragraph> all = paragraphsOf(text);
        size_t greeting = 0;
        while (greeting < all.size() && all[greeting].style() != "Salutation")
            ++greeting;
        size_t closing = greeting + 1;
        while (closing < all.size() && all[closing].style() != "Closing")
            ++closing;
        if (closing >= all.size() || closing == greeting + 1)
            throw Failure(QObject::tr("The letter has no body between a greeting and a closing"));
        const std::vector<Paragraph> body(all.begin() + qsizetype(greeting) + 1, all.begin() + qsizetype(closing));
        const BodyLook look = lookOf(body);

        // The body becomes one empty paragraph of its own (never the
        // greeting's, whose spacing a new paragraph would take on), which
        // the new paragraphs then grow from.
        Reference<text::XTextCursor> cursor = text->createTextCursorByRange(body.front().range->getStart());
        cursor->gotoRange(body.back().range->getEnd(), true);
        cursor->setString(OUString());
        if (replacement.empty()) {
            cursor->gotoRange(all[greeting].range->getEnd(), true);
            cursor->setString(OUString());
        }
        const Reference<text::XTextRange> at(cursor.get());
        Reference<beans::XPropertySet> paragraph(cursor, UNO_QUERY_THROW);
        for (size_t i = 0; i < replacement.size(); ++i) {
            if (i > 0)
                text->insertControlCharacter(at, text::ControlCharacter::PARAGRAPH_BREAK, false);
            text->insertString(at, toOUString(replacement[i].text), false);
            cursor->collapseToEnd();
            const bool bulleted = replacement[i].bulleted;
            paragraph->setPropertyValue("ParaStyleName", uno::Any(bulleted ? look.itemStyle : look.plainStyle));
            if (bulleted && look.listStyle.isEmpty() && look.listRules.hasValue())
                paragraph->setPropertyValue("NumberingRules", look.listRules);
            else
                paragraph->setPropertyValue("NumberingStyleName", uno::Any(bulleted ? look.listStyle : OUString()));
        }
    });
    // Earlier hits may lie in the text just replaced.
    instance.search.clear();
}

int turnHeaderFieldsIntoPlaceholders(Instance &instance, const Reference<lang::XComponent> &model)
{
    const QString what = QObject::tr("HeaderFields");
    instance.ensureAlive(what);
    const int turned = officeCall(*instance.office, what, [&] {
        Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
        const Reference<uno::XInterface> mainText(document->getText(), UNO_QUERY);
        Reference<text::XTextFieldsSupplier> supplier(model, UNO_QUERY_THROW);
        Reference<container::XEnumeration> it = supplier->getTextFields()->createEnumeration();
        std::vector<std::pair<Reference<text::XTextField>, OUString>> places;
        while (it->hasMoreElements()) {
            Reference<text::XTextField> field(it->nextElement(), UNO_QUERY);
            Reference<lang::XServiceInfo> info(field, UNO_QUERY);
            if (!field.is() || !info.is())
                continue;
            const Reference<text::XTextRange> anchor = field->getAnchor();
            if (!anchor.is() || Reference<uno::XInterface>(anchor->getText(), UNO_QUERY) == mainText)
                continue;
            if (info->supportsService("com.sun.star.text.TextField.Macro"))
                places.emplace_back(field, OUString("[RecipientName]"));
            else if (info->supportsService("com.sun.star.text.TextField.DocInfo.CreateDateTime")
                     || info->supportsService("com.sun.star.text.TextField.DateTime"))
                places.emplace_back(field, OUString("[CurrentDate]"));
        }
        // The field goes and plain text takes its place, which the search
        // that fills the letter finds (a field's shown text it passes by).
        for (const auto &[field, placeholder] : places) {
            const Reference<text::XTextRange> anchor = field->getAnchor();
            const Reference<text::XText> text = anchor->getText();
            const Reference<text::XTextCursor> cursor = text->createTextCursorByRange(anchor->getStart());
            text->removeTextContent(Reference<text::XTextContent>(field.get()));
            text->insertString(Reference<text::XTextRange>(cursor.get()), placeholder, false);
        }
        return int(places.size());
    });
    instance.search.clear();
    return turned;
}

int editParagraphs(Instance &instance, const Reference<lang::XComponent> &model,
                   const std::vector<word::ParagraphEdit> &edits)
{
    const QString what = QObject::tr("EditParagraphs");
    instance.ensureAlive(what);
    const int applied = officeCall(*instance.office, what, [&] {
        Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
        const Reference<text::XText> text = document->getText();
        const std::vector<Paragraph> all = paragraphsOf(text);
        int count = 0;
        size_t next = 0;
        for (const word::ParagraphEdit &edit : edits) {
            size_t at = next;
            while (at < all.size() && toQString(all[at].range->getString()) != edit.text)
                ++at;
            if (at >= all.size())
                continue;
            next = at + 1;
            ++count;
            const Paragraph &paragraph = all[at];
            // Its lines: the new text, then those after it. The paragraph's
            // own object is used before any break is inserted (a break at its
            // end splits it, and the object may then stand for either part).
            QStringList lines = edit.after;
            if (edit.newText)
                lines.prepend(*edit.newText);
            if (lines.isEmpty()) {
                Reference<lang::XComponent>(paragraph.range, UNO_QUERY_THROW)->dispose();
                continue;
            }
            if (lines.front() != edit.text)
                paragraph.range->setString(toOUString(lines.front()));
            const Reference<text::XTextCursor> cursor = text->createTextCursorByRange(paragraph.range->getEnd());
            const Reference<text::XTextRange> end(cursor.get());
            for (qsizetype i = 1; i < lines.size(); ++i) {
                text->insertControlCharacter(end, text::ControlCharacter::PARAGRAPH_BREAK, false);
                cursor->collapseToEnd();
                text->insertString(end, toOUString(lines[i]), false);
                cursor->collapseToEnd();
            }
        }
        return count;
    });
    // Earlier hits may lie in the text just changed.
    instance.search.clear();
    return applied;
}

namespace {
// A copy of a page style, headers and footers and all, under a name of its
// own (made once); it follows itself where the original does.
OUString copyOfPageStyle(const Reference<lang::XComponent> &model, const OUString &name)
{
    const OUString copyName = name + "-again";
    Reference<style::XStyleFamiliesSupplier> families(model, UNO_QUERY_THROW);
    Reference<container::XNameContainer> styles(families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
    if (styles->hasByName(copyName))
        return copyName;
    const Reference<beans::XPropertySet> original = pageStyle(model, name);
    Reference<lang::XMultiServiceFactory> factory(model, UNO_QUERY_THROW);
    const Reference<beans::XPropertySet> copy(factory->createInstance("com.sun.star.style.PageStyle"), UNO_QUERY_THROW);
    styles->insertByName(copyName, uno::Any(copy));
    // Twice: a header's own settings take once the header is on.
    for (int pass = 0; pass < 2; ++pass) {
        for (const beans::Property &property : original->getPropertySetInfo()->getProperties()) {
            if (property.Attributes & beans::PropertyAttribute::READONLY)
                continue;
            try {
                copy->setPropertyValue(property.Name, original->getPropertyValue(property.Name));
            } catch (const uno::Exception &) {
                // A setting the copy cannot take keeps the office's own.
            }
        }
    }
    if (original->getPropertyValue("FollowStyle").get<OUString>() == name)
        copy->setPropertyValue("FollowStyle", uno::Any(copyName));
    // The texts a page can show, each once: shared ones are one text.
    std::vector<const char *> texts{"HeaderText", "FooterText"};
    if (!boolProperty(original, "HeaderIsShared", true))
        texts.push_back("HeaderTextLeft");
    if (!boolProperty(original, "FooterIsShared", true))
        texts.push_back("FooterTextLeft");
    if (!boolProperty(original, "FirstIsShared", true))
        texts.insert(texts.end(), {"HeaderTextFirst", "FooterTextFirst"});
    for (const char *text : texts) {
        Reference<text::XTextCopy> from(textProperty(original, text), UNO_QUERY);
        Reference<text::XTextCopy> to(textProperty(copy, text), UNO_QUERY);
        if (from.is() && to.is())
            to->copyText(from);
    }
    return copyName;
}
} // namespace

void appendDocument(Instance &instance, const Reference<lang::XComponent> &model, const QString &path)
{
    const OUString url = fileUrl(*instance.office, path);
    officeCall(*instance.office, QObject::tr("InsertFile %1").arg(path), [&] {
        Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
        const Reference<text::XText> text = document->getText();
        // A page shows its style's first header only after a page of
        // another style: a letter that follows a page in the first page's
        // style starts in a copy of it.
        const OUString firstStyle = firstPageStyleName(model);
        const Reference<text::XTextCursor> end = text->createTextCursorByRange(text->getEnd());
        const OUString lastStyle = Reference<beans::XPropertySet>(end, UNO_QUERY_THROW)
                                           ->getPropertyValue("PageStyleName")
                                           .get<OUString>();
        const OUString style = lastStyle == firstStyle ? copyOfPageStyle(model, firstStyle) : firstStyle;
        text->insertControlCharacter(text->getEnd(), text::ControlCharacter::PARAGRAPH_BREAK, false);
        const Reference<text::XTextCursor> at = text->createTextCursorByRange(text->getEnd());
        // A cursor at the end of the text before, which the insertion
        // after it leaves where it is.
        const Reference<text::XTextCursor> before = text->createTextCursorByRange(at->getEnd());
        before->goLeft(1, false);
        Reference<com::sun::star::document::XDocumentInsertable>(at, UNO_QUERY_THROW)->insertDocumentFromURL(url, {});
        // The inserted text's first paragraph (which takes its own page
        // style along, if any) begins a page of that style: each letter
        // starts as the first did, header and all.
        before->goRight(1, false);
        Reference<beans::XPropertySet>(before, UNO_QUERY_THROW)->setPropertyValue("PageDescName", uno::Any(style));
    });
    instance.search.clear();
}

} // namespace libreoffice
