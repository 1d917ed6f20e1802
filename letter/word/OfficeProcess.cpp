#include "OfficeProcess.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>

#include "Failure.h"

namespace {
// The exit code with which the office asks to be started again, as it does
// after creating a fresh user profile.
constexpr int RestartRequestedExitCode = 81;

// Profile folders are named after the program's process, so that a later
// run can tell which ones a killed program left behind.
constexpr char ProfilePrefix[] = "tessaline-office-";

QString uniquePipeName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("tessaline-%1-%2-%3")
            .arg(QCoreApplication::applicationPid())
            .arg(++counter)
            .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}
} // namespace

OfficeProcess::OfficeProcess()
    : m_profile(QDir::tempPath() + QStringLiteral("/") + QLatin1String(ProfilePrefix)
                + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"))
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    const pid_t parent = getpid();
    m_process.setChildProcessModifier([parent] {
        // Dies with the thread that started it; if that is already gone,
        // do not start at all.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
        // A Ctrl+C on the terminal goes to the program alone, which ends
        // its letters cleanly and then its offices.
        setpgid(0, 0);
    });
}

OfficeProcess::~OfficeProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString OfficeProcess::officeProgram()
{
    // Lets tests stand in for a machine without an office.
    const QByteArray overridden = qgetenv("TESSALINE_OFFICE_PROGRAM");
    if (!overridden.isEmpty()) {
        const QString path = QString::fromLocal8Bit(overridden);
        return QFileInfo(path).isExecutable() ? path : QString();
    }
    const QString standard = QStringLiteral("/usr/lib/libreoffice/program/soffice.bin");
    if (QFileInfo(standard).isExecutable())
        return standard;
    // Elsewhere: the folder that the "soffice" on the PATH really lives in.
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (launcher.isEmpty())
        return {};
    const QString program = QFileInfo(QFileInfo(launcher).canonicalFilePath()).absolutePath()
            + QStringLiteral("/soffice.bin");
    return QFileInfo(program).isExecutable() ? program : QString();
}

void OfficeProcess::removeStaleProfiles()
{
    const QDir temp(QDir::tempPath());
    const QStringList folders = temp.entryList({QLatin1String(ProfilePrefix) + QStringLiteral("*-*")},
                                               QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    for (const QString &name : folders) {
        bool numeric = false;
        const qint64 pid = name.mid(qsizetype(sizeof ProfilePrefix) - 1).section(QLatin1Char('-'), 0, 0).toLongLong(&numeric);
        if (!numeric || pid <= 0)
            continue;
        const bool running = ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
        const QFileInfo info(temp.filePath(name));
        if (!running && info.ownerId() == ::getuid())
            QDir(info.filePath()).removeRecursively();
    }
}

void OfficeProcess::start(Wait wait)
{
    static std::once_flag cleaned;
    std::call_once(cleaned, &OfficeProcess::removeStaleProfiles);

    const QString program = officeProgram();
    if (program.isEmpty())
        throw Failure(QObject::tr("No LibreOffice installation was found."));
    if (!m_profile.isValid())
        throw Failure(QObject::tr("Cannot create a profile folder for the office: %1")
                              .arg(m_profile.errorString()));
    m_pipeName = uniquePipeName();
    const QStringList arguments = {
        QStringLiteral("-env:UserInstallation=")
                + QUrl::fromLocalFile(m_profile.path()).toString(QUrl::FullyEncoded),
        QStringLiteral("--headless"),
        QStringLiteral("--invisible"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nologo"),
        QStringLiteral("--nodefault"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("--accept=pipe,name=%1;urp;").arg(m_pipeName),
    };
    // The office's own temporary files go into its profile folder, which is
    // removed with it: a spare office killed when the program ends would
    // otherwise leave them in the user's temporary folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_profile.path());
    m_process.setProcessEnvironment(environment);
    m_process.start(program, arguments);
    if (wait == Wait::UntilStarted && !m_process.waitForStarted(10000))
        throw Failure(QObject::tr("Cannot start %1: %2").arg(program, m_process.errorString()));
}

bool OfficeProcess::restartIfRequested()
{
    if (m_restarted || m_process.state() != QProcess::NotRunning
        || m_process.exitStatus() != QProcess::NormalExit
        || m_process.exitCode() != RestartRequestedExitCode)
        return false;
    m_restarted = true;
    m_process.start();
    return m_process.waitForStarted(10000);
}

bool OfficeProcess::isRunning()
{
    // Without an event loop QProcess learns of the end only when asked.
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(0);
    return m_process.state() != QProcess::NotRunning;
}

qint64 OfficeProcess::processId() const
{
    return m_process.processId();
}

QString OfficeProcess::exitDescription() const
{
    if (m_process.error() == QProcess::FailedToStart)
        return QObject::tr("the office program could not be run: %1").arg(m_process.errorString());
    if (m_process.exitStatus() == QProcess::CrashExit)
        return QObject::tr("the office process crashed");
    return QObject::tr("the office process ended with code %1").arg(m_process.exitCode());
}

void OfficeProcess::waitForEnd(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    if (!m_process.waitForFinished(timeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
