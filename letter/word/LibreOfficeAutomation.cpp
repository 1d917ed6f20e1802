#include "LibreOfficeAutomation.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QThread>

#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <rtl/ustring.hxx>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <com/sun/star/util/XReplaceable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>

#include "Failure.h"
#include "OfficeConnection.h"
#include "OfficeSpares.h"
#include "PageSnapshotSize.h"

namespace uno = com::sun::star::uno;
namespace beans = com::sun::star::beans;
namespace container = com::sun::star::container;
namespace frame = com::sun::star::frame;
namespace lang = com::sun::star::lang;
namespace text = com::sun::star::text;
namespace util = com::sun::star::util;
namespace drawing = com::sun::star::drawing;
namespace style = com::sun::star::style;
using rtl::OUString;
using uno::Reference;
using uno::UNO_QUERY;
using uno::UNO_QUERY_THROW;

namespace {

beans::PropertyValue property(const char *name, const uno::Any &value)
{
    beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

uno::Sequence<beans::PropertyValue> properties(std::initializer_list<beans::PropertyValue> list)
{
    return uno::Sequence<beans::PropertyValue>(list.begin(), sal_Int32(list.size()));
}

// Runs one call into the office and turns a UNO exception into a Failure
// that carries the office's own message.
template <typename Call>
auto officeCall(const QString &what, Call &&call) -> decltype(call())
{
    try {
        return call();
    } catch (const lang::DisposedException &) {
        throw Failure(QObject::tr("%1 failed: the office instance is no longer there").arg(what));
    } catch (const uno::Exception &e) {
        const QString reason = e.Message.isEmpty() ? QObject::tr("the office gave no reason")
                                                   : toQString(e.Message);
        throw Failure(QObject::tr("%1 failed: %2").arg(what, reason));
    }
}

struct Instance;

// What one story range covers: the texts of one story (one text, or every
// footnote of the footnotes story), or the text of one drawing shape.
struct StoryTexts
{
    std::vector<Reference<text::XText>> texts;
    bool isMainText = false;
    bool isDrawingShape = false;
};

// The last search of a document, kept so that replacing one field story by
// story searches the document once rather than once a story. The hits of
// a story stay valid while other stories change; the cache is dropped as
// soon as anything else changes the document, or a story is searched again.
struct SearchCache
{
    Reference<uno::XInterface> model;
    QString text;
    bool matchCase = false;
    bool matchWholeWord = false;
    struct Hit
    {
        Reference<uno::XInterface> owner; // the text the hit lies in
        Reference<text::XTextRange> range;
    };
    std::vector<Hit> hits;
    std::vector<Reference<uno::XInterface>> searchedStories;

    bool matches(const Reference<uno::XInterface> &m, const word::FindSettings &s) const
    {
        return model.is() && model == m && text == s.text && matchCase == s.matchCase
                && matchWholeWord == s.matchWholeWord;
    }
    void clear() { *this = SearchCache(); }
};

// Shared by every object of one application instance.
struct Instance
{
    std::unique_ptr<OfficeConnection> office;
    bool hasQuit = false;
    SearchCache search;

    void ensureAlive(const QString &what) const
    {
        if (hasQuit)
            throw Failure(QObject::tr("%1 failed: the office instance has quit").arg(what));
    }
};

class DocumentImpl;

class ReplacementImpl : public word::Replacement
{
public:
    explicit ReplacementImpl(word::FindSettings &settings) : m_settings(settings) { }
    void clearFormatting() override { }
    void setText(const QString &text) override { m_settings.replacementText = text; }

private:
    word::FindSettings &m_settings;
};

// Case-insensitive (unless asked otherwise), literal replacement in exactly
// the texts of one story.
int replaceInStory(Instance &instance, const Reference<lang::XComponent> &model,
                   const StoryTexts &story, const word::FindSettings &settings, bool all)
{
    instance.ensureAlive(QObject::tr("Find"));
    if (settings.matchWildcards || settings.matchSoundsLike || settings.matchAllWordForms)
        throw Failure(QObject::tr("Find failed: wildcards, sounds-like and word-form matching are not available"));
    if (settings.text.isEmpty())
        return 0;

    return officeCall(QObject::tr("Find"), [&]() -> int {
        if (story.isDrawingShape) {
            instance.search.clear(); // the document changes outside the search
            // Drawing shapes are outside the document's search: replace
            // through a cursor over the shape's own text, last match first
            // so that earlier positions stay valid.
            const Reference<text::XText> &shapeText = story.texts.front();
            const QString content = toQString(shapeText->getString());
            const Qt::CaseSensitivity cs = settings.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
            std::vector<qsizetype> positions;
            for (qsizetype at = content.indexOf(settings.text, 0, cs); at >= 0;
                 at = content.indexOf(settings.text, at + settings.text.size(), cs)) {
                positions.push_back(at);
                if (!all)
                    break;
            }
            for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
                Reference<text::XTextCursor> cursor = shapeText->createTextCursor();
                cursor->gotoStart(false);
                cursor->goRight(sal_Int16(*it), false);
                cursor->goRight(sal_Int16(settings.text.size()), true);
                cursor->setString(toOUString(settings.replacementText));
            }
            return int(positions.size());
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
            Reference<util::XSearchDescriptor> descriptor = replaceable->createSearchDescriptor();
            descriptor->setSearchString(toOUString(settings.text));
            Reference<beans::XPropertySet> options(descriptor, UNO_QUERY_THROW);
            options->setPropertyValue("SearchCaseSensitive", uno::Any(settings.matchCase));
            options->setPropertyValue("SearchWords", uno::Any(settings.matchWholeWord));
            options->setPropertyValue("SearchRegularExpression", uno::Any(false));
            options->setPropertyValue("SearchSimilarity", uno::Any(false));
            options->setPropertyValue("SearchStyles", uno::Any(false));
            // The document's search reaches the body, headers, footers and
            // frames at once: each hit is kept with the text it lies in.
            Reference<container::XIndexAccess> found = replaceable->findAll(descriptor);
            for (sal_Int32 i = 0; found.is() && i < found->getCount(); ++i) {
                Reference<text::XTextRange> range(found->getByIndex(i), UNO_QUERY);
                if (range.is())
                    cache.hits.push_back({Reference<uno::XInterface>(range->getText(), UNO_QUERY), range});
            }
            cache.model = modelId;
            cache.text = settings.text;
            cache.matchCase = settings.matchCase;
            cache.matchWholeWord = settings.matchWholeWord;
        }

        // Replace the hits in this story's texts and nowhere else.
        std::vector<Reference<text::XTextRange>> inStory;
        for (auto it = cache.hits.begin(); it != cache.hits.end() && (all || inStory.empty());) {
            if (std::find(storyIds.begin(), storyIds.end(), it->owner) != storyIds.end()) {
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

class FindImpl : public word::Find
{
public:
    FindImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model, StoryTexts story)
        : m_instance(std::move(instance)), m_model(std::move(model)), m_story(std::move(story)),
          m_replacement(m_settings)
    {
    }

    void clearFormatting() override { }
    word::Replacement &replacement() override { return m_replacement; }
    void setText(const QString &text) override { m_settings.text = text; }
    void setForward(bool on) override { m_settings.forward = on; }
    void setWrap(word::WdFindWrap wrap) override { m_settings.wrap = wrap; }
    void setFormat(bool on) override { m_settings.format = on; }
    void setMatchCase(bool on) override { m_settings.matchCase = on; }
    void setMatchWholeWord(bool on) override { m_settings.matchWholeWord = on; }
    void setMatchWildcards(bool on) override { m_settings.matchWildcards = on; }
    void setMatchSoundsLike(bool on) override { m_settings.matchSoundsLike = on; }
    void setMatchAllWordForms(bool on) override { m_settings.matchAllWordForms = on; }

    bool execute(const word::FindExecuteArgs &args) override
    {
        // Given arguments become the Find object's settings, as they do in
        // the word processor; omitted ones leave the settings as they are.
        auto take = [](auto &setting, const auto &arg) {
            if (arg)
                setting = *arg;
        };
        take(m_settings.text, args.findText);
        take(m_settings.matchCase, args.matchCase);
        take(m_settings.matchWholeWord, args.matchWholeWord);
        take(m_settings.matchWildcards, args.matchWildcards);
        take(m_settings.matchSoundsLike, args.matchSoundsLike);
        take(m_settings.matchAllWordForms, args.matchAllWordForms);
        take(m_settings.forward, args.forward);
        take(m_settings.wrap, args.wrap);
        take(m_settings.format, args.format);
        take(m_settings.replacementText, args.replaceWith);
        const word::WdReplace replace = args.replace.value_or(word::WdReplace::None);
        if (replace == word::WdReplace::None)
            return countMatches() > 0; // a search alone changes nothing
        return replaceInStory(*m_instance, m_model, m_story, m_settings,
                              replace == word::WdReplace::All) > 0;
    }

private:
    int countMatches()
    {
        m_instance->ensureAlive(QObject::tr("Find"));
        return officeCall(QObject::tr("Find"), [&]() -> int {
            int count = 0;
            const Qt::CaseSensitivity cs = m_settings.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
            for (const auto &t : m_story.texts)
                count += int(toQString(t->getString()).count(m_settings.text, cs));
            return count;
        });
    }

    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    StoryTexts m_story;
    word::FindSettings m_settings;
    ReplacementImpl m_replacement;
};

// Renders the first page and puts the picture of its text area on the
// clipboard (see PageSnapshotSize.h for its size and resolution).
void copyPageAsPicture(Instance &instance, const Reference<lang::XComponent> &model);

class RangeImpl : public word::Range
{
public:
    RangeImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model, StoryTexts story)
        : m_instance(instance), m_model(model), m_isMainText(story.isMainText),
          m_find(std::move(instance), std::move(model), std::move(story))
    {
    }

    word::Find &find() override { return m_find; }

    void copyAsPicture() override
    {
        m_instance->ensureAlive(QObject::tr("CopyAsPicture"));
        if (!m_isMainText)
            throw Failure(QObject::tr("CopyAsPicture is available for the main text only"));
        copyPageAsPicture(*m_instance, m_model);
    }

private:
    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    bool m_isMainText;
    FindImpl m_find;
};

class TextFrameImpl : public word::TextFrame
{
public:
    TextFrameImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model,
                  Reference<drawing::XShape> shape)
        : m_instance(std::move(instance)), m_model(std::move(model)), m_shape(std::move(shape))
    {
    }

    bool hasText() override
    {
        m_instance->ensureAlive(QObject::tr("HasText"));
        return officeCall(QObject::tr("HasText"), [&] {
            Reference<text::XText> text(m_shape, UNO_QUERY);
            return text.is() && !text->getString().isEmpty();
        });
    }

    std::shared_ptr<word::Range> textRange() override
    {
        m_instance->ensureAlive(QObject::tr("TextRange"));
        return officeCall(QObject::tr("TextRange"), [&] {
            Reference<text::XText> text(m_shape, UNO_QUERY);
            if (!text.is())
                throw Failure(QObject::tr("TextRange failed: the shape holds no text"));
            StoryTexts story;
            story.texts.push_back(text);
            // Writer's own text frames are part of the document's search;
            // drawing shapes keep their text to themselves.
            story.isDrawingShape = !Reference<text::XTextFrame>(m_shape, UNO_QUERY).is();
            return std::make_shared<RangeImpl>(m_instance, m_model, std::move(story));
        });
    }

private:
    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    Reference<drawing::XShape> m_shape;
};

class ShapeImpl : public word::Shape
{
public:
    ShapeImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model,
              Reference<drawing::XShape> shape)
        : m_frame(std::move(instance), std::move(model), std::move(shape))
    {
    }
    word::TextFrame &textFrame() override { return m_frame; }

private:
    TextFrameImpl m_frame;
};

Reference<beans::XPropertySet> pageStyle(const Reference<lang::XComponent> &model, const OUString &name)
{
    Reference<style::XStyleFamiliesSupplier> families(model, UNO_QUERY_THROW);
    Reference<container::XNameAccess> pageStyles(
            families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
    return Reference<beans::XPropertySet>(pageStyles->getByName(name), UNO_QUERY_THROW);
}

// The page style that the document's first page uses.
OUString firstPageStyleName(const Reference<lang::XComponent> &model)
{
    Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
    Reference<text::XTextCursor> cursor = document->getText()->createTextCursor();
    cursor->gotoStart(false);
    Reference<beans::XPropertySet> props(cursor, UNO_QUERY_THROW);
    return props->getPropertyValue("PageStyleName").get<OUString>();
}

bool boolProperty(const Reference<beans::XPropertySet> &props, const char *name, bool fallback)
{
    const OUString key = OUString::createFromAscii(name);
    if (!props->getPropertySetInfo()->hasPropertyByName(key))
        return fallback;
    return props->getPropertyValue(key).get<bool>();
}

Reference<text::XText> textProperty(const Reference<beans::XPropertySet> &props, const char *name)
{
    const OUString key = OUString::createFromAscii(name);
    if (!props->getPropertySetInfo()->hasPropertyByName(key))
        return {};
    return Reference<text::XText>(props->getPropertyValue(key), UNO_QUERY);
}

class DocumentImpl : public word::Document
{
public:
    DocumentImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model)
        : m_instance(std::move(instance)), m_model(std::move(model))
    {
    }

    ~DocumentImpl() override = default;

    std::vector<std::shared_ptr<word::Range>> storyRanges() override
    {
        ensureOpen(QObject::tr("StoryRanges"));
        return officeCall(QObject::tr("StoryRanges"), [&] {
            std::vector<StoryTexts> stories;
            auto addStory = [&](std::vector<Reference<text::XText>> texts, bool isMain = false) {
                std::erase_if(texts, [](const auto &t) { return !t.is(); });
                if (!texts.empty())
                    stories.push_back({std::move(texts), isMain, false});
            };
            Reference<text::XTextDocument> document(m_model, UNO_QUERY_THROW);
            addStory({document->getText()}, true);
            addHeaderFooterStories(addStory, "Header");
            addHeaderFooterStories(addStory, "Footer");
            addNoteStory(addStory, Reference<text::XFootnotesSupplier>(m_model, UNO_QUERY));
            addEndnoteStory(addStory, Reference<text::XEndnotesSupplier>(m_model, UNO_QUERY));

            std::vector<std::shared_ptr<word::Range>> ranges;
            for (auto &story : stories)
                ranges.push_back(std::make_shared<RangeImpl>(m_instance, m_model, std::move(story)));
            return ranges;
        });
    }

    std::vector<std::shared_ptr<word::Shape>> shapes() override
    {
        ensureOpen(QObject::tr("Shapes"));
        return officeCall(QObject::tr("Shapes"), [&] {
            std::vector<std::shared_ptr<word::Shape>> result;
            Reference<drawing::XDrawPageSupplier> supplier(m_model, UNO_QUERY_THROW);
            // Writer keeps all its shapes on its one draw page.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            Reference<container::XIndexAccess> page(supplier->getDrawPage(), UNO_QUERY_THROW);
#pragma GCC diagnostic pop
            for (sal_Int32 i = 0; i < page->getCount(); ++i) {
                Reference<drawing::XShape> shape(page->getByIndex(i), UNO_QUERY);
                if (shape.is())
                    result.push_back(std::make_shared<ShapeImpl>(m_instance, m_model, shape));
            }
            return result;
        });
    }

    void saveAs(const QString &path) override
    {
        ensureOpen(QObject::tr("SaveAs"));
        const OUString url = fileUrl(path);
        officeCall(QObject::tr("SaveAs %1").arg(path), [&] {
            Reference<frame::XStorable> storable(m_model, UNO_QUERY_THROW);
            storable->storeAsURL(url, properties({property("FilterName", uno::Any(OUString("MS Word 97"))),
                                                  property("Overwrite", uno::Any(true))}));
        });
    }

    void close(std::optional<word::WdSaveOptions> saveChanges) override
    {
        ensureOpen(QObject::tr("Close"));
        officeCall(QObject::tr("Close"), [&] {
            if (saveChanges == word::WdSaveOptions::SaveChanges) {
                Reference<frame::XStorable> storable(m_model, UNO_QUERY_THROW);
                storable->store();
            }
            Reference<util::XCloseable> closeable(m_model, UNO_QUERY_THROW);
            closeable->close(true);
        });
        m_instance->search.clear();
        m_closed = true;
    }

    std::shared_ptr<word::Range> range() override
    {
        ensureOpen(QObject::tr("Range"));
        return officeCall(QObject::tr("Range"), [&] {
            Reference<text::XTextDocument> document(m_model, UNO_QUERY_THROW);
            StoryTexts main{{document->getText()}, true, false};
            return std::make_shared<RangeImpl>(m_instance, m_model, std::move(main));
        });
    }

    bool isClosed() const { return m_closed; }

private:
    void ensureOpen(const QString &what) const
    {
        m_instance->ensureAlive(what);
        if (m_closed)
            throw Failure(QObject::tr("%1 failed: the document is closed").arg(what));
    }

    // Headers or footers: the first page's own, the primary one and the
    // even pages' one, each taken from the page style that shows it.
    template <typename Add>
    void addHeaderFooterStories(Add &&addStory, const char *kind)
    {
        const QByteArray k(kind);
        const OUString firstName = firstPageStyleName(m_model);
        Reference<beans::XPropertySet> first = pageStyle(m_model, firstName);
        const OUString followName = first->getPropertyValue("FollowStyle").get<OUString>();
        const bool firstHasOwnStyle = !followName.isEmpty() && followName != firstName;
        Reference<beans::XPropertySet> primary = firstHasOwnStyle ? pageStyle(m_model, followName) : first;

        auto isOn = [&](const Reference<beans::XPropertySet> &s) {
            return boolProperty(s, (k + "IsOn").constData(), false);
        };
        // First page.
        if (firstHasOwnStyle && isOn(first)) {
            addStory({textProperty(first, (k + "Text").constData())});
        } else if (isOn(primary) && !boolProperty(primary, "FirstIsShared", true)) {
            addStory({textProperty(primary, (k + "TextFirst").constData())});
        }
        if (!isOn(primary))
            return;
        const bool shared = boolProperty(primary, (k + "IsShared").constData(), true);
        addStory({textProperty(primary, (k + (shared ? "Text" : "TextRight")).constData())});
        if (!shared)
            addStory({textProperty(primary, (k + "TextLeft").constData())});
    }

    template <typename Add>
    void addNotes(Add &&addStory, const Reference<container::XIndexAccess> &notes)
    {
        std::vector<Reference<text::XText>> texts;
        for (sal_Int32 i = 0; notes.is() && i < notes->getCount(); ++i)
            texts.emplace_back(notes->getByIndex(i), UNO_QUERY);
        addStory(std::move(texts));
    }

    template <typename Add>
    void addNoteStory(Add &&addStory, const Reference<text::XFootnotesSupplier> &supplier)
    {
        if (supplier.is())
            addNotes(addStory, supplier->getFootnotes());
    }

    template <typename Add>
    void addEndnoteStory(Add &&addStory, const Reference<text::XEndnotesSupplier> &supplier)
    {
        if (supplier.is())
            addNotes(addStory, supplier->getEndnotes());
    }

    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    bool m_closed = false;
};

class ApplicationImpl;

class DocumentsImpl : public word::Documents
{
public:
    explicit DocumentsImpl(ApplicationImpl &application) : m_application(application) { }
    std::shared_ptr<word::Document> open(const QString &path, const word::OpenOptions &options) override;

private:
    ApplicationImpl &m_application;
};

class ApplicationImpl : public word::Application
{
public:
    explicit ApplicationImpl(std::shared_ptr<Instance> instance)
        : m_instance(std::move(instance)), m_documents(*this)
    {
    }

    ~ApplicationImpl() override
    {
        // An instance that was never asked to quit (a failure cut its
        // operation short) ends here all the same.
        if (!m_instance->hasQuit)
            endInstance();
    }

    word::Documents &documents() override { return m_documents; }

    void setDisplayAlerts(bool on) override
    {
        m_instance->ensureAlive(QObject::tr("DisplayAlerts"));
        // A headless office never shows dialogs; the setting is kept.
        m_displayAlerts = on;
    }

    std::shared_ptr<word::Document> activeDocument() override
    {
        m_instance->ensureAlive(QObject::tr("ActiveDocument"));
        std::erase_if(m_opened, [](const auto &d) { return !d || d->isClosed(); });
        if (m_opened.empty())
            throw Failure(QObject::tr("ActiveDocument failed: no document is open"));
        return m_opened.back();
    }

    void quit() override
    {
        m_instance->ensureAlive(QObject::tr("quit"));
        endInstance();
    }

    std::shared_ptr<Instance> instance() const { return m_instance; }
    void opened(std::shared_ptr<DocumentImpl> document) { m_opened.push_back(std::move(document)); }

private:
    void endInstance()
    {
        m_instance->hasQuit = true;
        if (m_instance->office)
            m_instance->office->terminate(LibreOfficeAutomation::QuitTimeoutMs);
    }

    std::shared_ptr<Instance> m_instance;
    DocumentsImpl m_documents;
    std::vector<std::shared_ptr<DocumentImpl>> m_opened;
    bool m_displayAlerts = true;
};

std::shared_ptr<word::Document> DocumentsImpl::open(const QString &path, const word::OpenOptions &options)
{
    std::shared_ptr<Instance> instance = m_application.instance();
    instance->ensureAlive(QObject::tr("Open"));
    if (!QFileInfo(path).isFile())
        throw Failure(QObject::tr("Cannot open %1: no such file").arg(QDir::toNativeSeparators(path)));
    const OUString url = fileUrl(path);
    auto document = officeCall(QObject::tr("Open %1").arg(path), [&] {
        std::vector<beans::PropertyValue> props = {
            property("Hidden", uno::Any(true)),
            // The file itself is the document, even under a template's name.
            property("AsTemplate", uno::Any(false)),
            property("MacroExecutionMode",
                     uno::Any(sal_Int16(com::sun::star::document::MacroExecMode::NEVER_EXECUTE))),
        };
        if (options.readOnly)
            props.push_back(property("ReadOnly", uno::Any(*options.readOnly)));
        Reference<lang::XComponent> model = instance->office->desktop()->loadComponentFromURL(
                url, "_blank", 0, uno::Sequence<beans::PropertyValue>(props.data(), sal_Int32(props.size())));
        if (!model.is())
            throw Failure(QObject::tr("Cannot open %1: the office cannot read it").arg(path));
        if (!Reference<text::XTextDocument>(model, UNO_QUERY).is()) {
            Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
            throw Failure(QObject::tr("Cannot open %1: it is not a text document").arg(path));
        }
        return std::make_shared<DocumentImpl>(instance, model);
    });
    m_application.opened(document);
    return document;
}

void copyPageAsPicture(Instance &instance, const Reference<lang::XComponent> &model)
{
    // JPEG renders faster than PNG at this size (a third less time in the
    // office and half in decoding); at this quality text on white shows no
    // artefacts once scaled to the screen.
    constexpr sal_Int32 JpegQuality = 95;
    const QString pngPath = instance.office->process().profileFolder() + QStringLiteral("/page.jpg");
    PageGeometry page;
    officeCall(QObject::tr("CopyAsPicture"), [&] {
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
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw Failure(QObject::tr("CopyAsPicture failed: there is no clipboard"));
    clipboard->setImage(picture);
}

} // namespace

LibreOfficeAutomation::LibreOfficeAutomation(int spareCount)
    : m_spares(spareCount > 0 ? std::make_unique<OfficeSpares>(spareCount) : nullptr)
{
}

LibreOfficeAutomation::~LibreOfficeAutomation() = default;

void LibreOfficeAutomation::startSpares(int now)
{
    if (m_spares)
        m_spares->replenish(now);
}

std::vector<qint64> LibreOfficeAutomation::spareProcessIds() const
{
    return m_spares ? m_spares->processIds() : std::vector<qint64>{};
}

int LibreOfficeAutomation::readySpares() const
{
    return m_spares ? m_spares->readyCount() : 0;
}

std::shared_ptr<word::Application> LibreOfficeAutomation::createApplication()
{
    auto instance = std::make_shared<Instance>();
    if (m_spares) {
        instance->office = m_spares->take(ConnectTimeoutMs);
        m_spares->replenish(); // the replacement starts at once
    }
    if (!instance->office)
        instance->office = OfficeConnection::start(ConnectTimeoutMs);
    m_lastProcessId = instance->office->process().processId();
    return std::make_shared<ApplicationImpl>(instance);
}
