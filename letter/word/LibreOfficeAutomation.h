#pragma once

#include <memory>
#include <vector>

#include <QtGlobal>

#include "WordAutomation.h"

class OfficeSpares;

// The real backend of the automation interface: each application is a
// private LibreOffice process, driven through its UNO API over a pipe.
//
// With spares, offices are started ahead of need (see OfficeSpares) and
// "create" hands out a fresh, already running one; without, it starts one
// and waits for it.
class LibreOfficeAutomation : public word::Automation
{
public:
    // The spares the program keeps: a letter uses two instances, one after
    // the other, so two spares mean it never waits for an office to start.
    static constexpr int ProgramSpares = 2;

    explicit LibreOfficeAutomation(int spareCount = 0);
    ~LibreOfficeAutomation() override;

    // Starts spares now, at most `now` of them (from the GUI thread, whose
    // life they share); the rest follow when the first is taken.
    void startSpares(int now = ProgramSpares);
    // The spares' processes, and the process of the last instance created.
    std::vector<qint64> spareProcessIds() const;
    int readySpares() const;
    qint64 lastInstanceProcessId() const { return m_lastProcessId; }

    // How long "create" waits for a started office to accept the
    // connection before it counts as no instance.
    static constexpr int ConnectTimeoutMs = 30000;
    // How long "quit" waits for the office to end before killing it.
    static constexpr int QuitTimeoutMs = 10000;

    std::shared_ptr<word::Application> createApplication() override;
    // Asks the installed office program for its version.
    QString officeVersion() override;

private:
    std::unique_ptr<OfficeSpares> m_spares;
    qint64 m_lastProcessId = 0;
};
