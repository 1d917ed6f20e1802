#pragma once

// Small helpers shared by the benchmarks: timing statistics and the memory
// of processes as the kernel counts it.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include "Messenger.h"

struct Stats
{
    double median = 0, min = 0, max = 0;
};

inline Stats statsOf(std::vector<double> values)
{
    Stats s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

inline void printStats(const char *what, const std::vector<double> &ms)
{
    const Stats s = statsOf(ms);
    std::printf("%-46s median %8.1f ms   spread %8.1f .. %8.1f ms   (%zu runs)\n", what, s.median, s.min, s.max,
                ms.size());
}

// A field of /proc/PID/status in kB (VmHWM: peak resident memory; VmRSS:
// resident now), or 0.
inline long procStatusKb(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Lets events run until the condition holds, up to timeoutMs; false when
// it never did.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Messages go to stderr, where a benchmark's reader sees what went wrong;
// every question is answered No, and a choice takes its first button
// (the letter is made).
class PrintingMessenger : public Messenger
{
public:
    void showMessage(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    Answer askYesNo(const QString &) override { return Answer::No; }
    int askChoice(const QString &text, const QStringList &, int) override
    {
        std::fprintf(stderr, "choice: %s\n", qPrintable(text));
        return 0;
    }
};

// A benchmark's own world: its settings file and scratch folder live in a
// temporary folder that goes when it ends.
struct BenchFolder
{
    QTemporaryDir work;
    BenchFolder()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.filePath(QStringLiteral("config")));
        qputenv("temp", QFile::encodeName(work.path()));
    }
    QString path() const { return work.path(); }
};

// "soffice --headless --convert-to" as a user would script it, with a
// profile of its own in profileFolder.
inline void convertWithSoffice(const QString &profileFolder, const QString &to, const QString &outdir,
                               const QString &file)
{
    QProcess soffice;
    soffice.start(QStringLiteral("soffice"),
                  {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profileFolder).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"), to, QStringLiteral("--outdir"), outdir,
                   file});
    soffice.waitForFinished(120000);
}
