#include "MailHandover.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "Logging.h"

extern char **environ;

namespace {
// How long the portal may take to take the request: it answers at once
// with a handle, and the mail program's window comes later.
constexpr int PortalAnswerMs = 10000;
// xdg-email ends at once when it starts a mail program that runs apart, or
// when it finds none; one it runs itself lives on with that program.
constexpr int XdgEmailAnswerMs = 5000;
constexpr int XdgEmailLooksEveryMs = 50;
// xdg-email's status for "a required tool could not be found".
constexpr int XdgToolMissing = 3;

// The xdg-email processes that had not ended when their hand-over did.
std::mutex stillRunningMutex;
std::vector<pid_t> stillRunning;

// "Recipient Email", "recipient_email" and "RecipientEmail" are one name.
QString plainName(const QString &name)
{
    QString plain = name.toLower();
    plain.remove(QRegularExpression(QStringLiteral("[\\s_-]")));
    return plain;
}
} // namespace

MailRequest mailFor(const std::vector<std::pair<QString, QString>> &further, const QString &ownSubject)
{
    auto value = [&](std::initializer_list<const char *> names) {
        for (const auto &[name, text] : further) {
            for (const char *wanted : names) {
                if (plainName(name) == QLatin1String(wanted))
                    return text.trimmed();
            }
        }
        return QString();
    };
    MailRequest request;
    const QString position = value({"position"});
    request.subject = !ownSubject.trimmed().isEmpty() ? ownSubject.trimmed()
            : position.isEmpty()                      ? MailHandover::tr("Application")
                                                      : MailHandover::tr("Application: %1").arg(position);
    // One plain address only: a value the mail program could take for one
    // of its options, or for several addresses, is passed by.
    static const QRegularExpression address(QStringLiteral("^[^\\s@<>,;:\"'-][^\\s@<>,;:\"']*@[^\\s@<>,;:\"']+$"));
    const QString given = value({"email2", "recipientemail"});
    if (address.match(given).hasMatch())
        request.address = given;
    return request;
}

MailHandover::~MailHandover()
{
    cancelIfRunning();
}

QString MailHandover::sentence() const
{
    switch (m_outcome) {
    case Outcome::HandedOver:
        return {};
    case Outcome::NoMailProgram:
        return tr("No e-mail program can take the letter: this desktop has neither an e-mail portal nor "
                  "xdg-email with a mail program set up. Export the letter with File ▸ Export as PDF… and "
                  "attach it to a message yourself.");
    case Outcome::Failed:
        break;
    }
    return tr("The letter could not be handed to the e-mail program. Export it with File ▸ Export as PDF… and "
              "attach it to a message yourself.");
}

void MailHandover::work()
{
    if (!throughPortal())
        throughXdgEmail();
}

bool MailHandover::throughPortal()
{
    // Without an address the bus library would start a bus of its own, and
    // a session without one must not wait for that.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        m_diagnostic = QStringLiteral("no session bus; ");
        return false;
    }
    static std::atomic<int> connections = 0;
    const QString name = QStringLiteral("tessaline-mail-%1").arg(++connections);
    bool handed = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        const int file = ::open(QFile::encodeName(m_request.attachment).constData(), O_RDONLY | O_CLOEXEC);
        if (!bus.isConnected() || !(bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
            m_diagnostic = QStringLiteral("the session bus passes no files; ");
        } else if (file < 0) {
            m_diagnostic = QStringLiteral("cannot open %1: %2; ").arg(m_request.attachment, qt_error_string(errno));
        } else {
            qDBusRegisterMetaType<QList<QDBusUnixFileDescriptor>>();
            QVariantMap options{{QStringLiteral("subject"), m_request.subject},
                                {QStringLiteral("attachment_fds"),
                                 QVariant::fromValue(QList<QDBusUnixFileDescriptor>{QDBusUnixFileDescriptor(file)})}};
            if (!m_request.address.isEmpty())
                options.insert(QStringLiteral("address"), m_request.address);
            QDBusMessage call = QDBusMessage::createMethodCall(
                    QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
                    QStringLiteral("org.freedesktop.portal.Email"), QStringLiteral("ComposeEmail"));
            call << QString() << options;
            const QDBusMessage reply = bus.call(call, QDBus::Block, PortalAnswerMs);
            handed = reply.type() == QDBusMessage::ReplyMessage;
            if (!handed)
                m_diagnostic
                        = QStringLiteral("the e-mail portal: %1 %2; ").arg(reply.errorName(), reply.errorMessage());
        }
        if (file >= 0)
            ::close(file);
    }
    QDBusConnection::disconnectFromBus(name);
    if (handed)
        m_outcome = Outcome::HandedOver;
    return handed;
}

void MailHandover::throughXdgEmail()
{
    {
        // Those that ran on with their mail program are reaped once they end.
        const std::lock_guard lock(stillRunningMutex);
        stillRunning.erase(std::remove_if(stillRunning.begin(), stillRunning.end(),
                                          [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; }),
                           stillRunning.end());
    }
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        m_outcome = Outcome::NoMailProgram;
        m_diagnostic += QStringLiteral("no xdg-email");
        return;
    }
    std::vector<QByteArray> arguments{QFile::encodeName(program), "--subject", m_request.subject.toLocal8Bit(),
                                      "--attach", QFile::encodeName(m_request.attachment)};
    if (!m_request.address.isEmpty())
        arguments.push_back(m_request.address.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Only its own descriptors (none of ours past standard error, and
    // nothing to read), in a session of its own, so that a Ctrl+C on our
    // terminal does not reach the mail program it starts.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int error = posix_spawn(&child, argv.front(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        m_diagnostic += QStringLiteral("xdg-email did not start: ") + qt_error_string(error);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
        if (ended < 0 || clock.elapsed() > XdgEmailAnswerMs) {
            m_outcome = Outcome::HandedOver; // it runs the mail program itself
            const std::lock_guard lock(stillRunningMutex);
            stillRunning.push_back(child);
            return;
        }
        QThread::msleep(XdgEmailLooksEveryMs);
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        m_outcome = Outcome::HandedOver;
        return;
    }
    m_outcome = WIFEXITED(status) && WEXITSTATUS(status) == XdgToolMissing ? Outcome::NoMailProgram : Outcome::Failed;
    m_diagnostic += QStringLiteral("xdg-email ended with status %1").arg(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}
