// The batch's combined PDF: every letter the run made, in list order, one
// after another in a document of an office of the run, written once.
#include "BatchRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include "Failure.h"
#include "FullDisk.h"
#include "Logging.h"
#include "StopSignals.h"

namespace batch {

QString Batch::combinedRefusal() const
{
    if (m_options.combinedPath.isEmpty() || m_options.dryRun || m_options.overwrite == Overwrite::Replace
        || !QFileInfo::exists(m_options.combinedPath))
        return {};
    return QObject::tr("%1 already exists; --force replaces it.").arg(QDir::toNativeSeparators(m_options.combinedPath));
}

QString Batch::writeCombined()
{
    if (m_options.combinedPath.isEmpty())
        return {};
    const QString shown = QDir::toNativeSeparators(m_options.combinedPath);
    m_combinedFailed = true;
    if (StopSignals::asked() || m_diskFull)
        return QObject::tr("%1 is not written: the run stopped.").arg(shown);
    if (m_combinedParts.empty())
        return QObject::tr("%1 is not written: no letter was made.").arg(shown);
    Slot *maker = nullptr;
    for (auto &slot : m_slots) {
        if (slot->usable && slot->office && !slot->job) {
            maker = slot.get();
            break;
        }
    }
    if (!maker)
        return QObject::tr("%1 is not written: no office is left to write it.").arg(shown);
    try {
        writeCombinedWith(*maker->office, m_options.combinedPath);
    } catch (const Failure &failure) {
        qCWarning(lcBatch) << "the combined PDF" << m_options.combinedPath << "failed:" << failure.description();
        const QString folder = QFileInfo(m_options.combinedPath).absolutePath();
        if (const std::optional<QString> reason = fullDiskReason(folder))
            return fullDiskMessage(folder, *reason);
        return QObject::tr("%1 is not written: %2").arg(shown, failure.description());
    }
    m_combinedFailed = false;
    // The rows that made no letter are named by their lines.
    QStringList leftOut;
    for (size_t row = 0; row < m_list.rows.size(); ++row) {
        const LetterRow &each = m_list.rows[row];
        if (!each.empty && m_combinedParts.count(row) == 0)
            leftOut.append(QString::number(each.line));
    }
    return leftOut.isEmpty() ? QObject::tr("Written %1.").arg(shown)
                             : QObject::tr("Written %1, without the rows that made no letter (list lines: %2).")
                                       .arg(shown, leftOut.join(QStringLiteral(", ")));
}

void Batch::writeCombinedWith(word::Application &office, const QString &target)
{
    std::shared_ptr<word::Document> combined = office.documents().open(m_combinedParts.begin()->second);
    const auto closeCombined = qScopeGuard([&] {
        try {
            combined->close(word::WdSaveOptions::DoNotSaveChanges);
        } catch (const Failure &) {
            // The office ends with the run all the same.
        }
    });
    for (auto part = std::next(m_combinedParts.begin()); part != m_combinedParts.end(); ++part)
        combined->appendDocument(part->second);
    // Written where the office may write, then taken over beside the
    // target and moved into its place whole.
    PlacePolicy policy;
    policy.overwrite = m_options.overwrite;
    FileInPlace file(target, policy);
    const QString written = reserveScratch(m_scratch, target);
    const auto removeWritten = qScopeGuard([&] { QFile::remove(written); });
    combined->exportCopy(written, word::LetterFormat::Pdf);
    takeOver(written, file.scratchPath());
    if (file.commit() == Published::KeptExisting)
        throw Failure(QObject::tr("it appeared while the run wrote it, and is kept (--force replaces it)"));
}

} // namespace batch
