// The time from a click on "Start Creating Template" to the preview shown
// on screen, side by side in one run:
//   (a) the program as it ships, with spare offices started ahead of need,
//       and where its time goes, stage by stage;
//   (b) the same with the spares disabled;
//   (c) the plain route a user would script instead: the filled template
//       converted by "soffice --headless --convert-to" to .doc, then to .png;
//   (d) as (a), from a user's own .docx template;
//   (e) the check of the user's own words before the letter shows;
//   (f) with View > Live Page open, the time from the last keystroke in a
//       field to the live page redrawn (its 300 ms of rest included), the
//       offices running meanwhile, and the program's CPU at rest.
// "letter_bench live" measures (f) alone.
// Also: launch to main window shown with and without spares, and memory.
// Under a display (xvfb-run) the windows are really shown; without one
// they are drawn offscreen.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "BenchSupport.h"
#include "LetterBenchSupport.h"
#include "Form1.h"
#include "Form2.h"
#include "LetterCheck.h"
#include "LetterFields.h"
#include "LetterText.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "LivePage.h"
#include "Main.h"
#include "Messenger.h"
#include "ScratchFiles.h"
#include "Spelling.h"

namespace {
constexpr int Runs = 10;

struct Generation
{
    std::vector<double> clickToPreview, templateCopy, takeOffice, open, fill, store, render, close, show;
    long peakOfficeKb = 0;
    long idleSpareKb = 0;
};

// Letters from the given template (empty: the built-in one).
Generation measureGeneration(int spares, const QString &templateFile = QString())
{
    LetterTemplate::storeChoice(templateFile);
    Generation result;
    SampleLetterWindow window(spares, spares, templateBytes(LetterDesign::Classic));
    LibreOfficeAutomation &automation = window.automation;
    MeasuringAutomation &measuring = window.measuring;
    Form1 &form = window.form;
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "the main window was not shown\n");

    for (int run = -1; run < Runs; ++run) { // run -1 warms up
        // A user reads the preview before the next letter: the spares come up.
        waitFor([&] { return automation.readySpares() == spares; }, 30000);
        if (spares > 0 && run == 0) {
            for (qint64 pid : automation.spareProcessIds())
                result.idleSpareKb = std::max(result.idleSpareKb, procStatusKb(pid, "VmRSS"));
        }
        QElapsedTimer timer;
        timer.start();
        form.PushButton6_Click();
        Form2 &preview = form.form2();
        waitFor([&] { return preview.isVisible() && !preview.isFirstActivationPending(); }, 30000);
        if (!QTest::qWaitForWindowExposed(&preview))
            std::fprintf(stderr, "the preview was not shown\n");
        const double ms = timer.nsecsElapsed() / 1e6;
        if (run >= 0) {
            const LetterTimings &t = form.lastLetterTimings();
            result.clickToPreview.push_back(ms);
            result.templateCopy.push_back(t.templateCopy);
            result.takeOffice.push_back(t.takeOffice);
            result.open.push_back(t.open);
            result.fill.push_back(t.fill);
            result.store.push_back(t.store);
            result.render.push_back(t.render);
            result.close.push_back(t.close);
            result.show.push_back(ms - t.templateCopy - t.takeOffice - t.open - t.fill - t.store - t.render - t.close);
        }
        preview.PushButton8_Click();
    }
    result.peakOfficeKb = measuring.peakOfficeKb;
    return result;
}

// The plain route: fill the template's source text, convert it twice.
std::vector<double> measurePlainRoute(const QString &work)
{
    QFile source(QStringLiteral(TESSALINE_TEMPLATE_SOURCE));
    source.open(QIODevice::ReadOnly);
    QString text = QString::fromUtf8(source.readAll());
    for (const LetterField &field : LetterFields)
        text.replace(QString::fromLatin1(field.placeholder),
                     field.sampleValue ? QString::fromUtf8(field.sampleValue) : QStringLiteral("December 7, 2026"));
    QFile filled(work + QStringLiteral("/letter.fodt"));
    filled.open(QIODevice::WriteOnly);
    filled.write(text.toUtf8());
    filled.close();

    auto convert = [&](const QString &to, const QString &file) {
        convertWithSoffice(work + QStringLiteral("/profile"), to, work, file);
    };
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) { // run -1 makes the profile
        QElapsedTimer timer;
        timer.start();
        convert(QStringLiteral("doc:MS Word 97"), work + QStringLiteral("/letter.fodt"));
        convert(QStringLiteral("png"), work + QStringLiteral("/letter.doc"));
        if (run >= 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}

// The check before a letter shows, on a letter text of the user's own of
// the built-in body's length, with a placeholder nothing fills and a
// misspelled word; and loading the dictionary it checks with, once.
std::pair<std::vector<double>, std::vector<double>> measureCheck()
{
    std::vector<double> loads, checks;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const SpellChecker spelling;
        loads.push_back(timer.nsecsElapsed() / 1e6);
        LetterCheckInput input;
        input.fields[0] = QStringLiteral("Dorian Vell");
        input.further = {{QStringLiteral("Phone"), QStringLiteral("555-0100")}};
        input.ownLetterText = LetterText::builtInText().replace(QStringLiteral("review"), QStringLiteral("reveiw"))
                + QStringLiteral("\nI would bring to the [Position] role years of care.\n");
        input.spelling = &spelling;
        timer.restart();
        const LetterCheckResult result = checkLetter(input);
        checks.push_back(timer.nsecsElapsed() / 1e6);
        if (result.problems.size() != 2)
            std::fprintf(stderr, "the check found %d problems, not 2\n", int(result.problems.size()));
    }
    return {loads, checks};
}

// Launch to main window shown, in this process: the office layer, the
// main window's load sequence (with its office check) and the first show.
std::vector<double> measureStartUp(int spares)
{
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        // One spare started at once, as the program starts.
        SampleLetterWindow window(spares, 1, templateBytes(LetterDesign::Classic),
                                  SampleLetterWindow::Sample::NotTyped);
        if (!QTest::qWaitForWindowExposed(&window.form))
            std::fprintf(stderr, "the main window was not shown\n");
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}
// A field of /proc/PID/stat, counted from 1 (after the command's name).
QByteArray procStat(qint64 pid, int field)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = stat.readAll();
    const QList<QByteArray> fields = all.mid(all.lastIndexOf(')') + 2).split(' ');
    return fields.value(field - 3);
}

// The office processes (soffice.bin) this program started, however deep.
int officesOfThisProgram()
{
    const qint64 self = QCoreApplication::applicationPid();
    int count = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        qint64 pid = entry.toLongLong(&isPid);
        QFile comm(QStringLiteral("/proc/%1/comm").arg(entry));
        if (!isPid || !comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "soffice.bin")
            continue;
        while (pid > 1 && pid != self)
            pid = procStat(pid, 4).toLongLong(); // its parent
        count += pid == self;
    }
    return count;
}

// The program's CPU time so far, in milliseconds.
double cpuMs()
{
    const qint64 self = QCoreApplication::applicationPid();
    return (procStat(self, 14).toDouble() + procStat(self, 15).toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

struct LivePageFigures
{
    std::vector<double> keystrokeToPage;
    // Where each redraw's time went, by stage.
    std::vector<double> open, fill, render, close;
    int offices = 0, spares = 0;
    double idleCpuMs = 0;
};

// (f): a name typed into Recipient Name, a letter at a time as a user
// types, with the live page open beside the fields.
LivePageFigures measureLivePage()
{
    constexpr int IdleMs = 2000;
    LivePageFigures result;
    SampleLetterWindow window(LibreOfficeAutomation::ProgramSpares, LibreOfficeAutomation::ProgramSpares,
                              templateBytes(LetterDesign::Classic));
    Form1 &form = window.form;
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "the main window was not shown\n");
    form.livePageAction->trigger();
    LivePage &live = *form.livePage();
    int drawn = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 drawnAt = 0;
    QObject::connect(&live, &LivePage::drawn, [&] {
        QCoreApplication::processEvents(); // the page painted
        drawnAt = clock.nsecsElapsed();
        ++drawn;
    });
    auto rested = [&] { return !live.isWaiting() && !live.isDrawing(); };
    waitFor([&] { return drawn > 0 && rested(); }, 30000);
    waitFor([&] { return window.automation.readySpares() == LibreOfficeAutomation::ProgramSpares; }, 30000);
    result.offices = officesOfThisProgram();
    result.spares = int(window.automation.spareProcessIds().size());
    const double cpuBefore = cpuMs();
    QTest::qWait(IdleMs);
    result.idleCpuMs = cpuMs() - cpuBefore;

    QLineEdit *field = form.Text1[7];
    for (int run = -1; run < Runs; ++run) { // run -1 warms up
        field->clear();
        waitFor([&] { return rested(); }, 30000);
        const int before = drawn;
        QTest::keyClicks(field, QStringLiteral("Quentin Marlowe %1").arg(run + 1), Qt::NoModifier, 60);
        const qint64 typedAt = clock.nsecsElapsed();
        waitFor([&] { return drawn > before && rested(); }, 30000);
        if (run >= 0) {
            result.keystrokeToPage.push_back((drawnAt - typedAt) / 1e6);
            const LetterTimings &stages = live.lastTimings();
            result.open.push_back(stages.open);
            result.fill.push_back(stages.fill);
            result.render.push_back(stages.render);
            result.close.push_back(stages.close);
        }
    }
    return result;
}

void printLivePage(const LivePageFigures &live)
{
    printStats("(f) last keystroke to live page redrawn", live.keystrokeToPage);
    printStats("    of which: open the template", live.open);
    printStats("              fill it", live.fill);
    printStats("              render its pages", live.render);
    printStats("              close it", live.close);
    std::printf("%-46s %8d  (%d spares and the live page's own)\n", "offices running with the live page open",
                live.offices, live.spares);
    std::printf("%-46s %8.1f ms of CPU in %d ms\n", "the program at rest, live page open", live.idleCpuMs, 2000);
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchFolder work;

    std::printf("Letter generation, %d runs each, sample letter, this machine (%d cores, %s)\n", Runs,
                QThread::idealThreadCount(), qPrintable(QGuiApplication::platformName()));
    if (argc > 1 && QByteArray(argv[1]) == "live") {
        printLivePage(measureLivePage());
        return 0;
    }
    const Generation withSpares = measureGeneration(LibreOfficeAutomation::ProgramSpares);
    const Generation withoutSpares = measureGeneration(0);
    const Generation ownTemplate
            = measureGeneration(LibreOfficeAutomation::ProgramSpares, QStringLiteral(TESSALINE_USER_TEMPLATE));
    const std::vector<double> plain = measurePlainRoute(work.path());

    printStats("(a) click to preview shown, with spare offices", withSpares.clickToPreview);
    printStats("    template copy", withSpares.templateCopy);
    printStats("    take a ready office", withSpares.takeOffice);
    printStats("    open the template", withSpares.open);
    printStats("    fill (13 placeholders)", withSpares.fill);
    printStats("    store the letter (.doc)", withSpares.store);
    printStats("    render the page(s)", withSpares.render);
    printStats("    close the document", withSpares.close);
    printStats("    the rest: hand-over, preview set-up, show", withSpares.show);
    printStats("(b) click to preview shown, spares disabled", withoutSpares.clickToPreview);
    printStats("    office started", withoutSpares.takeOffice);
    printStats("(c) soffice --convert-to .doc, then .png", plain);
    printStats("(d) as (a), from the user's own .docx template", ownTemplate.clickToPreview);
    const double a = statsOf(withSpares.clickToPreview).median;
    std::printf("%-46s %8.2f\n", "ratio a/b (median)", a / statsOf(withoutSpares.clickToPreview).median);
    std::printf("%-46s %8.2f  (c is %.1f times slower)\n", "ratio a/c (median)", a / statsOf(plain).median,
                statsOf(plain).median / a);

    const auto [dictionaryLoads, checks] = measureCheck();
    printStats("(e) the check before a letter shows", checks);
    printStats("    loading the dictionary (once a run)", dictionaryLoads);

    printLivePage(measureLivePage());

    const std::vector<double> startWith = measureStartUp(LibreOfficeAutomation::ProgramSpares);
    const std::vector<double> startWithout = measureStartUp(0);
    printStats("launch to main window shown, with spares", startWith);
    printStats("launch to main window shown, without spares", startWithout);

    std::printf("%-46s %8.1f MB\n", "peak memory of the program",
                procStatusKb(QCoreApplication::applicationPid(), "VmHWM") / 1024.0);
    std::printf("%-46s %8.1f MB\n", "peak memory of an office at work",
                std::max(withSpares.peakOfficeKb, withoutSpares.peakOfficeKb) / 1024.0);
    std::printf("%-46s %8.1f MB each, %d kept\n", "memory of an idle spare office", withSpares.idleSpareKb / 1024.0,
                LibreOfficeAutomation::ProgramSpares);
    return 0;
}
