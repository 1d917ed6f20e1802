#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include <QByteArray>
#include <QFuture>
#include <QtGlobal>

#include "OfficeAutomation.h"
#include "WordAutomation.h"

class OfficePool;

// The real backend of the automation interface: each application is a
// private LibreOffice process, driven through its UNO API over a pipe.
// Every office comes from its pool (see OfficePool) and goes back to it.
//
// With spares, offices are started ahead of need and "create" hands out a
// fresh, already running one; without, it starts one and waits for it.
class LibreOfficeAutomation : public word::Automation
{
public:
    // The spares the window keeps.
    static constexpr int ProgramSpares = word::WindowSpares;

    // As word::makeOfficeAutomation makes it, but for the jail that
    // options.requireJail asks for.
    explicit LibreOfficeAutomation(const word::OfficeOptions &options = {});
    ~LibreOfficeAutomation() override;

    // Starts spares now, at most `now` of them; the rest follow when the
    // first is taken.
    void startSpares(int now = ProgramSpares) override;
    // The spares' processes, and the process of the last instance created.
    std::vector<qint64> spareProcessIds() const;
    int readySpares() const;
    qint64 lastInstanceProcessId() const { return m_lastProcessId; }
    // Offices asked to end whose processes have not ended yet.
    int endingOffices() const;

    // How long "create" waits for a started office to accept the
    // connection before it counts as no instance.
    static constexpr int ConnectTimeoutMs = 30000;
    // How long an office that was told to quit may take to end before it
    // is killed. "quit" itself does not wait.
    static constexpr int QuitTimeoutMs = 10000;

    std::shared_ptr<word::Application> createApplication(word::CreationStop *stop = nullptr,
                                                         word::OfficeUse use = word::OfficeUse::Letter) override;
    void holdRefills() override;
    void releaseRefills() override;
    // The installed office program's version, asked once, in the
    // background, at the first call; nullopt until it is known.
    std::optional<QString> officeVersion() override;
    // From OfficeJail: RequireJail without a jail, and the jail's absence.
    QString refusal() override;
    QString protectionNotice() override;

private:
    const QString m_program; // the office program its offices run
    std::shared_ptr<OfficePool> m_pool;
    std::atomic<qint64> m_lastProcessId{0};
    std::mutex m_versionMutex;
    bool m_versionAsked = false;
    QFuture<QString> m_version;
};
