#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// How every process this program starts (an office, its jail, the jail's
// trial, the ready profile's office, the version question) is set up in the
// moment between its fork and its program: it gets the standard
// descriptors and whatever QProcess hands it, nothing else this program has
// open. A descriptor another library holds without close-on-exec (a pipe of
// the session bus's autolaunch, opened on another thread at that moment)
// would otherwise stay open in a child that lives as long as the program,
// and whoever waits for that pipe's end would wait for ever.
namespace ChildSetUp {

// Sets the child's set-up of a QProcess: it ends with the thread that
// started it (SIGKILL) and never starts when that is already gone; it has a
// process group of its own, so that a Ctrl+C on the terminal goes to the
// program alone, which ends its children itself; what it writes is the
// user's alone (umask 077). `inherited`, when not -1, is the one
// descriptor beyond the standard ones that the child keeps open across exec
// (the jail's system-call filter, which bubblewrap reads by its number).
void apply(QProcess &process, int inherited = -1);

// In a child between fork and exec, async-signal-safe: every descriptor
// past standard error closes at exec (the kernel's close_range, else one
// by one).
void closeOtherDescriptorsOnExec() noexcept;

// The environment of an office and of everything started for it: the
// user's, with a character type that is UTF-8 (the office takes its file
// names' encoding from it, and a name like "Bäckerei Größer GmbH" cannot be
// written under the C locale or one that is not installed); the user's
// language and formats stay as they are. Pure: takes the environment it
// changes.
QProcessEnvironment officeEnvironment(QProcessEnvironment environment);

} // namespace ChildSetUp
