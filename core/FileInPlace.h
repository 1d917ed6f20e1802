#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>

// The one way this program puts a file where its user (or the office) will
// find it: the bytes go to a scratch file first, beside the target or in a
// staging folder on the same file system; that file is flushed and synced
// to disk, checked, given its mode and only then moved onto the target's
// name in one step. Until then, and after any failure, the target is as it
// was and no scratch file is left. Failures throw Failure with
// "Cannot write TARGET: REASON".
//
// The rules every policy keeps: a file marked read-only is never replaced
// (whatever asked for it, the batch's --force included), a replaced file
// keeps its mode, and a new one gets the mode a program usually gives
// (0666 less the umask) unless the policy names another.

// Whether an existing target may be replaced.
enum class Overwrite { Never, Replace };
// What became of the target: written, or kept because it existed and
// Overwrite::Never was asked.
enum class Published { Written, KeptExisting };

struct PlacePolicy
{
    Overwrite overwrite = Overwrite::Replace;
    // Where the scratch file is made: empty for beside the target (hidden,
    // named after it, so that one left by a power cut tells what it was);
    // otherwise a folder on the target's file system.
    QString stagingFolder;
    // The mode of a new file; 0 for the usual one (0666 less the umask).
    mode_t newFileMode = 0;
    // An empty scratch file means its writer (the office) wrote nothing.
    bool emptyAllowed = false;
};

// A target being written: whoever writes (this program or an office
// process) writes to scratchPath(); commit() moves it into place.
class FileInPlace
{
public:
    // Creates the scratch file, new, empty and the user's alone (0600).
    // Throws when the target is read-only (and may be replaced) or a
    // folder, or when no scratch file can be made.
    explicit FileInPlace(const QString &target, PlacePolicy policy = {});
    ~FileInPlace();
    FileInPlace(const FileInPlace &) = delete;
    FileInPlace &operator=(const FileInPlace &) = delete;

    QString target() const { return m_target; }
    QString scratchPath() const { return m_scratch; }

    // Syncs, checks and moves the scratch file into place. Throws, with
    // the target untouched and the scratch file gone, when any step fails.
    Published commit();
    // Removes the scratch file; the target stays as it was.
    void discard();

private:
    QString m_target;
    PlacePolicy m_policy;
    QString m_scratch;
    bool m_done = false;
};

// Writes the bytes at target through a FileInPlace. On a full disk the
// failure says so (see FullDisk.h).
Published writeFileInPlace(const QByteArray &bytes, const QString &target, PlacePolicy policy = {});

// Creates a new file of the user's alone (0600 unless asked otherwise),
// never over an existing file or through a link; throws when one stands
// there. Used for every scratch file.
void writeNewFile(const QString &path, const QByteArray &bytes, mode_t mode = 0600);

// The batch's two halves of a FileInPlace, for scratch files an office
// writes into its staging folder: a fresh scratch path for target in
// folder, created empty and the user's alone; and the move into place
// (the scratch file is gone afterwards either way).
QString reserveScratch(const QString &folder, const QString &target);
Published publishFile(const QString &scratch, const QString &target, Overwrite overwrite);

// Moves what an office wrote at `written` (in the scratch folder, which its
// jail lets it write) into the reserved scratch file `scratch`, which may
// lie on another file system; `written` is gone afterwards. A file the
// office never wrote leaves `scratch` empty. Throws Failure when the bytes
// cannot be moved.
void takeOver(const QString &written, const QString &scratch);

// Throws Failure naming the target when it exists and is marked read-only.
void refuseReadOnlyTarget(const QString &target);
