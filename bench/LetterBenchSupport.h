#pragma once

// What the letter benchmarks share: the office layer measured, and the
// main window with the sample letter over it.

#include <QElapsedTimer>

#include "BenchSupport.h"
#include "Form1.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "Messenger.h"
#include "Settings.h"

// An automation that passes every call to the real office layer, timing
// each "create" and recording the peak memory of each office just before
// it quits.
class MeasuringAutomation : public word::Automation
{
public:
    explicit MeasuringAutomation(LibreOfficeAutomation &real) : m_real(real) { }

    std::vector<double> createMs;
    long peakOfficeKb = 0;
    long lastOfficeKb = 0;

    void holdRefills() override { m_real.holdRefills(); }
    void releaseRefills() override { m_real.releaseRefills(); }

    std::shared_ptr<word::Application> createApplication(word::CreationStop *stop = nullptr,
                                                         word::OfficeUse use = word::OfficeUse::Letter) override
    {
        QElapsedTimer timer;
        timer.start();
        auto application = m_real.createApplication(stop, use);
        createMs.push_back(timer.nsecsElapsed() / 1e6);
        return std::make_shared<Measured>(application, m_real.lastInstanceProcessId(), peakOfficeKb, lastOfficeKb);
    }

private:
    class Measured : public word::Application
    {
    public:
        Measured(std::shared_ptr<word::Application> inner, qint64 pid, long &peak, long &last)
            : m_inner(std::move(inner)), m_pid(pid), m_peak(peak), m_last(last)
        { }
        word::Documents &documents() override { return m_inner->documents(); }
        void setDisplayAlerts(bool on) override { m_inner->setDisplayAlerts(on); }
        std::shared_ptr<word::Document> activeDocument() override { return m_inner->activeDocument(); }
        void kill() override { m_inner->kill(); }
        void quit() override
        {
            m_last = procStatusKb(m_pid, "VmHWM");
            m_peak = std::max(m_peak, m_last);
            m_inner->quit();
        }

    private:
        std::shared_ptr<word::Application> m_inner;
        qint64 m_pid;
        long &m_peak;
        long &m_last;
    };

    LibreOfficeAutomation &m_real;
};

// The main window as the program builds it, over the measured office layer
// with its spares (sparesNow of them started at once, warmed with the given
// document unless it is empty), loaded and shown, the sample letter typed
// in unless told otherwise.
struct SampleLetterWindow
{
    enum class Sample { Typed, NotTyped };

    SampleLetterWindow(int spares, int sparesNow, const QByteArray &warmUpDocument, Sample sample = Sample::Typed)
        : automation({.spares = spares, .warmUpDocument = warmUpDocument}), measuring(automation),
          form({messenger, settings, measuring})
    {
        automation.startSpares(sparesNow);
        form.Form_Load();
        form.show();
        if (sample == Sample::Typed)
            form.PushButton4_Click();
    }

    PrintingMessenger messenger;
    Settings settings;
    LibreOfficeAutomation automation;
    MeasuringAutomation measuring;
    Form1 form;
};
