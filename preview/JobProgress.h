#pragma once

#include <QString>

class BackgroundJob;
class QWidget;
class WindowPointer;

// Runs an office job while its window stays painted: past half a second
// the window shows the busy pointer, past two seconds a progress dialog
// with Cancel. Cancel (or the program ending meanwhile) ends the job's
// office instance and leaves no partial file.
class JobProgress
{
public:
    static constexpr int BusyPointerDelayMs = 500;
    static constexpr int ProgressDialogDelayMs = 2000;

    JobProgress(QWidget *window, WindowPointer &pointer) : m_window(window), m_pointer(pointer) { }

    enum class Outcome { Completed, Cancelled };
    // Starts the job and waits for it; the label says what it does.
    // Throws Failure when the job cannot start or fails.
    Outcome run(BackgroundJob &job, const QString &label);

    bool isRunning() const { return m_running; }
    // For tests: when the pointer and the dialog appear.
    void setDelays(int busyPointerMs, int progressDialogMs);

private:
    QWidget *m_window;
    WindowPointer &m_pointer;
    int m_busyDelayMs = BusyPointerDelayMs;
    int m_dialogDelayMs = ProgressDialogDelayMs;
    bool m_running = false;
};
