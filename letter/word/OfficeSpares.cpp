#include "OfficeSpares.h"

#include <algorithm>
#include <utility>

#include <QtConcurrent/QtConcurrentRun>

#include "Failure.h"
#include "OfficeConnection.h"
#include "OfficeWarmUp.h"
#include "OfficeDeadline.h"

namespace {
constexpr int PollIntervalMs = 50;
}

OfficeSpares::Spare::Spare(std::unique_ptr<OfficeConnection> o, bool wanted)
    : office(std::move(o)), warmUpWanted(wanted)
{
}

// A moved-from future cannot be waited for: the spare that gave its
// warm-up away has none.
OfficeSpares::Spare::Spare(Spare &&other)
    : office(std::move(other.office)), warmUpWanted(other.warmUpWanted),
      warmUp(std::exchange(other.warmUp, std::nullopt))
{
}

OfficeSpares::Spare &OfficeSpares::Spare::operator=(Spare &&other)
{
    finishWarmUp(); // a running warm-up is never overwritten
    office = std::move(other.office);
    warmUpWanted = other.warmUpWanted;
    warmUp = std::exchange(other.warmUp, std::nullopt);
    return *this;
}

OfficeSpares::Spare::~Spare()
{
    finishWarmUp();
}

void OfficeSpares::Spare::finishWarmUp()
{
    if (warmUp)
        warmUp->waitForFinished();
}

bool OfficeSpares::Spare::isReady() const
{
    return office && office->isConnected() && (!warmUpWanted || (warmUp && warmUp->isFinished()));
}

OfficeSpares::OfficeSpares(int count, QObject *parent) : QObject(parent), m_count(count)
{
    m_warmUps.setMaxThreadCount(std::max(1, count));
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &OfficeSpares::poll);
}

OfficeSpares::~OfficeSpares() = default;

void OfficeSpares::replenish(int upTo)
{
    const int target = upTo >= 0 ? std::min(upTo, m_count) : m_count;
    while (!m_officeMissing && int(m_spares.size()) < target) {
        try {
            m_spares.emplace_back(OfficeConnection::launch(), !m_warmUpDocument.isEmpty());
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
            if (!it->office->tryConnect()) {
                waiting = true;
            } else if (it->warmUpWanted && !it->warmUp) {
                it->warmUp = QtConcurrent::run(&m_warmUps, [desktop = it->office->desktop(),
                                                            folder = it->office->process().profileFolder(),
                                                            pid = it->office->process().processId(),
                                                            document = m_warmUpDocument] {
                    // A spare that hangs while it warms up is killed, so
                    // that nothing ever waits for this task for ever.
                    const OfficeDeadline deadline(pid, officeCallDeadlineMs());
                    warmUpOffice(desktop, folder, document);
                });
            }
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
    // Ready spares first, then connected ones, then the oldest, which is
    // furthest along.
    std::stable_partition(m_spares.begin(), m_spares.end(),
                          [](const Spare &spare) { return spare.office->isConnected(); });
    std::stable_partition(m_spares.begin(), m_spares.end(), [](const Spare &spare) { return spare.isReady(); });
    while (!m_spares.empty()) {
        Spare spare = std::move(m_spares.front());
        m_spares.pop_front();
        try {
            // A spare that died or hung while it waited is not handed out
            // (a hung one has been killed by the check, which also ends a
            // warm-up that hangs with it).
            if (spare.office->isConnected() && !spare.office->answers(SpareAnswerDeadlineMs))
                continue;
            spare.finishWarmUp();
            spare.office->connectWithin(timeoutMs);
            return std::move(spare.office);
        } catch (const Failure &) {
            // This one will not come up; try the next.
        }
    }
    return nullptr;
}

std::vector<qint64> OfficeSpares::processIds() const
{
    std::vector<qint64> ids;
    for (const Spare &spare : m_spares)
        ids.push_back(spare.office->process().processId());
    return ids;
}

int OfficeSpares::readyCount() const
{
    return int(std::count_if(m_spares.begin(), m_spares.end(), [](const Spare &s) { return s.isReady(); }));
}
