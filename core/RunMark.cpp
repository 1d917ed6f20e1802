#include "RunMark.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
    struct stat held {}, there {};
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
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::getuid())
        return false;
    const int lock = ::open(lockPath(folder).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0)
        return false; // not marked (or being made): not this run's to judge
    struct stat lockInfo {};
    const bool abandoned = ::fstat(lock, &lockInfo) == 0 && S_ISREG(lockInfo.st_mode)
            && lockInfo.st_uid == ::getuid() && ::flock(lock, LOCK_EX | LOCK_NB) == 0;
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
