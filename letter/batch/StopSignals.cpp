#include "StopSignals.h"

#include <atomic>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {
std::atomic<bool> stopRequested{false};
int stopPipe[2] = {-1, -1};

extern "C" void requestStop(int)
{
    stopRequested = true;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], "", 1);
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
}

StopSignals::~StopSignals()
{
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
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
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}
