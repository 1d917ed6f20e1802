#pragma once

#include <QString>

// A file written beside its target and moved into place only once it is
// complete and on disk, so that an existing target is replaced whole or not
// at all. Whoever writes (this program or an office process) writes to
// besidePath(); commit() flushes it to disk and renames it over the target.
// Until then, and after any failure, the target is as it was; the file
// beside it is removed unless committed.
class ReplacingFile
{
public:
    // Creates the empty file beside the target (mode 0600). Throws Failure
    // naming the target when its folder cannot take a new file, or when the
    // target exists and is marked read-only: such a file is never replaced.
    explicit ReplacingFile(const QString &target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    QString target() const { return m_target; }
    QString besidePath() const { return m_beside; }

    // Syncs the written file to disk, gives it the old target's permissions
    // (or the usual ones for a new file) and renames it over the target.
    // Throws Failure naming the target when any of it fails; the target is
    // then untouched.
    void commit();
    // Removes the file beside the target; the target stays as it was.
    void discard();

private:
    QString m_target;
    QString m_beside;
    bool m_done = false;
};

// Throws Failure naming the target when it exists and is marked read-only.
void refuseReadOnlyTarget(const QString &target);
