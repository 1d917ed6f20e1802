#pragma once

// Small helpers shared by the benchmarks: timing statistics and the memory
// of processes as the kernel counts it.

#include <algorithm>
#include <cstdio>
#include <vector>

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
