// One letter of a batch: the row's texts into the open letter, each format
// written and moved into place whole.
#include "BatchRun.h"

#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include "ErrorTrap.h"
#include "Failure.h"
#include "FullDisk.h"
#include "LetterEngine.h"
#include "ListCheck.h"
#include "StopSignals.h"

namespace batch {
namespace {
// The steps of one letter of a batch, numbered as the window's handlers are.
constexpr int StepReplace = 102;
constexpr int StepWriteFormat = 104;

// Why a row's files were not written: "X.doc: it already exists".
QString alreadyThere(const QStringList &names)
{
    return names.size() == 1 ? QObject::tr("%1: it already exists").arg(names.front())
                             : QObject::tr("%1: they already exist").arg(names.join(QStringLiteral(", ")));
}
} // namespace

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
    if (formats.empty() && m_options.combinedPath.isEmpty()) {
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
    if (!m_options.combinedPath.isEmpty()) {
        // Every letter goes into the combined PDF, also one whose own files
        // were there before the run.
        trap.step(StepWriteFormat, [&] {
            outcome.combinedPart = QDir(m_scratch).filePath(QStringLiteral("combined-%1.odt").arg(job.row));
            letter.exportCopy(outcome.combinedPart, word::LetterFormat::OpenDocument);
        });
    }
    outcome.freshLetterNeeded = slot.prepared->places().needsFreshDocument();

    if (!problem.isEmpty()) {
        for (const auto &[path, format] : scratch)
            QFile::remove(path);
        if (!outcome.combinedPart.isEmpty())
            QFile::remove(std::exchange(outcome.combinedPart, QString()));
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
            if (publishFile(path, target, m_options.overwrite) == Published::Written) {
                written.append(QFileInfo(target).fileName());
                outcome.written.emplace_back(target, format);
            } else
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
    outcome.detail = m_options.formats.empty()
            ? QObject::tr("into %1").arg(QFileInfo(m_options.combinedPath).fileName())
            : written.join(QStringLiteral(", "));
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

} // namespace batch
