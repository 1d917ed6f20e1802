#include "OfficeReaper.h"

#include "OfficeConnection.h"

namespace {
constexpr int PollIntervalMs = 100;
}

OfficeReaper::OfficeReaper(int timeoutMs, QObject *parent) : QObject(parent), m_timeoutMs(timeoutMs)
{
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &OfficeReaper::poll);
}

OfficeReaper::~OfficeReaper()
{
    for (Ending &ending : m_ending)
        ending.office->process().waitForEnd(int(std::max<qint64>(ending.deadline.remainingTime(), 0)));
}

void OfficeReaper::take(std::unique_ptr<OfficeConnection> office)
{
    office->requestEnd();
    if (!office->process().isRunning())
        return; // ended already: nothing to keep
    m_ending.push_back({std::move(office), QDeadlineTimer(m_timeoutMs)});
    if (!m_poll.isActive())
        m_poll.start();
}

void OfficeReaper::poll()
{
    std::erase_if(m_ending, [](Ending &ending) {
        if (ending.office->process().isRunning() && !ending.deadline.hasExpired())
            return false;
        ending.office->process().waitForEnd(0); // kills one that overstayed
        return true;
    });
    if (m_ending.empty())
        m_poll.stop();
}
