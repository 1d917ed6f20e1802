#include "OfficeDeadline.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <list>
#include <mutex>
#include <thread>

struct OfficeDeadline::Entry
{
    qint64 processId;
    std::chrono::steady_clock::time_point due;
    std::atomic<bool> expired{false};
};

namespace {
using Clock = std::chrono::steady_clock;

// One thread for the program that kills the offices whose deadline passed.
// It stays a thread of its own, not a task of a QtConcurrent pool: it must
// fire while every worker (and the GUI thread) may be blocked in an office
// call that only it can end, so it must never wait for a pool thread, and
// it would hold one for the program's whole life.
class Watchdog
{
public:
    static Watchdog &instance()
    {
        static Watchdog watchdog;
        return watchdog;
    }

    void arm(const std::shared_ptr<OfficeDeadline::Entry> &entry)
    {
        {
            std::lock_guard lock(m_mutex);
            m_entries.push_back(entry);
            if (!m_thread.joinable())
                m_thread = std::thread([this] { run(); });
        }
        m_wake.notify_all();
    }

    void disarm(const std::shared_ptr<OfficeDeadline::Entry> &entry)
    {
        std::lock_guard lock(m_mutex);
        m_entries.remove(entry);
    }

    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    Watchdog() = default;

    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stopping) {
            Clock::time_point next = Clock::time_point::max();
            for (auto it = m_entries.begin(); it != m_entries.end();) {
                if ((*it)->due <= Clock::now()) {
                    killOfficeProcess((*it)->processId);
                    (*it)->expired = true;
                    it = m_entries.erase(it);
                } else {
                    next = std::min(next, (*it)->due);
                    ++it;
                }
            }
            if (next == Clock::time_point::max())
                m_wake.wait(lock);
            else
                m_wake.wait_until(lock, next);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::list<std::shared_ptr<OfficeDeadline::Entry>> m_entries;
    std::thread m_thread;
    bool m_stopping = false;
};
} // namespace

void killOfficeProcess(qint64 processId)
{
    if (processId > 0)
        ::kill(pid_t(processId), SIGKILL);
}

OfficeDeadline::OfficeDeadline(qint64 processId, int timeoutMs) : m_timeoutMs(timeoutMs)
{
    if (processId <= 0)
        return; // no process: nothing can hang
    m_entry = std::make_shared<Entry>();
    m_entry->processId = processId;
    m_entry->due = Clock::now() + std::chrono::milliseconds(timeoutMs);
    Watchdog::instance().arm(m_entry);
}

OfficeDeadline::~OfficeDeadline()
{
    if (m_entry)
        Watchdog::instance().disarm(m_entry);
}

bool OfficeDeadline::expired() const
{
    return m_entry && m_entry->expired;
}
