#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "AppTitle.h"
#include "BatchOptions.h"
#include "DisplayCheck.h"
#include "Form1.h"
#include "LetterBatch.h"
#include "LetterTemplate.h"
#include "LettersListing.h"
#include "Main.h"
#include "MessageBoxMessenger.h"
#include "OfficeAutomation.h"
#include "Settings.h"
#include "ScratchFiles.h"
#include "StopSignals.h"
#include "Translations.h"

namespace {
// How long a stop may take the window's thread before the program ends
// without it.
constexpr int StopGraceMs = 3000;
// Once the main window has been drawn, the first letter's preparations.
constexpr int PrepareAfterShowMs = 250;

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(CompanyName));
    QCoreApplication::setApplicationName(QString::fromLatin1(ProductName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionText));
}

// "tessaline --batch ...", --help, --version or a wrong command line: no
// window and no display needed. The command line is read again here: its
// help and messages, Qt's lines among them, need the translations, which
// need an application object, which the first reading (made before it is
// known whether the window's own is wanted) had none of.
int runWithoutWindow(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    setApplicationIdentity();
    const Translations translations;
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.road == CommandLine::Road::Batch)
        return runBatch(*commandLine.batch,
                        ::isatty(STDERR_FILENO) ? BatchProgress::Output::Terminal : BatchProgress::Output::Plain);
    if (commandLine.road == CommandLine::Road::Letters)
        return LettersListing::print(commandLine.lettersAsCsv);
    std::fprintf(commandLine.exitStatus == 0 ? stdout : stderr, "%s\n", qPrintable(commandLine.message.trimmed()));
    return commandLine.exitStatus;
}
} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (parseCommandLine(arguments).road != CommandLine::Road::Window)
        return runWithoutWindow(argc, argv, arguments);
    const DisplayCheck display(arguments);
    if (!display.canOpen()) {
        const QCoreApplication app(argc, argv);
        const Translations translations;
        std::fprintf(stderr, "%s: %s\n", CommandName, qPrintable(display.problem()));
        return ExitNoDisplay;
    }

    QApplication app(argc, argv);
    setApplicationIdentity();
    QGuiApplication::setDesktopFileName(QStringLiteral("tessaline"));
    const Translations translations;
    // SIGTERM (a logout, kill), SIGINT and SIGHUP end the program the way
    // its window does, so that its offices and scratch files go with it
    // rather than being left running; a second one ends it at once. Should
    // the window's thread be held up meanwhile (at start, in a dialog), the
    // program ends anyway, its scratch folder removed and its offices ended
    // by their guard.
    const StopSignals stopSignals;
    StopSignals::endWithin(StopGraceMs, [] { ScratchFiles::removeRunFolder(); });
    QSocketNotifier stopAsked(StopSignals::wakeFd(), QSocketNotifier::Read);
    QObject::connect(&stopAsked, &QSocketNotifier::activated, &app, [] {
        StopSignals::take();
        QCoreApplication::quit();
    });

    // What killed runs of this user left behind (letters, page pictures,
    // office profiles and pipes) goes before anything of this run is made.
    ScratchFiles::removeLeftoversOfDeadRuns();
    word::removeOfficeLeftoversOfDeadRuns();

    MessageBoxMessenger messenger;
    Settings settings;
    // Each spare opens the letter template once before it counts as
    // ready, so that the first letter finds the office's filters loaded.
    word::OfficeOptions offices;
    offices.spares = word::WindowSpares;
    offices.warmUpDocument = templateBytes(LetterDesigns::stored());
    const std::unique_ptr<word::Automation> automation = word::makeOfficeAutomation(offices);
    // One spare starts now and serves the start-up check; taking it starts
    // the others, which come up while the main window shows, so the start
    // is no slower than without them.
    automation->startSpares(1);

    Form1 form1({messenger, settings, *automation});
    if (form1.Form_Load() == Form1::LoadResult::EndProgram)
        return 1;
    // A stop taken in a dialog of the start ended that dialog's loop only.
    int exitCode = 0;
    if (!StopSignals::asked()) {
        form1.show();
        QTimer::singleShot(PrepareAfterShowMs, &form1, [&form1] { form1.prepareFirstLetter(); });
        exitCode = app.exec();
    }
    ScratchFiles::removeRunFolder();
    return exitCode;
}
