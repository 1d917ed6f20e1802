#pragma once

// A connected private office: the process and its UNO desktop. Internal to
// the LibreOffice backend (and the tests that read documents back through
// the office); nothing outside letter/word sees UNO types.

#include <memory>

#include <QString>

#include <rtl/ustring.hxx>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "OfficeProcess.h"

class OfficeConnection
{
public:
    // Starts a private office and connects to it within timeoutMs. Throws
    // Failure when it cannot; the process is gone again by then.
    static std::unique_ptr<OfficeConnection> start(int timeoutMs, const OfficeSetup &setup = {});

    // Starts a private office without waiting for it. Throws Failure when
    // no office is installed.
    static std::unique_ptr<OfficeConnection> launch(const OfficeSetup &setup = {});
    // One attempt to connect to a launched office, which does not wait:
    // true once connected. Throws Failure when the office has ended.
    bool tryConnect();
    // Connects to a launched office, waiting up to timeoutMs.
    void connectWithin(int timeoutMs);
    bool isConnected() const { return m_desktop.is(); }
    // Whether a connected office is alive and answers a call within
    // timeoutMs; one that does not has been killed by then.
    bool answers(int timeoutMs);

    // Kills an office that was not asked to end.
    ~OfficeConnection();

    // Asks the office to end, waits up to timeoutMs, then kills it; an
    // office that does not answer the request within timeoutMs is killed.
    void terminate(int timeoutMs);
    // Asks the office to end and returns without waiting for its process;
    // one that is not connected is killed at once.
    void requestEnd();
    // Asks a connected office to end (a hung one is killed by the call's
    // deadline) and touches nothing of its process: any thread that holds
    // the connection may ask. Its process is then ended and waited for by
    // its owning thread.
    void askToEnd();

    OfficeProcess &process() { return m_process; }
    const OfficeProcess &process() const { return m_process; }
    com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2> desktop() const { return m_desktop; }
    // The office's own component context, for creating its services.
    com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext> context() const { return m_context; }
    bool isTerminated() const { return m_terminated; }

private:
    explicit OfficeConnection(const OfficeSetup &setup) : m_process(setup) { }

    OfficeProcess m_process;
    com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext> m_context;
    com::sun::star::uno::Reference<com::sun::star::frame::XDesktop2> m_desktop;
    bool m_terminated = false;
};

// Conversions between Qt's and the office's strings and paths.
rtl::OUString toOUString(const QString &s);
QString toQString(const rtl::OUString &s);
// The file URL of a path, made by the office's own conversion: for a path
// the office sees where it lies (its own profile).
rtl::OUString plainFileUrl(const QString &path);
// The file URL by which `office` reaches `path` (a letter in its jail lies
// at a neutral path there: OfficeJail::pathInside).
rtl::OUString fileUrl(const OfficeConnection &office, const QString &path);
