#include "BackgroundJob.h"

#include <QtConcurrent/QtConcurrentRun>

#include "ThreadHandOver.h"

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
    m_future = QtConcurrent::run([this] {
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
