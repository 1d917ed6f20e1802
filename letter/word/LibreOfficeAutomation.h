#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QtGlobal>

#include "WordAutomation.h"

class OfficeReaper;
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

    // Whether taking a spare starts its replacement (the window, which
    // always wants the next letter ready) or not (the batch, which starts
    // all its offices at once and keeps them).
    enum class Refill { OnTake, Never };

    explicit LibreOfficeAutomation(int spareCount = 0, Refill refill = Refill::OnTake);
    ~LibreOfficeAutomation() override;

    // Spares open this document once, write it and its page picture, and
    // close it before they count as ready (see OfficeSpares).
    void warmSparesWith(const QByteArray &document);
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
    // How long an office that was told to quit may take to end before it
    // is killed. "quit" itself does not wait.
    static constexpr int QuitTimeoutMs = 10000;

    std::shared_ptr<word::Application> createApplication() override;
    void holdRefills() override { m_refillsHeld = true; }
    void releaseRefills() override;
    // Asks the installed office program for its version.
    QString officeVersion() override;
    // From OfficeJail: RequireJail without a jail, and the jail's absence.
    QString refusal() override;
    QString protectionNotice() override;

private:
    std::unique_ptr<OfficeSpares> m_spares;
    Refill m_refill;
    bool m_refillsHeld = false;
    std::shared_ptr<OfficeReaper> m_reaper;
    qint64 m_lastProcessId = 0;
};
