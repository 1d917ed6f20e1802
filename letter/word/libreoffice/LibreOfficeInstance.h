#pragma once

// The state shared by every object of one office instance of the
// LibreOffice backend. Internal to letter/word.

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/util/XReplaceDescriptor.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>

#include "UnoHelpers.h"
#include "WordAutomation.h"

namespace libreoffice {

// What one story range covers: the texts of one story (one text, or every
// footnote of the footnotes story), or the text of one drawing shape.
struct StoryTexts
{
    std::vector<Reference<text::XText>> texts;
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
        Reference<text::XTextRange> tableAnchor; // set for a hit in a table
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

// What every search of one document reuses, since each call into the
// office counts when letter after letter is filled: the search descriptor
// with the settings last given, and whether the document has tables at all
// (replacing text makes none).
struct SearchTools
{
    Reference<uno::XInterface> model;
    Reference<util::XSearchDescriptor> descriptor;
    bool matchCase = false;
    bool matchWholeWord = false;
    bool hasTables = true;
};

// Shared by every object of one application instance.
struct Instance
{
    std::unique_ptr<OfficeConnection> office;
    std::atomic<bool> hasQuit = false; // set from the creating thread, read by a worker
    SearchCache search;
    SearchTools searchTools;

    // Drops every reference into the current document. Called before the
    // document closes: the office frees a closed document's text objects,
    // and a release that reaches it afterwards can crash it.
    void forgetDocument()
    {
        search.clear();
        searchTools = SearchTools();
    }

    void ensureAlive(const QString &what) const
    {
        if (hasQuit) {
            qCWarning(lcOffice) << what << "after the office was ended";
            throw Failure(QObject::tr("The office cannot go on: it has been ended"));
        }
    }
};

// Case-insensitive (unless asked otherwise), literal replacement in exactly
// the texts of one story. Returns how many occurrences were replaced.
int replaceInStory(Instance &instance, const Reference<lang::XComponent> &model, const StoryTexts &story,
                   const word::FindSettings &settings, bool all);

// The letter's body and the headers' fields (see word::Document::replaceBody
// and turnHeaderFieldsIntoPlaceholders).
void replaceBody(Instance &instance, const Reference<lang::XComponent> &model,
                 const std::vector<word::BodyParagraph> &paragraphs);
int turnHeaderFieldsIntoPlaceholders(Instance &instance, const Reference<lang::XComponent> &model);
int editParagraphs(Instance &instance, const Reference<lang::XComponent> &model,
                   const std::vector<word::ParagraphEdit> &edits);
// Another document's main text after this one's (see
// word::Document::appendDocument).
void appendDocument(Instance &instance, const Reference<lang::XComponent> &model, const QString &path);

// Every place of the placeholders, found in one search (see
// word::Document::findPlaceholders). The places hold references into the
// document: they must go before it closes.
std::unique_ptr<word::PlaceholderPlaces> findPlaceholders(const std::shared_ptr<Instance> &instance,
                                                          const Reference<lang::XComponent> &model,
                                                          const std::vector<QString> &placeholders);

// The picture in place of every occurrence of the placeholder (see
// word::Document::placePicture).
int placePicture(Instance &instance, const Reference<lang::XComponent> &model, const QString &placeholder,
                 const QString &path, double heightMm);

// The bracketed texts of the document (see word::Document::bracketedTexts).
QStringList bracketedTexts(Instance &instance, const Reference<lang::XComponent> &model);

// The document's page count, and one page's picture and text (see
// word::Document::renderPage).
int pageCount(Instance &instance, const Reference<lang::XComponent> &model);
word::PagePicture renderPage(Instance &instance, const Reference<lang::XComponent> &model, int number,
                             int pixelsPerLogicalInch);

// A file loaded into the office as a component of its own: hidden, its
// macros never run, its links never brought up to date, every question the
// office asks while loading answered "abort". The model is empty when the
// office could not read the file; passwordAsked tells a file protected by
// a password from a broken one. Called inside an officeCall.
struct LoadedFile
{
    Reference<lang::XComponent> model;
    bool passwordAsked = false;
};
LoadedFile loadHidden(Instance &instance, const QString &path, std::optional<bool> readOnly);

// One sheet of a spreadsheet file written as CSV (see
// word::Documents::saveSheetAsCsv); answers the sheet's name.
QString saveSheetAsCsv(Instance &instance, const QString &path, const QString &sheetName, const QString &csvPath);

// A document of the backend, which also knows whether it has been closed.
class BackendDocument : public word::Document
{
public:
    virtual bool isClosed() const = 0;
};

std::shared_ptr<BackendDocument> makeDocument(std::shared_ptr<Instance> instance, Reference<lang::XComponent> model);

} // namespace libreoffice
