#include "ReadyProfile.h"

#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "Failure.h"
#include "OfficeJail.h"
#include "OfficeProcess.h"
#include "ScratchFiles.h"

namespace {
constexpr char ReadyPrefix[] = "tessaline-office-profile-";
// How long making the profile may take before the office is given up.
constexpr int MakeTimeoutMs = 60000;
// The exit code with which a first start asks to be started again.
constexpr int RestartRequestedExitCode = 81;

// The office's version as its installation states it, with the program's
// own path and time: a new version or a new installation makes a new key.
QString versionKey(const QString &officeProgram)
{
    const QFileInfo program(officeProgram);
    QFile versionFile(program.absolutePath() + QStringLiteral("/versionrc"));
    QByteArray key = QFile::encodeName(program.absoluteFilePath());
    key += QByteArray::number(program.lastModified().toMSecsSinceEpoch());
    if (versionFile.open(QIODevice::ReadOnly))
        key += versionFile.readAll();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
}

// A folder of this user alone: a real folder (not a link), owned by the
// user, that nobody else may enter.
bool isPrivateFolder(const QString &path)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Copies the regular files and folders under `from` to `to`; links and
// anything else are left out.
bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + source.mid(from.size());
        if (info.isSymLink())
            continue;
        if (info.isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (info.isFile()) {
            if (!QFile::copy(source, target))
                return false;
        }
    }
    return true;
}

// Runs the office once on the folder until its set-up is done.
bool makeProfile(const QString &folder, const QString &officeProgram)
{
    const QString temp = folder + QStringLiteral("/tmp");
    QDir().mkpath(temp);
    QProcess office;
    office.setStandardOutputFile(QProcess::nullDevice());
    office.setStandardErrorFile(QProcess::nullDevice());
    // Started as every office is, in its jail where there is one: it opens
    // no document, but nothing of the office runs outside it.
    const OfficeJail::Start start{officeProgram,
                                  OfficeProcess::privateOfficeArguments(folder)
                                          << QStringLiteral("--terminate_after_init"),
                                  {folder},
                                  temp};
    // A first start sets the profile up and asks to be started again.
    for (int run = 0; run < 2; ++run) {
        bool jailed = false;
        try {
            jailed = OfficeJail::start(office, start);
        } catch (const Failure &) {
            return false; // the office that needs it is refused the same way
        }
        if (!office.waitForFinished(MakeTimeoutMs)) {
            OfficeJail::end(office.processId(), jailed);
            office.waitForFinished(5000);
            return false;
        }
        if (office.exitStatus() != QProcess::NormalExit)
            return false;
        if (office.exitCode() != RestartRequestedExitCode)
            break;
    }
    QDir(temp).removeRecursively();
    QFile::remove(folder + QStringLiteral("/.lock"));
    return office.exitCode() == 0 && QFileInfo::exists(folder + QStringLiteral("/user"));
}

// Removes this user's ready profiles of other office versions.
void removeOtherVersions(const QString &keep)
{
    const QDir cache(userCacheFolder());
    for (const QString &name : cache.entryList({QLatin1String(ReadyPrefix) + QStringLiteral("*")},
                                               QDir::Dirs | QDir::NoSymLinks | QDir::Hidden)) {
        const QString path = cache.filePath(name);
        if (path != keep && isPrivateFolder(path))
            QDir(path).removeRecursively();
    }
}

// Makes the ready profile under a temporary name, then renames it into
// place. Another program making it at the same time is no harm: the first
// rename wins and the other's copy goes.
bool makeReadyProfile(const QString &ready, const QString &officeProgram)
{
    // Named as the offices' own profile folders, so that a run killed while
    // making it leaves nothing the next run does not remove.
    QTemporaryDir building(userCacheFolder() + QStringLiteral("/tessaline-office-")
                           + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-profile-XXXXXX"));
    if (!building.isValid() || !makeProfile(building.path(), officeProgram))
        return false;
    if (::rename(QFile::encodeName(building.path()).constData(), QFile::encodeName(ready).constData()) == 0) {
        building.setAutoRemove(false);
        removeOtherVersions(ready);
    }
    return isPrivateFolder(ready);
}
} // namespace

namespace ReadyProfile {

QString folderFor(const QString &officeProgram)
{
    return userCacheFolder() + u'/' + QLatin1String(ReadyPrefix) + versionKey(officeProgram);
}

bool copyInto(const QString &folder, const QString &officeProgram)
{
    static std::mutex making;
    static bool cannotMake = false; // tried once in this program, in vain
    const QString ready = folderFor(officeProgram);
    {
        // One maker per program; the offices that start meanwhile wait for
        // it, which costs them less than making their own.
        std::lock_guard lock(making);
        if (!isPrivateFolder(ready)) {
            if (cannotMake)
                return false;
            // Not ours, or not private: never used, and replaced when ours.
            struct stat info
            { };
            if (::lstat(QFile::encodeName(ready).constData(), &info) == 0) {
                if (info.st_uid != ::getuid() || S_ISLNK(info.st_mode) || !S_ISDIR(info.st_mode))
                    return false;
                QDir(ready).removeRecursively();
            }
            if (!makeReadyProfile(ready, officeProgram)) {
                cannotMake = true;
                return false;
            }
        }
    }
    if (copyTree(ready, folder))
        return true;
    // Whatever was copied goes: the office makes its own profile.
    QDir target(folder);
    for (const QString &entry :
         target.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo info(target.filePath(entry));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
    return false;
}

} // namespace ReadyProfile
