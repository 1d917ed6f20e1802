// A program that creates an office instance and then waits to be killed:
// the test kills it with SIGKILL and checks that its office dies with it.
#include <cstdio>

#include <QCoreApplication>
#include <QThread>

#include "Failure.h"
#include "LibreOfficeAutomation.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    LibreOfficeAutomation automation;
    try {
        auto office = automation.createApplication();
        std::printf("ready\n");
        std::fflush(stdout);
        QThread::sleep(600);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
