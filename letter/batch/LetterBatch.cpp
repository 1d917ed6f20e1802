#include "LetterBatch.h"

#include <algorithm>
#include <cstdio>

#include <QDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include "BatchRun.h"
#include "Failure.h"
#include "LetterTemplate.h"
#include "LettersListing.h"
#include "Logging.h"
#include "OfficeAutomation.h"
#include "ScratchFiles.h"
#include "Settings.h"
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

void Batch::tell(const QString &line) const
{
    std::fprintf(m_streams.reports, "%s\n", qPrintable(line));
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
    recordLetters(job, outcome);
    if (outcome.status != Outcome::Status::Failed && !outcome.combinedPart.isEmpty())
        m_combinedParts[job.row] = outcome.combinedPart;
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

void Batch::recordLetters(const Job &job, const Outcome &outcome)
{
    if (!m_record || outcome.written.empty())
        return;
    const LetterRow &row = m_list.rows[job.row];
    std::vector<LetterEntry> entries;
    for (const auto &[file, format] : outcome.written)
        entries.push_back(
                letterEntry(row.texts, row.further, QString::fromLatin1(word::letterFormatInfo(format).name), file));
    if (const QString failure = m_record->add(entries); !failure.isEmpty())
        m_progress->note(failure);
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

int Batch::run()
{
    StopSignals stopSignals;
    // Said once, before any office starts.
    if (const QString refusal = m_offices.refusal(); !refusal.isEmpty()) {
        tell(refusal);
        return ExitUsage;
    }
    if (const QString notice = m_offices.protectionNotice(); !notice.isEmpty())
        tell(notice);
    // A folder another batch is writing stops the run at once; one made
    // later is locked as it is made.
    if (!m_options.dryRun && QFileInfo(m_options.outFolder).isDir()) {
        try {
            if (const QString another = lockOutFolder(); !another.isEmpty()) {
                tell(another);
                return ExitUsage;
            }
        } catch (const Failure &failure) {
            tell(failure.description());
            return ExitUsage;
        }
    }
    if (const QString refusal = combinedRefusal(); !refusal.isEmpty()) {
        tell(refusal);
        return ExitUsage;
    }
    // The first office starts while the list is read: the first letter
    // then waits for neither.
    m_offices.startSpares(1);
    try {
        if (prepare() == ExitInterrupted) {
            std::fprintf(m_streams.summary, "%s\n",
                         qPrintable(QObject::tr("Stopped before the list was read: no letter written.")));
            return ExitInterrupted;
        }
        if (m_options.dryRun && !StopSignals::asked()) {
            startOffices(1);
            reportUnusableRows();
            const int status = dryRun(*m_slots.front());
            endOffices();
            return status;
        }
        if (!m_pending.empty() && !StopSignals::asked()) {
            startOffices(officeCount(m_options.jobs, m_pending.size()));
            makeOutFolder();
        }
        reportUnusableRows();
    } catch (const Refusal &refusal) {
        endOffices();
        if (m_progress)
            m_progress->fail(refusal.text);
        else
            tell(refusal.text);
        return refusal.exitStatus;
    } catch (const LetterTemplate::Problem &problem) {
        endOffices();
        const QString text = QObject::tr("The letter template %1 %2")
                                     .arg(QDir::toNativeSeparators(problem.path()), problem.whatIsWrong());
        if (m_progress)
            m_progress->fail(text);
        else
            tell(text);
        return ExitUsage;
    } catch (const Failure &failure) {
        endOffices();
        if (m_progress)
            m_progress->fail(failure.description());
        else
            tell(failure.description());
        return ExitUsage;
    }
    if (m_options.keepRecord && Settings().keepRecord())
        m_record = std::make_unique<LettersRecord>(LettersRecord::defaultPath(), LettersRecord::AfterFailure::GiveUp);
    schedule();
    const QString combined = writeCombined();
    endOffices();

    const int notDone = int(m_pending.size());
    QString summary = QObject::tr("%1: %2 written, %3 skipped, %4 failed")
                              .arg(QObject::tr("%n rows", "", int(m_list.rows.size())))
                              .arg(m_written)
                              .arg(m_skipped)
                              .arg(m_failed);
    if (StopSignals::asked())
        summary = QObject::tr("Stopped. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    else if (m_diskFull)
        summary = QObject::tr("Stopped: the disk is full. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    if (!combined.isEmpty())
        summary += u'\n' + combined;
    m_progress->finish(summary);
    if (StopSignals::asked())
        return ExitInterrupted;
    return m_failed == 0 && notDone == 0 && !m_combinedFailed ? ExitNothingFailed : ExitSomeFailed;
}
} // namespace batch

int runBatch(const BatchOptions &options, BatchProgress::Output output, word::Automation &offices, BatchStreams streams)
{
    batch::Batch batch(options, output, offices, streams);
    return batch.run();
}

int runBatch(const BatchOptions &options, BatchProgress::Output output)
{
    // As many offices as the run may use, started as it needs them and
    // kept to its end; the first starts while the list is read.
    word::OfficeOptions officeOptions;
    officeOptions.spares = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    officeOptions.refillOnTake = false;
    officeOptions.requireJail = options.requireJail;
    const std::unique_ptr<word::Automation> offices = word::makeOfficeAutomation(officeOptions);
    return runBatch(options, output, *offices, {});
}
