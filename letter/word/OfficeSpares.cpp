#include "OfficeSpares.h"

#include <algorithm>

#include "Failure.h"
#include "OfficeConnection.h"

namespace {
constexpr int PollIntervalMs = 50;
}

OfficeSpares::OfficeSpares(int count, QObject *parent) : QObject(parent), m_count(count)
{
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &OfficeSpares::poll);
}

OfficeSpares::~OfficeSpares() = default;

void OfficeSpares::replenish(int upTo)
{
    const int target = upTo >= 0 ? std::min(upTo, m_count) : m_count;
    while (!m_officeMissing && int(m_spares.size()) < target) {
        try {
            m_spares.push_back(OfficeConnection::launch());
        } catch (const Failure &) {
            m_officeMissing = true; // creating an instance will say so
        }
    }
    if (!m_poll.isActive() && !m_spares.empty())
        m_poll.start();
}

void OfficeSpares::poll()
{
    bool waiting = false;
    for (auto it = m_spares.begin(); it != m_spares.end();) {
        try {
            if (!(*it)->tryConnect())
                waiting = true;
            ++it;
        } catch (const Failure &) {
            it = m_spares.erase(it); // ended before it was needed
        }
    }
    if (!waiting)
        m_poll.stop();
}

std::unique_ptr<OfficeConnection> OfficeSpares::take(int timeoutMs)
{
    // Connected spares first, then the oldest, which is furthest along.
    std::stable_partition(m_spares.begin(), m_spares.end(),
                          [](const auto &spare) { return spare->isConnected(); });
    while (!m_spares.empty()) {
        std::unique_ptr<OfficeConnection> spare = std::move(m_spares.front());
        m_spares.pop_front();
        try {
            if (spare->isConnected() && !spare->process().isRunning())
                continue; // died idle
            spare->connectWithin(timeoutMs);
            return spare;
        } catch (const Failure &) {
            // This one will not come up; try the next.
        }
    }
    return nullptr;
}

std::vector<qint64> OfficeSpares::processIds() const
{
    std::vector<qint64> ids;
    for (const auto &spare : m_spares)
        ids.push_back(spare->process().processId());
    return ids;
}

int OfficeSpares::readyCount() const
{
    return int(std::count_if(m_spares.begin(), m_spares.end(), [](const auto &s) { return s->isConnected(); }));
}
