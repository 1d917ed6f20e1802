#include "ScratchFiles.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "Failure.h"
#include "RunMark.h"

namespace {
QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes the folder (mode 0700) unless it is there, then checks that it is
// a real folder of the user's alone. Throws Failure otherwise.
void makePrivateFolder(const QString &folder)
{
    const QByteArray encoded = QFile::encodeName(folder);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        throw Failure(QObject::tr("Cannot create the scratch folder %1: %2")
                              .arg(QDir::toNativeSeparators(folder), reason(errno)));
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info
    { };
    const bool stated = fd >= 0 && ::fstat(fd, &info) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!stated || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        throw Failure(QObject::tr("The scratch folder %1 is not a folder of your own; "
                                  "remove it or set the variable TMPDIR.")
                              .arg(QDir::toNativeSeparators(folder)));
    if ((info.st_mode & 077) != 0)
        throw Failure(QObject::tr("The scratch folder %1 is open to other users; "
                                  "remove it or set the variable TMPDIR.")
                              .arg(QDir::toNativeSeparators(folder)));
}

// Whether the path is a real folder of this user's, closed to others.
bool isOwnPrivateFolder(const QString &folder)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString runFolder(const QString &userFolder)
{
    return userFolder + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid());
}

// This run's hold on its scratch folder.
struct RunFolderLock
{
    std::mutex mutex;
    int lock = -1;
};

RunFolderLock &runFolderLock()
{
    static RunFolderLock held;
    return held;
}
} // namespace

QString userCacheFolder()
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        cache = QDir::homePath() + QStringLiteral("/.cache");
    QDir().mkpath(cache);
    return cache;
}

QString ScratchFiles::temporaryFolder()
{
    for (const char *name : {"temp", "TEMP", "TMPDIR"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return qEnvironmentVariable(name);
    }
    return userCacheFolder();
}

QString ScratchFiles::userFolder()
{
    return temporaryFolder() + QStringLiteral("/tessaline-") + QString::number(::getuid());
}

QString ScratchFiles::folder()
{
    const QString user = userFolder();
    makePrivateFolder(user);
    const QString run = runFolder(user);
    RunFolderLock &held = runFolderLock();
    const std::lock_guard guard(held.mutex);
    if (!RunMark::stillMarks(held.lock, run)) {
        RunMark::release(held.lock);
        held.lock = -1;
        // A folder of this process id that no running program holds was
        // left by an ended run whose id this one has now: not this run's.
        RunMark::removeIfAbandoned(run);
        makePrivateFolder(run);
        held.lock = RunMark::mark(run);
    }
    return run;
}

void ScratchFiles::removeLeftoversOfDeadRuns()
{
    const QString user = userFolder();
    try {
        makePrivateFolder(user);
    } catch (const Failure &) {
        return; // not ours to clean; making a letter will say why
    }
    const QDir dir(user);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks))
        RunMark::removeIfAbandoned(dir.filePath(name));
}

void ScratchFiles::removeRunFolder()
{
    const QString user = userFolder();
    // A folder that is not this user's own is never touched, even empty.
    if (!isOwnPrivateFolder(user))
        return;
    const QString run = runFolder(user);
    RunFolderLock &held = runFolderLock();
    const std::lock_guard guard(held.mutex);
    struct stat info
    { };
    if (::lstat(QFile::encodeName(run).constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
        QDir(run).removeRecursively();
    RunMark::release(held.lock);
    held.lock = -1;
    // The user's folder goes too once no other run uses it.
    ::rmdir(QFile::encodeName(user).constData());
}
