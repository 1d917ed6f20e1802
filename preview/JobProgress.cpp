#include "JobProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "BackgroundJob.h"
#include "WindowPointer.h"

void JobProgress::setDelays(int busyPointerMs, int progressDialogMs)
{
    m_busyDelayMs = busyPointerMs;
    m_dialogDelayMs = progressDialogMs;
}

JobProgress::Outcome JobProgress::run(BackgroundJob &job, const QString &label)
{
    m_running = true;
    const WindowPointer::Code pointerBefore = m_pointer.code();
    // Whatever way this ends, the window is itself again.
    struct Restore
    {
        JobProgress &p;
        WindowPointer::Code code;
        ~Restore()
        {
            p.m_pointer.setCode(code);
            p.m_running = false;
        }
    } restore{*this, pointerBefore};

    job.start();

    QEventLoop loop;
    bool cancelled = false;
    QProgressDialog dialog(label, QObject::tr("Cancel"), 0, 0, m_window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(m_dialogDelayMs);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.hide();
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    QObject::connect(&job, &BackgroundJob::finished, &loop, &QEventLoop::quit);
    QTimer busy, showDialog;
    busy.setSingleShot(true);
    showDialog.setSingleShot(true);
    QObject::connect(&busy, &QTimer::timeout, &loop, [&] { m_pointer.setCode(WindowPointer::Busy); });
    QObject::connect(&showDialog, &QTimer::timeout, &loop, [&] { dialog.show(); });
    busy.start(m_busyDelayMs);
    showDialog.start(m_dialogDelayMs);

    if (job.isRunning())
        loop.exec();
    // Left early (Cancel, or the program is ending): the office is ended
    // and nothing is written.
    if (cancelled || job.isRunning()) {
        job.cancel();
        return Outcome::Cancelled;
    }
    job.complete();
    return Outcome::Completed;
}
