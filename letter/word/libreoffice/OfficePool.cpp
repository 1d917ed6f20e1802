#include "OfficePool.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QObject>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "Failure.h"
#include "Logging.h"
#include "OfficeConnection.h"
#include "OfficeDeadline.h"
#include "OfficeWarmUp.h"
#include "ThreadHandOver.h"
#include "WordAutomation.h"

namespace {
// How often the office thread tries to connect to offices starting; an
// attempt at an office not yet listening fails at once.
constexpr int ConnectPollMs = 20;
// How often it looks whether offices asked to end have ended.
constexpr int ReapPollMs = 100;
// How long an office asked to end may take before it is killed.
constexpr int EndTimeoutMs = 10000;
// How often a waiting take() looks at its stop and deadline.
constexpr int TakeSliceMs = 50;
} // namespace

// An office on its way: launched (by the office thread), connected (by the
// office thread), then warming up (on a helper) and ready. Once taken it
// belongs to the taker.
struct OfficePool::Spare
{
    std::unique_ptr<OfficeConnection> office;
    word::OfficeUse use = word::OfficeUse::Letter;
    // One that has not come up by then hangs: it is killed and replaced.
    QDeadlineTimer startDeadline;
    bool connected = false;
    bool warmUpWanted = false;
    QFuture<void> warmUp;          // once started
    std::atomic<bool> warm{false}; // the warm-up went through
    std::atomic<bool> warmUpFailed{false};

    bool isReady() const { return connected && (!warmUpWanted || warm); }
    void finishWarmUp()
    {
        if (warmUp.isStarted()) {
            warmUp.waitForFinished();
            tookOver(this);
        }
    }
    ~Spare() { finishWarmUp(); }
};

struct OfficePool::Ending
{
    std::unique_ptr<OfficeConnection> office;
    QDeadlineTimer deadline;
};

OfficePool::OfficePool(int spareCount, Refill refill, const OfficeSetup &setup)
    : m_count(spareCount), m_refill(refill), m_setup(setup)
{
    // One helper per spare for warm-ups and checks, and one to ask offices
    // to end, so that neither waits behind the other.
    m_helpers.setMaxThreadCount(std::max(1, spareCount) + 1);
    m_thread.setObjectName(QStringLiteral("office pool"));
    m_home = new QObject;
    m_pollTimer = new QTimer(m_home);
    m_pollTimer->setInterval(ConnectPollMs);
    QObject::connect(m_pollTimer, &QTimer::timeout, m_home, [this] { poll(); });
    m_reapTimer = new QTimer(m_home);
    m_reapTimer->setInterval(ReapPollMs);
    QObject::connect(m_reapTimer, &QTimer::timeout, m_home, [this] { reap(); });
    m_home->moveToThread(&m_thread);
    m_thread.start();
}

OfficePool::~OfficePool()
{
    {
        std::lock_guard lock(m_mutex);
        m_shutDown = true;
    }
    m_changed.notify_all();
    // Spares hold no work: they are killed, so that a hung one cannot hold
    // up the end, and their warm-ups then fail at once.
    {
        std::lock_guard lock(m_mutex);
        for (auto &spare : m_spares)
            spare->office->process().killNow();
    }
    m_helpers.waitForDone(); // requests to end, checks, warm-ups
    handOver(m_home);
    QMetaObject::invokeMethod(
            m_home,
            [this] {
                tookOver(m_home);
                std::deque<std::unique_ptr<Spare>> spares;
                {
                    std::lock_guard lock(m_mutex);
                    spares.swap(m_spares);
                    m_ended = true;
                }
                spares.clear();
                // Offices asked to end get the rest of their time.
                for (Ending &ending : m_ending)
                    ending.office->process().waitForEnd(int(std::max<qint64>(ending.deadline.remainingTime(), 0)));
                m_ending.clear();
                delete m_home;
                m_home = nullptr;
            },
            Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void OfficePool::onOfficeThread(std::function<void()> call)
{
    handOver(m_home);
    QMetaObject::invokeMethod(
            m_home,
            [this, call = std::move(call)] {
                tookOver(m_home);
                call();
            },
            Qt::QueuedConnection);
}

void OfficePool::setWarmUpDocument(const QByteArray &document)
{
    std::lock_guard lock(m_mutex);
    m_warmUpDocument = document;
}

void OfficePool::holdRefills(bool held)
{
    std::unique_lock lock(m_mutex);
    m_refillsHeld = held;
    if (!held && m_refill == Refill::OnTake)
        wantLaunches(lock, m_count);
}

void OfficePool::replenish(int upTo)
{
    std::unique_lock lock(m_mutex);
    wantLaunches(lock, upTo >= 0 ? std::min(upTo, m_count) : m_count);
}

int &OfficePool::launching(word::OfficeUse use)
{
    return use == word::OfficeUse::Printing ? m_launchingToPrint : m_launching;
}

int OfficePool::sparesOnTheirWay() const
{
    return m_launching + int(std::count_if(m_spares.begin(), m_spares.end(), [](const auto &s) {
               return s->use == word::OfficeUse::Letter;
           }));
}

void OfficePool::wantLaunches(std::unique_lock<std::mutex> &, int upTo)
{
    while (!m_officeMissing && !m_shutDown && sparesOnTheirWay() < upTo) {
        ++m_launching;
        onOfficeThread([this] { launch(word::OfficeUse::Letter); });
    }
}

void OfficePool::launch(word::OfficeUse use)
{
    // Starting copies the ready profile and forks: on this thread, whose
    // life the process shares.
    std::unique_ptr<OfficeConnection> office;
    QString failure;
    OfficeSetup setup = m_setup;
    setup.printing = use == word::OfficeUse::Printing;
    try {
        office = OfficeConnection::launch(setup);
    } catch (const Failure &f) {
        failure = f.description();
    }
    {
        std::unique_lock lock(m_mutex);
        --launching(use);
        if (office && use == word::OfficeUse::Printing && m_printTakers == 0 && !m_shutDown) {
            // Its print job gave up while it started.
            lock.unlock();
            office.reset();
            return;
        }
        if (office && m_shutDown) {
            office->process().killNow(); // started as the pool ends
            m_spares.push_back(std::make_unique<Spare>());
            m_spares.back()->office = std::move(office);
        } else if (office) {
            qCInfo(lcOffice) << "office started, process" << office->process().processId();
            auto spare = std::make_unique<Spare>();
            spare->office = std::move(office);
            spare->use = use;
            spare->startDeadline = QDeadlineTimer(m_setup.deadlineMs());
            // A print job's office prints the letter as it is: it has no
            // first letter to be quick for.
            spare->warmUpWanted = use == word::OfficeUse::Letter && !m_warmUpDocument.isEmpty();
            m_spares.push_back(std::move(spare));
        } else {
            qCWarning(lcOffice) << "no office could be started:" << failure;
            m_officeMissing = true; // taking one says why
            m_lastFailure = failure;
        }
    }
    m_changed.notify_all();
    if (!m_pollTimer->isActive())
        m_pollTimer->start();
}

void OfficePool::poll()
{
    std::vector<Spare *> starting;
    {
        std::lock_guard lock(m_mutex);
        if (m_shutDown)
            return; // the spares are being killed: nothing to connect to
        for (auto &spare : m_spares)
            if (!spare->connected)
                starting.push_back(spare.get());
    }
    // Only this thread connects, and a spare is taken only once connected:
    // nothing else touches these now.
    for (Spare *spare : starting) {
        bool connected = false;
        QString failure;
        try {
            connected = spare->office->tryConnect();
            if (!connected && spare->startDeadline.hasExpired()) {
                spare->office->process().killNow();
                failure = QObject::tr("The office did not start within %1 seconds and has been stopped")
                                  .arg(m_setup.deadlineMs() / 1000.0);
            }
        } catch (const Failure &f) {
            failure = f.description();
        }
        std::unique_lock lock(m_mutex);
        // A print job's office whose job gave up goes as soon as it is
        // connected (only this thread may touch it before).
        const bool unwanted = connected && spare->use == word::OfficeUse::Printing && m_printTakers == 0;
        if (!failure.isEmpty() || unwanted) {
            // Ended or hung before it was needed: it goes, and another
            // comes in its place.
            auto it = std::find_if(m_spares.begin(), m_spares.end(), [&](const auto &s) { return s.get() == spare; });
            std::unique_ptr<Spare> gone = std::move(*it);
            m_spares.erase(it);
            if (!unwanted) {
                m_lastFailure = failure;
                qCWarning(lcOffice) << "office ended before it was connected:" << failure;
                ++m_failures; // its replacement comes with the next take
            }
            lock.unlock();
            gone.reset(); // its process ends here, on its own thread
        } else if (connected) {
            qCInfo(lcOffice) << "office connected, process" << spare->office->process().processId();
            spare->connected = true;
            if (spare->warmUpWanted)
                startWarmUp(*spare);
        }
        m_changed.notify_all();
    }
    std::lock_guard lock(m_mutex);
    if (std::none_of(m_spares.begin(), m_spares.end(), [](const auto &s) { return !s->connected; }))
        m_pollTimer->stop();
}

void OfficePool::startWarmUp(Spare &spare)
{
    Spare *target = &spare;
    handOver(target);
    spare.warmUp = QtConcurrent::run(
            &m_helpers,
            [this, target, desktop = spare.office->desktop(), folder = spare.office->process().profileFolder(),
             pid = spare.office->process().processId(), document = m_warmUpDocument] {
                tookOver(target);
                // A spare that hangs while it warms up is killed, so that nothing
                // ever waits for this task for ever; one that failed it is not
                // handed out.
                const OfficeDeadline deadline(pid, m_setup.deadlineMs());
                const bool warmed = warmUpOffice(desktop, folder, document);
                const bool failed = !warmed && (deadline.expired() || !target->office->process().isRunning());
                if (failed)
                    qCWarning(lcOffice) << "office" << pid << "failed its warm-up"
                                        << (deadline.expired() ? "(hung)" : "");
                {
                    std::lock_guard lock(m_mutex);
                    target->warm = !failed;
                    target->warmUpFailed = failed;
                }
                handOver(target);
                m_changed.notify_all();
            });
}

std::unique_ptr<OfficeConnection> OfficePool::take(int timeoutMs, word::CreationStop *stop, word::OfficeUse use)
{
    word::CreationStop noStop;
    word::CreationStop &stopping = stop ? *stop : noStop;
    auto wakeOnStop = [this] {
        std::lock_guard lock(m_mutex); // so that a waiter cannot miss it
        m_changed.notify_all();
    };
    stopping.alsoDo(wakeOnStop);
    // The stop outlives this call; what it does must not.
    const auto forget = qScopeGuard([&] { stopping.alsoDo({}); });
    const QDeadlineTimer deadline(timeoutMs);
    auto stopped = [&] { return Failure(QObject::tr("The office was not needed any more")); };
    std::unique_lock lock(m_mutex);
    const int failuresBefore = m_failures;
    // An office installed since the last try is found: a taker tries again.
    if (m_officeMissing && m_spares.empty() && m_launching == 0 && m_launchingToPrint == 0)
        m_officeMissing = false;
    const bool printing = use == word::OfficeUse::Printing;
    if (printing)
        ++m_printTakers;
    // The print office of a taker that gives up waits for nobody.
    const auto leave = qScopeGuard([&] {
        if (!printing)
            return;
        if (!lock.owns_lock())
            lock.lock();
        if (--m_printTakers == 0)
            dropUnwantedPrintOffices(lock);
    });
    for (;;) {
        if (stopping.stopped())
            throw stopped();
        // Ready first, then connected (warming up), the oldest first.
        auto pick = std::find_if(m_spares.begin(), m_spares.end(),
                                 [use](const auto &s) { return s->use == use && s->isReady(); });
        if (pick == m_spares.end())
            pick = std::find_if(m_spares.begin(), m_spares.end(),
                                [use](const auto &s) { return s->use == use && s->connected; });
        if (pick != m_spares.end()) {
            std::unique_ptr<Spare> spare = std::move(*pick);
            m_spares.erase(pick);
            if (!printing && m_refill == Refill::OnTake && !m_refillsHeld)
                wantLaunches(lock, m_count); // the replacement starts at once
            lock.unlock();
            // A Cancel now ends this office, whose warm-up and check then
            // fail at once.
            const qint64 pid = spare->office->process().processId();
            stopping.alsoDo([this, pid] {
                killOfficeProcess(pid);
                std::lock_guard lock(m_mutex);
                m_changed.notify_all();
            });
            // Its warm-up first: one that a deadline ends meanwhile is
            // found dead by the check.
            spare->finishWarmUp();
            const bool healthy
                    = !spare->warmUpFailed && !stopping.stopped() && spare->office->answers(SpareAnswerDeadlineMs);
            stopping.alsoDo(wakeOnStop);
            std::unique_ptr<OfficeConnection> office = std::move(spare->office);
            spare.reset();
            if (healthy) {
                qCInfo(lcOffice) << "office handed out, process" << pid;
                return office;
            }
            qCWarning(lcOffice) << "office" << pid << "not handed out: it did not answer or failed its warm-up";
            giveBack(std::move(office), End::Kill);
            lock.lock();
            continue;
        }
        // None on its way: one starts for this taker, unless those started
        // for it keep failing.
        if (launching(use) == 0
            && std::none_of(m_spares.begin(), m_spares.end(), [use](const auto &s) { return s->use == use; })) {
            if (m_officeMissing)
                throw Failure(m_lastFailure.isEmpty() ? QObject::tr("No LibreOffice installation was found.")
                                                      : m_lastFailure);
            if (m_shutDown)
                throw stopped();
            if (m_failures - failuresBefore >= 2)
                throw Failure(QObject::tr("The office could not be started: %1").arg(m_lastFailure));
            ++launching(use);
            onOfficeThread([this, use] { launch(use); });
        }
        if (deadline.hasExpired()) {
            throw Failure(m_lastFailure.isEmpty()
                                  ? QObject::tr("The office did not answer within %1 seconds").arg(timeoutMs / 1000)
                                  : m_lastFailure);
        }
        m_changed.wait_for(lock, std::chrono::milliseconds(TakeSliceMs));
    }
}

void OfficePool::dropUnwantedPrintOffices(std::unique_lock<std::mutex> &lock)
{
    // Only connected ones: until then the office thread alone touches an
    // office, and it drops one nobody waits for as it connects.
    std::vector<std::unique_ptr<OfficeConnection>> unwanted;
    std::erase_if(m_spares, [&](std::unique_ptr<Spare> &spare) {
        if (spare->use != word::OfficeUse::Printing || !spare->connected)
            return false;
        unwanted.push_back(std::move(spare->office));
        return true;
    });
    lock.unlock();
    for (auto &office : unwanted)
        giveBack(std::move(office), End::Kill);
}

void OfficePool::giveBack(std::unique_ptr<OfficeConnection> office, End how)
{
    if (!office)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_ended) {
            // The pool has ended: this thread ends it now.
            office->process().killNow();
            return;
        }
    }
    if (how == End::Kill || !office->isConnected()) {
        office->process().killNow();
        retire(std::move(office), End::Kill);
        return;
    }
    // The request to end is a call into the office, which a hung one never
    // answers (its deadline kills it): a helper waits for it, not the
    // caller.
    auto held = std::make_shared<std::unique_ptr<OfficeConnection>>(std::move(office));
    {
        std::lock_guard lock(m_mutex);
        ++m_askingToEnd;
    }
    handOver(held.get());
    m_helpers.start([this, held] {
        tookOver(held.get());
        (*held)->askToEnd();
        retire(std::move(*held), End::Ask);
        std::lock_guard lock(m_mutex);
        --m_askingToEnd;
    });
}

void OfficePool::retire(std::unique_ptr<OfficeConnection> office, End how)
{
    auto held = std::make_shared<std::unique_ptr<OfficeConnection>>(std::move(office));
    onOfficeThread([this, held, how] {
        if (!(*held)->process().isRunning() || how == End::Kill) {
            held->reset(); // waits for a killed process on its own thread
            return;
        }
        m_ending.push_back({std::move(*held), QDeadlineTimer(EndTimeoutMs)});
        m_endingCount = int(m_ending.size());
        if (!m_reapTimer->isActive())
            m_reapTimer->start();
    });
}

void OfficePool::reap()
{
    std::erase_if(m_ending, [](Ending &ending) {
        if (ending.office->process().isRunning() && !ending.deadline.hasExpired())
            return false;
        ending.office->process().waitForEnd(0); // kills one that overstayed
        return true;
    });
    m_endingCount = int(m_ending.size());
    if (m_ending.empty())
        m_reapTimer->stop();
}

std::vector<qint64> OfficePool::processIds() const
{
    std::lock_guard lock(m_mutex);
    std::vector<qint64> ids;
    for (const auto &spare : m_spares)
        if (spare->use == word::OfficeUse::Letter)
            ids.push_back(spare->office->process().processId());
    return ids;
}

int OfficePool::readyCount() const
{
    std::lock_guard lock(m_mutex);
    return int(std::count_if(m_spares.begin(), m_spares.end(),
                             [](const auto &s) { return s->use == word::OfficeUse::Letter && s->isReady(); }));
}

int OfficePool::endingCount() const
{
    std::lock_guard lock(m_mutex);
    return m_askingToEnd + m_endingCount;
}
