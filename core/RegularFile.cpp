#include "RegularFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QObject>
#include <QScopeGuard>

namespace RegularFile {

namespace {
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QObject::tr("a folder");
    if (S_ISFIFO(mode))
        return QObject::tr("a named pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QObject::tr("a device");
    if (S_ISSOCK(mode))
        return QObject::tr("a socket");
    return QObject::tr("a special file");
}

Refusal systemRefusal(int error)
{
    if (error == ENOENT)
        return Refusal(Refusal::Reason::Missing, QObject::tr("does not exist"));
    return Refusal(Refusal::Reason::Unreadable, QString::fromLocal8Bit(std::strerror(error)));
}

Refusal notRegular(mode_t mode)
{
    return Refusal(Refusal::Reason::NotRegular, QObject::tr("is %1, not a regular file").arg(kindOf(mode)));
}
} // namespace

QString specialKind(const QString &path)
{
    struct stat info
    { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return kindOf(info.st_mode);
}

QString sizeInWords(qint64 bytes)
{
    constexpr qint64 Mega = 1024 * 1024;
    if (bytes >= Mega && bytes % Mega == 0)
        return QObject::tr("%1 MB").arg(bytes / Mega);
    return QObject::tr("%1 KB").arg((bytes + 1023) / 1024);
}

QByteArray read(const QString &path, qint64 limit)
{
    // Without O_NONBLOCK, opening a named pipe waits for its writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw systemRefusal(errno);
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat info
    { };
    if (::fstat(fd, &info) != 0)
        throw systemRefusal(errno);
    if (!S_ISREG(info.st_mode))
        throw notRegular(info.st_mode);
    const auto tooLarge = [limit] {
        return Refusal(Refusal::Reason::TooLarge, QObject::tr("is larger than %1").arg(sizeInWords(limit)));
    };
    if (info.st_size > limit)
        throw tooLarge();
    // The size may grow while it is read: one byte past the limit tells.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit)
                throw tooLarge();
            bytes.resize(qsizetype(std::min<qint64>(limit + 1, qint64(got) * 2 + 4096)));
        }
        const ssize_t count = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw systemRefusal(errno);
        }
        got += count;
    }
    if (got > limit)
        throw tooLarge();
    bytes.truncate(got);
    return bytes;
}

} // namespace RegularFile
