// A program that starts offices and then waits to be killed: the test kills
// it with SIGKILL and checks that its offices die with it. With "--spares"
// it keeps spare offices instead of creating one instance.
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "Failure.h"
#include "LibreOfficeAutomation.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool spares = argc > 1 && std::strcmp(argv[1], "--spares") == 0;
    LibreOfficeAutomation automation({.spares = spares ? LibreOfficeAutomation::ProgramSpares : 0});
    try {
        std::shared_ptr<word::Application> office;
        if (spares) {
            automation.startSpares();
            QElapsedTimer timer;
            timer.start();
            while (automation.readySpares() < LibreOfficeAutomation::ProgramSpares && timer.elapsed() < 60000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        } else {
            office = automation.createApplication();
        }
        std::printf("ready\n");
        std::fflush(stdout);
        QThread::sleep(600);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
