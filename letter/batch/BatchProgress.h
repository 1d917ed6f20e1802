#pragma once

#include <cstdio>

#include <QElapsedTimer>
#include <QString>

// What a user sees of a batch. On a terminal: one progress line on the
// report stream (stderr), rewritten in place (rows done, rate, time left),
// with the rows that need attention printed above it. Otherwise: one plain
// line per row. The summary alone goes to its own stream (stdout), where a
// script reads it.
class BatchProgress
{
public:
    enum class Output { Terminal, Plain };
    BatchProgress(std::FILE *reports, std::FILE *summary, Output output, int rows);

    // A note that belongs to no row (an ignored column, an interruption).
    void note(const QString &text);
    // A row has ended. Notable rows (skipped, failed) are shown on a
    // terminal too; plain output shows every row.
    enum class Kind { Ordinary, Notable };
    void rowDone(const QString &text, Kind kind);
    // Redraws the progress line (on a terminal; at most a few times a second).
    void tick();
    // Clears the progress line and prints the summary on its stream.
    void finish(const QString &summary);
    // Clears the progress line and reports why the batch cannot go on.
    void fail(const QString &reason);

private:
    void clearLine();
    void drawBar();

    std::FILE *m_stream;
    std::FILE *m_summaryStream;
    Output m_output;
    int m_rows;
    int m_done = 0;
    QElapsedTimer m_clock;
    qint64 m_lastDrawMs = -1;
    bool m_barShown = false;
};
