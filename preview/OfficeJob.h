#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include <QObject>
#include <QString>

#include "LetterFormat.h"
#include "WordAutomation.h"

class ReplacingFile;

// One export or print of the filled letter (the scratch document), done by
// an office instance of its own (a ready spare where there is one) that
// opens the letter read-only and hidden.
//
// The instance is created and ended on the thread that owns the job (the
// GUI thread, whose life the office process shares); the calls into the
// office run on a worker thread, so the window stays responsive and Cancel
// can end the instance at once. An export writes beside its target and
// moves the file into place only when it is complete and checked, so a
// failed or cancelled export leaves an existing target as it was and no
// partial file anywhere.
class OfficeJob : public QObject
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

    // Creates the office instance and starts the work on the worker.
    // Throws Failure when no instance can be created.
    void start();
    // True from start() until the worker is done.
    bool isRunning() const { return m_worker.joinable() && !m_workDone; }
    // Blocks until the worker is done (for callers without a window).
    void waitForWorker();
    // Ends the instance at once and waits for the worker; nothing is
    // written, an existing target stays as it was.
    void cancel();
    // After the worker is done: checks the written file and moves it into
    // place, then ends the instance (at the next turn of the event loop
    // when all went well). Throws Failure with the office's reason when the
    // work failed.
    void complete();

signals:
    // The worker is done; emitted in the thread that owns the job.
    void finished();

private:
    using Work = std::function<void(word::Document &)>;
    OfficeJob(word::Automation &automation, QString letter, Work work);
    void run();
    void endInstance();
    void endInstanceSoon();

    word::Automation &m_automation;
    QString m_letter;
    Work m_work;
    std::unique_ptr<ReplacingFile> m_output;
    std::optional<word::LetterFormat> m_format;
    std::shared_ptr<word::Application> m_application;
    std::thread m_worker;
    std::atomic<bool> m_workDone = false;
    QString m_failure; // written by the worker before m_workDone
};

// Whether the bytes begin as a file of that format does.
bool hasFormatSignature(const QByteArray &bytes, word::LetterFormat format);
