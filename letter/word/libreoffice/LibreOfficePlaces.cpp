#include "LibreOfficeInstance.h"

#include <algorithm>

#include <QRegularExpression>

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/document/XUndoManager.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/util/XSearchable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>

namespace libreoffice {

namespace {
// The character formatting a place shows, as far as a reader sees it:
// compared before and after a place is emptied and filled again.
constexpr const char *FormattingProperties[] = {
        "CharStyleName",  "CharFontName",         "CharFontFamily", "CharHeight",    "CharWeight",    "CharPosture",
        "CharUnderline",  "CharStrikeout",        "CharColor",      "CharBackColor", "CharHighlight", "CharCaseMap",
        "CharEscapement", "CharEscapementHeight", "CharHidden",     "CharContoured", "CharShadowed",  "CharRelief",
        "CharKerning",    "CharScaleWidth",       "CharLocale",     "CharOverline",  "HyperLinkURL",
};

std::vector<uno::Any> formattingOf(const Reference<text::XTextRange> &range)
{
    std::vector<uno::Any> values;
    Reference<beans::XPropertySet> props(range, UNO_QUERY);
    if (!props.is())
        return values;
    // Every call is a round trip to the office: the names it has come in
    // one, their values in another (asked one by one, a template's places
    // cost the first letter of a batch half a second).
    std::vector<OUString> names;
    for (const beans::Property &property : props->getPropertySetInfo()->getProperties()) {
        if (std::any_of(std::begin(FormattingProperties), std::end(FormattingProperties),
                        [&](const char *name) { return property.Name.equalsAscii(name); }))
            names.push_back(property.Name);
    }
    std::sort(names.begin(), names.end());
    const uno::Sequence<OUString> asked(names.data(), sal_Int32(names.size()));
    if (Reference<beans::XMultiPropertySet> many(range, UNO_QUERY); many.is()) {
        try {
            const uno::Sequence<uno::Any> all = many->getPropertyValues(asked);
            return {all.begin(), all.end()};
        } catch (const uno::RuntimeException &) {
            // One of them cannot be read here: each on its own below.
        }
    }
    for (const OUString &name : names) {
        try {
            values.push_back(props->getPropertyValue(name));
        } catch (const uno::Exception &) {
            values.emplace_back();
        }
    }
    return values;
}

// A regular expression that matches any of the placeholders literally, the
// longest first where one begins another.
OUString anyOf(std::vector<QString> placeholders)
{
    std::sort(placeholders.begin(), placeholders.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QStringList alternatives;
    for (const QString &placeholder : placeholders) {
        if (placeholder.isEmpty())
            continue;
        QString escaped;
        for (const QChar c : placeholder) {
            if (!c.isLetterOrNumber())
                escaped += u'\\';
            escaped += c;
        }
        alternatives.append(escaped);
    }
    return toOUString(alternatives.join(u'|'));
}

// Which placeholder a found text is: the first of the list, as the
// replacements run in list order.
std::optional<size_t> placeholderIndex(const std::vector<QString> &placeholders, const QString &found)
{
    for (size_t i = 0; i < placeholders.size(); ++i) {
        if (!placeholders[i].isEmpty() && found.compare(placeholders[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

// A placeholder found in a paragraph's text by the program itself: where,
// how long, and which placeholder of the list.
struct Match
{
    qsizetype at = 0;
    qsizetype length = 0;
    size_t placeholder = 0;
};

// The placeholders in a text, in any letter case, the longest first where
// one begins another, as the office's search finds them.
std::vector<Match> matchesIn(const QString &content, const std::vector<QString> &placeholders)
{
    std::vector<Match> matches;
    for (qsizetype at = 0; at < content.size();) {
        std::optional<size_t> match;
        for (size_t i = 0; i < placeholders.size(); ++i) {
            const QString &p = placeholders[i];
            if (!p.isEmpty() && QStringView(content).mid(at).startsWith(p, Qt::CaseInsensitive)
                && (!match || p.size() > placeholders[*match].size()))
                match = i;
        }
        if (!match) {
            ++at;
            continue;
        }
        const qsizetype length = placeholders[*match].size();
        matches.push_back({at, length, *placeholderIndex(placeholders, content.mid(at, length))});
        at += length;
    }
    return matches;
}

// How far a cursor moves over a text: by characters, not UTF-16 units.
sal_Int16 characterCount(const QString &text)
{
    return sal_Int16(std::min<qsizetype>(text.toUcs4().size(), SAL_MAX_INT16));
}

struct Place
{
    size_t placeholder = 0;
    QString text; // what the place holds now
    // In the document's texts: a cursor that the office keeps over the
    // place's text as the text around it changes.
    Reference<text::XTextRange> range;
    Reference<text::XText> owner; // the text it lies in
    // In a drawing shape's text, where ranges do not follow edits: the
    // paragraph and the position, kept up to date here.
    Reference<text::XText> shapeText;
    Reference<text::XTextRange> paragraph;
    qsizetype at = 0;
    // Kept from letter to letter for the replace (see replaceInPlace): one
    // where the place begins, one over its text but the first character.
    Reference<text::XTextCursor> head;
    Reference<text::XTextCursor> tail;
    // Touches another place: text set into it could also widen the other.
    bool touchesAnother = false;
    // Until tried, an emptied place needs a fresh copy.
    bool losesFormattingWhenEmptied = true;
};

// The headers and footers of the first page's style and of the styles
// that follow it, page after page: the pages a letter that grows can have.
// A header or footer that no page of the template shows yet is outside the
// document's search, though a letter that grows to a further page shows it.
std::vector<Reference<text::XText>> pageStyleTexts(const Reference<lang::XComponent> &model)
{
    std::vector<Reference<text::XText>> texts;
    auto add = [&](const Reference<beans::XPropertySet> &style, const char *name) {
        const OUString property = OUString::createFromAscii(name);
        if (!style->getPropertySetInfo()->hasPropertyByName(property))
            return;
        Reference<text::XText> text(style->getPropertyValue(property), UNO_QUERY);
        if (text.is() && std::find(texts.begin(), texts.end(), text) == texts.end())
            texts.push_back(text);
    };
    std::vector<OUString> seen;
    for (OUString name = firstPageStyleName(model);
         !name.isEmpty() && std::find(seen.begin(), seen.end(), name) == seen.end();) {
        seen.push_back(name);
        const Reference<beans::XPropertySet> style = pageStyle(model, name);
        for (const char *kind : {"Header", "Footer"}) {
            const QByteArray k(kind);
            if (!boolProperty(style, (k + "IsOn").constData(), false))
                continue;
            for (const char *which : {"Text", "TextLeft", "TextFirst"})
                add(style, (k + which).constData());
        }
        name = style->getPropertyValue("FollowStyle").get<OUString>();
    }
    return texts;
}

class Places : public word::PlaceholderPlaces
{
public:
    Places(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model)
        : m_instance(std::move(instance)), m_model(std::move(model))
    { }

    void find(const std::vector<QString> &placeholders)
    {
        // Letter after letter is filled in place: what the office would
        // record to undo it costs time and memory, and nothing undoes it.
        Reference<com::sun::star::document::XUndoManagerSupplier> undo(m_model, UNO_QUERY);
        if (undo.is())
            undo->getUndoManager()->lock();
        const OUString expression = anyOf(placeholders);
        if (expression.isEmpty())
            return;
        Reference<util::XSearchable> searchable(m_model, UNO_QUERY_THROW);
        Reference<util::XSearchDescriptor> descriptor = searchable->createSearchDescriptor();
        Reference<beans::XPropertySet> options(descriptor, UNO_QUERY_THROW);
        options->setPropertyValue("SearchCaseSensitive", uno::Any(false));
        options->setPropertyValue("SearchWords", uno::Any(false));
        options->setPropertyValue("SearchRegularExpression", uno::Any(true));
        options->setPropertyValue("SearchSimilarity", uno::Any(false));
        options->setPropertyValue("SearchStyles", uno::Any(false));
        descriptor->setSearchString(expression);
        // The document's search reaches the body, tables, headers, footers,
        // notes and frames at once.
        Reference<container::XIndexAccess> found = searchable->findAll(descriptor);
        for (sal_Int32 i = 0; found.is() && i < found->getCount(); ++i) {
            Reference<text::XTextRange> range(found->getByIndex(i), UNO_QUERY);
            if (!range.is())
                continue;
            const QString text = toQString(range->getString());
            // A cursor over the place: its text is replaced as the office's
            // own replace does (the new text takes the placeholder's
            // formatting), and it stays over the new text, following edits
            // around it.
            if (const auto index = placeholderIndex(placeholders, text)) {
                const Reference<text::XText> owner = range->getText();
                Place place;
                place.placeholder = *index;
                place.text = text;
                place.range.set(owner->createTextCursorByRange(range), UNO_QUERY_THROW);
                place.owner = owner;
                m_places.push_back(std::move(place));
            }
        }
        findInPageStyleTexts(placeholders);
        markTouchingPlaces();
        findInDrawingShapes(placeholders);
    }

    int count() const override { return int(m_places.size()); }

    void fill(const std::vector<QString> &texts) override
    {
        if (m_needsFreshDocument)
            throw Failure(QObject::tr("The template must be opened afresh before it is filled again"));
        m_instance->ensureAlive(QObject::tr("Fill"));
        officeCall(*m_instance->office, QObject::tr("Fill"), [&] {
            try {
                for (size_t i = 0; i < m_places.size(); ++i) {
                    Place &place = m_places[i];
                    const QString text = place.placeholder < texts.size() ? texts[place.placeholder] : QString();
                    if (text == place.text)
                        continue;
                    if (text.isEmpty() && place.losesFormattingWhenEmptied)
                        m_needsFreshDocument = true; // right now, not for the next letter
                    setText(i, text);
                }
                checkTouchingPlaces();
            } catch (...) {
                // What the places hold is no longer known.
                m_needsFreshDocument = true;
                throw;
            }
        });
        m_instance->search.clear();
    }

    std::vector<Behaviour> tryPlaces() override
    {
        std::vector<Behaviour> behaviours(m_places.size());
        m_instance->ensureAlive(QObject::tr("Fill"));
        officeCall(*m_instance->office, QObject::tr("Fill"), [&] {
            for (size_t i = 0; i < m_places.size(); ++i) {
                setText(i, QStringLiteral("xx"));
                const std::vector<uno::Any> own = formattingOf(rangeOf(i));
                setText(i, QString());
                setText(i, QStringLiteral("xx"));
                behaviours[i].losesFormattingWhenEmptied = formattingOf(rangeOf(i)) != own;
            }
        });
        m_instance->search.clear();
        m_needsFreshDocument = !m_places.empty();
        return behaviours;
    }

    void setBehaviours(const std::vector<Behaviour> &behaviours) override
    {
        for (size_t i = 0; i < m_places.size() && i < behaviours.size(); ++i) {
            m_places[i].losesFormattingWhenEmptied = behaviours[i].losesFormattingWhenEmptied;
        }
    }

    bool needsFreshDocument() const override { return m_needsFreshDocument; }

private:
    Reference<text::XTextRange> rangeOf(size_t i) const
    {
        const Place &place = m_places[i];
        if (place.range.is())
            return place.range;
        return Reference<text::XTextRange>(cursorIn(place.shapeText, place.paragraph, place.at, place.text.size()),
                                           UNO_QUERY_THROW);
    }

    // A drawing shape's places after this one in its paragraph move with
    // its length.
    void setText(size_t i, const QString &text)
    {
        Place &place = m_places[i];
        if (place.range.is()) {
            replaceInPlace(place, text);
        } else {
            rangeOf(i)->setString(toOUString(text));
            const qsizetype shift = text.size() - place.text.size();
            for (size_t k = i + 1; k < m_places.size(); ++k) {
                if (m_places[k].shapeText == place.shapeText && m_places[k].paragraph == place.paragraph)
                    m_places[k].at += shift;
            }
            // A paragraph break would move every later paragraph.
            if (text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar::ParagraphSeparator))
                m_needsFreshDocument = true;
        }
        place.text = text;
    }

    // As the office's own replace does it: the new text goes in after the
    // place's first character, whose formatting it takes (at a paragraph's
    // start it would take the next character's), then the old first
    // character goes. The place's cursor follows: it then covers the new
    // text. The two cursors that do it stay with the place from letter to
    // letter, so that a letter costs four calls to the office a place.
    // An empty place has no character of its own left: the text goes in
    // where it is, formatted as the office formats text typed there.
    void replaceInPlace(Place &place, const QString &text)
    {
        const qsizetype oldLength = place.text.size();
        // A place whose text, put in where it stands, takes the place's own
        // formatting (tried once, see tryPlaces) needs nothing more: one
        // call to the office.
        if (oldLength == 0 || text.isEmpty() || !place.losesFormattingWhenEmptied) {
            place.range->setString(toOUString(text));
            place.head.clear();
            place.tail.clear();
            return;
        }
        if (!place.head.is()) {
            place.head = place.owner->createTextCursorByRange(place.range->getStart());
            place.tail = place.owner->createTextCursorByRange(place.range->getEnd());
            place.tail->goLeft(characterCount(place.text) - 1, true);
        }
        // The new text goes in after the first character; the place's own
        // cursor widens over it, and so would a cursor over that character,
        // so the head waits before the place until the character goes.
        place.tail->setString(toOUString(text));
        place.head->goRight(1, true);
        place.head->setString(OUString());
        // Over the new text, its moving end at the start: now over all of it
        // but the first character.
        place.tail->goRight(1, true);
        // Text set into a neighbour could widen them as well.
        if (place.touchesAnother) {
            place.head.clear();
            place.tail.clear();
        }
    }

    // Places that touch (no character between them) share a position, and
    // text set into one may widen the other: those are read back after a
    // fill, and a template with such a pair is opened afresh when one did.
    // Places found one after the other in a text are the only ones that
    // can touch: each is compared with the next.
    void markTouchingPlaces()
    {
        for (size_t a = 0; a + 1 < m_places.size(); ++a) {
            Place &first = m_places[a];
            Place &second = m_places[a + 1];
            if (!first.range.is() || !second.range.is() || first.owner != second.owner)
                continue;
            Reference<text::XTextRangeCompare> compare(first.owner, UNO_QUERY);
            if (!compare.is())
                continue;
            try {
                if (compare->compareRegionStarts(first.range->getEnd(), second.range->getStart()) == 0
                    || compare->compareRegionStarts(second.range->getEnd(), first.range->getStart()) == 0)
                    first.touchesAnother = second.touchesAnother = true;
            } catch (const lang::IllegalArgumentException &) {
                // Not in the same text after all.
            }
        }
    }

    void checkTouchingPlaces()
    {
        for (const Place &place : m_places) {
            if (place.touchesAnother && toQString(place.range->getString()) != place.text)
                m_needsFreshDocument = true;
        }
    }

    // A header or footer that no page of the template shows yet is outside
    // the document's search, though a letter that grows to a further page
    // shows it: those of the pages to come are looked through here.
    void findInPageStyleTexts(const std::vector<QString> &placeholders)
    {
        for (const Reference<text::XText> &text : pageStyleTexts(m_model)) {
            // Searched already: a page shows it.
            if (std::none_of(m_places.begin(), m_places.end(), [&](const Place &p) { return p.owner == text; }))
                findInParagraphs(text, placeholders, false);
        }
    }

    // A drawing shape's text is outside the document's search: each of its
    // paragraphs is looked through here.
    void findInDrawingShapes(const std::vector<QString> &placeholders)
    {
        const Reference<container::XIndexAccess> page = drawPage(m_model);
        for (sal_Int32 s = 0; s < page->getCount(); ++s) {
            Reference<text::XText> shapeText(page->getByIndex(s), UNO_QUERY);
            if (!shapeText.is() || Reference<text::XTextFrame>(shapeText, UNO_QUERY).is())
                continue;
            // Every paragraph object the office makes for a shape's text is
            // one more release it handles on another thread, and LibreOffice
            // 7.4 can abort on such a release: a text without a placeholder
            // gets none.
            if (matchesIn(toQString(shapeText->getString()), placeholders).empty())
                continue;
            findInParagraphs(shapeText, placeholders, true);
        }
    }

    // The places in each paragraph of a text (tables, which are no ranges,
    // are left as they are). In a drawing shape's text the place is kept by
    // its paragraph and position, elsewhere by a cursor.
    void findInParagraphs(const Reference<text::XText> &text, const std::vector<QString> &placeholders,
                          bool drawingShape)
    {
        Reference<container::XEnumerationAccess> paragraphs(text, UNO_QUERY);
        if (!paragraphs.is())
            return;
        Reference<container::XEnumeration> it = paragraphs->createEnumeration();
        while (it->hasMoreElements()) {
            Reference<text::XTextRange> paragraph(it->nextElement(), UNO_QUERY);
            if (!paragraph.is())
                continue;
            const QString content = toQString(paragraph->getString());
            for (const Match &match : matchesIn(content, placeholders)) {
                Place place;
                place.placeholder = match.placeholder;
                place.text = content.mid(match.at, match.length);
                if (drawingShape) {
                    place.shapeText = text;
                    place.paragraph = paragraph;
                    place.at = match.at;
                } else {
                    place.range.set(cursorIn(text, paragraph, match.at, match.length), UNO_QUERY_THROW);
                    place.owner = text;
                }
                m_places.push_back(std::move(place));
            }
        }
    }

    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    std::vector<Place> m_places;
    bool m_needsFreshDocument = false;
};
} // namespace

std::unique_ptr<word::PlaceholderPlaces> findPlaceholders(const std::shared_ptr<Instance> &instance,
                                                          const Reference<lang::XComponent> &model,
                                                          const std::vector<QString> &placeholders)
{
    instance->ensureAlive(QObject::tr("Find"));
    auto places = std::make_unique<Places>(instance, model);
    officeCall(*instance->office, QObject::tr("Find"), [&] { places->find(placeholders); });
    return places;
}

QStringList bracketedTexts(Instance &instance, const Reference<lang::XComponent> &model)
{
    static const QRegularExpression bracketed(QStringLiteral("\\[[A-Za-z][A-Za-z0-9_-]*\\]"));
    instance.ensureAlive(QObject::tr("Find"));
    QStringList found;
    officeCall(*instance.office, QObject::tr("Find"), [&] {
        auto look = [&](const QString &text) {
            for (const QRegularExpressionMatch &match : bracketed.globalMatch(text))
                found.append(match.captured(0));
        };
        Reference<util::XSearchable> searchable(model, UNO_QUERY_THROW);
        Reference<util::XSearchDescriptor> descriptor = searchable->createSearchDescriptor();
        Reference<beans::XPropertySet> options(descriptor, UNO_QUERY_THROW);
        options->setPropertyValue("SearchRegularExpression", uno::Any(true));
        descriptor->setSearchString(toOUString(bracketed.pattern()));
        // The body, tables, headers and footers that pages show, notes and
        // frames, at once.
        Reference<container::XIndexAccess> hits = searchable->findAll(descriptor);
        for (sal_Int32 i = 0; hits.is() && i < hits->getCount(); ++i) {
            Reference<text::XTextRange> range(hits->getByIndex(i), UNO_QUERY);
            if (range.is())
                found.append(toQString(range->getString()));
        }
        for (const Reference<text::XText> &text : pageStyleTexts(model))
            look(toQString(text->getString()));
        const Reference<container::XIndexAccess> page = drawPage(model);
        for (sal_Int32 s = 0; s < page->getCount(); ++s) {
            Reference<text::XText> shapeText(page->getByIndex(s), UNO_QUERY);
            if (shapeText.is() && !Reference<text::XTextFrame>(shapeText, UNO_QUERY).is())
                look(toQString(shapeText->getString()));
        }
    });
    return found;
}

} // namespace libreoffice
