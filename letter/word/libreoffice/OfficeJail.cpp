#include "OfficeJail.h"

#include <atomic>

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

#include "ChildSetUp.h"
#include "Settings.h"

namespace OfficeJail {

namespace {
// How long the trial jail may take: it starts /bin/true.
constexpr int TrialTimeoutMs = 10000;

std::atomic<bool> requiredForThisRun{false};

// Bubblewrap on the PATH; TESSALINE_BWRAP names another (tests name one
// that does not exist, to stand in for a computer without a jail).
QString bubblewrap()
{
    const QByteArray overridden = qgetenv("TESSALINE_BWRAP");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
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

struct Trial
{
    bool works = false;
    QString diagnostic;
};

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
        QProcess jail;
        jail.setStandardOutputFile(QProcess::nullDevice());
        ChildSetUp::apply(jail);
        jail.start(program,
                   systemArguments()
                           + QStringList{QStringLiteral("--unshare-net"), QStringLiteral("--die-with-parent"),
                                         QStringLiteral("--"), QStringLiteral("true")});
        if (!jail.waitForFinished(TrialTimeoutMs)) {
            jail.kill();
            jail.waitForFinished(1000);
            t.diagnostic = QStringLiteral("bwrap did not run: %1").arg(jail.errorString());
            return t;
        }
        t.works = jail.exitStatus() == QProcess::NormalExit && jail.exitCode() == 0;
        if (!t.works)
            t.diagnostic = QStringLiteral("bwrap failed (exit %1): %2")
                                   .arg(jail.exitCode())
                                   .arg(QString::fromLocal8Bit(jail.readAllStandardError()).trimmed());
        return t;
    }();
    return result;
}

// TESSALINE_JAIL_SHARE (folders separated by colons) lets the office
// reach more: the tests' own folders, whose documents they open in it.
QStringList sharedFolders()
{
    return qEnvironmentVariable("TESSALINE_JAIL_SHARE").split(u':', Qt::SkipEmptyParts);
}

// Read-only: what the office needs of the user's own, where it exists.
QStringList userFontFolders()
{
    const QString home = QDir::homePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return {home + QStringLiteral("/.fonts"), home + QStringLiteral("/.local/share/fonts"),
            data + QStringLiteral("/fonts"), config + QStringLiteral("/fontconfig"),
            // Font caches spare every office a scan of the fonts.
            cache + QStringLiteral("/fontconfig"), QStringLiteral("/var/cache/fontconfig"),
            // Printing goes through the print service's socket.
            QStringLiteral("/run/cups")};
}
} // namespace

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

Command wrap(const QString &program, const QStringList &arguments, const QStringList &folders, const QString &temp)
{
    QStringList jail = systemArguments();
    // An office installed elsewhere (under /opt) is seen where it lies.
    const QString installation
            = QFileInfo(QFileInfo(program).canonicalPath() + QStringLiteral("/..")).canonicalFilePath();
    if (!installation.isEmpty() && !installation.startsWith(QStringLiteral("/usr/")))
        jail << QStringLiteral("--ro-bind") << installation << installation;
    jail << QStringLiteral("--bind") << (sharesSystemTemp() ? QStringLiteral("/tmp") : temp) << QStringLiteral("/tmp");
    QStringList readOnly = userFontFolders();
    readOnly.removeDuplicates(); // ~/.local/share/fonts is often named twice
    for (const QString &folder : std::as_const(readOnly))
        jail << QStringLiteral("--ro-bind-try") << folder << folder;
    QStringList shared = folders;
    for (const QString &folder : sharedFolders()) {
        if (QFileInfo(folder).isDir() && folder != u"/tmp")
            shared << folder;
    }
    // A folder removed while the jail starts (a batch that ends before its
    // first letter removes its scratch folder) is no error: it is not there.
    for (const QString &folder : std::as_const(shared))
        jail << QStringLiteral("--bind-try") << folder << folder;
    jail << QStringLiteral("--unshare-net") << QStringLiteral("--unshare-ipc") << QStringLiteral("--unshare-uts")
         << QStringLiteral("--unshare-cgroup-try")
         // Run by root (a kiosk, a container, sudo), the office would
         // otherwise keep almost every capability: it needs none.
         << QStringLiteral("--cap-drop")
         << QStringLiteral("ALL")
         // Dies with the program, and takes the office with it.
         << QStringLiteral("--die-with-parent")
         // No way back to the program's terminal.
         << QStringLiteral("--new-session") << QStringLiteral("--") << program;
    return {bubblewrap(), jail + arguments};
}

} // namespace OfficeJail
