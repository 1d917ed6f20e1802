#include "StopSignals.h"

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <pthread.h>
#include <semaphore.h>
#include <unistd.h>

namespace {
std::atomic<bool> stopRequested{false};
std::atomic<int> stopSignal{0};
int stopPipe[2] = {-1, -1};
// Posted by the handler (sem_post may be called there): wakes the thread
// that ends a program held up.
sem_t stopPosted;
std::atomic<bool> deadlineArmed{false};
std::atomic<bool> stopTaken{false};

extern "C" void requestStop(int signal)
{
    stopRequested = true;
    stopSignal = signal;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], "", 1);
    if (deadlineArmed)
        ::sem_post(&stopPosted);
}
} // namespace

StopSignals::StopSignals()
{
    stopRequested = false;
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        stopPipe[0] = stopPipe[1] = -1;
    struct sigaction action
    { };
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
    sigaction(SIGHUP, &action, &m_oldHangUp);
}

StopSignals::~StopSignals()
{
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
    sigaction(SIGHUP, &m_oldHangUp, nullptr);
    for (int &end : stopPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

bool StopSignals::asked()
{
    return stopRequested;
}

int StopSignals::wakeFd()
{
    return stopPipe[0];
}

void StopSignals::blockInThisThread()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void StopSignals::endWithin(int graceMs, void (*lastWords)())
{
    if (deadlineArmed.exchange(true) || ::sem_init(&stopPosted, 0, 0) != 0)
        return;
    std::thread([graceMs, lastWords] {
        blockInThisThread();
        while (::sem_wait(&stopPosted) != 0) { }
        std::this_thread::sleep_for(std::chrono::milliseconds(graceMs));
        if (stopTaken)
            return;
        lastWords();
        ::_exit(128 + stopSignal);
    }).detach();
}

void StopSignals::take()
{
    stopTaken = true;
}
