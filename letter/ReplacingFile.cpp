#include "ReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryFile>

#include "Failure.h"

namespace {
// A new file gets what a program usually gives it: read and write for all,
// less the user's umask.
constexpr mode_t NewFileMode = 0666;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

Failure cannotWrite(const QString &target, const QString &reason)
{
    return Failure(QObject::tr("Cannot write %1: %2").arg(native(target), reason));
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Flushes a file (or a folder's entry list) to disk.
bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
} // namespace

void refuseReadOnlyTarget(const QString &target)
{
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        throw cannotWrite(target, QObject::tr("the file is read-only"));
}

ReplacingFile::ReplacingFile(const QString &target) : m_target(QFileInfo(target).absoluteFilePath())
{
    refuseReadOnlyTarget(m_target);
    const QFileInfo info(m_target);
    if (info.isDir())
        throw cannotWrite(m_target, QObject::tr("it is a folder"));
    // Hidden, and named after the target, so that a user who sees one left
    // by a power cut knows what it was.
    QTemporaryFile beside(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                          + QStringLiteral(".XXXXXX.part"));
    beside.setAutoRemove(false);
    if (!beside.open())
        throw cannotWrite(m_target, beside.errorString());
    m_beside = beside.fileName();
}

ReplacingFile::~ReplacingFile()
{
    if (!m_done)
        discard();
}

void ReplacingFile::discard()
{
    m_done = true;
    QFile::remove(m_beside);
}

void ReplacingFile::commit()
{
    if (m_done)
        throw cannotWrite(m_target, QObject::tr("the file was already written or discarded"));
    try {
        const QByteArray beside = QFile::encodeName(m_beside);
        const QByteArray target = QFile::encodeName(m_target);
        struct stat old {};
        const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777)
                                                                  : (NewFileMode & ~currentUmask());
        if (!syncPath(m_beside, O_RDONLY))
            throw cannotWrite(m_target, systemReason());
        if (::chmod(beside.constData(), mode) != 0)
            throw cannotWrite(m_target, systemReason());
        // Asked again just before the move: the file may have been marked
        // read-only while the letter was being written.
        refuseReadOnlyTarget(m_target);
        if (std::rename(beside.constData(), target.constData()) != 0)
            throw cannotWrite(m_target, systemReason());
        m_done = true;
        // The new name itself must survive a crash too.
        syncPath(QFileInfo(m_target).absolutePath(), O_RDONLY | O_DIRECTORY);
    } catch (...) {
        discard();
        throw;
    }
}
