#include "OfficeJail.h"

#include <atomic>
#include <mutex>
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

#include "ChildSetUp.h"
#include "Failure.h"
#include "OfficeSyscallFilter.h"
#include "Settings.h"

namespace OfficeJail {

namespace {
// How long the trial jail may take: it starts /bin/true.
constexpr int TrialTimeoutMs = 10000;

std::atomic<bool> requiredForThisRun{false};

// Bubblewrap on the PATH, as any program the user starts is found.
QString bubblewrap()
{
    return QStandardPaths::findExecutable(QStringLiteral("bwrap"));
}

// The system as the office sees it: /usr and /etc read-only, and the
// folders at the top that lead into /usr (links on a merged /usr, as
// Debian has it) as the system has them.
QStringList systemArguments()
{
    QStringList arguments{QStringLiteral("--ro-bind"), QStringLiteral("/usr"), QStringLiteral("/usr"),
                          QStringLiteral("--ro-bind"), QStringLiteral("/etc"), QStringLiteral("/etc")};
    for (const char *name : {"bin", "sbin", "lib", "lib32", "lib64", "libx32"}) {
        const QString top = QStringLiteral("/") + QLatin1String(name);
        const QFileInfo info(top);
        if (info.isSymLink())
            arguments << QStringLiteral("--symlink") << info.symLinkTarget() << top;
        else if (info.isDir())
            arguments << QStringLiteral("--ro-bind") << top << top;
    }
    arguments << QStringLiteral("--proc") << QStringLiteral("/proc") << QStringLiteral("--dev")
              << QStringLiteral("/dev");
    return arguments;
}

// How long a kill waits for a jail to stop before it ends what the jail
// started; a stop takes effect at once but for a jail busy in the kernel.
constexpr int JailStopWaitMs = 20;

// The namespaces of every jail; a user namespace only where the system
// allows one (ownUserNamespace()).
QStringList namespaceArguments(bool userNamespace)
{
    QStringList arguments{QStringLiteral("--unshare-pid"), QStringLiteral("--unshare-net"),
                          QStringLiteral("--unshare-ipc"), QStringLiteral("--unshare-uts"),
                          QStringLiteral("--unshare-cgroup-try")};
    if (userNamespace)
        arguments.prepend(QStringLiteral("--unshare-user"));
    // Run by root (a kiosk, a container, sudo), the office would otherwise
    // keep almost every capability: it needs none.
    return arguments << QStringLiteral("--cap-drop") << QStringLiteral("ALL");
}

// The system-call filter as a descriptor bubblewrap reads (at its start,
// to the end): a file in memory of its own for each start, closed on exec
// in every other child. -1 when there is no filter.
int filterDescriptor()
{
    const QByteArray program = OfficeSyscallFilter::program();
    if (program.isEmpty())
        return -1;
    const int fd = ::memfd_create("tessaline-office-filter", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::write(fd, program.constData(), size_t(program.size())) != program.size() || ::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Trial
{
    bool works = false;
    bool userNamespace = false;
    QString diagnostic;
};

// Runs /bin/true in a jail as every office's; empty when it runs.
QString tryJail(const QString &program, bool userNamespace)
{
    QProcess jail;
    jail.setStandardOutputFile(QProcess::nullDevice());
    const int filter = filterDescriptor();
    ChildSetUp::apply(jail, filter);
    QStringList arguments = systemArguments() + namespaceArguments(userNamespace);
    if (filter >= 0)
        arguments << QStringLiteral("--seccomp") << QString::number(filter);
    jail.start(program,
               arguments << QStringLiteral("--die-with-parent") << QStringLiteral("--") << QStringLiteral("true"));
    if (filter >= 0)
        ::close(filter);
    if (!jail.waitForFinished(TrialTimeoutMs)) {
        jail.kill();
        jail.waitForFinished(1000);
        return QStringLiteral("bwrap did not run: %1").arg(jail.errorString());
    }
    if (jail.exitStatus() == QProcess::NormalExit && jail.exitCode() == 0)
        return {};
    return QStringLiteral("bwrap failed (exit %1): %2")
            .arg(jail.exitCode())
            .arg(QString::fromLocal8Bit(jail.readAllStandardError()).trimmed());
}

const Trial &trial()
{
    static const Trial result = [] {
        Trial t;
        const QString program = bubblewrap();
        if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
            t.diagnostic
                    = QStringLiteral("bwrap not found (%1)").arg(program.isEmpty() ? QStringLiteral("PATH") : program);
            return t;
        }
        t.diagnostic = tryJail(program, true);
        t.userNamespace = t.works = t.diagnostic.isEmpty();
        // Where the system refuses user namespaces, root still gets a jail
        // of the other namespaces (its own right to make them), without
        // a single capability.
        if (!t.works && ::geteuid() == 0) {
            const QString withoutUser = tryJail(program, false);
            t.works = withoutUser.isEmpty();
            t.diagnostic = t.works ? QStringLiteral("no user namespace: %1").arg(t.diagnostic)
                                   : t.diagnostic + QStringLiteral("; ") + withoutUser;
        }
        return t;
    }();
    return result;
}

// The folders shareWithOffices() named; none unless a test or benchmark
// names them.
struct SharedFolders
{
    std::mutex mutex;
    QStringList folders;
};
SharedFolders &shared()
{
    static SharedFolders instance;
    return instance;
}

QStringList sharedFolders()
{
    std::lock_guard lock(shared().mutex);
    return shared().folders;
}

// Read-only: what the office needs of the user's own, where it exists, and
// where it sees it (the user's font folders under its own HOME).
QList<std::pair<QString, QString>> userFontFolders()
{
    const QString home = QDir::homePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString inside = QLatin1String(OfficeHome);
    QList<std::pair<QString, QString>> folders{
            {home + QStringLiteral("/.fonts"), inside + QStringLiteral("/.fonts")},
            {data + QStringLiteral("/fonts"), inside + QStringLiteral("/.local/share/fonts")},
            {config + QStringLiteral("/fontconfig"), inside + QStringLiteral("/.config/fontconfig")},
            // Font caches spare every office a scan of the fonts.
            {cache + QStringLiteral("/fontconfig"), inside + QStringLiteral("/.cache/fontconfig")},
            {QStringLiteral("/var/cache/fontconfig"), QStringLiteral("/var/cache/fontconfig")}};
    // XDG_DATA_HOME elsewhere than ~/.local/share: both hold fonts.
    if (data != home + QStringLiteral("/.local/share"))
        folders.append({home + QStringLiteral("/.local/share/fonts"), inside + QStringLiteral("/.local/fonts")});
    return folders;
}

// The environment an office needs, and nothing else of the user's: its
// language and formats (with a UTF-8 character type, ChildSetUp.h), time
// zone, the system's programs, its HOME and temporary folder, and the
// program's mark (OfficeProcess::ProgramVariable).
QProcessEnvironment shortEnvironment(bool jailed, const QString &temp)
{
    const QProcessEnvironment user = ChildSetUp::officeEnvironment(QProcessEnvironment::systemEnvironment());
    QProcessEnvironment environment;
    for (const QString &name : user.keys())
        if (name == u"LANG" || name == u"LANGUAGE" || name == u"TZ" || name.startsWith(QLatin1String("LC_")))
            environment.insert(name, user.value(name));
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    if (jailed) {
        environment.insert(QStringLiteral("HOME"), QLatin1String(OfficeHome));
        environment.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
        environment.insert(QStringLiteral("TMP"), QStringLiteral("/tmp"));
    } else {
        // Outside a jail its fonts are where the user keeps them.
        for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            if (const QString value = user.value(QLatin1String(name)); !value.isEmpty())
                environment.insert(QLatin1String(name), value);
        if (!temp.isEmpty()) {
            environment.insert(QStringLiteral("TMPDIR"), temp);
            environment.insert(QStringLiteral("TMP"), temp);
        }
    }
    environment.insert(QStringLiteral("TESSALINE_OFFICE_OF"), QString::number(QCoreApplication::applicationPid()));
    return environment;
}

// Whether a process has stopped (or ended): its state in /proc.
bool processIsStopped(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int afterName = line.lastIndexOf(')');
    const char state = afterName > 0 && afterName + 2 < line.size() ? line.at(afterName + 2) : 'X';
    return state == 'T' || state == 't' || state == 'Z' || state == 'X';
}

// The children a process has started, from /proc.
QList<qint64> childrenOf(qint64 pid)
{
    QList<qint64> children;
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray &id : file.readAll().simplified().split(' '))
            if (const qint64 child = id.toLongLong(); child > 0)
                children.append(child);
    return children;
}

bool isJail(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "bwrap";
}

} // namespace

void shareWithOffices(const QStringList &folders)
{
    std::lock_guard lock(shared().mutex);
    shared().folders = folders;
}

bool sharesSystemTemp()
{
    return sharedFolders().contains(QStringLiteral("/tmp"));
}

bool available()
{
    return trial().works;
}

QString unavailableDiagnostic()
{
    return trial().diagnostic;
}

bool required()
{
    return requiredForThisRun || Settings().requireJail();
}

void requireForThisRun()
{
    requiredForThisRun = true;
}

QString absenceNotice()
{
    if (available())
        return {};
    return QObject::tr("The office runs without its jail on this computer (bubblewrap is missing or not "
                       "allowed): only its settings keep a template's links from your files and the network. "
                       "Installing bubblewrap (package \"bubblewrap\") puts it in its jail.");
}

QString refusal()
{
    return QObject::tr("No letter is made: the office cannot run in its jail on this computer (bubblewrap is "
                       "missing or not allowed), and RequireJail asks for it. Install bubblewrap (package "
                       "\"bubblewrap\"), or set RequireJail=false to let the office run without it.");
}

bool ownUserNamespace()
{
    return trial().userNamespace;
}

QString pathInside(const Start &start, bool jailed, const QString &path)
{
    const QString &letters = start.letterFolder;
    if (!jailed || letters.isEmpty() || (path != letters && !path.startsWith(letters + u'/')))
        return path;
    return QLatin1String(LetterFolder) + path.mid(letters.size());
}

bool start(QProcess &process, const Start &start)
{
    const bool jailed = available();
    // Whatever program it is: nothing in the environment lowers the
    // protection asked for.
    if (!jailed && OfficeJail::required())
        throw Failure(refusal());
    if (!jailed) {
        process.setProcessEnvironment(shortEnvironment(false, start.temp));
        ChildSetUp::apply(process);
        process.start(start.program, start.arguments);
        return false;
    }
    QStringList jail = systemArguments();
    // An office installed elsewhere (under /opt) is seen where it lies.
    const QString installation
            = QFileInfo(QFileInfo(start.program).canonicalPath() + QStringLiteral("/..")).canonicalFilePath();
    if (!installation.isEmpty() && !installation.startsWith(QStringLiteral("/usr/")))
        jail << QStringLiteral("--ro-bind") << installation << installation;
    if (sharesSystemTemp())
        jail << QStringLiteral("--bind") << QStringLiteral("/tmp") << QStringLiteral("/tmp");
    else if (!start.temp.isEmpty())
        jail << QStringLiteral("--bind") << start.temp << QStringLiteral("/tmp");
    else
        jail << QStringLiteral("--tmpfs") << QStringLiteral("/tmp");
    jail << QStringLiteral("--dir") << QLatin1String(OfficeHome);
    QStringList targets;
    for (const auto &[folder, target] : userFontFolders()) {
        if (targets.contains(target) || !QFileInfo(folder).isDir())
            continue;
        targets << target;
        jail << QStringLiteral("--ro-bind-try") << folder << target;
    }
    // Printing goes through the print service's socket: an office that
    // only fills and writes letters has no business there.
    if (start.printing)
        jail << QStringLiteral("--ro-bind-try") << QLatin1String(PrintServiceFolder)
             << QLatin1String(PrintServiceFolder);
    QStringList shared = start.folders;
    for (const QString &folder : sharedFolders()) {
        if (QFileInfo(folder).isDir() && folder != u"/tmp")
            shared << folder;
    }
    // A folder removed while the jail starts (a batch that ends before its
    // first letter removes its scratch folder) is no error: it is not there.
    for (const QString &folder : std::as_const(shared))
        jail << QStringLiteral("--bind-try") << folder << folder;
    if (!start.letterFolder.isEmpty())
        jail << QStringLiteral("--bind-try") << start.letterFolder << QLatin1String(LetterFolder);
    jail << namespaceArguments(ownUserNamespace());
    // Nothing of the user's environment: only what shortEnvironment() lists.
    jail << QStringLiteral("--clearenv");
    const QProcessEnvironment environment = shortEnvironment(true, start.temp);
    for (const QString &name : environment.keys())
        jail << QStringLiteral("--setenv") << name << environment.value(name);
    jail << QStringLiteral("--chdir") << QLatin1String(OfficeHome);
    const int filter = filterDescriptor();
    if (filter >= 0)
        jail << QStringLiteral("--seccomp") << QString::number(filter);
    // Dies with the program, and takes the office with it; no way back to
    // the program's terminal.
    jail << QStringLiteral("--die-with-parent") << QStringLiteral("--new-session") << QStringLiteral("--")
         << start.program << start.arguments;
    // Bubblewrap itself needs only the mark that the offices' guard finds.
    QProcessEnvironment own;
    own.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    own.insert(QStringLiteral("TESSALINE_OFFICE_OF"), environment.value(QStringLiteral("TESSALINE_OFFICE_OF")));
    process.setProcessEnvironment(own);
    ChildSetUp::apply(process, filter);
    process.start(bubblewrap(), jail);
    // The child has its own copy by now (or never started).
    if (filter >= 0)
        ::close(filter);
    return true;
}

qint64 officeIn(qint64 startedId)
{
    // Below the jail: its first process in its pid namespace (bubblewrap
    // again), and below that the office.
    qint64 pid = startedId;
    for (int depth = 0; depth < 3 && pid > 0 && isJail(pid); ++depth)
        pid = childrenOf(pid).value(0);
    return pid > 0 && pid != startedId && !isJail(pid) ? pid : 0;
}

void end(qint64 startedId, bool jailed)
{
    if (startedId <= 0)
        return;
    if (!jailed) {
        ::kill(pid_t(startedId), SIGKILL);
        return;
    }
    // The jail is stopped so that it starts nothing more, then its first
    // process in the pid namespace is killed (the kernel then kills every
    // process in it), then whatever else it started, then the jail itself.
    ::kill(pid_t(startedId), SIGSTOP);
    QElapsedTimer stopping;
    stopping.start();
    while (!processIsStopped(startedId) && !stopping.hasExpired(JailStopWaitMs))
        QThread::usleep(200);
    QList<qint64> inside = childrenOf(startedId);
    for (qsizetype i = 0; i < inside.size() && i < 16; ++i)
        inside << childrenOf(inside[i]);
    for (const qint64 pid : std::as_const(inside))
        ::kill(pid_t(pid), SIGKILL);
    ::kill(pid_t(startedId), SIGKILL);
}

} // namespace OfficeJail
