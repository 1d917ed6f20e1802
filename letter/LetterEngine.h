#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "BackgroundJob.h"
#include "BuiltInLetter.h"
#include "HeldOffice.h"
#include "JobOffice.h"
#include "LetterDesign.h"
#include "LetterDate.h"
#include "LetterFill.h"
#include "PaperSize.h"
#include "WordAutomation.h"

// What a letter is made from.
struct LetterRequest
{
    // The twelve entries; the engine puts the date into field 12.
    FieldValues fields;
    // The placeholders beyond the fields: the sender's phone and e-mail.
    FurtherValues further;
    // The letter's date as it is filled (see letterDate()).
    QString date;
    // A user's template by its path; empty for the built-in one.
    QString templateFile;
    // The built-in letter's design; a user's template has none.
    LetterDesign design = LetterDesign::Classic;
    // The built-in letter's greeting, closing and enclosure line.
    BuiltInLetter::Wording wording;
    // The user's letter text (see LetterText.h), whose body the built-in
    // letter takes when the file exists; empty for none.
    QString letterTextFile;
    // The sender's signature picture (see SignaturePicture.h), above the
    // typed name of the built-in letter and in place of a user's template's
    // [Signature]; empty for none. A picture that cannot sign is named and
    // no letter is made.
    QString signatureFile;
    // The paper the built-in letter is laid out on; a user's template
    // keeps its own.
    PaperSize paper = PaperSize::Letter;
    // How dense the page pictures are (see PageSnapshotSize.h).
    int pixelsPerLogicalInch = 144;
    // At most this many pages are rendered; a longer letter is still made
    // and saved whole.
    int maxPages = 50;
    // What is kept of the letter: the scratch document and its snapshot,
    // from which the preview saves, exports and prints; or the pages alone
    // (the live page, from which nothing is saved); or nothing but the
    // letter left open in its held office, filled, so that the next letter
    // of its shape only fills what changed (the window's letter made ready
    // before it is asked for).
    enum class Keep { ScratchLetter, PagesOnly, OpenLetterOnly };
    Keep keep = Keep::ScratchLetter;
};

// A failure met while the letter was made, for the window to tell in the
// order it happened: the error report with its location and line, or, for
// a file of the user's, a message in plain words.
struct LetterReport
{
    QString location;
    int line = 0;
    QString description;
    bool plainWords = false;
};

// How long each stage of a letter took, in milliseconds, for the
// benchmarks that show where the time goes.
struct LetterTimings
{
    double templateCopy = 0, takeOffice = 0, open = 0, fill = 0, store = 0, render = 0, close = 0;
};

// What came of it.
struct MadeLetter
{
    // The filled scratch document, which lives while the preview shows it;
    // empty when there is no letter to show (it was never kept then).
    QString document;
    // Every page (up to the request's maximum), in order.
    std::vector<word::PagePicture> pages;
    // How many pages the letter has, rendered or not.
    int pageCount = 0;
    // The letter's title as the saved letter gives it ("Letter to
    // Brightwater Analytics"), which names the files it is saved to.
    QString title;
    std::vector<LetterReport> reports;
    // The template was opened: the date was filled (the window's date field
    // takes it).
    bool templateOpened = false;
    // The template held at least one placeholder.
    bool placeholderFound = false;
    // The placeholder names a template of the user's own holds, as found
    // before it was filled (see Placeholders::namesIn); empty for the
    // built-in letter, whose own are known.
    QStringList ownTemplateNames;
    // The user's letter text the built-in letter took; nullopt when it took
    // none (its own body, or a template of the user's).
    std::optional<QString> letterText;
    // The office ended or hung while the letter was made.
    bool officeLost = false;
    // What of the user's template the letter is made without, in one line
    // (see LetterTemplate::openCopy); empty when nothing.
    QString templateNotice;
    LetterTimings timings;

    bool canShow() const { return !document.isEmpty() && !pages.empty(); }
};

// The letter engine: fields and a template in, the filled scratch letter
// and a picture and the text of each of its pages out. One office
// instance (a ready spare) opens a fresh copy of the template, fills it,
// stores the scratch document and renders its pages, all on the document
// already open, on a worker thread; the window, the batch and the exports
// share its fill route.
//
// The steps keep the report locations and line numbers of the letter's
// road ("Start Creating Template" and, for the page pictures, the
// snapshot). When the letter cannot be made (no scratch folder, no
// template, no office, the office lost, no page picture) that one failure
// is reported, the steps that need it are skipped and the new scratch
// document is deleted. Whatever happens, the template copy is deleted and
// the office instance ends (a held office stays for the next letter, unless
// it was lost). A cancelled letter leaves nothing: no document, no template
// copy, no office.
class LetterEngine : public BackgroundJob
{
    Q_OBJECT
public:
    // With `held`, the letter is made in that office, which stays with its
    // holder (who outlives the job); without, in an office of its own.
    LetterEngine(word::Automation &automation, LetterRequest request, HeldOffice *held = nullptr);
    ~LetterEngine() override;

    // The outcome, once the job is complete (or cancelled).
    const MadeLetter &result() const { return m_result; }

    // Before start(): the worker first waits for `earlier`'s worker, which
    // works in the same held office (and outlives this job's worker).
    void startAfter(BackgroundJob *earlier) { m_after = earlier; }

protected:
    // On the owning thread: the scratch folder and the template's copy.
    void prepare() override;
    // On the worker: the office instance (which may still be starting),
    // open, fill, store, render, close.
    void work() override;
    void abort() override;
    // On the owning thread: the instance ends, the template copy goes.
    void finish() override;
    void cancelled() override;

private:
    void report(const QString &location, int line, const QString &description, bool plainWords);
    void cleanUp();
    // What a letter kept open must share with this one to be filled again.
    QByteArray letterShape(const std::vector<word::ParagraphEdit> &edits,
                           const std::vector<std::pair<QString, QString>> &replacements) const;

    word::Automation &m_automation;
    LetterRequest m_request;
    MadeLetter m_result;
    QString m_temp;
    QString m_templateCopy;
    QByteArray m_templateDigest;
    std::optional<QString> m_letterText;
    // The signature picture's copy in the scratch folder, which the office
    // can read, and its digest, by which a letter kept open is signed anew.
    QString m_signatureCopy;
    QByteArray m_signatureDigest;
    // Taken by the worker, ended by a Cancel on the owning thread.
    JobOffice m_jobOffice;
    HeldOffice *m_held = nullptr;
    BackgroundJob *m_after = nullptr;
    // Set by a Cancel, on the owning thread, before the office is killed.
    std::atomic<bool> m_aborted = false;
    std::shared_ptr<word::Application> m_office;
    // Whether the letter can still be made, and whether the office is lost.
    bool m_possible = true;
    bool m_officeLost = false;
};

// A fresh scratch document path: "qrenta", eight random digits from 1 to 9,
// ".doc", naming no existing file.
QString newScratchDocumentPath(const QString &temp);

// What the saved letter says about itself: written by the sender (field
// 0), "Letter to " the company (field 11, else the recipient, field 7; just
// "Letter" without either), a cover letter, created and modified now; its
// title and subject in the letter's language (see LetterWords.h).
word::DocumentProperties letterProperties(const FieldValues &fields, const QDateTime &now,
                                          const QLocale &language = dateLanguage());
