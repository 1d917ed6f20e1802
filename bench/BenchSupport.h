#pragma once

// Small helpers shared by the benchmarks: timing statistics and the memory
// of processes as the kernel counts it.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QDir>
#include <QFile>
#include <QString>

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

// The office processes started by the given process.
inline std::vector<qint64> officeChildren(qint64 parent)
{
    std::vector<qint64> result;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() > 1 && fields[0] != "Z" && fields[1].toLongLong() == parent
            && line.contains("(soffice.bin)"))
            result.push_back(pid);
    }
    return result;
}
