#include "OfficeConnection.h"

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

OUString fileUrl(const QString &path)
{
    OUString url;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (osl::FileBase::getFileURLFromSystemPath(toOUString(absolute), url) != osl::FileBase::E_None)
        throw Failure(QObject::tr("%1 is not a valid path").arg(path));
    return url;
}

namespace {
// The local UNO context, bootstrapped once per program. It needs the
// office's bootstrap file, or the first remote call crashes.
uno::Reference<uno::XComponentContext> localContext()
{
    static uno::Reference<uno::XComponentContext> context = [] {
        const QString programDir = QFileInfo(OfficeProcess::officeProgram()).absolutePath();
        const QString bootstrap = QStringLiteral("vnd.sun.star.pathname:") + programDir
                + QStringLiteral("/fundamentalrc");
        qputenv("URE_BOOTSTRAP", bootstrap.toLocal8Bit());
        return cppu::defaultBootstrap_InitialComponentContext();
    }();
    return context;
}
} // namespace

std::unique_ptr<OfficeConnection> OfficeConnection::start(int timeoutMs)
{
    std::unique_ptr<OfficeConnection> connection(new OfficeConnection);
    OfficeProcess &process = connection->m_process;
    process.start();

    try {
        const uno::Reference<uno::XComponentContext> local = localContext();
        const OUString connect = "uno:pipe,name=" + toOUString(process.pipeName())
                + ";urp;StarOffice.ComponentContext";
        const QDeadlineTimer deadline(timeoutMs);
        while (!connection->m_context.is()) {
            try {
                uno::Reference<com::sun::star::bridge::XUnoUrlResolver> resolver =
                        com::sun::star::bridge::UnoUrlResolver::create(local);
                connection->m_context.set(resolver->resolve(connect), uno::UNO_QUERY_THROW);
            } catch (const com::sun::star::connection::NoConnectException &) {
                if (!process.isRunning() && !process.restartIfRequested())
                    throw Failure(QObject::tr("The office could not be started: %1")
                                          .arg(process.exitDescription()));
                if (deadline.hasExpired())
                    throw Failure(QObject::tr("The office did not answer within %1 seconds")
                                          .arg(timeoutMs / 1000));
                QThread::msleep(20);
            }
        }
        connection->m_desktop = com::sun::star::frame::Desktop::create(connection->m_context);
    } catch (const uno::Exception &e) {
        throw Failure(QObject::tr("Cannot connect to the office: %1").arg(toQString(e.Message)));
    }
    return connection;
}

OfficeConnection::~OfficeConnection()
{
    if (!m_terminated)
        terminate(5000);
}

void OfficeConnection::terminate(int timeoutMs)
{
    m_terminated = true;
    try {
        if (m_desktop.is())
            m_desktop->terminate();
    } catch (const uno::Exception &) {
        // The connection goes down as the office ends; that is the goal.
    }
    m_desktop.clear();
    m_context.clear();
    m_process.waitForEnd(timeoutMs);
}
