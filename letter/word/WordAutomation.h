#pragma once

// The word processor's automation interface, as a small C++ object model
// with exactly the operations the program uses, in the shape in which it
// uses them: an application with its documents, a document's story ranges,
// shapes and main range, a range's Find with its replacement, the places
// of a template's placeholders, save, close, copy-as-picture and quit; and
// one sheet of a spreadsheet written as CSV, for lists kept in spreadsheets.
//
// Every call may fail; a failing call throws Failure with the office's own
// message (or a clear one of ours), which the caller's error trap reports.
// Objects are owned by std::shared_ptr and stay valid (but fail) after their
// application has quit.

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include "Failure.h"
#include "LetterFormat.h"
#include "OfficeDeadline.h"

namespace word {

// Values of Find.Execute's "Replace" argument.
enum class WdReplace { None = 0, One = 1, All = 2 };
// Values of Find's "Wrap": stop at the range's end, or go on from its start.
enum class WdFindWrap { Stop = 0, Continue = 1, Ask = 2 };
// Values of Close's "SaveChanges".
enum class WdSaveOptions { DoNotSaveChanges = 0, SaveChanges = -1, PromptToSaveChanges = -2 };

// What a print job asks of the office: the printer by its system name
// (empty: the office's default printer), how many copies, and which pages
// ("1-2", "1,3"; empty: every page).
struct PrintSettings
{
    QString printerName;
    int copies = 1;
    QString pages;
};

// What a Find object searches for and replaces with. The settings stay on
// their Find object between calls.
struct FindSettings
{
    QString text;
    QString replacementText;
    bool forward = true;
    WdFindWrap wrap = WdFindWrap::Stop;
    bool format = false;
    bool matchCase = false;
    bool matchWholeWord = false;
    bool matchWildcards = false;
    bool matchSoundsLike = false;
    bool matchAllWordForms = false;
};

// Find.Execute's arguments in their positional order; an empty optional is
// an omitted argument, which leaves the Find object's own setting in force.
struct FindExecuteArgs
{
    std::optional<QString> findText{};
    std::optional<bool> matchCase{};
    std::optional<bool> matchWholeWord{};
    std::optional<bool> matchWildcards{};
    std::optional<bool> matchSoundsLike{};
    std::optional<bool> matchAllWordForms{};
    std::optional<bool> forward{};
    std::optional<WdFindWrap> wrap{};
    std::optional<bool> format{};
    std::optional<QString> replaceWith{};
    std::optional<WdReplace> replace{};
};

// The built-in document properties that say who wrote a document, what it
// is, what it is about and when it was written. A PDF written from the
// document carries the author, title and subject too.
struct DocumentProperties
{
    QString author;
    QString title;
    QString subject;
    QDateTime created;
    QDateTime modified;
};

// A paragraph of a letter's body: plain, or an item of its bulleted list.
struct BodyParagraph
{
    QString text;
    bool bulleted = false;
    bool operator==(const BodyParagraph &) const = default;
};

// A change to one paragraph of a document's main text, the paragraph found
// by its whole text: a new text (inserted literally, placeholders and
// all), or none, and the paragraph goes; then new paragraphs in its style
// after it, in order.
struct ParagraphEdit
{
    QString text;
    std::optional<QString> newText;
    QStringList after;
    bool operator==(const ParagraphEdit &) const = default;
};

// Why a file could not be opened as a document.
enum class OpenProblem {
    NotADocument,      // the office cannot read it as a text document
    PasswordProtected, // it asks for a password
};

// Thrown by Documents::open when the file itself is the problem (not the
// office): it carries the reason along with the office's message.
class OpenFailure : public Failure
{
public:
    OpenFailure(OpenProblem problem, const QString &description) : Failure(description), m_problem(problem) { }
    OpenProblem problem() const { return m_problem; }

private:
    OpenProblem m_problem;
};

// Why one sheet of a spreadsheet file cannot be read as a list.
enum class SheetProblem {
    NotASpreadsheet,   // the office cannot read the file as a spreadsheet
    PasswordProtected, // it asks for a password
    NoSuchSheet,       // no sheet has the name asked for
    EmptySheet,        // the sheet holds nothing at all
    EmptyHeaderRow,    // its first row, the header, holds nothing
    MergedHeader,      // cells of its first row are merged
};

// Thrown by Documents::saveSheetAsCsv when the file or its sheet is the
// problem (not the office). Its description is the reason alone, in the
// user's words ("it has no sheet named \"X\"; its sheets are ..."), for the
// caller to put after the file's name; the file's sheets, in their order,
// come along for a caller that offers them.
class SheetFailure : public Failure
{
public:
    SheetFailure(SheetProblem problem, const QString &reason, QStringList sheetNames = {})
        : Failure(reason), m_problem(problem), m_sheetNames(std::move(sheetNames))
    { }
    SheetProblem problem() const { return m_problem; }
    const QStringList &sheetNames() const { return m_sheetNames; }

private:
    SheetProblem m_problem;
    QStringList m_sheetNames;
};

// A Find's "Replacement" object.
class Replacement
{
public:
    virtual ~Replacement() = default;
    virtual void clearFormatting() = 0;
    virtual void setText(const QString &text) = 0;
};

// A range's "Find" object.
class Find
{
public:
    virtual ~Find() = default;
    virtual void clearFormatting() = 0;
    virtual Replacement &replacement() = 0;
    virtual void setText(const QString &text) = 0;
    virtual void setForward(bool forward) = 0;
    virtual void setWrap(WdFindWrap wrap) = 0;
    virtual void setFormat(bool format) = 0;
    virtual void setMatchCase(bool on) = 0;
    virtual void setMatchWholeWord(bool on) = 0;
    virtual void setMatchWildcards(bool on) = 0;
    virtual void setMatchSoundsLike(bool on) = 0;
    virtual void setMatchAllWordForms(bool on) = 0;
    // Searches this Find's range; with Replace = All, every occurrence in
    // the range (and nowhere else) becomes the replacement text, inserted
    // literally. Returns whether anything was found.
    virtual bool execute(const FindExecuteArgs &args) = 0;
};

// A range of one story: main text, a header or footer, the footnotes, the
// endnotes, or a shape's text.
class Range
{
public:
    virtual ~Range() = default;
    virtual Find &find() = 0;
};

// One page of a document as the preview shows it: a picture of the page's
// printed block (header, text and footer between the margins, with a
// millimetre of paper around them), whose pixels are as dense as asked; a
// picture of the whole sheet, paper edge and margins included; both of the
// same logical height (see PageSnapshotSize.h). And the page's words as a
// screen reader reads them: its header, its main text and its footer, a
// paragraph a line, list items after their bullet, table cells a line each.
struct PagePicture
{
    QImage picture;
    QString text;
    QImage wholePage;
};

class TextFrame
{
public:
    virtual ~TextFrame() = default;
    virtual bool hasText() = 0;
    virtual std::shared_ptr<Range> textRange() = 0;
};

class Shape
{
public:
    virtual ~Shape() = default;
    virtual TextFrame &textFrame() = 0;
};

// The places of a document's placeholders, found once: a template loaded
// once serves letter after letter by setting the text of these places, with
// no search and no undo per letter. Each place keeps the formatting its
// placeholder had in the template.
class PlaceholderPlaces
{
public:
    virtual ~PlaceholderPlaces() = default;
    // How many places were found, in every story, frame and shape text.
    virtual int count() const = 0;
    // Sets the text of every place: the places of placeholder i get
    // texts[i], inserted literally (a place whose text is already that
    // costs nothing).
    virtual void fill(const std::vector<QString> &texts) = 0;
    // How a place takes new text. New text keeps the place's formatting;
    // but an emptied place has no character of its own left, and text put
    // there takes its neighbour's formatting, which may differ.
    struct Behaviour
    {
        bool losesFormattingWhenEmptied = true;
    };
    // Tries each place. The trial leaves the document needing a fresh copy,
    // whose places then get these behaviours; until then an emptied place
    // needs a fresh copy before the next fill.
    virtual std::vector<Behaviour> tryPlaces() = 0;
    virtual void setBehaviours(const std::vector<Behaviour> &behaviours) = 0;
    // Whether the next fill needs the template opened afresh: a place that
    // cannot be filled again as the template had it, or a failed fill.
    virtual bool needsFreshDocument() const = 0;
};

class Document
{
public:
    virtual ~Document() = default;
    // One range per story present: main text, headers and footers,
    // footnotes, endnotes.
    virtual std::vector<std::shared_ptr<Range>> storyRanges() = 0;
    virtual std::vector<std::shared_ptr<Shape>> shapes() = 0;
    // Writes the document in Word 97-2003 format; the document then lives
    // at that path.
    virtual void saveAs(const QString &path) = 0;
    // Writes a copy of the document at that path in the given format,
    // through the office's own export filter. A PDF has selectable text
    // and its fonts embedded, is tagged (its structure, reading order and
    // lists there for screen readers and portals) and is PDF/A-2b, with
    // the document's title, author and subject. The document itself stays
    // where it is.
    virtual void exportCopy(const QString &path, LetterFormat format) = 0;
    // Adds the main text of the document at `path` to the end of this one,
    // starting on a new page in this document's first page's style: letter
    // after letter, each from its own first page. Styles this document
    // already has keep its own definition.
    virtual void appendDocument(const QString &path) = 0;
    // Prints the document through the office's own print interface, as
    // text, and returns once the office has handed the job on.
    virtual void print(const PrintSettings &settings) = 0;
    // Closes the document. Without SaveChanges, an office that ends while
    // it closes has closed the document too: that is no failure.
    virtual void close(std::optional<WdSaveOptions> saveChanges = {}) = 0;
    // Sets the built-in properties; the next save writes them.
    virtual void setBuiltInProperties(const DocumentProperties &properties) = 0;
    // Replaces the body of a letter, the paragraphs between its greeting
    // (the first paragraph in the style "Salutation") and its closing (the
    // next one in the style "Closing"), by these: plain ones in the
    // paragraph style of the body's first plain paragraph, bulleted ones
    // as items of the body's bulleted list (its style and bullets). The
    // texts are inserted literally. Throws Failure when the document has
    // no such greeting and closing.
    virtual void replaceBody(const std::vector<BodyParagraph> &paragraphs) = 0;
    // Applies the edits in order, each to the first paragraph after the
    // last one edited whose text is the edit's. An edit whose paragraph is
    // not there is passed by. Answers how many were applied.
    virtual int editParagraphs(const std::vector<ParagraphEdit> &edits) = 0;
    // Puts the picture at `path` (PNG, JPEG or SVG) in place of every
    // occurrence of the placeholder, in any letter case, in the main text,
    // its tables and frames: a character of its line, `heightMm` tall and
    // as wide as its proportions make it, kept in the document itself (no
    // link to the file). Answers how many places took it.
    virtual int placePicture(const QString &placeholder, const QString &path, double heightMm) = 0;
    // The fields of the later pages' header that show the recipient (a
    // macro button) and the date (the creation date) become the
    // placeholders [RecipientName] and [CurrentDate], so that the header
    // fills as the rest of the letter does; the page number stays a field.
    // Answers how many fields became placeholders.
    virtual int turnHeaderFieldsIntoPlaceholders() = 0;
    // Lays the pages out on paper of this width and height, in hundredths
    // of a millimetre, upright: the first page's style and every style
    // that follows it. Their margins stay as they are, so the text takes
    // the width and height the paper gains or loses.
    virtual void setPaperSize(int width, int height) = 0;
    // Removes the table styles that no table of the document uses (the
    // office gives every document its own copy of a dozen), which its
    // OpenDocument store looks through, cell by cell, however unused.
    // Nothing a letter shows changes. Answers how many were removed.
    virtual int removeUnusedTableStyles() = 0;
    // Finds every place of the placeholders (in any letter case, in every
    // story, table, frame and shape text) in one search.
    virtual std::unique_ptr<PlaceholderPlaces> findPlaceholders(const std::vector<QString> &placeholders) = 0;
    // The texts that could be placeholders: every run of a letter and
    // letters, digits, "_" or "-" in square brackets, wherever a placeholder
    // is filled (every story, table, frame and shape text, and the headers
    // and footers of the pages a growing letter gets), as the document
    // holds them. Lets a letter say which of its placeholders nothing fills.
    virtual QStringList bracketedTexts() = 0;
    // The whole main text.
    virtual std::shared_ptr<Range> range() = 0;
    // How many pages the document's layout has now.
    virtual int pageCount() = 0;
    // Renders page `number` (from 1) of the document as it is now, with
    // `pixelsPerLogicalInch` picture pixels per logical inch.
    virtual PagePicture renderPage(int number, int pixelsPerLogicalInch) = 0;
};

struct OpenOptions
{
    std::optional<bool> readOnly{};
};

class Documents
{
public:
    virtual ~Documents() = default;
    // Opens the file itself as a document (hidden, macros never run, no
    // question asked). Throws OpenFailure when the file is not a text
    // document or is protected by a password.
    virtual std::shared_ptr<Document> open(const QString &path, const OpenOptions &options = {}) = 0;
    // Opens the spreadsheet file (hidden, read-only, macros never run, no
    // question asked), writes one sheet of it to `csvPath` and closes it
    // again. The sheet is the one named `sheetName` (names compare as the
    // spreadsheet compares them, in any letter case), or the first one the
    // file shows when the name is empty. The CSV is UTF-8 without a
    // byte-order mark, its fields separated by commas and quoted with '"'
    // where they need it (RFC 4180), one line a row from the first row to
    // the last used one, every cell as the sheet shows it: its number
    // format applied, so a ZIP code formatted to five digits keeps its
    // leading zero and a date reads as it is written. The sheet must be a
    // list: its first row holds the column names, and no cell of it is
    // merged. Answers the sheet's name. Throws SheetFailure when the file
    // or its sheet is the problem, Failure when the office is.
    virtual QString saveSheetAsCsv(const QString &path, const QString &sheetName, const QString &csvPath) = 0;
};

class Application
{
public:
    virtual ~Application() = default;
    virtual Documents &documents() = 0;
    virtual void setDisplayAlerts(bool on) = 0;
    virtual std::shared_ptr<Document> activeDocument() = 0;
    // Ends the instance: every later call on it or its objects fails. Its
    // process may take a moment longer to go, which nobody waits for.
    virtual void quit() = 0;
    // Ends the instance at once, whatever it is doing: a call that another
    // thread has in progress then fails. For a user's Cancel; any thread.
    virtual void kill() = 0;
    // The process that does its work, for a deadline on it; 0 for none.
    virtual qint64 processId() const { return 0; }
    // How long one call into it may take before it is taken for hung and
    // ended, for the words that tell of it.
    virtual int callDeadlineMs() const { return OfficeCallDeadlineMs; }
};

// Lets another thread end a wait for a new instance at once (a user's
// Cancel): the wait then fails, and the office it waited for is ended.
class CreationStop
{
public:
    void stop()
    {
        std::function<void()> alsoDo;
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
            alsoDo = m_alsoDo;
        }
        if (alsoDo)
            alsoDo();
    }
    bool stopped() const
    {
        std::lock_guard lock(m_mutex);
        return m_stopped;
    }
    // For the backend: what stop() does besides while the wait lasts (it
    // must hold no reference to what the wait may destroy); runs at once
    // when the stop came first. An empty function clears it.
    void alsoDo(std::function<void()> what)
    {
        std::unique_lock lock(m_mutex);
        m_alsoDo = what;
        if (m_stopped && what) {
            lock.unlock();
            what();
        }
    }

private:
    mutable std::mutex m_mutex;
    bool m_stopped = false;
    std::function<void()> m_alsoDo;
};

// What an instance is for. Printing needs the print service, which an
// office filling letters never reaches: an instance for printing is an
// office started for that job alone, never one kept ready.
enum class OfficeUse { Letter, Printing };

// Where instances of the word processor come from: each is an office of
// its own, invisible, that the program drives and ends; the real backend
// takes them from its office pool, the tests' scripted one makes them up.
class Automation
{
public:
    virtual ~Automation() = default;
    // A new, invisible instance of its own. Throws Failure when none can be
    // created, or when `stop` ended the wait for one. It may wait for an
    // office to start: call it from a worker, never from the window's
    // thread.
    virtual std::shared_ptr<Application> createApplication(CreationStop *stop = nullptr,
                                                           OfficeUse use = OfficeUse::Letter)
            = 0;
    // While held, an instance handed out from the offices kept ready is
    // replaced only when the hold ends: a letter being made should not
    // share the processor with offices starting.
    virtual void holdRefills() { }
    virtual void releaseRefills() { }
    // Starts offices ahead of need, at most `now` of them at once (the
    // rest follow as the first are taken); an automation that keeps none
    // ready does nothing.
    virtual void startSpares(int now) { (void)now; }
    // The name and version of the office in use ("LibreOffice 7.4.7.2"), as
    // its installation tells it; empty when it cannot be told, nullopt
    // while it is still being asked (it never waits for the answer).
    virtual std::optional<QString> officeVersion() { return QString(); }
    // Why no instance may be created at all although the office is there
    // (it may not run without a jail that this computer cannot give);
    // empty when instances may be created.
    virtual QString refusal() { return {}; }
    // What the user should know once about the instances' protection (they
    // run without their jail); empty when nothing needs telling.
    virtual QString protectionNotice() { return {}; }
};

} // namespace word
