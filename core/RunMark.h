#pragma once

#include <functional>

#include <QString>

// The folders a run makes (its scratch folder, its offices' profiles, a
// batch's staging folder) carry a lock file that the run holds (flock) for
// as long as its process lives. The kernel lets go of a process's locks
// when it ends, however it ends (killed, crashed, or a zombie that its
// parent never reaps), and process ids play no part: so a later run tells
// the folder of an ended run by taking its lock, and removes it then. A
// folder without the lock file, or of another user, is never judged.
namespace RunMark {

// The lock file in a marked folder (hidden).
inline constexpr char LockFileName[] = ".tessaline-run";

// Marks a folder this run has made, until release() or the process ends.
// Returns the lock (a file descriptor, closed on exec: the offices this
// run starts do not hold it). Throws Failure when a running program holds
// the folder, or when the folder was removed meanwhile.
int mark(const QString &folder);
// Whether `lock` (from mark) still marks `folder`, which may have been
// removed and made anew since.
bool stillMarks(int lock, const QString &folder);
void release(int lock);

// Removes `folder` when it is a real folder of this user whose lock file
// nobody holds. `beforeRemoval` runs first, with the lock held (for what
// belongs to the folder outside it). Returns whether it removed it.
bool removeIfAbandoned(const QString &folder, const std::function<void(const QString &)> &beforeRemoval = {});

} // namespace RunMark

// A new folder of this run, named from a pattern that ends in "XXXXXX":
// made with mode 0700, marked, and removed with everything in it when the
// object ends.
class MarkedFolder
{
public:
    explicit MarkedFolder(const QString &pattern);
    ~MarkedFolder();
    MarkedFolder(const MarkedFolder &) = delete;
    MarkedFolder &operator=(const MarkedFolder &) = delete;

    bool isValid() const { return m_lock >= 0; }
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

private:
    QString m_path;
    QString m_error;
    int m_lock = -1;
};

// One writer at a time for a folder the user names (a batch's output
// folder): a hidden file in it, ".tessaline-writer", locked (flock) by the
// writer for as long as the object lives and naming its process, then
// removed. The kernel lets go of the lock when the process ends however it
// ends, so a killed writer holds nothing.
class WriterLock
{
public:
    // Takes the lock of `folder`, which must exist. Throws Failure when its
    // file cannot be made.
    explicit WriterLock(const QString &folder);
    ~WriterLock();
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    bool isHeld() const { return m_lock >= 0; }
    // The process that holds it when this object does not (0 when unknown).
    qint64 holder() const { return m_holder; }
    // The user whose lock file is in the folder, when it is not ours: it is
    // left as it is, and the lock is not held.
    QString otherOwner() const { return m_otherOwner; }

private:
    QString m_path;
    int m_lock = -1;
    qint64 m_holder = 0;
    QString m_otherOwner;
};
