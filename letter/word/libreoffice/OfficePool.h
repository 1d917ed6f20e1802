#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QThread>
#include <QThreadPool>

#include "OfficeProcess.h"
#include "WordAutomation.h"

class OfficeConnection;
class QObject;
class QTimer;

// The one owner of the program's office processes. It starts them (from
// the ready profile), connects to them, warms them up, checks them before
// they are handed out, hands each out once, and ends them: asked to quit,
// killed, or replaced when one dies or hangs.
//
// Everything it does to a process happens on its own thread, which lives
// as long as the pool (an office dies with the thread that started it);
// the calls into the offices that may take long (a warm-up, the check, a
// request to quit) run on its helper threads. The window's thread only
// asks: take() blocks its caller, and is meant for a worker.
//
// Spares are offices started ahead of need, so that an operation never
// waits for an office to start: with refills, taking one starts its
// replacement at once. A print job's office is no spare: its jail reaches
// the print service, so it is started for its job alone, when the job
// asks, and ends with it.
class OfficePool
{
public:
    enum class Refill { OnTake, Never };
    // Every office starts as `setup` says (its program, its deadline).
    OfficePool(int spareCount, Refill refill, const OfficeSetup &setup);
    // Ends every office: spares are killed, offices asked to quit get
    // their time to end.
    ~OfficePool();
    OfficePool(const OfficePool &) = delete;
    OfficePool &operator=(const OfficePool &) = delete;

    // Spares open this document once, write it and its page picture, and
    // close it before they count as ready.
    void setWarmUpDocument(const QByteArray &document);

    // Starts spares until `count` (or `upTo`, when smaller) are on their
    // way. Without an office to start, it stops trying. Any thread.
    void replenish(int upTo = -1);
    void holdRefills(bool held);

    // A connected office, alive and answering (warm, when spares warm up),
    // the readiest spare first, else a new one. Waits up to timeoutMs for
    // one to come up; `stop` ends the wait at once (and the office it was
    // waiting for). Throws Failure when none can be had or it was stopped.
    // Never call it from the window's thread. An office for printing is
    // one started for this taker, never a spare.
    std::unique_ptr<OfficeConnection> take(int timeoutMs, word::CreationStop *stop,
                                           word::OfficeUse use = word::OfficeUse::Letter);

    // Takes back an office that is done: asked to end (or killed, when it
    // was lost or must not be asked), and kept until its process ended.
    // Any thread.
    enum class End { Ask, Kill };
    void giveBack(std::unique_ptr<OfficeConnection> office, End how);

    // The spares' processes (no print job's office).
    std::vector<qint64> processIds() const;
    // Spares connected (and warm, with a warm-up document) and waiting.
    int readyCount() const;
    // Offices asked to end whose processes have not ended yet.
    int endingCount() const;
    int count() const { return m_count; }

private:
    struct Spare;
    struct Ending;

    void launch(word::OfficeUse use);
    int &launching(word::OfficeUse use);
    int sparesOnTheirWay() const;
    void dropUnwantedPrintOffices(std::unique_lock<std::mutex> &lock);
    void poll();
    void startWarmUp(Spare &spare);
    void reap();
    void retire(std::unique_ptr<OfficeConnection> office, End how);
    void onOfficeThread(std::function<void()> call);
    void wantLaunches(std::unique_lock<std::mutex> &lock, int upTo);

    const int m_count;
    const Refill m_refill;
    const OfficeSetup m_setup;
    QThread m_thread;
    QObject *m_home = nullptr; // lives on m_thread: its timers and calls
    QTimer *m_pollTimer = nullptr;
    QTimer *m_reapTimer = nullptr;
    QThreadPool m_helpers;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QByteArray m_warmUpDocument;
    std::deque<std::unique_ptr<Spare>> m_spares;
    std::vector<Ending> m_ending; // on the office thread only
    int m_launching = 0;
    int m_launchingToPrint = 0;
    int m_printTakers = 0; // takers waiting for an office to print with
    int m_askingToEnd = 0;
    std::atomic<int> m_endingCount{0};
    int m_failures = 0; // offices that ended before they were connected
    bool m_refillsHeld = false;
    bool m_officeMissing = false;
    bool m_shutDown = false;
    bool m_ended = false;
    QString m_lastFailure;
};
