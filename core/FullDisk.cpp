#include "FullDisk.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QObject>

#include "Failure.h"

namespace {
bool meansFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

std::optional<QString> fullDiskReason(const QString &folder)
{
    // Room for a letter is asked of the file system itself, in a file that
    // is gone again before anyone can see it.
    QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.tessaline-room-XXXXXX"));
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return meansFull(errno) ? std::optional(systemText(errno)) : std::nullopt;
    ::unlink(probe.constData());
    const int allocated = ::posix_fallocate(fd, 0, FullDiskRoomBytes);
    ::close(fd);
    if (allocated == 0)
        return std::nullopt;
    if (meansFull(allocated))
        return systemText(allocated);
    // A file system that cannot reserve room says how much it has left.
    struct statvfs info
    { };
    if (::statvfs(QFile::encodeName(folder).constData(), &info) == 0
        && qint64(info.f_bavail) * qint64(info.f_frsize) < FullDiskRoomBytes)
        return systemText(ENOSPC);
    return std::nullopt;
}

QString fullDiskMessage(const QString &folder, const QString &reason)
{
    return QObject::tr("The disk that holds %1 is full (%2).").arg(QDir::toNativeSeparators(folder), reason);
}

void throwIfDiskFull(const QString &folder)
{
    if (const std::optional<QString> reason = fullDiskReason(folder))
        throw Failure(fullDiskMessage(folder, *reason));
}
