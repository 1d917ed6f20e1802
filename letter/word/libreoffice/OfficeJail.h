#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The jail every private office runs in (bubblewrap): it sees the system's
// programs and settings (/usr, /etc), the user's fonts and font settings,
// all read-only, and reads and writes only its own profile and this run's
// scratch folder. It has no network at all, and dies with the program.
// Whatever a document links to (a picture on the user's disk, a web
// address), no import filter of the office, present or future, can reach
// it.
//
// Where the system allows no jail (bubblewrap missing, or user namespaces
// turned off) the offices run as before, guarded by their settings alone:
// the program says so once, and refuses to make letters when the setting
// RequireJail=true (or the batch's --require-jail) asks for the jail.
namespace OfficeJail {

// Whether offices are jailed on this computer: bubblewrap is there and a
// trial jail runs. Tried once per program.
bool available();
// Why there is no jail, for developers (bubblewrap's own words).
QString unavailableDiagnostic();

// Whether the user asked for no office without a jail: RequireJail=true in
// the settings, or requireForThisRun().
bool required();
// The batch's --require-jail.
void requireForThisRun();

// Told once when offices run without a jail; empty when they have one.
QString absenceNotice();
// Thrown (as a Failure's description) when the jail is required and
// there is none.
QString refusal();

// Folders every office started afterwards reads and writes at their own
// paths: those of tests and benchmarks, which open their own documents in
// offices of their own. The program itself names none; nothing in its
// environment widens the jail.
void shareWithOffices(const QStringList &folders);
// Whether those name the system's /tmp: the jail's /tmp is then that one,
// where the office makes its pipe as without a jail.
bool sharesSystemTemp();

// Whether jails have a user namespace of their own. Some systems refuse
// one to programs not run by root; root's jails then do without (they
// still drop every capability), and other users' offices run without a
// jail, as where bubblewrap is missing.
bool ownUserNamespace();

// Where the program's scratch folder lies inside a jail: the letters and
// templates the office opens and writes are seen there, so that a field
// printing a document's path (its file name, in full) shows this neutral
// path, and nothing of the user's name, folders or the program's process.
inline constexpr char LetterFolder[] = "/letter";
// The office's HOME inside a jail, where the user's own fonts are seen.
inline constexpr char OfficeHome[] = "/home/office";

// One start of an office program (an office, the ready profile's set-up,
// the question for its version): every office this program starts is
// started by start(), in one way.
struct Start
{
    QString program;
    QStringList arguments;
    // Read and written inside at their own paths (the office's profile).
    QStringList folders;
    // The jail's /tmp; empty for an empty one of its own.
    QString temp;
    // The folder seen at LetterFolder inside (the scratch folder); none
    // when empty.
    QString letterFolder;
    // Whether it reaches the print service (PrintServiceFolder): a print
    // job's office alone does.
    bool printing = false;
};

// Where the print service's socket lies, seen at the same path by an
// office that prints.
inline constexpr char PrintServiceFolder[] = "/run/cups";

// The path by which an office started with `start` reaches `path`: what
// lies in its letter folder is under LetterFolder; anything else at its
// own path.
QString pathInside(const Start &start, bool jailed, const QString &path);

// Starts `start` in `process`: in its jail where the system allows one
// (bubblewrap's --clearenv with the short environment an office needs,
// its own pid, user, network, IPC, host name and cgroup namespaces, no
// capability, the system-call filter of OfficeSyscallFilter.h, a session
// of its own, dying with the program), else as it is when the jail is not
// required. The child gets only its own descriptors (ChildSetUp.h).
// Returns whether it runs jailed. Throws Failure when the jail is
// required and there is none.
bool start(QProcess &process, const Start &start);

// Ends a process start() started, and everything its jail holds: the
// jail's first process in its own pid namespace, whose end the kernel
// makes the end of every process in it. From any thread.
void end(qint64 startedId, bool jailed);

// The office inside a jail started as `startedId` (the process below the
// jail's own), or 0 while there is none yet.
qint64 officeIn(qint64 startedId);

} // namespace OfficeJail
