#include "ScratchFiles.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "Failure.h"

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
    struct stat info {};
    const bool stated = fd >= 0 && ::fstat(fd, &info) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!stated || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        throw Failure(QObject::tr("The scratch folder %1 is not a folder of your own; "
                                  "remove it or set the variable TMPDIR.").arg(QDir::toNativeSeparators(folder)));
    if ((info.st_mode & 077) != 0)
        throw Failure(QObject::tr("The scratch folder %1 is open to other users; "
                                  "remove it or set the variable TMPDIR.").arg(QDir::toNativeSeparators(folder)));
}

QString runFolder(const QString &userFolder)
{
    return userFolder + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid());
}
} // namespace

bool processRuns(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

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
    makePrivateFolder(run);
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
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks)) {
        bool numeric = false;
        const qint64 pid = name.toLongLong(&numeric);
        if (numeric && pid > 0 && pid != QCoreApplication::applicationPid() && !processRuns(pid))
            QDir(dir.filePath(name)).removeRecursively();
    }
}

void ScratchFiles::removeRunFolder()
{
    const QString user = userFolder();
    const QString run = runFolder(user);
    struct stat info {};
    if (::lstat(QFile::encodeName(run).constData(), &info) == 0 && S_ISDIR(info.st_mode))
        QDir(run).removeRecursively();
    // The user's folder goes too once no other run uses it.
    ::rmdir(QFile::encodeName(user).constData());
}

QByteArray templateBytes()
{
    QFile resource(QStringLiteral(":/CUSTOM/101"));
    if (!resource.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("The built-in letter template is missing from the program"));
    return resource.readAll();
}
