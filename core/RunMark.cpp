#include "RunMark.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QObject>

#include "Failure.h"

namespace {
// A folder removed by another run's clean-up just as it was made is made
// again, this many times at most.
constexpr int MakeAttempts = 3;

QByteArray lockPath(const QString &folder)
{
    return QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(RunMark::LockFileName));
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

namespace RunMark {

int mark(const QString &folder)
{
    const int lock = ::open(lockPath(folder).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0)
        throw Failure(QObject::tr("Cannot mark the folder %1 as in use: %2")
                              .arg(native(folder), QString::fromLocal8Bit(std::strerror(errno))));
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        throw Failure(QObject::tr("The folder %1 is in use by another running program").arg(native(folder)));
    }
    // A clean-up that took the lock file just before us has removed it.
    if (!stillMarks(lock, folder)) {
        ::close(lock);
        throw Failure(QObject::tr("The folder %1 was removed while it was being made").arg(native(folder)));
    }
    return lock;
}

bool stillMarks(int lock, const QString &folder)
{
    struct stat held
    {
    }, there{};
    return lock >= 0 && ::fstat(lock, &held) == 0 && ::lstat(lockPath(folder).constData(), &there) == 0
            && held.st_dev == there.st_dev && held.st_ino == there.st_ino;
}

void release(int lock)
{
    if (lock >= 0)
        ::close(lock);
}

bool removeIfAbandoned(const QString &folder, const std::function<void(const QString &)> &beforeRemoval)
{
    struct stat info
    { };
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::getuid())
        return false;
    const int lock = ::open(lockPath(folder).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0)
        return false; // not marked (or being made): not this run's to judge
    struct stat lockInfo
    { };
    const bool abandoned = ::fstat(lock, &lockInfo) == 0 && S_ISREG(lockInfo.st_mode) && lockInfo.st_uid == ::getuid()
            && ::flock(lock, LOCK_EX | LOCK_NB) == 0;
    if (abandoned) {
        if (beforeRemoval)
            beforeRemoval(folder);
        QDir(folder).removeRecursively();
    }
    ::close(lock);
    return abandoned;
}

} // namespace RunMark

MarkedFolder::MarkedFolder(const QString &pattern)
{
    for (int attempt = 0; attempt < MakeAttempts && m_lock < 0; ++attempt) {
        QByteArray name = QFile::encodeName(pattern);
        if (!::mkdtemp(name.data())) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_path = QFile::decodeName(name);
        try {
            m_lock = RunMark::mark(m_path);
        } catch (const Failure &failure) {
            m_error = failure.description();
            QDir(m_path).removeRecursively();
        }
    }
}

MarkedFolder::~MarkedFolder()
{
    if (m_lock < 0)
        return;
    QDir(m_path).removeRecursively();
    RunMark::release(m_lock);
}

namespace {
constexpr char WriterLockName[] = ".tessaline-writer";

// The login name of a user, else the number.
QString userName(uid_t uid)
{
    struct passwd entry
    { };
    struct passwd *found = nullptr;
    char buffer[1024];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

bool sameFile(int fd, const QByteArray &path)
{
    struct stat held
    {
    }, there{};
    return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &there) == 0 && held.st_dev == there.st_dev
            && held.st_ino == there.st_ino;
}
} // namespace

WriterLock::WriterLock(const QString &folder) : m_path(folder + QLatin1Char('/') + QLatin1String(WriterLockName))
{
    const QByteArray path = QFile::encodeName(m_path);
    // A writer that ends removes its file as we open it: the lock taken on
    // a removed file is no lock, so it is taken again on the new one.
    for (int attempt = 0; attempt < MakeAttempts; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        const int openError = errno;
        // A lock file of another user's is never trusted: not the process
        // it names, not its content to replace, not its name to remove.
        struct stat info
        { };
        if ((fd >= 0 ? ::fstat(fd, &info) : ::lstat(path.constData(), &info)) == 0 && info.st_uid != ::geteuid()) {
            if (fd >= 0)
                ::close(fd);
            m_otherOwner = userName(info.st_uid);
            return;
        }
        if (fd < 0)
            throw Failure(QObject::tr("Cannot write in %1: %2")
                                  .arg(native(folder), QString::fromLocal8Bit(std::strerror(openError))));
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            char text[32] = {};
            const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
            m_holder = length > 0 ? std::strtoll(text, nullptr, 10) : 0;
            ::close(fd);
            return;
        }
        if (sameFile(fd, path)) {
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) == pid.size())
                m_lock = fd;
            else
                ::close(fd);
            if (m_lock < 0)
                throw Failure(QObject::tr("Cannot write in %1").arg(native(folder)));
            return;
        }
        ::close(fd);
    }
    throw Failure(QObject::tr("Cannot write in %1: its lock file keeps changing").arg(native(folder)));
}

WriterLock::~WriterLock()
{
    if (m_lock < 0)
        return;
    // Removed while still held: nobody takes a lock on it meanwhile.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_lock);
}
