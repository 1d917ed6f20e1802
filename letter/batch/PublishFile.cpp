#include "PublishFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "Failure.h"

namespace {
constexpr int ReserveAttempts = 16;
constexpr mode_t NewFileMode = 0666;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void fail(const QString &scratch, const QString &target, const QString &reason)
{
    ::unlink(encoded(scratch).constData());
    throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason));
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

QString reserveScratch(const QString &folder, const QString &target)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < ReserveAttempts; ++attempt) {
        const QString path = folder + QLatin1Char('/') + info.fileName() + QLatin1Char('.')
                + QString::number(QRandomGenerator::system()->generate(), 36) + QStringLiteral(".part");
        const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            break;
    }
    throw Failure(QObject::tr("Cannot write in %1: %2").arg(QDir::toNativeSeparators(folder), systemReason()));
}

Published publishFile(const QString &scratch, const QString &target, Overwrite overwrite)
{
    const QByteArray from = encoded(scratch);
    const QByteArray to = encoded(target);
    const int fd = ::open(from.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fail(scratch, target, systemReason());
    struct stat info {};
    const bool synced = ::fstat(fd, &info) == 0 && ::fsync(fd) == 0;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, NewFileMode & ~mask);
    ::close(fd);
    if (!synced)
        fail(scratch, target, systemReason());
    if (!S_ISREG(info.st_mode) || info.st_size == 0)
        fail(scratch, target, QObject::tr("the office wrote nothing"));

    if (overwrite == Overwrite::Replace) {
        if (::rename(from.constData(), to.constData()) != 0)
            fail(scratch, target, systemReason());
    } else if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) {
            ::unlink(from.constData());
            return Published::KeptExisting;
        }
        if (errno != EINVAL && errno != ENOSYS)
            fail(scratch, target, systemReason());
        // A file system without an exclusive rename: a hard link cannot
        // replace either.
        if (::link(from.constData(), to.constData()) != 0) {
            const bool exists = errno == EEXIST;
            const QString reason = systemReason();
            if (exists) {
                ::unlink(from.constData());
                return Published::KeptExisting;
            }
            fail(scratch, target, reason);
        }
        ::unlink(from.constData());
    }
    syncFolder(QFileInfo(target).absolutePath());
    return Published::Written;
}
