#pragma once

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

// Whether TESSALINE_JAIL_SHARE names the system's /tmp: the jail's /tmp
// is then that one, where the office makes its pipe as without a jail.
bool sharesSystemTemp();

// How to start `program` with `arguments` in the jail: bubblewrap's path
// and its arguments, which end with the office's own. `folders` are read
// and written inside at their own paths, and so are the folders that
// TESSALINE_JAIL_SHARE names (separated by colons: the tests' folders);
// `temp` is the jail's /tmp.
struct Command
{
    QString program;
    QStringList arguments;
};
Command wrap(const QString &program, const QStringList &arguments, const QStringList &folders, const QString &temp);

} // namespace OfficeJail
