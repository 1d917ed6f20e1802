#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>

// Office work that runs on a worker thread of the program's thread pool
// while the thread that owns the job (the GUI thread) stays free: the
// letter, the exports, printing and saving the built-in letter all run
// this one way.
//
// The owning thread starts the job, which first runs prepare() there (the
// quick steps that need no office: files to read or copy), then work() on
// a worker, which also takes the job's office and may wait for it. finished() is emitted on the owning
// thread once the worker is done; complete() then runs finish() there.
// cancel() makes the worker's office calls fail at once (abort()) and waits
// for it, then runs cancelled(). A job destroyed while running is
// cancelled.
class BackgroundJob : public QObject
{
    Q_OBJECT
public:
    ~BackgroundJob() override;

    // Runs prepare(), then work() on a worker. Throws what prepare() throws,
    // and then starts nothing.
    void start();
    // True from start() until the worker is done.
    bool isRunning() const { return m_started && !m_future.isFinished(); }
    // Blocks until the worker is done (for callers without an event loop).
    void waitForWorker();
    // Ends the work at once and waits for the worker.
    void cancel();
    // After the worker is done: finish() on this thread. May throw what
    // finish() throws.
    void complete();
    bool wasCancelled() const { return m_cancelled; }

signals:
    void finished();

protected:
    BackgroundJob() = default;
    // Derived classes whose abort() or cancelled() touch their own members
    // call this first in their destructor.
    void cancelIfRunning();

    virtual void prepare() { }
    // Runs on the worker; must not throw (it keeps its own outcome).
    virtual void work() = 0;
    virtual void abort() = 0;
    virtual void finish() { }
    virtual void cancelled() { }

private:
    QFuture<void> m_future;
    QFutureWatcher<void> m_watcher;
    bool m_started = false;
    bool m_cancelled = false;
    bool m_finished = false;
};
