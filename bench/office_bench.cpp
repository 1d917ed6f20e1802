// Measures one office instance: the time from "create" until it is ready,
// the time "quit" takes, and the peak memory of the office process with the
// letter template open; and, in a running office, the time to read one
// sheet of a spreadsheet list as CSV (the first time, when the office loads
// its spreadsheet filters, and after).
#include <QElapsedTimer>
#include <QGuiApplication>

#include "BenchSupport.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "ScratchFiles.h"
#include "SheetList.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int Runs = 7;
    // In the run's scratch folder, as the program keeps it: the one folder
    // of ours that a jailed office sees.
    const QString scratch = ScratchFiles::folder();
    const QString letter = ScratchFiles::templateCopyPath(scratch);
    SaveBytesToFile(templateBytes(LetterDesign::Classic), letter);

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

    auto office = automation.createApplication();
    for (const char *suffix : {"xlsx", "ods"}) {
        const QString list = QStringLiteral(TESSALINE_SHEET_LISTS "/letters.") + QLatin1String(suffix);
        std::vector<double> first, later;
        for (int i = 0; i <= Runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            sheetAsCsv(*office, list, QString(), scratch);
            (i == 0 ? first : later).push_back(timer.nsecsElapsed() / 1e6);
        }
        printStats(qPrintable(QStringLiteral("sheet of .%1 as CSV, first of its kind").arg(suffix)), first);
        printStats(qPrintable(QStringLiteral("sheet of .%1 as CSV, later ones").arg(suffix)), later);
    }
    office->quit();
    ScratchFiles::removeRunFolder();
    return 0;
}
