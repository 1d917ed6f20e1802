#include "BatchProgress.h"

#include <algorithm>

#include <QObject>

namespace {
constexpr int BarWidth = 30;
constexpr qint64 RedrawIntervalMs = 200;

QString clockText(qint64 seconds)
{
    return seconds >= 3600 ? QStringLiteral("%1:%2:%3")
                                     .arg(seconds / 3600)
                                     .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                           : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

BatchProgress::BatchProgress(std::FILE *reports, std::FILE *summary, Output output, int rows)
    : m_stream(reports), m_summaryStream(summary), m_output(output), m_rows(rows)
{
    m_clock.start();
}

void BatchProgress::clearLine()
{
    if (m_barShown)
        std::fputs("\r\033[K", m_stream);
    m_barShown = false;
}

void BatchProgress::note(const QString &text)
{
    clearLine();
    std::fprintf(m_stream, "%s\n", qPrintable(text));
    if (m_output == Output::Terminal)
        drawBar();
    std::fflush(m_stream);
}

void BatchProgress::rowDone(const QString &text, Kind kind)
{
    ++m_done;
    if (m_output == Output::Plain || kind == Kind::Notable)
        note(text);
    else
        tick();
}

void BatchProgress::tick()
{
    if (m_output != Output::Terminal)
        return;
    const qint64 now = m_clock.elapsed();
    if (m_lastDrawMs >= 0 && now - m_lastDrawMs < RedrawIntervalMs && m_done < m_rows)
        return;
    drawBar();
    std::fflush(m_stream);
}

void BatchProgress::drawBar()
{
    m_lastDrawMs = m_clock.elapsed();
    const double seconds = std::max<qint64>(m_lastDrawMs, 1) / 1000.0;
    const double rate = m_done / seconds;
    const int filled = m_rows > 0 ? BarWidth * m_done / m_rows : BarWidth;
    QString line = QStringLiteral("\r[%1%2] %3/%4  ")
                           .arg(QString(filled, u'#'), QString(BarWidth - filled, u'-'))
                           .arg(m_done)
                           .arg(m_rows)
            + QObject::tr("%1 letters/s").arg(rate, 0, 'f', 1);
    if (m_done > 0 && m_done < m_rows)
        line += QStringLiteral("  ") + QObject::tr("%1 left").arg(clockText(qint64((m_rows - m_done) / rate + 0.5)));
    std::fputs("\r\033[K", m_stream);
    std::fputs(qPrintable(line), m_stream);
    m_barShown = true;
}

void BatchProgress::finish(const QString &summary)
{
    clearLine();
    std::fflush(m_stream);
    std::fprintf(m_summaryStream, "%s\n", qPrintable(summary));
    std::fflush(m_summaryStream);
}

void BatchProgress::fail(const QString &reason)
{
    clearLine();
    std::fprintf(m_stream, "%s\n", qPrintable(reason));
    std::fflush(m_stream);
}
