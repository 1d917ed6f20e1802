#include "FileInPlace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QFileInfo>
#include <QObject>
#include <QRandomGenerator>

#include "Failure.h"
#include "FullDisk.h"

namespace {
constexpr int ReserveAttempts = 16;
// What a program usually gives a new file, less the user's umask.
constexpr mode_t UsualNewFileMode = 0666;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemReason(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Failure cannotWrite(const QString &target, const QString &reason)
{
    return Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason));
}

mode_t newFileMode(const PlacePolicy &policy)
{
    if (policy.newFileMode != 0)
        return policy.newFileMode;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return UsualNewFileMode & ~mask;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Creates a new, empty scratch file of the user's alone: PREFIX + the
// target's name + a random part + ".part", in folder. A failure names the
// target when the scratch file goes beside it, else the folder.
QString makeScratch(const QString &folder, const QString &prefix, const QString &target, bool besideTarget)
{
    const QString name = QFileInfo(target).fileName();
    for (int attempt = 0; attempt < ReserveAttempts; ++attempt) {
        const QString path = folder + QLatin1Char('/') + prefix + name + QLatin1Char('.')
                + QString::number(QRandomGenerator::system()->generate(), 36) + QStringLiteral(".part");
        const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            break;
    }
    if (besideTarget)
        throw cannotWrite(target, systemReason());
    throw Failure(QObject::tr("Cannot write in %1: %2").arg(QDir::toNativeSeparators(folder), systemReason()));
}

// Moves a finished scratch file onto target by the policy; the scratch
// file is gone afterwards either way.
Published moveIntoPlace(const QString &scratch, const QString &target, const PlacePolicy &policy)
{
    const QByteArray from = encoded(scratch);
    const QByteArray to = encoded(target);
    auto fail = [&](const QString &reason) {
        ::unlink(from.constData());
        return cannotWrite(target, reason);
    };
    const int fd = ::open(from.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        throw fail(systemReason());
    struct stat written
    { };
    const bool synced = ::fstat(fd, &written) == 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    if (!synced) {
        ::close(fd);
        throw fail(systemReason(syncError));
    }
    if (!S_ISREG(written.st_mode) || (written.st_size == 0 && !policy.emptyAllowed)) {
        ::close(fd);
        throw fail(QObject::tr("the office wrote nothing"));
    }
    // A replaced file keeps its mode; a new one gets the policy's.
    struct stat old
    { };
    const bool exists = ::stat(to.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode) && policy.overwrite == Overwrite::Replace) {
        ::close(fd);
        throw fail(QObject::tr("it is a folder"));
    }
    const mode_t mode = exists && policy.overwrite == Overwrite::Replace ? (old.st_mode & 07777) : newFileMode(policy);
    const bool moded = ::fchmod(fd, mode) == 0;
    const int modeError = errno;
    ::close(fd);
    if (!moded)
        throw fail(systemReason(modeError));

    if (policy.overwrite == Overwrite::Replace) {
        // Asked again just before the move: the file may have been marked
        // read-only while the letter was being written.
        try {
            refuseReadOnlyTarget(target);
        } catch (const Failure &) {
            ::unlink(from.constData());
            throw;
        }
        if (std::rename(from.constData(), to.constData()) != 0)
            throw fail(systemReason());
    } else if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) {
            ::unlink(from.constData());
            return Published::KeptExisting;
        }
        if (errno != EINVAL && errno != ENOSYS)
            throw fail(systemReason());
        // A file system without an exclusive rename: a hard link cannot
        // replace either.
        if (::link(from.constData(), to.constData()) != 0) {
            const int error = errno;
            if (error == EEXIST) {
                ::unlink(from.constData());
                return Published::KeptExisting;
            }
            throw fail(systemReason(error));
        }
        ::unlink(from.constData());
    }
    // The new name itself must survive a crash too.
    syncFolder(QFileInfo(target).absolutePath());
    return Published::Written;
}

// Writes every byte and closes the file; answers 0 or the errno of the
// first step that failed. The descriptor is closed in any case.
int writeAndClose(int fd, const QByteArray &bytes)
{
    int error = 0;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            error = written < 0 ? errno : ENOSPC;
        else {
            data += written;
            left -= written;
        }
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

Published placeBytes(const QByteArray &bytes, const QString &target, PlacePolicy policy)
{
    policy.emptyAllowed = true; // every byte is counted as it is written
    FileInPlace out(target, policy);
    const int fd = ::open(encoded(out.scratchPath()).constData(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        throw cannotWrite(target, systemReason());
    if (const int error = writeAndClose(fd, bytes))
        throw cannotWrite(target, systemReason(error));
    return out.commit();
}
} // namespace

void refuseReadOnlyTarget(const QString &target)
{
    struct stat st
    { };
    if (::stat(encoded(target).constData(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        throw cannotWrite(target, QObject::tr("the file is read-only"));
}

FileInPlace::FileInPlace(const QString &target, PlacePolicy policy)
    : m_target(QFileInfo(target).absoluteFilePath()), m_policy(std::move(policy))
{
    if (m_policy.overwrite == Overwrite::Replace)
        refuseReadOnlyTarget(m_target);
    const QFileInfo info(m_target);
    if (info.isDir())
        throw cannotWrite(m_target, QObject::tr("it is a folder"));
    m_scratch = m_policy.stagingFolder.isEmpty() ? makeScratch(info.absolutePath(), QStringLiteral("."), m_target, true)
                                                 : makeScratch(m_policy.stagingFolder, QString(), m_target, false);
}

FileInPlace::~FileInPlace()
{
    if (!m_done)
        discard();
}

void FileInPlace::discard()
{
    m_done = true;
    QFile::remove(m_scratch);
}

Published FileInPlace::commit()
{
    if (m_done)
        throw cannotWrite(m_target, QObject::tr("the file was already written or discarded"));
    m_done = true; // the scratch file is gone after the move either way
    return moveIntoPlace(m_scratch, m_target, m_policy);
}

Published writeFileInPlace(const QByteArray &bytes, const QString &target, PlacePolicy policy)
{
    try {
        return placeBytes(bytes, target, std::move(policy));
    } catch (const Failure &) {
        throwIfDiskFull(QFileInfo(target).absolutePath());
        throw;
    }
}

void writeNewFile(const QString &path, const QByteArray &bytes, mode_t mode)
{
    PlacePolicy policy;
    policy.overwrite = Overwrite::Never;
    policy.newFileMode = mode;
    if (placeBytes(bytes, path, policy) == Published::KeptExisting)
        throw cannotWrite(path, systemReason(EEXIST));
}

QString reserveScratch(const QString &folder, const QString &target)
{
    return makeScratch(folder, QString(), target, false);
}

void takeOver(const QString &written, const QString &scratch)
{
    const auto removeWritten = qScopeGuard([&] { QFile::remove(written); });
    if (::rename(encoded(written).constData(), encoded(scratch).constData()) == 0 || errno == ENOENT)
        return;
    QFile from(written);
    QFile to(scratch);
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Failure(QObject::tr("Cannot write in %1: %2")
                              .arg(QDir::toNativeSeparators(QFileInfo(scratch).absolutePath()), to.errorString()));
    char buffer[65536];
    for (qint64 count; (count = from.read(buffer, sizeof buffer)) > 0;) {
        if (to.write(buffer, count) != count)
            throw Failure(QObject::tr("Cannot write in %1: %2")
                                  .arg(QDir::toNativeSeparators(QFileInfo(scratch).absolutePath()), to.errorString()));
    }
}

Published publishFile(const QString &scratch, const QString &target, Overwrite overwrite)
{
    PlacePolicy policy;
    policy.overwrite = overwrite;
    return moveIntoPlace(scratch, target, policy);
}
