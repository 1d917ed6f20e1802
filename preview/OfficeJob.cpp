#include "OfficeJob.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>

#include "Failure.h"
#include "FileInPlace.h"
#include "FullDisk.h"
#include "ScratchFiles.h"

bool hasFormatSignature(const QByteArray &head, word::LetterFormat format)
{
    switch (format) {
    case word::LetterFormat::Word97:
        return head.startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")); // a compound file
    case word::LetterFormat::WordXml:
    case word::LetterFormat::OpenDocument:
        return head.startsWith("PK\x03\x04"); // a zip package
    case word::LetterFormat::Pdf:
        return head.startsWith("%PDF-");
    }
    return false;
}

OfficeJob::OfficeJob(word::Automation &automation, QString letter, Work work)
    : m_automation(automation), m_letter(std::move(letter)), m_work(std::move(work))
{ }

std::unique_ptr<OfficeJob> OfficeJob::exportLetter(word::Automation &automation, const QString &letter,
                                                   const QString &target, word::LetterFormat format)
{
    std::unique_ptr<FileInPlace> output;
    try {
        output = std::make_unique<FileInPlace>(target);
    } catch (const Failure &) {
        throwIfDiskFull(QFileInfo(target).absolutePath());
        throw;
    }
    // The office's jail lets it write into the scratch folder alone: what
    // it writes there is taken over beside the target.
    const QString beside = output->scratchPath();
    const QString written = reserveScratch(ScratchFiles::folder(), target);
    std::unique_ptr<OfficeJob> job(
            new OfficeJob(automation, letter, [beside, written, format](word::Document &document) {
                document.exportCopy(written, format);
                takeOver(written, beside);
            }));
    job->m_reserved = written; // gone however the job ends
    job->m_output = std::move(output);
    job->m_format = format;
    return job;
}

std::unique_ptr<OfficeJob> OfficeJob::printLetter(word::Automation &automation, const QString &letter,
                                                  const word::PrintSettings &settings)
{
    std::unique_ptr<OfficeJob> job(
            new OfficeJob(automation, letter, [settings](word::Document &document) { document.print(settings); }));
    job->m_use = word::OfficeUse::Printing; // the one office that reaches the print service
    return job;
}

OfficeJob::~OfficeJob()
{
    cancelIfRunning();
    if (m_application)
        cancelled();
    if (!m_reserved.isEmpty())
        QFile::remove(m_reserved);
}

void OfficeJob::work()
{
    try {
        m_application = m_jobOffice.take(m_automation, m_use);
        std::shared_ptr<word::Document> document = m_application->documents().open(m_letter, {.readOnly = true});
        m_work(*document);
        document->close(word::WdSaveOptions::DoNotSaveChanges);
    } catch (const std::exception &e) {
        m_failure = QString::fromUtf8(e.what());
    }
}

void OfficeJob::abort()
{
    m_jobOffice.kill(); // the wait for it, or the worker's call, fails at once
}

void OfficeJob::cancelled()
{
    m_application.reset();
    if (!m_reserved.isEmpty())
        QFile::remove(m_reserved);
    if (m_output)
        m_output->discard();
}

void OfficeJob::endInstance()
{
    if (!m_application)
        return;
    try {
        m_application->quit();
    } catch (const std::exception &) {
        // The instance is ended all the same when its last owner lets go.
    }
    m_application.reset();
}

void OfficeJob::endInstanceSoon()
{
    // The letter is in place and the user told before the office has
    // finished ending: its quit runs as soon as the GUI thread is free.
    QTimer::singleShot(0, QCoreApplication::instance(), [application = std::move(m_application)] {
        try {
            application->quit();
        } catch (const std::exception &) {
            // Ended all the same when this last owner lets go.
        }
    });
}

void OfficeJob::finish()
{
    if (!m_reserved.isEmpty())
        QFile::remove(m_reserved); // taken over, or left by a failure
    if (!m_failure.isEmpty()) {
        endInstance();
        if (m_output) {
            m_output->discard();
            throwIfDiskFull(QFileInfo(m_output->target()).absolutePath());
        }
        throw Failure(m_failure);
    }
    if (m_output) {
        QFile written(m_output->scratchPath());
        const QByteArray head = written.open(QIODevice::ReadOnly) ? written.read(8) : QByteArray();
        if (!hasFormatSignature(head, *m_format)) {
            endInstance();
            m_output->discard();
            throwIfDiskFull(QFileInfo(m_output->target()).absolutePath());
            throw Failure(QObject::tr("The office wrote no complete %1 file")
                                  .arg(QString::fromLatin1(word::letterFormatInfo(*m_format).name)));
        }
        try {
            m_output->commit();
        } catch (...) {
            endInstance();
            throwIfDiskFull(QFileInfo(m_output->target()).absolutePath());
            throw;
        }
    }
    endInstanceSoon();
}
