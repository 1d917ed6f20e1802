#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "BackgroundJob.h"
#include "JobOffice.h"
#include "LetterFormat.h"
#include "WordAutomation.h"

class FileInPlace;

// One export or print of the filled letter (the scratch document), done by
// an office instance of its own (an export: a ready spare where there is
// one; a print: one started for it, whose jail reaches the print service)
// that opens the letter read-only and hidden.
//
// The instance is taken (it may still be starting) and used on a worker
// (see BackgroundJob), so the window stays responsive and Cancel can end
// the instance, or the wait for it, at once. An export writes beside its target and
// moves the file into place only when it is complete and checked, so a
// failed or cancelled export leaves an existing target as it was and no
// partial file anywhere.
class OfficeJob : public BackgroundJob
{
    Q_OBJECT
public:
    // Exports the letter at `letter` to `target` in `format` through the
    // office's own export filter. Throws Failure naming the target when the
    // target cannot be written at all (read-only file, folder closed).
    static std::unique_ptr<OfficeJob> exportLetter(word::Automation &automation, const QString &letter,
                                                   const QString &target, word::LetterFormat format);
    // Prints the letter through the office's print interface.
    static std::unique_ptr<OfficeJob> printLetter(word::Automation &automation, const QString &letter,
                                                  const word::PrintSettings &settings);
    ~OfficeJob() override;

protected:
    void work() override;
    // Ends the instance at once: nothing is written, an existing target
    // stays as it was.
    void abort() override;
    void cancelled() override;
    // Checks the written file and moves it into place, then ends the
    // instance (at the next turn of the event loop when all went well).
    // Throws Failure with the office's reason when the work failed, or
    // saying that the disk is full when it is (FullDisk.h).
    void finish() override;

private:
    using Work = std::function<void(word::Document &)>;
    OfficeJob(word::Automation &automation, QString letter, Work work);
    void endInstance();
    void endInstanceSoon();

    word::Automation &m_automation;
    QString m_letter;
    Work m_work;
    std::unique_ptr<FileInPlace> m_output;
    QString m_reserved; // the office's file in the scratch folder
    std::optional<word::LetterFormat> m_format;
    word::OfficeUse m_use = word::OfficeUse::Letter;
    JobOffice m_jobOffice; // taken by the worker, ended by a Cancel
    std::shared_ptr<word::Application> m_application;
    QString m_failure; // written by the worker
};

// Whether the bytes begin as a file of that format does.
bool hasFormatSignature(const QByteArray &bytes, word::LetterFormat format);
