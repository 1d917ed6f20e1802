#pragma once

#include <atomic>

#include <QProcess>
#include <QString>
#include <QStringList>

#include "OfficeDeadline.h"
#include "OfficeJail.h"
#include "RunMark.h"

// How the offices of one automation are started (word::OfficeOptions), and
// whether one may reach the print service.
struct OfficeSetup
{
    // The office program (soffice.bin); empty for the installed office's.
    QString program;
    // How long one call into the office may take; 0 for
    // OfficeCallDeadlineMs.
    int callDeadlineMs = 0;
    // The office of a print job: its jail reaches the print service.
    bool printing = false;

    // The program to run: the one named when it can be run (else none),
    // the installed office's when none is named; empty when there is none.
    QString programToRun() const;
    int deadlineMs() const { return callDeadlineMs > 0 ? callDeadlineMs : OfficeCallDeadlineMs; }
};

// One private office process: its own user profile folder (in the user's
// cache folder, which needs no temporary folder) and its own connection
// pipe, so it never talks to an office it did not start. It runs in its
// jail (OfficeJail.h) where the system allows one: its temporary folder,
// inside its profile, is the jail's /tmp, and the program reaches its pipe
// through a link in the system's temporary folder. Its temporary
// files go into its profile folder, and everything it writes is its
// owner's alone (umask 077).
//
// The process never outlives the program: it gets SIGKILL when the thread
// that started it ends (Linux's parent-death signal, so start it from a
// thread that lives as long as the program: the office pool's), and the
// destructor kills it if it still runs.
//
// The object belongs to the thread that started it: only that thread
// starts, waits for or destroys it. Any thread may ask its process id,
// whether it runs, how it ended, and kill it at once (killNow). What a killed
// office cannot remove itself (its profile, its pipe sockets in the
// system's temporary folder) is removed by its owner, or by the next start
// when the program itself was killed: the profile is marked with the
// program's lock (RunMark.h) and names the office's connection pipe.
class OfficeProcess
{
public:
    explicit OfficeProcess(const OfficeSetup &setup = {});
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // The office program (soffice.bin) of the installed LibreOffice, or an
    // empty string when none is installed.
    static QString installedProgram();
    // How long one call into this office may take.
    int callDeadlineMs() const { return m_setup.deadlineMs(); }

    enum class Wait { UntilStarted, No };
    // Starts the process. Throws Failure when it cannot be started; with
    // Wait::No a program that fails to run shows as a process that ended.
    void start(Wait wait = Wait::UntilStarted);

    // A first start with a fresh profile ends with a request to be started
    // again, which the process honours (once) on its own: it still runs.
    bool isRunning();
    // The office's own process (inside its jail, when it has one).
    qint64 processId() const;
    // Ends the office at once with SIGKILL, from any thread; the owning
    // thread then learns of the end as of any other.
    void killNow() const;
    // Whether it runs in its jail (OfficeJail.h).
    bool isJailed() const { return m_jailed; }
    QString pipeName() const { return m_pipeName; }
    QString profileFolder() const { return m_profile.path(); }
    QString exitDescription() const;
    // The path by which the office reaches `path` (OfficeJail::pathInside).
    QString pathInside(const QString &path) const { return OfficeJail::pathInside(m_start, m_jailed, path); }

    // Waits up to timeoutMs for the process to end, then kills it.
    void waitForEnd(int timeoutMs);
    // Ends the process at once and waits for it (on the owning thread).
    void kill();

    // The pipe sockets an office makes in the system's temporary folder:
    // its connection pipe (when named) and its single-instance pipe, named
    // after its profile folder.
    static QStringList socketPaths(const QString &profileFolder, const QString &pipeName = {});

    // What every office of the program is started with: its own profile
    // folder (the shared extensions' cache too), and no window, document,
    // logo, restore or lock check.
    static QStringList privateOfficeArguments(const QString &profileFolder);

    // The folder that holds the profile folders.
    static QString profilesFolder();

    // Removes what offices of this user's programs that have ended left
    // behind: their profile folders and pipe sockets (theirs alone: those
    // of a running program, and everything of other users, stay). Runs
    // once per program, before its first office starts.
    static void removeLeftoversOfDeadRuns();
    // Every office process of this program (its jail too) carries this
    // variable with the program's process id: what the guard of the
    // offices (see OfficeProcess.cpp) looks for when the program is gone.
    static constexpr char ProgramVariable[] = "TESSALINE_OFFICE_OF";
    static QString programMark();

private:
    void removeSockets() const;
    void ended();
    bool onOwningThread() const;

    const OfficeSetup m_setup;
    QProcess m_process;
    // What other threads may read: the started process (the jail, or the
    // office itself), the office inside the jail once found, and whether
    // it ended, with how.
    std::atomic<qint64> m_startedId{0};
    mutable std::atomic<qint64> m_officeId{0};
    std::atomic<bool> m_running{false};
    QString m_exitDescription; // written before m_running turns false
    MarkedFolder m_profile;
    QString m_pipeName;
    OfficeJail::Start m_start; // again for the restart a fresh profile asks for
    bool m_restarted = false;
    std::atomic<bool> m_jailed{false}; // read by other threads through processId()
};
