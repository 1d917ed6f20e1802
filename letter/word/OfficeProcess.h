#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// One private office process: its own user profile folder and its own
// connection pipe, so it never talks to an office it did not start.
//
// The process never outlives the program: it gets SIGKILL when the thread
// that started it ends (Linux's parent-death signal, so start it from the
// GUI thread), and the destructor kills it if it still runs.
class OfficeProcess
{
public:
    OfficeProcess();
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // The office program (soffice.bin) of the installed LibreOffice, or an
    // empty string when none is installed.
    static QString officeProgram();

    enum class Wait { UntilStarted, No };
    // Starts the process. Throws Failure when it cannot be started; with
    // Wait::No a program that fails to run shows as a process that ended.
    void start(Wait wait = Wait::UntilStarted);

    // Called when the process has ended on its own: a first start with a
    // fresh profile ends with a request to be started again, which this
    // honours (once). Returns whether the process runs again.
    bool restartIfRequested();

    bool isRunning();
    qint64 processId() const;
    QString pipeName() const { return m_pipeName; }
    QString profileFolder() const { return m_profile.path(); }
    QString exitDescription() const;

    // Waits up to timeoutMs for the process to end, then kills it.
    void waitForEnd(int timeoutMs);
    // Kills the process now and waits for it to be gone.
    void kill() { waitForEnd(0); }

    // Removes the profile folders that offices of programs which were killed
    // left behind (theirs alone: a folder of a running program is kept).
    // Runs once per program, before its first office starts.
    static void removeStaleProfiles();

private:
    QProcess m_process;
    QTemporaryDir m_profile;
    QString m_pipeName;
    bool m_restarted = false;
};
