#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A nearly full disk for tests of what happens when a write runs out of
// room: a small tmpfs mounted on a folder of its own for as long as the
// object lives (unmounted however the test ends). Mounting needs root;
// isMounted() says whether it worked, and tests skip with skipReason()
// when it did not.
class SmallDisk
{
public:
    explicit SmallDisk(int sizeKb);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    static const char *skipReason() { return "a full disk needs a small tmpfs, which only root can mount"; }

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

    // Makes the mounted disk read-only, even to root; false when it could
    // not be.
    bool makeReadOnly();

    // Fills the disk up to `freeBytes` left with a file named "filler".
    void fillUpTo(qint64 freeBytes);
    qint64 freeBytes() const;

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};
