#include "DurableFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QObject>

#include "Failure.h"

namespace {
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString &path, int error)
{
    throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), systemReason(error)));
}

// Writes every byte, then syncs and closes; answers 0 or the errno of the
// first step that failed. The descriptor is closed in any case.
int writeSyncClose(int fd, const QByteArray &bytes)
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
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Creates and writes a new file; answers 0 or the errno of the failed
// step, after which no file is left.
int createAndWrite(const QString &path, const QByteArray &bytes, mode_t mode)
{
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    int error = 0;
    // The mode asked for, whatever the umask.
    if (::fchmod(fd, mode) != 0) {
        error = errno;
        ::close(fd);
    } else {
        error = writeSyncClose(fd, bytes);
    }
    if (error != 0)
        ::unlink(encoded.constData());
    return error;
}
} // namespace

void writeNewFile(const QString &path, const QByteArray &bytes, mode_t mode)
{
    if (const int error = createAndWrite(path, bytes, mode))
        fail(path, error);
}
