#include "OfficeProcess.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QCryptographicHash>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include "ChildSetUp.h"
#include "FileInPlace.h"
#include "Failure.h"
#include "Logging.h"
#include "OfficeDeadline.h"
#include "OfficeJail.h"
#include "OfficeSettings.h"
#include "ReadyProfile.h"
#include "ScratchFiles.h"

namespace {
// The exit code with which the office asks to be started again, as it does
// after creating a fresh user profile.
constexpr int RestartRequestedExitCode = 81;

// Profile folders are named after the program's process (for people; a
// later run tells an ended program's by its lock).
constexpr char ProfilePrefix[] = "tessaline-office-";
// The file in a profile that names its office's connection pipe, so that a
// later run can remove the pipe of an office whose program has ended.
constexpr char PipeNameFile[] = "connection-pipe";

// Where the office makes its pipe sockets, and their names.
constexpr char SocketFolder[] = "/tmp";
constexpr char AlternativeSocketFolder[] = "/var/tmp";
QString socketPrefix()
{
    return QStringLiteral("OSL_PIPE_%1_").arg(::getuid());
}

// The office names its single-instance pipe after the MD5 digest of its
// profile's URL (UTF-16), each byte in hexadecimal without padding.
QString singleInstancePipeName(const QString &profileUrl)
{
    const QByteArray utf16(reinterpret_cast<const char *>(profileUrl.utf16()), profileUrl.size() * 2);
    QString hex;
    for (const char byte : QCryptographicHash::hash(utf16, QCryptographicHash::Md5))
        hex += QString::number(quint8(byte), 16);
    return QStringLiteral("SingleOfficeIPC_") + hex;
}

QString profileUrl(const QString &folder)
{
    return QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded);
}

// Removes a pipe socket of this user, or this user's link to a jailed
// office's socket, and nothing else.
void removeSocket(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info
    { };
    if (::lstat(encoded.constData(), &info) == 0 && (S_ISSOCK(info.st_mode) || S_ISLNK(info.st_mode))
        && info.st_uid == ::getuid())
        ::unlink(encoded.constData());
}

// Where this program looks for an office's pipe: the system's temporary
// folder when it may write there, as the office's own pipe code decides.
QString socketFolder()
{
    return QLatin1String(::access(SocketFolder, W_OK) == 0 ? SocketFolder : AlternativeSocketFolder);
}

QString uniquePipeName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("tessaline-%1-%2-%3")
            .arg(QCoreApplication::applicationPid())
            .arg(++counter)
            .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Kills what still runs with a dead run's office pipe (the office, its
// jail): the jail's own parent-death signal is set a moment after it
// starts its office, and a run killed in that moment leaves both running.
// The pipe's name is this user's and random, so it names no one else's
// process.
void killOfficesOnPipe(const QString &pipeName)
{
    if (pipeName.isEmpty())
        return;
    const QByteArray mark = "--accept=pipe,name=" + pipeName.toUtf8() + ';';
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        struct stat info
        { };
        const QString folder = QStringLiteral("/proc/") + entry;
        if (!isProcess || ::stat(QFile::encodeName(folder).constData(), &info) != 0 || info.st_uid != ::getuid())
            continue;
        QFile cmdline(folder + QStringLiteral("/cmdline"));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(mark))
            killOfficeProcess(pid);
    }
}

// The guard of the offices: a shell of its own that waits for the end of
// this program, however it ends, and then kills every process of the
// program's user that carries the program's mark
// (OfficeProcess::ProgramVariable). An office dies with
// the thread that started it, and its jail with the program; but the jail
// arms that for its office only once the jail is set up, and a program
// killed meanwhile would leave the office running. The guard reads a pipe
// whose other end only this program holds, which the kernel closes when
// the program ends: no polling, and no window.
void startOfficeGuard()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    // It lives as long as the program: it holds nothing else of it open.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    const QByteArray mark = OfficeProcess::programMark().toUtf8();
    // Only processes of the program's own user (by their real uid: the
    // owner of /proc/PID is root's for a process that changed its user):
    // anyone can give a process the mark, and a guard run by root would end
    // theirs too.
    const QByteArray uid = QByteArray::number(::geteuid());
    const QByteArray script = "cat >/dev/null; for e in $(grep -lsxzF \"$0\" /proc/[0-9]*/environ); do "
                              "p=${e#/proc/}; p=${p%/environ}; "
                              "u=$(sed -n 's/^Uid:[[:space:]]*\\([0-9]*\\).*/\\1/p' \"/proc/$p/status\" 2>/dev/null); "
                              "[ \"$u\" = \"$1\" ] && kill -9 \"$p\"; done";
    char shell[] = "sh", option[] = "-c";
    char *arguments[] = {shell,
                         option,
                         const_cast<char *>(script.constData()),
                         const_cast<char *>(mark.constData()),
                         const_cast<char *>(uid.constData()),
                         nullptr};
    // Its tools from the system's folders, whatever PATH the user runs the
    // program with: a PATH without them left a guard that killed nothing.
    char path[] = "PATH=/usr/bin:/bin", locale[] = "LC_ALL=C";
    char *environment[] = {path, locale, nullptr};
    pid_t guard = 0;
    if (posix_spawn(&guard, "/bin/sh", &actions, nullptr, arguments, environment) != 0)
        qCWarning(lcOffice) << "the offices' guard could not be started";
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[0]);
    // ends[1] stays open as long as the program runs.
}

} // namespace

OfficeProcess::OfficeProcess(const OfficeSetup &setup)
    : m_setup(setup), m_profile(profilesFolder() + QStringLiteral("/") + QLatin1String(ProfilePrefix)
                                + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"))
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    // Delivered on the owning thread, by its event loop or by a wait there.
    QObject::connect(&m_process, &QProcess::finished, &m_process, [this] { ended(); });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_process, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended();
    });
}

OfficeProcess::~OfficeProcess()
{
    kill();
}

void OfficeProcess::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        killNow();
        m_process.waitForFinished(5000);
    }
    removeSockets();
}

void OfficeProcess::killNow() const
{
    if (m_running)
        OfficeJail::end(m_startedId, m_jailed);
}

bool OfficeProcess::onOwningThread() const
{
    return QThread::currentThread() == m_process.thread();
}

void OfficeProcess::ended()
{
    if (!m_restarted && m_process.error() != QProcess::FailedToStart && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == RestartRequestedExitCode) {
        m_restarted = true;
        m_officeId = 0;
        OfficeJail::start(m_process, m_start);
        m_startedId = m_process.processId();
        return;
    }
    if (m_process.error() == QProcess::FailedToStart)
        m_exitDescription = QObject::tr("the office program could not be run: %1").arg(m_process.errorString());
    else if (m_process.exitStatus() == QProcess::CrashExit)
        m_exitDescription = QObject::tr("the office process crashed");
    else
        m_exitDescription = QObject::tr("the office process ended with code %1").arg(m_process.exitCode());
    m_running = false;
}

QStringList OfficeProcess::privateOfficeArguments(const QString &profileFolder)
{
    return {
            QStringLiteral("-env:UserInstallation=") + profileUrl(profileFolder),
            // The cache of the extensions installed for every user lies in
            // the installation (/var/spool on Debian). An office without a
            // jail writes there, and root's leaves folders that only root
            // may read, after which no other user's office starts. Each
            // office keeps its own in its profile, which needs no one
            // else's.
            QStringLiteral("-env:UNO_SHARED_PACKAGES_CACHE=")
                    + profileUrl(profileFolder + QStringLiteral("/shared-packages")),
            QStringLiteral("--headless"),
            QStringLiteral("--invisible"),
            QStringLiteral("--norestore"),
            QStringLiteral("--nologo"),
            QStringLiteral("--nodefault"),
            QStringLiteral("--nolockcheck"),
    };
}

QString OfficeProcess::profilesFolder()
{
    return userCacheFolder();
}

QStringList OfficeProcess::socketPaths(const QString &profileFolder, const QString &pipeName)
{
    QStringList paths;
    for (const char *folder : {SocketFolder, AlternativeSocketFolder}) {
        const QString prefix = QLatin1String(folder) + QLatin1Char('/') + socketPrefix();
        if (!pipeName.isEmpty())
            paths << prefix + pipeName;
        if (!profileFolder.isEmpty())
            paths << prefix + singleInstancePipeName(profileUrl(profileFolder));
    }
    return paths;
}

void OfficeProcess::removeSockets() const
{
    // A running office still uses them; an office that ended normally has
    // removed them itself.
    if (m_process.state() != QProcess::NotRunning)
        return;
    for (const QString &path : socketPaths(m_profile.path(), m_pipeName))
        removeSocket(path);
}

QString OfficeSetup::programToRun() const
{
    if (program.isEmpty())
        return OfficeProcess::installedProgram();
    return QFileInfo(program).isExecutable() ? program : QString();
}

QString OfficeProcess::installedProgram()
{
    const QString standard = QStringLiteral("/usr/lib/libreoffice/program/soffice.bin");
    if (QFileInfo(standard).isExecutable())
        return standard;
    // Elsewhere: the folder that the "soffice" on the PATH really lives in.
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (launcher.isEmpty())
        return {};
    const QString program
            = QFileInfo(QFileInfo(launcher).canonicalFilePath()).absolutePath() + QStringLiteral("/soffice.bin");
    return QFileInfo(program).isExecutable() ? program : QString();
}

void OfficeProcess::removeLeftoversOfDeadRuns()
{
    // With the profile go its office, if it still runs, and its pipes: the
    // single-instance pipe named after the profile, and the connection pipe
    // the profile names.
    auto removePipes = [](const QString &profile) {
        // The office could write its profile: a name in any other form
        // than the program's own is no name of ours, and names nothing to
        // kill or remove ("../" in it would reach another path).
        static const QRegularExpression ownForm(QStringLiteral("^tessaline-[0-9]+-[0-9]+-[0-9a-f]{16}$"));
        QFile named(profile + QLatin1Char('/') + QLatin1String(PipeNameFile));
        QString pipeName = named.open(QIODevice::ReadOnly) ? QString::fromUtf8(named.read(256)) : QString();
        if (!ownForm.match(pipeName).hasMatch())
            pipeName.clear();
        killOfficesOnPipe(pipeName);
        for (const QString &socket : socketPaths(profile, pipeName))
            removeSocket(socket);
    };
    const QDir profiles(profilesFolder());
    for (const QString &name : profiles.entryList({QLatin1String(ProfilePrefix) + QStringLiteral("*-*")},
                                                  QDir::Dirs | QDir::NoSymLinks | QDir::Hidden))
        RunMark::removeIfAbandoned(profiles.filePath(name), removePipes);
}

QString OfficeProcess::programMark()
{
    return QStringLiteral("%1=%2").arg(QLatin1String(ProgramVariable)).arg(QCoreApplication::applicationPid());
}

void OfficeProcess::start(Wait wait)
{
    static std::once_flag cleaned;
    std::call_once(cleaned, [] {
        removeLeftoversOfDeadRuns();
        startOfficeGuard();
    });

    const QString program = m_setup.programToRun();
    if (program.isEmpty())
        throw Failure(QObject::tr("No LibreOffice installation was found."));
    if (!m_profile.isValid())
        throw Failure(QObject::tr("Cannot create a profile folder for the office: %1").arg(m_profile.errorString()));
    // A copy of the ready profile spares the first start's set-up; a
    // program named in place of the installed office's may be no office to
    // make one with.
    if (m_setup.program.isEmpty())
        ReadyProfile::copyInto(m_profile.path(), program);
    m_pipeName = uniquePipeName();
    writeNewFile(m_profile.filePath(QLatin1String(PipeNameFile)), m_pipeName.toUtf8());
    // Before its first start: the profile's settings keep every document's
    // links from reaching files or the network.
    OfficeSettings::writeInto(m_profile.path());
    // The office's temporary files stay inside its profile, which needs no
    // temporary folder of the system and is removed with it: a spare killed
    // when the program ends leaves none in the user's temporary folder.
    const QString officeTemp = m_profile.path() + QStringLiteral("/tmp");
    QDir().mkpath(officeTemp);
    m_start = {program,
               privateOfficeArguments(m_profile.path()) << QStringLiteral("--accept=pipe,name=%1;urp;").arg(m_pipeName),
               {m_profile.path()},
               officeTemp,
               {},
               m_setup.printing};
    try {
        m_start.letterFolder = ScratchFiles::folder();
    } catch (const Failure &) {
        // No safe scratch folder: no letter is made, and the office needs
        // none to start (the start-up check).
    }
    m_jailed = OfficeJail::available();
    if (m_jailed) {
        // The office makes its pipe in its /tmp; the program reaches the
        // pipe through a link of its own where it looks for it, named after
        // the (unguessable) pipe.
        const QString pipe = socketPrefix() + m_pipeName;
        if (!OfficeJail::sharesSystemTemp()
            && !QFile::link(officeTemp + QLatin1Char('/') + pipe, socketFolder() + QLatin1Char('/') + pipe))
            throw Failure(QObject::tr("Cannot reach the office's connection in %1").arg(socketFolder()));
    }
    m_running = true;
    try {
        OfficeJail::start(m_process, m_start);
    } catch (const Failure &) {
        m_running = false;
        throw;
    }
    m_startedId = m_process.processId();
    if (wait == Wait::UntilStarted && !m_process.waitForStarted(10000))
        throw Failure(QObject::tr("Cannot start %1: %2").arg(program, m_process.errorString()));
}

bool OfficeProcess::isRunning()
{
    // Without an event loop the owning thread learns of the end only when
    // it asks; other threads learn of it from the owning thread.
    if (onOwningThread() && m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(0);
    return m_running;
}

qint64 OfficeProcess::processId() const
{
    const qint64 started = m_startedId;
    if (!m_jailed || started <= 0)
        return started;
    if (const qint64 known = m_officeId; known > 0)
        return known;
    const qint64 office = OfficeJail::officeIn(started);
    if (office <= 0)
        return started;
    m_officeId = office;
    return office;
}

QString OfficeProcess::exitDescription() const
{
    return m_running ? QString() : m_exitDescription;
}

void OfficeProcess::waitForEnd(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    if (!m_process.waitForFinished(timeoutMs)) {
        killNow();
        m_process.waitForFinished(5000);
    }
}
