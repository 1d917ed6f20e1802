#pragma once

// The batch's own parts, shared by its preparation (BatchPreparation.cpp),
// its offices (BatchOffices.cpp), its letters (BatchLetter.cpp) and its
// schedule (LetterBatch.cpp); nothing outside the batch includes this.

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QFuture>
#include <QSemaphore>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include "BatchOptions.h"
#include "BatchProgress.h"
#include "LetterBatch.h"
#include "BuiltInLetter.h"
#include "FileInPlace.h"
#include "LetterFill.h"
#include "LetterList.h"
#include "LettersRecord.h"
#include "ListCheck.h"
#include "OfficeDeadline.h"
#include "RunMark.h"
#include "WordAutomation.h"

namespace batch {

struct Job
{
    size_t row = 0;
    QString name; // file name without its extension
    int attempt = 1;
};

struct Outcome
{
    enum class Status { Written, Skipped, Failed };
    Status status = Status::Failed;
    QString detail;
    bool officeFailed = false;      // crashed, hung or broken: try the row elsewhere
    bool freshLetterNeeded = false; // the template must be opened afresh
    bool noPlaceholders = false;    // the template holds none
    bool diskFull = false;          // no further letter fits
    // The files moved into place, for the record of letters.
    std::vector<std::pair<QString, word::LetterFormat>> written;
    // The letter as an OpenDocument file in the run's scratch folder, for
    // the combined PDF; empty when none was asked for or made.
    QString combinedPart;
};

// One office and the letter it is making. The first is brought up by the
// scheduler's thread, the others by tasks of the batch's pool while the
// first already works; once in the run, the scheduler's thread alone
// replaces and ends a slot's office, and a task of the pool makes one
// letter with it while it has a job.
struct Slot
{
    std::shared_ptr<word::Application> office;
    std::shared_ptr<word::Document> letter;
    // The template's placeholders, found once; goes before the letter.
    std::unique_ptr<PreparedLetter> prepared;
    // The built-in letter's lines as this copy has them (see
    // BuiltInLetter::edits): a row that wants others takes a fresh copy.
    std::vector<word::ParagraphEdit> edits;
    bool usable = false;
    // Why its office could not be brought up, when it could not.
    QString failure;
    std::optional<Job> job;
    std::optional<QFuture<Outcome>> making; // the job's letter, once started
    // The row's deadline, armed while it is made: one more deadline of
    // the office's (see OfficeDeadline.h), which kills a hung office.
    std::unique_ptr<OfficeDeadline> rowDeadline;
};

// The run ends before its first letter, with this status and sentence:
// the checks of the letter found what the user must decide first.
struct Refusal
{
    int exitStatus = 0;
    QString text;
};

class Batch
{
public:
    Batch(const BatchOptions &options, BatchProgress::Output output, word::Automation &offices, BatchStreams streams)
        : m_options(options), m_output(output), m_offices(offices), m_streams(streams)
    { }
    ~Batch();
    int run();

private:
    // BatchPreparation.cpp: before the offices, and before the first row.
    int prepare();
    void checkList(word::Document &letter);
    QStringList spellingWarnings() const;
    void reportUnusableRows();
    void makeOutFolder();
    // Takes the output folder's writer lock (which must exist); returns the
    // sentence that stops the run when another batch holds it.
    QString lockOutFolder();
    QString targetPath(const QString &name, word::LetterFormat format) const;

    // BatchDryRun.cpp: --dry-run, on the first office once it has checked
    // the letter.
    int dryRun(Slot &slot);
    QString columnsTable() const;

    // BatchOffices.cpp: the offices, each with the letter open in it.
    void startOffices(int count);
    // On a worker of the batch's pool: an office for another slot, with
    // the letter open in it, while the first office already makes letters.
    std::unique_ptr<Slot> bringUpOffice(const std::vector<word::ParagraphEdit> &edits);
    // Takes into the run the slots whose offices have come up (or failed
    // to); with `wait`, waits for them all first.
    void adoptOfficesComingUp(bool wait);
    void openLetter(Slot &slot, const std::vector<word::ParagraphEdit> &edits);
    std::vector<word::ParagraphEdit> editsFor(const LetterRow &row) const;
    bool replaceOffice(Slot &slot);
    std::shared_ptr<word::Document> openTemplate(word::Application &office) const;
    void closeLetter(Slot &slot);
    void endOffices();

    // BatchLetter.cpp: one letter, on a thread of the batch's pool.
    Outcome work(Slot &slot, const Job &job);
    Outcome makeLetter(Slot &slot, const Job &job);

    // BatchCombined.cpp: the letters made, in list order, into one PDF by
    // an office of the run; answers the summary's line about it and sets
    // m_combinedFailed when it was not written.
    QString writeCombined();
    // The sentence that stops the run before its first letter when the
    // combined PDF would replace a file without --force.
    QString combinedRefusal() const;
    void writeCombinedWith(word::Application &office, const QString &target);

    // LetterBatch.cpp: which office makes which row, and what came of it.
    void startJob(Slot &slot, const Job &job);
    void finishJob(Slot &slot, const Job &job, Outcome outcome, bool killed);
    void schedule();
    // Adds the row's written files to the record of letters; its failure
    // is said once.
    void recordLetters(const Job &job, const Outcome &outcome);

    // Prints a line to the reports' stream, outside the progress (which
    // does not exist yet, or no longer).
    void tell(const QString &line) const;

    const BatchOptions &m_options;
    BatchProgress::Output m_output;
    // Where every office of the run comes from.
    word::Automation &m_offices;
    BatchStreams m_streams;
    std::unique_ptr<BatchProgress> m_progress;
    LetterList m_list;
    // What the window stores, which fills what the list has no column for.
    FieldValues m_stored;
    FurtherValues m_storedFurther;
    std::deque<Job> m_pending;
    // Rows reported once the letter has passed its checks: empty, or bad.
    std::vector<size_t> m_unusableRows;
    // How many rows are named after their line (see LetterNames::forLine).
    int m_namedByLine = 0;
    QString m_firstNamedByLine;
    // Held while the run may write into the output folder: one batch per
    // folder at a time, so that every row's files come from one run.
    std::unique_ptr<WriterLock> m_outLock;
    // Where the offices write, inside the output folder: hidden, private,
    // on the same file system, and removed with whatever it holds (by a
    // later batch into the folder when this one is killed).
    std::unique_ptr<MarkedFolder> m_staging;
    QString m_scratch;  // the run's scratch folder, where the offices write
    QString m_source;   // the user's template, empty for the built-in one
    QString m_template; // its copy in the scratch folder
    // The paper the built-in letter is laid out on.
    PaperSize m_paper = PaperSize::Letter;
    // The built-in letter's design.
    LetterDesign m_design = LetterDesign::Classic;
    // The user's words for the built-in letter's body, when it is used.
    std::optional<QString> m_letterText;
    // The signature picture's copy in the scratch folder; empty for none.
    QString m_signatureCopy;
    std::vector<std::unique_ptr<Slot>> m_slots;
    // The office that read a spreadsheet list, until the first slot takes it.
    std::shared_ptr<word::Application> m_listOffice;
    // Slots whose offices are still coming up.
    std::vector<QFuture<std::shared_ptr<Slot>>> m_comingUp;
    // The built-in letter's greeting, closing and enclosure line.
    BuiltInLetter::Wording m_wording;
    // How each place of the template takes new text: tried once for each
    // set of the built-in letter's lines, on the first copy that has them.
    std::vector<std::pair<std::vector<word::ParagraphEdit>, std::vector<word::PlaceholderPlaces::Behaviour>>>
            m_placeBehaviours;
    // The placeholders the letter holds, as it writes them; found on the
    // first office's copy, before any row.
    QStringList m_letterPlaceholders;
    // What the check before the first letter found, and the placeholders
    // it looked at (the letter's, the user's own words').
    ListCheck m_check;
    QStringList m_checkedPlaceholders;
    bool m_checked = false;
    // Every placeholder a row of the list fills.
    std::vector<QString> m_placeholders;
    std::mutex m_trialMutex;

    // The letters are made as QtConcurrent tasks of the batch's own pool,
    // one thread per office; each finished letter wakes the scheduler.
    QThreadPool m_pool;
    QSemaphore m_letterDone;

    // The record of letters, unless --no-record or the settings turn it
    // off; written from the scheduler's thread alone.
    std::unique_ptr<LettersRecord> m_record;
    // The letters for the combined PDF by their rows, in list order.
    std::map<size_t, QString> m_combinedParts;
    bool m_combinedFailed = false;

    int m_written = 0, m_skipped = 0, m_failed = 0;
    bool m_noPlaceholdersNoted = false;
    // Set once a letter did not fit: no new row starts.
    bool m_diskFull = false;
};

} // namespace batch
