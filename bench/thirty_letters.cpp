// Thirty letters in a row in one run of the program, as a user makes them
// (click, preview, "< Back"): the time of each, the memory of the program
// and of the office at work at letters 1, 10 and 30 (no growth past noise
// expected), and after the run has ended: no office process and no file
// of it left (scratch folder, office profiles, pipe sockets).
//
// The letters are made in a child process of this program, so that "after
// the end" is after a real exit. Run: build/bench/thirty_letters
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include "Form1.h"
#include "Form2.h"
#include "LetterBenchSupport.h"
#include "LetterFields.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "OfficeProcess.h"
#include "ScratchFiles.h"

namespace {
constexpr int Letters = 30;
constexpr int ReportedLetters[] = {1, 10, 30};

int makeLetters()
{
    // As the program starts: warmed spares, one at once, the other when it
    // is taken.
    SampleLetterWindow window(LibreOfficeAutomation::ProgramSpares, 1, templateBytes(LetterDesign::Classic));
    LibreOfficeAutomation &automation = window.automation;
    MeasuringAutomation &measuring = window.measuring;
    Form1 &form = window.form;

    std::printf("%-8s %10s %14s %16s %14s\n", "letter", "time (ms)", "program (MB)", "program heap", "office (MB)");
    std::vector<double> times;
    for (int letter = 1; letter <= Letters; ++letter) {
        // A user reads the preview before the next letter: the spares come up.
        waitFor([&] { return automation.readySpares() == LibreOfficeAutomation::ProgramSpares; }, 30000);
        QElapsedTimer timer;
        timer.start();
        form.PushButton6_Click();
        if (!waitFor([&] { return form.form2().isVisible() && !form.form2().isFirstActivationPending(); }, 60000)) {
            std::fprintf(stderr, "letter %d: no preview\n", letter);
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
        form.form2().PushButton8_Click();
        const bool reported = std::find(std::begin(ReportedLetters), std::end(ReportedLetters), letter)
                != std::end(ReportedLetters);
        std::printf("%-8d %10.1f", letter, times.back());
        // Resident memory, and the bytes the program's allocations really
        // hold (resident memory also counts freed pages the allocator keeps).
        if (reported)
            std::printf(" %14.1f %16.1f %14.1f", procStatusKb(QCoreApplication::applicationPid(), "VmRSS") / 1024.0,
                        double(mallinfo2().uordblks + mallinfo2().hblkhd) / (1024 * 1024),
                        measuring.lastOfficeKb / 1024.0);
        std::printf("\n");
    }
    printStats("time per letter", times);
    std::fflush(stdout);
    return 0;
}

// What a run of the program with this process id left behind.
QStringList leftBehind(qint64 pid, const QString &temp, const QString &cache)
{
    QStringList left;
    const QString runFolder = temp + QStringLiteral("/tessaline-%1/%2").arg(::getuid()).arg(pid);
    if (QFileInfo::exists(runFolder))
        left << runFolder;
    QDirIterator files(temp, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext())
        left << files.next();
    for (const QString &profile : QDir(cache).entryList({QStringLiteral("tessaline-office-%1-*").arg(pid)}, QDir::Dirs))
        left << profile;
    for (const QString &socket :
         QDir(QStringLiteral("/tmp"))
                 .entryList({QStringLiteral("OSL_PIPE_%1_tessaline-%2-*").arg(::getuid()).arg(pid)}, QDir::System))
        left << socket;
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-f"), QStringLiteral("[t]essaline-office-%1-").arg(pid)});
    pgrep.waitForFinished();
    for (const QByteArray &office : pgrep.readAllStandardOutput().split('\n'))
        if (!office.isEmpty())
            left << QStringLiteral("office process %1").arg(QString::fromLatin1(office));
    return left;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        const int result = makeLetters();
        ScratchFiles::removeRunFolder();
        return result;
    }

    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    const QString temp = work.filePath(QStringLiteral("tmp"));
    const QString cache = work.filePath(QStringLiteral("cache"));
    QDir().mkpath(temp);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("temp"));
    environment.remove(QStringLiteral("TEMP"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    std::printf("%d letters in a row in one run (sample letter, %d cores)\n", Letters, QThread::idealThreadCount());
    std::fflush(stdout);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    if (!child.waitForStarted())
        return 1;
    const qint64 pid = child.processId();
    child.waitForFinished(-1);

    const QStringList left = leftBehind(pid, temp, cache);
    std::printf("%-46s %s\n", "left after the program ended",
                left.isEmpty() ? "nothing (no office, no file)" : qPrintable(left.join(QStringLiteral(", "))));
    return child.exitCode() == 0 && left.isEmpty() ? 0 : 1;
}
