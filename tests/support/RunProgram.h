#pragma once

// Running a program to its end and reading what it said: the program under
// test, or a tool of the distribution that reads a file back.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProgramRun
{
    int exitCode = -1; // -1 when it crashed, was killed or never started
    QString out;
    QString errors;
    bool finished = false; // false: it did not end in time and was killed
};

struct ProgramOptions
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString workingFolder; // empty: this process's
    QByteArray input;      // its standard input, closed after these bytes
    int timeoutMs = 120000;
};

// Waits for a started program's end (killing it after `timeoutMs`) and
// reads what it wrote.
inline ProgramRun finishProgram(QProcess &program, int timeoutMs)
{
    ProgramRun run;
    run.finished = program.waitForFinished(timeoutMs);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit && program.error() != QProcess::FailedToStart
            ? program.exitCode()
            : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.errors = QString::fromUtf8(program.readAllStandardError());
    return run;
}

inline ProgramRun runProgram(const QString &program, const QStringList &arguments, const ProgramOptions &options = {})
{
    QProcess process;
    process.setProcessEnvironment(options.environment);
    if (!options.workingFolder.isEmpty())
        process.setWorkingDirectory(options.workingFolder);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(options.input);
    process.closeWriteChannel();
    return finishProgram(process, options.timeoutMs);
}
