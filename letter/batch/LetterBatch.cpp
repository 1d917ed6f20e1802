#include "LetterBatch.h"

#include <algorithm>
#include <csignal>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtConcurrent/QtConcurrentRun>
#include <QThread>

#include "BatchRun.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "FullDisk.h"
#include "ListCheck.h"
#include "OfficeJail.h"
#include "LetterEngine.h"
#include "LetterTemplate.h"
#include "ScratchFiles.h"
#include "Logging.h"
#include "StopSignals.h"
#include "ThreadHandOver.h"

namespace batch {
namespace {
// A row that takes longer than this has a hung office, which is killed.
// Generous: an office under load is slow, and a killed row is retried.
constexpr int RowDeadlineMs = 60000;
// A row whose office crashed or hung is tried this many times in all.
constexpr int RowAttempts = 2;
// How often the scheduler looks at the clock, the offices and Ctrl+C.
constexpr int SchedulerSliceMs = 100;

// The steps of one letter of a batch, numbered as the window's handlers are.
constexpr int StepReplace = 102;
constexpr int StepWriteFormat = 104;

// Why a row's files were not written: "X.doc: it already exists".
QString alreadyThere(const QStringList &names)
{
    return names.size() == 1 ? QObject::tr("%1: it already exists").arg(names.front())
                             : QObject::tr("%1: they already exist").arg(names.join(QStringLiteral(", ")));
}

QString plural(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

// As many offices as asked, else one per RowsPerOffice letters up to the
// cores; never more than there are letters.
int officeCount(int jobs, size_t letters)
{
    const size_t wanted = jobs > 0
            ? size_t(jobs)
            : std::min<size_t>(size_t(std::max(1, QThread::idealThreadCount())), 1 + letters / RowsPerOffice);
    return int(std::max<size_t>(1, std::min(wanted, letters)));
}

} // namespace

Batch::~Batch()
{
    ScratchFiles::removeRunFolder();
}

void Batch::startOffices(int count)
{
    // The first has been starting while the list was read, and checks the
    // letter; the others start then and come up side by side while the
    // first already makes letters; none is started later except to replace
    // one that failed.
    m_pool.setMaxThreadCount(count);
    const std::vector<word::ParagraphEdit> firstEdits
            = m_pending.empty() ? std::vector<word::ParagraphEdit>() : editsFor(m_list.rows[m_pending.front().row]);
    auto slot = std::make_unique<Slot>();
    try {
        slot->office = m_automation->createApplication();
        m_slots.push_back(std::move(slot)); // ended with the others, whatever happens
        openLetter(*m_slots.back(), firstEdits);
        m_slots.back()->usable = true;
    } catch (const LetterTemplate::Problem &) {
        throw; // the template cannot be used at all
    } catch (const Refusal &) {
        throw;
    } catch (const Failure &failure) {
        // The first one tells whether the template can be used at all: one
        // that keeps it busy past its deadline is named as too much.
        if (!m_slots.empty() && !m_source.isEmpty() && failure.kind() == Failure::Kind::OfficeLost)
            LetterTemplate::rethrowAsProblem(m_source, failure, LetterTemplate::Stage::Fill);
        throw Failure(QObject::tr("Cannot start an office with the template: %1").arg(failure.description()));
    }
    if (count > 1)
        m_automation->startSpares(count - 1);
    for (int i = 1; i < count; ++i) {
        handOver(this);
        m_comingUp.push_back(QtConcurrent::run(&m_pool, [this, firstEdits] {
            tookOver(this);
            std::shared_ptr<Slot> slot = bringUpOffice(firstEdits);
            handOver(slot.get());
            m_letterDone.release(); // the scheduler takes it in
            return slot;
        }));
    }
}

std::unique_ptr<Slot> Batch::bringUpOffice(const std::vector<word::ParagraphEdit> &edits)
{
    auto slot = std::make_unique<Slot>();
    try {
        slot->office = m_automation->createApplication();
        openLetter(*slot, edits);
        slot->usable = true;
    } catch (const std::exception &e) {
        slot->failure = QString::fromUtf8(e.what());
        qCWarning(lcBatch) << "an office could not be brought up:" << slot->failure;
    }
    return slot;
}

void Batch::adoptOfficesComingUp(bool wait)
{
    for (auto it = m_comingUp.begin(); it != m_comingUp.end();) {
        if (wait)
            it->waitForFinished();
        if (!it->isFinished()) {
            ++it;
            continue;
        }
        std::shared_ptr<Slot> slot = it->result();
        tookOver(slot.get());
        it = m_comingUp.erase(it);
        if (!slot->failure.isEmpty())
            m_progress->note(QObject::tr("An office could not be started: %1").arg(slot->failure));
        // Ended with the others, whatever happened.
        m_slots.push_back(std::make_unique<Slot>(std::move(*slot)));
    }
}

bool Batch::replaceOffice(Slot &slot)
{
    // Ending the old instance: it is dead or killed already, or its
    // template could not be put back.
    slot.prepared.reset();
    slot.letter.reset();
    slot.office.reset();
    slot.usable = false;
    slot.rowDeadline.reset();
    try {
        slot.office = m_automation->createApplication();
        openLetter(slot, slot.edits);
        slot.usable = true;
    } catch (const Failure &failure) {
        slot.prepared.reset();
        slot.letter.reset();
        slot.office.reset();
        m_progress->note(QObject::tr("An office could not be started again: %1").arg(failure.description()));
    }
    return slot.usable;
}

// Opens the template in the slot's office, puts the body in the user's
// words in place and finds the placeholders. The
// first copy also tries how each place takes new text (see
// word::PlaceholderPlaces::Behaviour): the trial leaves a fresh copy
// needed, and a place that loses its formatting once emptied (a row's
// empty field) needs one before the next letter.
std::vector<word::ParagraphEdit> Batch::editsFor(const LetterRow &row) const
{
    if (!m_source.isEmpty())
        return {};
    return BuiltInLetter::edits(row.texts, row.further, m_wording);
}

void Batch::openLetter(Slot &slot, const std::vector<word::ParagraphEdit> &edits)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        closeLetter(slot);
        slot.letter = openTemplate(*slot.office);
        // The built-in letter in the user's words, before the placeholders
        // are found, so that those of the user's words are filled too.
        if (m_letterText)
            putLetterText(*slot.letter, *m_letterText);
        if (!edits.empty())
            slot.letter->editParagraphs(edits);
        slot.edits = edits;
        // Once, on the first office's copy, before any row starts.
        if (!m_checked) {
            checkList(*slot.letter);
            m_checked = true;
        }
        // What an OpenDocument letter costs the office, halved.
        if (std::find(m_options.formats.begin(), m_options.formats.end(), word::LetterFormat::OpenDocument)
            != m_options.formats.end())
            slot.letter->removeUnusedTableStyles();
        slot.prepared = std::make_unique<PreparedLetter>(*slot.letter, m_placeholders);
        std::lock_guard lock(m_trialMutex);
        const auto tried = std::find_if(m_placeBehaviours.begin(), m_placeBehaviours.end(),
                                        [&](const auto &known) { return known.first == edits; });
        if (tried != m_placeBehaviours.end()) {
            slot.prepared->places().setBehaviours(tried->second);
            return;
        }
        m_placeBehaviours.emplace_back(edits, slot.prepared->places().tryPlaces());
        if (!slot.prepared->places().needsFreshDocument())
            return;
    }
}

// The places go first: they hold references into the document.
void Batch::closeLetter(Slot &slot)
{
    slot.prepared.reset();
    if (slot.letter)
        slot.letter->close(word::WdSaveOptions::DoNotSaveChanges);
    slot.letter.reset();
}

// Problems of a user's template name the user's file, not the copy.
std::shared_ptr<word::Document> Batch::openTemplate(word::Application &office) const
{
    std::shared_ptr<word::Document> letter = LetterTemplate::openCopy(office, m_template, m_source);
    if (m_source.isEmpty())
        Paper::layOut(*letter, m_paper);
    return letter;
}

void Batch::startJob(Slot &slot, const Job &job)
{
    slot.job = job;
    slot.rowDeadline = std::make_unique<OfficeDeadline>(slot.office->processId(), RowDeadlineMs);
    handOver(&slot);
    slot.making = QtConcurrent::run(&m_pool, [this, &slot, job] {
        tookOver(&slot);
        Outcome outcome = work(slot, job);
        handOver(&slot);
        return outcome;
    });
    // Runs once the letter is made, so that the scheduler it wakes finds
    // the task finished.
    slot.making->then(QtFuture::Launch::Sync, [this](const Outcome &) { m_letterDone.release(); });
}

// One job, on a thread of the pool.
Outcome Batch::work(Slot &slot, const Job &job)
{
    StopSignals::blockInThisThread();
    Outcome outcome = makeLetter(slot, job);
    if (outcome.freshLetterNeeded && !outcome.officeFailed) {
        try {
            openLetter(slot, slot.edits);
            outcome.freshLetterNeeded = false;
        } catch (const Failure &) {
            // The scheduler replaces the office.
        }
    }
    return outcome;
}

// One letter: set the places of the loaded template to the row's texts,
// write each format beside its target, then move the files into place. The
// next letter sets the places again. Runs on a thread of the batch's pool.
Outcome Batch::makeLetter(Slot &slot, const Job &job)
{
    const LetterRow &row = m_list.rows[job.row];
    Outcome outcome;
    std::vector<word::LetterFormat> formats;
    for (word::LetterFormat format : m_options.formats) {
        if (m_options.overwrite == Overwrite::Replace || !QFileInfo::exists(targetPath(job.name, format)))
            formats.push_back(format);
    }
    if (formats.empty()) {
        outcome.status = Outcome::Status::Skipped;
        QStringList names;
        for (word::LetterFormat format : m_options.formats)
            names.append(QFileInfo(targetPath(job.name, format)).fileName());
        outcome.detail = alreadyThere(names);
        return outcome;
    }

    QString problem;
    bool placeholderFound = true;
    ErrorTrap trap([&](const QString &description, int line) {
        if (!problem.isEmpty())
            return;
        // A sentence of ours first; the office's own words after it.
        problem = line == StepWriteFormat
                ? QObject::tr("the office could not write the letter (%1)").arg(description)
                : QObject::tr("the office could not fill in the letter (%1)").arg(description);
    });
    // A letter that did not fit says so, for every row after it too.
    auto diskFull = [&] {
        const std::optional<QString> reason = fullDiskReason(m_staging->path());
        if (reason) {
            outcome.diskFull = true;
            outcome.detail = fullDiskMessage(m_options.outFolder, *reason);
        }
        return reason.has_value();
    };
    std::vector<std::pair<QString, word::LetterFormat>> scratch;
    // The built-in letter's lines as this row wants them: a row whose
    // address or greeting reads otherwise than the last takes a fresh copy.
    // A copy that cannot be had is the office's failure: the row is tried
    // again on a fresh one.
    if (const std::vector<word::ParagraphEdit> wanted = editsFor(row); wanted != slot.edits) {
        try {
            openLetter(slot, wanted);
        } catch (const Failure &failure) {
            outcome.detail = QObject::tr("the office could not fill in the letter (%1)").arg(failure.description());
            outcome.officeFailed = true;
            return outcome;
        }
    }
    word::Document &letter = *slot.letter;
    // The same fill as the window's letter.
    trap.step(StepReplace, [&] {
        slot.prepared->fill(spelledAsTheLetter(placeholderReplacements(row.texts, row.further), m_letterPlaceholders));
        placeholderFound = slot.prepared->hasPlaceholders();
        letter.setBuiltInProperties(letterProperties(row.texts, QDateTime::currentDateTime()));
    });
    // A template without placeholders makes the same letter every time,
    // which the run says once.
    outcome.noPlaceholders = !placeholderFound;
    for (word::LetterFormat format : formats) {
        trap.step(StepWriteFormat, [&] {
            // The office's jail lets it write into the scratch folder alone:
            // the letter is taken over into the output folder's staging.
            const QString target = targetPath(job.name, format);
            scratch.emplace_back(reserveScratch(m_staging->path(), target), format);
            const QString written = reserveScratch(m_scratch, target);
            const auto removeWritten = qScopeGuard([&] { QFile::remove(written); });
            letter.exportCopy(written, format);
            takeOver(written, scratch.back().first);
        });
    }
    outcome.freshLetterNeeded = slot.prepared->places().needsFreshDocument();

    if (!problem.isEmpty()) {
        for (const auto &[path, format] : scratch)
            QFile::remove(path);
        if (diskFull())
            return outcome;
        outcome.detail = problem;
        // Is it the row, or the office? An office that no longer answers
        // gets the row again on a fresh one.
        try {
            letter.range();
        } catch (const std::exception &) {
            outcome.officeFailed = true;
        }
        return outcome;
    }

    QStringList written, kept;
    for (const auto &[path, format] : scratch) {
        const QString target = targetPath(job.name, format);
        try {
            if (publishFile(path, target, m_options.overwrite) == Published::Written)
                written.append(QFileInfo(target).fileName());
            else
                kept.append(QFileInfo(target).fileName());
        } catch (const Failure &failure) {
            if (problem.isEmpty())
                problem = failure.description();
        }
    }
    if (!problem.isEmpty()) {
        if (!diskFull())
            outcome.detail = problem;
        return outcome;
    }
    outcome.status = kept.isEmpty() && formats.size() == m_options.formats.size() ? Outcome::Status::Written
                                                                                  : Outcome::Status::Skipped;
    outcome.detail = written.join(QStringLiteral(", "));
    if (outcome.status == Outcome::Status::Skipped) {
        // What was there before the run, and what appeared while it ran.
        for (word::LetterFormat format : m_options.formats) {
            if (std::find(formats.begin(), formats.end(), format) == formats.end())
                kept.append(QFileInfo(targetPath(job.name, format)).fileName());
        }
        outcome.detail = written.isEmpty() ? alreadyThere(kept)
                                           : QObject::tr("written %1; %2").arg(outcome.detail, alreadyThere(kept));
    }
    return outcome;
}

// Counts and reports a finished job, or puts its row back for a second
// attempt on a fresh office. Runs on the scheduler's thread.
void Batch::finishJob(Slot &slot, const Job &job, Outcome outcome, bool killed)
{
    const int line = m_list.rows[job.row].line;
    if (killed)
        outcome.detail
                = QObject::tr("the office did not answer within %1 seconds and was ended").arg(RowDeadlineMs / 1000);
    if (outcome.diskFull && !m_diskFull) {
        m_diskFull = true;
        m_progress->note(outcome.detail + QObject::tr(" No new letter is started; those in progress end."));
    }
    if (outcome.noPlaceholders && !m_noPlaceholdersNoted) {
        m_noPlaceholdersNoted = true;
        m_progress->note(QObject::tr("The letter template %1 holds none of the placeholders, such as [YourName] "
                                     "or [CompanyName], so none of the entries are in the letters. They are made "
                                     "all the same.")
                                 .arg(QDir::toNativeSeparators(m_source)));
    }

    if (outcome.officeFailed || outcome.freshLetterNeeded)
        replaceOffice(slot);
    if (outcome.officeFailed && job.attempt < RowAttempts && !StopSignals::asked()) {
        m_progress->note(QObject::tr("line %1: the office failed (%2); trying again on a fresh one")
                                 .arg(line)
                                 .arg(outcome.detail));
        m_pending.push_front({job.row, job.name, job.attempt + 1});
        return;
    }
    switch (outcome.status) {
    case Outcome::Status::Written:
        ++m_written;
        m_progress->rowDone(QObject::tr("line %1: written %2").arg(line).arg(outcome.detail),
                            BatchProgress::Kind::Ordinary);
        break;
    case Outcome::Status::Skipped:
        ++m_skipped;
        m_progress->rowDone(QObject::tr("line %1: skipped: %2 (--force replaces it)").arg(line).arg(outcome.detail),
                            BatchProgress::Kind::Notable);
        break;
    case Outcome::Status::Failed:
        qCWarning(lcBatch) << "line" << line << "failed:" << outcome.detail << (killed ? "(row deadline)" : "");
        ++m_failed;
        m_progress->rowDone(QObject::tr("line %1: failed: %2").arg(line).arg(outcome.detail),
                            BatchProgress::Kind::Notable);
        break;
    }
}

void Batch::schedule()
{
    bool stopNoted = false;
    for (;;) {
        adoptOfficesComingUp(false);
        for (auto &slot : m_slots) {
            if (slot->making && slot->making->isFinished()) {
                tookOver(slot.get());
                const Job job = *slot->job;
                const Outcome outcome = slot->making->result();
                const bool killed = slot->rowDeadline && slot->rowDeadline->expired();
                slot->rowDeadline.reset();
                slot->job.reset();
                slot->making.reset();
                finishJob(*slot, job, outcome, killed); // the other letters go on meanwhile
            }
        }
        if (StopSignals::asked() && !stopNoted) {
            stopNoted = true;
            m_progress->note(QObject::tr("Stopping: the letters in progress are finished, no new ones start."));
        }
        bool anyUsable = false, anyBusy = false;
        for (auto &slot : m_slots) {
            if (slot->usable && !slot->job && !m_pending.empty() && !StopSignals::asked() && !m_diskFull) {
                startJob(*slot, m_pending.front());
                m_pending.pop_front();
            }
            anyUsable = anyUsable || slot->usable;
            anyBusy = anyBusy || slot->job.has_value();
        }
        anyBusy = anyBusy || !m_comingUp.empty();
        if (!anyBusy && (m_pending.empty() || StopSignals::asked() || m_diskFull || !anyUsable))
            break;
        m_progress->tick();
        m_letterDone.tryAcquire(1, SchedulerSliceMs);
    }
    if (!StopSignals::asked() && !m_diskFull) {
        // Rows left with no office to make them.
        for (const Job &job : m_pending) {
            ++m_failed;
            m_progress->rowDone(
                    QObject::tr("line %1: failed: no office could be started").arg(m_list.rows[job.row].line),
                    BatchProgress::Kind::Notable);
        }
        m_pending.clear();
    }
}

void Batch::endOffices()
{
    m_pool.waitForDone(); // the letters in progress end first
    adoptOfficesComingUp(true);
    for (auto &slot : m_slots) {
        try {
            closeLetter(*slot);
            if (slot->office)
                slot->office->quit();
        } catch (const Failure &) {
            // It ends with its object below all the same.
        }
        slot->prepared.reset();
        slot->letter.reset();
        slot->office.reset();
    }
    m_slots.clear();
}

int Batch::run()
{
    StopSignals stopSignals;
    // Said once, before any office starts.
    if (m_options.requireJail)
        OfficeJail::requireForThisRun();
    if (!OfficeJail::available()) {
        if (OfficeJail::required()) {
            std::fprintf(stderr, "%s\n", qPrintable(OfficeJail::refusal()));
            return ExitUsage;
        }
        std::fprintf(stderr, "%s\n", qPrintable(OfficeJail::absenceNotice()));
    }
    // A folder another batch is writing stops the run at once; one made
    // later is locked as it is made.
    if (QFileInfo(m_options.outFolder).isDir()) {
        try {
            if (const QString another = lockOutFolder(); !another.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(another));
                return ExitUsage;
            }
        } catch (const Failure &failure) {
            std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
            return ExitUsage;
        }
    }
    // The first office starts while the list is read: the first letter
    // then waits for neither.
    m_automation = std::make_unique<LibreOfficeAutomation>(
            m_options.jobs > 0 ? m_options.jobs : QThread::idealThreadCount(), LibreOfficeAutomation::Refill::Never);
    m_automation->startSpares(1);
    try {
        if (prepare() == ExitInterrupted) {
            std::printf("%s\n", qPrintable(QObject::tr("Stopped before the list was read: no letter written.")));
            return ExitInterrupted;
        }
        if (!m_pending.empty() && !StopSignals::asked()) {
            startOffices(officeCount(m_options.jobs, m_pending.size()));
            makeOutFolder();
        }
        reportUnusableRows();
    } catch (const Refusal &refusal) {
        endOffices();
        m_progress->fail(refusal.text);
        return refusal.exitStatus;
    } catch (const LetterTemplate::Problem &problem) {
        endOffices();
        const QString text = QObject::tr("The letter template %1 %2")
                                     .arg(QDir::toNativeSeparators(problem.path()), problem.whatIsWrong());
        if (m_progress)
            m_progress->fail(text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
        return ExitUsage;
    } catch (const Failure &failure) {
        endOffices();
        if (m_progress)
            m_progress->fail(failure.description());
        else
            std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
        return ExitUsage;
    }
    schedule();
    endOffices();

    const int notDone = int(m_pending.size());
    QString summary = QObject::tr("%1: %2 written, %3 skipped, %4 failed")
                              .arg(plural(int(m_list.rows.size()), "row", "rows"))
                              .arg(m_written)
                              .arg(m_skipped)
                              .arg(m_failed);
    if (StopSignals::asked())
        summary = QObject::tr("Stopped. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    else if (m_diskFull)
        summary = QObject::tr("Stopped: the disk is full. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    m_progress->finish(summary);
    if (StopSignals::asked())
        return ExitInterrupted;
    return m_failed == 0 && notDone == 0 ? ExitNothingFailed : ExitSomeFailed;
}
} // namespace batch

int runBatch(const BatchOptions &options, BatchProgress::Output output)
{
    batch::Batch batch(options, output);
    return batch.run();
}
