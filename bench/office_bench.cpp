// Measures one office instance: the time from "create" until it is ready,
// the time "quit" takes, and the peak memory of the office process with the
// letter template open.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "ScratchFiles.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int Runs = 7;
    QTemporaryDir dir;
    const QString letter = dir.filePath(QStringLiteral("template.doc"));
    SaveBytesToFile(templateBytes(), letter);

    LibreOfficeAutomation automation;
    std::vector<double> starts, quits;
    long peakKb = 0;
    automation.createApplication()->quit(); // warm the local UNO bootstrap and the disk cache
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto office = automation.createApplication();
        starts.push_back(timer.nsecsElapsed() / 1e6);
        office->documents().open(letter, {.readOnly = true})->close();
        peakKb = std::max(peakKb, procStatusKb(automation.lastInstanceProcessId(), "VmHWM"));
        timer.restart();
        office->quit();
        quits.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("Office instance (%d runs, private profile each)\n", Runs);
    printStats("create until ready", starts);
    printStats("quit until the process has ended", quits);
    std::printf("%-46s %8.1f MB\n", "peak memory of one office (template open)", peakKb / 1024.0);
    return 0;
}
