#include "BackgroundJob.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "ThreadHandOver.h"

namespace {
// The jobs' own threads. A job's worker waits on an office (and may wait
// for another job's worker), while Qt's global pool must stay free for
// what the window's thread hands it and waits for (its image conversions
// while painting): on two cores two waiting jobs would fill it.
QThreadPool &jobThreads()
{
    // Never destroyed: a job still at work when the program ends is not
    // waited for at exit.
    static QThreadPool *const threads = [] {
        auto *pool = new QThreadPool;
        pool->setMaxThreadCount(32);
        return pool;
    }();
    return *threads;
}
} // namespace

BackgroundJob::~BackgroundJob()
{
    // By now a derived job's members are gone: it cancelled itself first.
    waitForWorker();
}

void BackgroundJob::cancelIfRunning()
{
    if (m_started && !m_finished && !m_cancelled)
        cancel();
}

void BackgroundJob::start()
{
    prepare();
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundJob::finished);
    handOver(&m_future);
    m_future = QtConcurrent::run(&jobThreads(), [this] {
        tookOver(&m_future);
        work();
        handOver(&m_future);
    });
    m_watcher.setFuture(m_future);
    m_started = true;
}

void BackgroundJob::waitForWorker()
{
    if (m_started) {
        m_future.waitForFinished();
        tookOver(&m_future);
    }
}

void BackgroundJob::cancel()
{
    m_cancelled = true;
    if (m_started && !m_future.isFinished())
        abort();
    waitForWorker();
    cancelled();
}

void BackgroundJob::complete()
{
    waitForWorker();
    m_finished = true;
    finish();
}
