#include "OfficeConnection.h"

#include <csignal>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>

#include "Failure.h"
#include "OfficeJail.h"
#include "OfficeDeadline.h"

namespace uno = com::sun::star::uno;
using rtl::OUString;

OUString toOUString(const QString &s)
{
    return OUString(reinterpret_cast<const sal_Unicode *>(s.utf16()), sal_Int32(s.size()));
}

QString toQString(const OUString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getStr()), s.getLength());
}

OUString plainFileUrl(const QString &path)
{
    OUString url;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (osl::FileBase::getFileURLFromSystemPath(toOUString(absolute), url) != osl::FileBase::E_None)
        throw Failure(QObject::tr("%1 is not a valid path").arg(path));
    return url;
}

OUString fileUrl(const OfficeConnection &office, const QString &path)
{
    return plainFileUrl(office.process().pathInside(QFileInfo(path).absoluteFilePath()));
}

namespace {
// The local UNO context, bootstrapped once per program. It needs the
// office's bootstrap file, or the first remote call crashes.
uno::Reference<uno::XComponentContext> localContext()
{
    static uno::Reference<uno::XComponentContext> context = [] {
        const QString programDir = QFileInfo(OfficeProcess::installedProgram()).absolutePath();
        const QString bootstrap
                = QStringLiteral("vnd.sun.star.pathname:") + programDir + QStringLiteral("/fundamentalrc");
        qputenv("URE_BOOTSTRAP", bootstrap.toLocal8Bit());
        // A call on its way to an office that has just been ended (Cancel,
        // a hung office killed) writes into a closed pipe: that must fail
        // the call, not end the program with SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        return cppu::defaultBootstrap_InitialComponentContext();
    }();
    return context;
}
} // namespace

std::unique_ptr<OfficeConnection> OfficeConnection::launch(const OfficeSetup &setup)
{
    std::unique_ptr<OfficeConnection> connection(new OfficeConnection(setup));
    connection->m_process.start(OfficeProcess::Wait::No);
    return connection;
}

std::unique_ptr<OfficeConnection> OfficeConnection::start(int timeoutMs, const OfficeSetup &setup)
{
    std::unique_ptr<OfficeConnection> connection = launch(setup);
    connection->connectWithin(timeoutMs);
    return connection;
}

bool OfficeConnection::tryConnect()
{
    if (isConnected())
        return true;
    // An office that accepts the pipe but never answers would hold the
    // program here for ever.
    const OfficeDeadline deadline(m_process.processId(), m_process.callDeadlineMs());
    try {
        try {
            uno::Reference<com::sun::star::bridge::XUnoUrlResolver> resolver
                    = com::sun::star::bridge::UnoUrlResolver::create(localContext());
            const OUString connect
                    = "uno:pipe,name=" + toOUString(m_process.pipeName()) + ";urp;StarOffice.ComponentContext";
            m_context.set(resolver->resolve(connect), uno::UNO_QUERY_THROW);
        } catch (const com::sun::star::connection::NoConnectException &) {
            if (!m_process.isRunning())
                throw Failure(QObject::tr("The office could not be started: %1").arg(m_process.exitDescription()));
            return false;
        }
        m_desktop = com::sun::star::frame::Desktop::create(m_context);
    } catch (const uno::Exception &e) {
        if (deadline.expired())
            throw Failure(QObject::tr("The office did not answer within %1 seconds and has been stopped")
                                  .arg(deadline.timeoutMs() / 1000.0));
        throw Failure(QObject::tr("Cannot connect to the office: %1").arg(toQString(e.Message)));
    }
    return true;
}

bool OfficeConnection::answers(int timeoutMs)
{
    if (!isConnected() || !m_process.isRunning())
        return false;
    const OfficeDeadline deadline(m_process.processId(), timeoutMs);
    try {
        m_desktop->getCurrentComponent();
        return true;
    } catch (const uno::Exception &) {
        return false; // a dead or stopped office: the deadline has ended it
    }
}

void OfficeConnection::connectWithin(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!tryConnect()) {
        if (deadline.hasExpired())
            throw Failure(QObject::tr("The office did not answer within %1 seconds").arg(timeoutMs / 1000));
        QThread::msleep(20);
    }
}

OfficeConnection::~OfficeConnection()
{
    // An office nobody quit (a spare at the program's end) holds no work:
    // it ends at once, without a call that a hung office would not answer.
    if (!m_terminated) {
        m_process.kill();
        m_desktop.clear();
        m_context.clear();
    }
}

void OfficeConnection::terminate(int timeoutMs)
{
    const bool wasConnected = isConnected();
    requestEnd();
    if (wasConnected)
        m_process.waitForEnd(timeoutMs);
}

void OfficeConnection::requestEnd()
{
    if (!isConnected()) {
        m_terminated = true;
        m_process.waitForEnd(0); // nobody to ask: end it now
        return;
    }
    askToEnd();
}

void OfficeConnection::askToEnd()
{
    m_terminated = true;
    if (!isConnected())
        return;
    try {
        // A hung office would never answer the request: it is killed.
        const OfficeDeadline deadline(m_process.processId(), m_process.callDeadlineMs());
        m_desktop->terminate();
    } catch (const uno::Exception &) {
        // The connection goes down as the office ends; that is the goal.
    }
    m_desktop.clear();
    m_context.clear();
}
