#include "LibreOfficeInstance.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/document/XDocumentProperties.hpp>
#include <com/sun/star/document/XDocumentPropertiesSupplier.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/style/XStyle.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XPrintable.hpp>

namespace libreoffice {

namespace {

// writer_pdf_Export's SelectPdfVersion for PDF/A-2b (1 is PDF/A-1b, 3
// PDF/A-3b).
constexpr sal_Int32 PdfA2b = 2;

util::DateTime unoDateTime(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    return util::DateTime(sal_uInt32(t.msec()) * 1000000, sal_uInt16(t.second()), sal_uInt16(t.minute()),
                          sal_uInt16(t.hour()), sal_uInt16(d.day()), sal_uInt16(d.month()), sal_Int16(d.year()), false);
}

class ReplacementImpl : public word::Replacement
{
public:
    explicit ReplacementImpl(word::FindSettings &settings) : m_settings(settings) { }
    void clearFormatting() override { }
    void setText(const QString &text) override { m_settings.replacementText = text; }

private:
    word::FindSettings &m_settings;
};

class FindImpl : public word::Find
{
public:
    FindImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model, StoryTexts story)
        : m_instance(std::move(instance)), m_model(std::move(model)), m_story(std::move(story)),
          m_replacement(m_settings)
    { }

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
        return replaceInStory(*m_instance, m_model, m_story, m_settings, replace == word::WdReplace::All) > 0;
    }

private:
    int countMatches()
    {
        m_instance->ensureAlive(QObject::tr("Find"));
        return officeCall(*m_instance->office, QObject::tr("Find"), [&]() -> int {
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

class RangeImpl : public word::Range
{
public:
    RangeImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model, StoryTexts story)
        : m_find(std::move(instance), std::move(model), std::move(story))
    { }

    word::Find &find() override { return m_find; }

private:
    FindImpl m_find;
};

class TextFrameImpl : public word::TextFrame
{
public:
    TextFrameImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model,
                  Reference<drawing::XShape> shape)
        : m_instance(std::move(instance)), m_model(std::move(model)), m_shape(std::move(shape))
    { }

    bool hasText() override
    {
        m_instance->ensureAlive(QObject::tr("HasText"));
        return officeCall(*m_instance->office, QObject::tr("HasText"), [&] {
            Reference<text::XText> text(m_shape, UNO_QUERY);
            return text.is() && !text->getString().isEmpty();
        });
    }

    std::shared_ptr<word::Range> textRange() override
    {
        m_instance->ensureAlive(QObject::tr("TextRange"));
        return officeCall(*m_instance->office, QObject::tr("TextRange"), [&] {
            Reference<text::XText> text(m_shape, UNO_QUERY);
            if (!text.is())
                throw Failure(QObject::tr("The shape holds no text"));
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
    ShapeImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model, Reference<drawing::XShape> shape)
        : m_frame(std::move(instance), std::move(model), std::move(shape))
    { }
    word::TextFrame &textFrame() override { return m_frame; }

private:
    TextFrameImpl m_frame;
};

class DocumentImpl : public BackendDocument
{
public:
    DocumentImpl(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model)
        : m_instance(std::move(instance)), m_model(std::move(model))
    { }

    ~DocumentImpl() override = default;

    std::vector<std::shared_ptr<word::Range>> storyRanges() override
    {
        ensureOpen(QObject::tr("StoryRanges"));
        return officeCall(*m_instance->office, QObject::tr("StoryRanges"), [&] {
            // Replacing text adds or removes no story: the list is looked
            // up once (it takes dozens of calls into the office) and kept.
            if (m_stories.empty())
                m_stories = lookUpStories();
            std::vector<std::shared_ptr<word::Range>> ranges;
            for (const StoryTexts &story : m_stories)
                ranges.push_back(std::make_shared<RangeImpl>(m_instance, m_model, story));
            return ranges;
        });
    }

    std::vector<std::shared_ptr<word::Shape>> shapes() override
    {
        ensureOpen(QObject::tr("Shapes"));
        return officeCall(*m_instance->office, QObject::tr("Shapes"), [&] {
            std::vector<std::shared_ptr<word::Shape>> result;
            const Reference<container::XIndexAccess> page = drawPage(m_model);
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
        const OUString url = fileUrl(*m_instance->office, path);
        officeCall(*m_instance->office, QObject::tr("SaveAs %1").arg(path), [&] {
            Reference<frame::XStorable> storable(m_model, UNO_QUERY_THROW);
            storable->storeAsURL(url,
                                 properties({property("FilterName", uno::Any(OUString("MS Word 97"))),
                                             property("Overwrite", uno::Any(true))}));
        });
    }

    void exportCopy(const QString &path, word::LetterFormat format) override
    {
        ensureOpen(QObject::tr("Export"));
        const word::LetterFormatInfo &info = word::letterFormatInfo(format);
        const OUString url = fileUrl(*m_instance->office, path);
        officeCall(*m_instance->office, QObject::tr("Export %1").arg(path), [&] {
            std::vector<beans::PropertyValue> args{
                    property("FilterName", uno::Any(OUString::createFromAscii(info.filterName))),
                    property("Overwrite", uno::Any(true)),
                    // Rendering a page preview into the package would cost an
                    // OpenDocument export nine tenths of its time; readers do
                    // not need it.
                    property("NoThumbnail", uno::Any(true)),
                    // Every copy is written to a scratch file that is synced
                    // before it is moved into place; the office's own sync of
                    // it is a second wait for the disk.
                    property("NoFileSync", uno::Any(true))};
            if (format == word::LetterFormat::Pdf) {
                // Text stays text, and the reader needs none of our fonts.
                // Tagged, a screen reader and an employer's portal read
                // the letter's paragraphs and list in order; PDF/A-2b
                // keeps it readable in archives, title and author in its
                // metadata.
                args.push_back(property("FilterData",
                                        uno::Any(properties({
                                                property("EmbedStandardFonts", uno::Any(true)),
                                                property("ExportFormFields", uno::Any(false)),
                                                property("UseTaggedPDF", uno::Any(true)),
                                                property("SelectPdfVersion", uno::Any(sal_Int32(PdfA2b))),
                                        }))));
            }
            Reference<frame::XStorable> storable(m_model, UNO_QUERY_THROW);
            storable->storeToURL(url, uno::Sequence<beans::PropertyValue>(args.data(), sal_Int32(args.size())));
        });
    }

    void print(const word::PrintSettings &settings) override
    {
        ensureOpen(QObject::tr("Print"));
        officeCall(*m_instance->office, QObject::tr("Print"), [&] {
            Reference<com::sun::star::view::XPrintable> printable(m_model, UNO_QUERY_THROW);
            if (!settings.printerName.isEmpty())
                printable->setPrinter(properties({property("Name", uno::Any(toOUString(settings.printerName)))}));
            std::vector<beans::PropertyValue> args{
                    property("CopyCount", uno::Any(sal_Int16(std::max(1, settings.copies)))),
                    property("Collate", uno::Any(true)),
                    // The document closes after this call: the job must be
                    // handed on first.
                    property("Wait", uno::Any(true))};
            if (!settings.pages.isEmpty())
                args.push_back(property("Pages", uno::Any(toOUString(settings.pages))));
            printable->print(uno::Sequence<beans::PropertyValue>(args.data(), sal_Int32(args.size())));
        });
    }

    void close(std::optional<word::WdSaveOptions> saveChanges) override
    {
        ensureOpen(QObject::tr("Close"));
        m_instance->forgetDocument();
        m_stories.clear();
        try {
            officeCall(*m_instance->office, QObject::tr("Close"), [&] {
                if (saveChanges == word::WdSaveOptions::SaveChanges) {
                    Reference<frame::XStorable> storable(m_model, UNO_QUERY_THROW);
                    storable->store();
                }
                Reference<util::XCloseable> closeable(m_model, UNO_QUERY_THROW);
                closeable->close(true);
            });
        } catch (const Failure &failure) {
            // An office that ends while it closes a document (LibreOffice
            // 7.4 can abort on a release of a shape's text object) has
            // closed it all the same: what was saved before is whole, and
            // nothing was to be saved now.
            if (failure.kind() != Failure::Kind::OfficeLost || saveChanges == word::WdSaveOptions::SaveChanges)
                throw;
        }
        m_closed = true;
    }

    void setBuiltInProperties(const word::DocumentProperties &wanted) override
    {
        ensureOpen(QObject::tr("BuiltInDocumentProperties"));
        officeCall(*m_instance->office, QObject::tr("BuiltInDocumentProperties"), [&] {
            Reference<com::sun::star::document::XDocumentPropertiesSupplier> supplier(m_model, UNO_QUERY_THROW);
            Reference<com::sun::star::document::XDocumentProperties> props = supplier->getDocumentProperties();
            // The writer of the letter is its author and its last editor.
            props->setAuthor(toOUString(wanted.author));
            props->setModifiedBy(toOUString(wanted.author));
            props->setTitle(toOUString(wanted.title));
            props->setSubject(toOUString(wanted.subject));
            props->setCreationDate(unoDateTime(wanted.created));
            props->setModificationDate(unoDateTime(wanted.modified));
        });
    }
    std::unique_ptr<word::PlaceholderPlaces> findPlaceholders(const std::vector<QString> &placeholders) override
    {
        ensureOpen(QObject::tr("Find"));
        return libreoffice::findPlaceholders(m_instance, m_model, placeholders);
    }

    int editParagraphs(const std::vector<word::ParagraphEdit> &edits) override
    {
        ensureOpen(QObject::tr("EditParagraphs"));
        return libreoffice::editParagraphs(*m_instance, m_model, edits);
    }

    int placePicture(const QString &placeholder, const QString &path, double heightMm) override
    {
        ensureOpen(QObject::tr("PlacePicture"));
        return libreoffice::placePicture(*m_instance, m_model, placeholder, path, heightMm);
    }

    void appendDocument(const QString &path) override
    {
        ensureOpen(QObject::tr("InsertFile"));
        m_stories.clear();
        libreoffice::appendDocument(*m_instance, m_model, path);
    }

    QStringList bracketedTexts() override
    {
        ensureOpen(QObject::tr("Find"));
        return libreoffice::bracketedTexts(*m_instance, m_model);
    }

    void replaceBody(const std::vector<word::BodyParagraph> &paragraphs) override
    {
        ensureOpen(QObject::tr("ReplaceBody"));
        libreoffice::replaceBody(*m_instance, m_model, paragraphs);
    }

    int removeUnusedTableStyles() override
    {
        ensureOpen(QObject::tr("TableStyles"));
        int removed = 0;
        officeCall(*m_instance->office, QObject::tr("TableStyles"), [&] {
            Reference<style::XStyleFamiliesSupplier> families(m_model, UNO_QUERY_THROW);
            Reference<container::XNameContainer> styles(families->getStyleFamilies()->getByName("TableStyles"),
                                                        UNO_QUERY_THROW);
            for (const OUString &name : styles->getElementNames()) {
                Reference<style::XStyle> style(styles->getByName(name), UNO_QUERY);
                if (!style.is() || style->isInUse())
                    continue;
                try {
                    styles->removeByName(name);
                    ++removed;
                } catch (const uno::Exception &) {
                    // The default table style stays.
                }
            }
        });
        return removed;
    }

    void setPaperSize(int width, int height) override
    {
        ensureOpen(QObject::tr("PageSetup"));
        officeCall(*m_instance->office, QObject::tr("PageSetup"), [&] {
            // The first page's style and those that follow it, page after
            // page: the pages a letter that grows can have.
            std::vector<OUString> seen;
            for (OUString name = firstPageStyleName(m_model);
                 !name.isEmpty() && std::find(seen.begin(), seen.end(), name) == seen.end();) {
                seen.push_back(name);
                const Reference<beans::XPropertySet> style = pageStyle(m_model, name);
                // A page already of that size is left alone: setting it
                // again would have the office lay the letter out again.
                if (style->getPropertyValue("IsLandscape").get<bool>()
                    || style->getPropertyValue("Width").get<sal_Int32>() != width
                    || style->getPropertyValue("Height").get<sal_Int32>() != height) {
                    style->setPropertyValue("IsLandscape", uno::Any(false));
                    style->setPropertyValue("Width", uno::Any(sal_Int32(width)));
                    style->setPropertyValue("Height", uno::Any(sal_Int32(height)));
                }
                name = style->getPropertyValue("FollowStyle").get<OUString>();
            }
        });
    }

    int turnHeaderFieldsIntoPlaceholders() override
    {
        ensureOpen(QObject::tr("HeaderFields"));
        return libreoffice::turnHeaderFieldsIntoPlaceholders(*m_instance, m_model);
    }

    std::shared_ptr<word::Range> range() override
    {
        ensureOpen(QObject::tr("Range"));
        return officeCall(*m_instance->office, QObject::tr("Range"), [&] {
            Reference<text::XTextDocument> document(m_model, UNO_QUERY_THROW);
            StoryTexts main{{document->getText()}, false};
            return std::make_shared<RangeImpl>(m_instance, m_model, std::move(main));
        });
    }

    int pageCount() override
    {
        ensureOpen(QObject::tr("PageCount"));
        return libreoffice::pageCount(*m_instance, m_model);
    }

    word::PagePicture renderPage(int number, int pixelsPerLogicalInch) override
    {
        ensureOpen(QObject::tr("RenderPage"));
        return libreoffice::renderPage(*m_instance, m_model, number, pixelsPerLogicalInch);
    }

    bool isClosed() const override { return m_closed; }

private:
    std::vector<StoryTexts> lookUpStories()
    {
        std::vector<StoryTexts> stories;
        auto addStory = [&](std::vector<Reference<text::XText>> texts) {
            std::erase_if(texts, [](const auto &t) { return !t.is(); });
            if (!texts.empty())
                stories.push_back({std::move(texts), false});
        };
        Reference<text::XTextDocument> document(m_model, UNO_QUERY_THROW);
        addStory({document->getText()});
        addHeaderFooterStories(addStory, "Header");
        addHeaderFooterStories(addStory, "Footer");
        addNoteStory(addStory, Reference<text::XFootnotesSupplier>(m_model, UNO_QUERY));
        addEndnoteStory(addStory, Reference<text::XEndnotesSupplier>(m_model, UNO_QUERY));
        return stories;
    }

    void ensureOpen(const QString &what) const
    {
        m_instance->ensureAlive(what);
        if (m_closed) {
            qCWarning(lcOffice) << what << "on a closed document";
            throw Failure(QObject::tr("The office cannot go on: the document is closed"));
        }
    }

    // Headers or footers: the first page's own, the primary one and the
    // even pages' one, each taken from the page style that shows it.
    template<typename Add> void addHeaderFooterStories(Add &&addStory, const char *kind)
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

    template<typename Add> void addNotes(Add &&addStory, const Reference<container::XIndexAccess> &notes)
    {
        std::vector<Reference<text::XText>> texts;
        for (sal_Int32 i = 0; notes.is() && i < notes->getCount(); ++i)
            texts.emplace_back(notes->getByIndex(i), UNO_QUERY);
        addStory(std::move(texts));
    }

    template<typename Add> void addNoteStory(Add &&addStory, const Reference<text::XFootnotesSupplier> &supplier)
    {
        if (supplier.is())
            addNotes(addStory, supplier->getFootnotes());
    }

    template<typename Add> void addEndnoteStory(Add &&addStory, const Reference<text::XEndnotesSupplier> &supplier)
    {
        if (supplier.is())
            addNotes(addStory, supplier->getEndnotes());
    }

    std::shared_ptr<Instance> m_instance;
    Reference<lang::XComponent> m_model;
    bool m_closed = false;
    std::vector<StoryTexts> m_stories;
};

} // namespace

std::shared_ptr<BackendDocument> makeDocument(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model)
{
    return std::make_shared<DocumentImpl>(std::move(instance), std::move(model));
}

} // namespace libreoffice
