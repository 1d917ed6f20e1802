#include "LibreOfficeInstance.h"

#include <algorithm>

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/util/XReplaceDescriptor.hpp>
#include <com/sun/star/util/XReplaceable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>

namespace libreoffice {

namespace {
// Where a hit lies, for telling which story it belongs to: the text it is
// in, and for a hit in a table cell the table's anchor in the text that
// holds the table (tables may nest). A cell's text is a text of its own.
SearchCache::Hit locate(const Reference<text::XTextRange> &hit, bool documentHasTables)
{
    constexpr int MaxTableNesting = 32;
    Reference<text::XTextRange> place = hit;
    Reference<text::XTextRange> tableAnchor;
    for (int depth = 0; documentHasTables && depth < MaxTableNesting; ++depth) {
        Reference<beans::XPropertySet> props(place, UNO_QUERY);
        if (!props.is() || !props->getPropertySetInfo()->hasPropertyByName("TextTable"))
            break;
        Reference<text::XTextContent> table(props->getPropertyValue("TextTable"), UNO_QUERY);
        if (!table.is())
            break;
        place = tableAnchor = table->getAnchor();
    }
    return {Reference<uno::XInterface>(hit->getText(), UNO_QUERY), hit, tableAnchor};
}

// Whether a place lies in one of the story's texts. The office's own range
// comparison refuses ranges of another text.
bool liesIn(const Reference<text::XTextRange> &place, const StoryTexts &story)
{
    for (const auto &storyText : story.texts) {
        Reference<text::XTextRangeCompare> compare(storyText, UNO_QUERY);
        if (!compare.is())
            continue;
        try {
            compare->compareRegionStarts(storyText->getStart(), place);
            return true;
        } catch (const lang::IllegalArgumentException &) {
            // Not in this text.
        }
    }
    return false;
}
// Where the text occurs in one paragraph, in the settings' letter case and
// word rules.
std::vector<qsizetype> occurrences(const QString &paragraph, const word::FindSettings &settings)
{
    const Qt::CaseSensitivity cs = settings.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto isWordChar = [&](qsizetype i) {
        return i >= 0 && i < paragraph.size() && (paragraph[i].isLetterOrNumber() || paragraph[i] == u'_');
    };
    std::vector<qsizetype> result;
    for (qsizetype at = paragraph.indexOf(settings.text, 0, cs); at >= 0;
         at = paragraph.indexOf(settings.text, at + settings.text.size(), cs)) {
        if (settings.matchWholeWord && (isWordChar(at - 1) || isWordChar(at + settings.text.size())))
            continue;
        result.push_back(at);
    }
    return result;
}

// A drawing shape's text is outside the document's search: it is replaced
// paragraph by paragraph through cursors, last match first so that earlier
// positions stay valid.
int replaceInShapeText(const Reference<text::XText> &shapeText, const word::FindSettings &settings, bool all)
{
    // Every text object the office makes for a shape's text (paragraph,
    // cursor) is one more release that it handles on another thread, and
    // LibreOffice 7.4 can abort on such a release: a text without the
    // placeholder gets none.
    if (!toQString(shapeText->getString())
                 .contains(settings.text, settings.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive))
        return 0;
    Reference<container::XEnumerationAccess> paragraphs(shapeText, UNO_QUERY_THROW);
    Reference<container::XEnumeration> it = paragraphs->createEnumeration();
    int replaced = 0;
    const OUString replacement = toOUString(settings.replacementText);
    while (it->hasMoreElements() && (all || replaced == 0)) {
        Reference<text::XTextRange> paragraph(it->nextElement(), UNO_QUERY);
        if (!paragraph.is())
            continue;
        std::vector<qsizetype> found = occurrences(toQString(paragraph->getString()), settings);
        if (!all && found.size() > 1)
            found.resize(1);
        for (auto at = found.rbegin(); at != found.rend(); ++at) {
            cursorIn(shapeText, paragraph, *at, settings.text.size())->setString(replacement);
            ++replaced;
        }
    }
    return replaced;
}
// The search tools of this document, made afresh for another document.
SearchTools &toolsFor(Instance &instance, const Reference<lang::XComponent> &model, const word::FindSettings &settings)
{
    SearchTools &tools = instance.searchTools;
    const Reference<uno::XInterface> modelId(model, UNO_QUERY);
    if (tools.model == modelId)
        return tools;
    tools = SearchTools();
    tools.model = modelId;
    Reference<util::XReplaceable> replaceable(model, UNO_QUERY_THROW);
    tools.descriptor = replaceable->createSearchDescriptor();
    Reference<beans::XPropertySet> options(tools.descriptor, UNO_QUERY_THROW);
    options->setPropertyValue("SearchCaseSensitive", uno::Any(settings.matchCase));
    options->setPropertyValue("SearchWords", uno::Any(settings.matchWholeWord));
    options->setPropertyValue("SearchRegularExpression", uno::Any(false));
    options->setPropertyValue("SearchSimilarity", uno::Any(false));
    options->setPropertyValue("SearchStyles", uno::Any(false));
    tools.matchCase = settings.matchCase;
    tools.matchWholeWord = settings.matchWholeWord;
    Reference<text::XTextTablesSupplier> tables(model, UNO_QUERY);
    tools.hasTables = !tables.is() || tables->getTextTables()->hasElements();
    return tools;
}
} // namespace

int replaceInStory(Instance &instance, const Reference<lang::XComponent> &model, const StoryTexts &story,
                   const word::FindSettings &settings, bool all)
{
    instance.ensureAlive(QObject::tr("Find"));
    if (settings.matchWildcards || settings.matchSoundsLike || settings.matchAllWordForms)
        throw Failure(QObject::tr("Wildcards, sounds-like and word-form matching are not available in a search"));
    if (settings.text.isEmpty())
        return 0;

    return officeCall(*instance.office, QObject::tr("Find"), [&]() -> int {
        if (story.isDrawingShape) {
            instance.search.clear(); // the document changes outside the search
            return replaceInShapeText(story.texts.front(), settings, all);
        }

        const Reference<uno::XInterface> modelId(model, UNO_QUERY);
        std::vector<Reference<uno::XInterface>> storyIds;
        for (const auto &storyText : story.texts)
            storyIds.emplace_back(storyText, UNO_QUERY);
        SearchCache &cache = instance.search;
        const bool searchedBefore = std::any_of(storyIds.begin(), storyIds.end(), [&](const auto &id) {
            return std::find(cache.searchedStories.begin(), cache.searchedStories.end(), id)
                    != cache.searchedStories.end();
        });
        if (!cache.matches(modelId, settings) || searchedBefore) {
            cache.clear();
            Reference<util::XReplaceable> replaceable(model, UNO_QUERY_THROW);
            SearchTools &tools = toolsFor(instance, model, settings);
            Reference<beans::XPropertySet> options(tools.descriptor, UNO_QUERY_THROW);
            if (tools.matchCase != settings.matchCase) {
                options->setPropertyValue("SearchCaseSensitive", uno::Any(settings.matchCase));
                tools.matchCase = settings.matchCase;
            }
            if (tools.matchWholeWord != settings.matchWholeWord) {
                options->setPropertyValue("SearchWords", uno::Any(settings.matchWholeWord));
                tools.matchWholeWord = settings.matchWholeWord;
            }
            tools.descriptor->setSearchString(toOUString(settings.text));
            // The document's search reaches the body, headers, footers and
            // frames at once: each hit is kept with the text it lies in.
            Reference<container::XIndexAccess> found = replaceable->findAll(tools.descriptor);
            for (sal_Int32 i = 0; found.is() && i < found->getCount(); ++i) {
                Reference<text::XTextRange> range(found->getByIndex(i), UNO_QUERY);
                if (range.is())
                    cache.hits.push_back(locate(range, tools.hasTables));
            }
            cache.model = modelId;
            cache.text = settings.text;
            cache.matchCase = settings.matchCase;
            cache.matchWholeWord = settings.matchWholeWord;
        }

        // Replace the hits in this story's texts and nowhere else.
        std::vector<Reference<text::XTextRange>> inStory;
        for (auto it = cache.hits.begin(); it != cache.hits.end() && (all || inStory.empty());) {
            const bool inThisStory = it->tableAnchor.is()
                    ? liesIn(it->tableAnchor, story)
                    : std::find(storyIds.begin(), storyIds.end(), it->owner) != storyIds.end();
            if (inThisStory) {
                inStory.push_back(it->range);
                it = cache.hits.erase(it);
            } else {
                ++it;
            }
        }
        cache.searchedStories.insert(cache.searchedStories.end(), storyIds.begin(), storyIds.end());
        const OUString replacement = toOUString(settings.replacementText);
        for (const auto &range : inStory)
            range->setString(replacement);
        return int(inStory.size());
    });
}

} // namespace libreoffice
