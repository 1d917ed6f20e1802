#include "LivePage.h"

#include <exception>
#include <utility>

#include "Logging.h"

namespace {
// The first line of a report: the live page tells it in one.
QString firstLine(const QString &text)
{
    return text.section(u'\n', 0, 0).trimmed();
}
} // namespace

LivePage::LivePage(word::Automation &automation, std::function<LetterRequest()> currentLetter, QObject *parent)
    : QObject(parent), m_automation(automation), m_currentLetter(std::move(currentLetter))
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &LivePage::redraw);
}

LivePage::~LivePage() = default;

void LivePage::setOn(bool on)
{
    m_on = on;
    if (on) {
        if (m_changeTold != m_change || m_toldFailure)
            redraw();
        return;
    }
    m_quiet.stop();
    // A redraw at work gives the office back when it ends.
    if (!m_engine)
        m_office.giveBack();
}

void LivePage::letterChanged()
{
    ++m_change;
    if (m_on)
        m_quiet.start();
}

void LivePage::redraw()
{
    m_quiet.stop();
    // The one at work is dropped when it ends, and this one follows.
    if (!m_on || m_engine)
        return;
    LetterRequest request = m_currentLetter();
    request.keep = LetterRequest::Keep::PagesOnly;
    m_changeAtWork = m_change;
    m_engine = std::make_unique<LetterEngine>(m_automation, std::move(request), &m_office);
    connect(m_engine.get(), &BackgroundJob::finished, this, &LivePage::redrawDone);
    try {
        m_engine->start();
    } catch (const std::exception &e) {
        qCWarning(lcLetter) << "the live page could not start a letter:" << e.what();
        m_engine.reset();
        m_changeTold = m_changeAtWork;
        m_toldFailure = true;
        emit notDrawn(tr("Not redrawn: %1").arg(firstLine(QString::fromUtf8(e.what()))));
    }
}

void LivePage::redrawDone()
{
    // The engine is signalling still: it goes once its signal is done.
    std::unique_ptr<LetterEngine> engine = std::move(m_engine);
    engine->deleteLater();
    LetterEngine &letter = *engine.release();
    try {
        letter.complete();
    } catch (const std::exception &e) {
        qCWarning(lcLetter) << "the live page's letter did not end cleanly:" << e.what();
    }
    if (m_changeAtWork == m_change) {
        m_changeTold = m_changeAtWork;
        tell(letter.result());
    } else {
        qCDebug(lcLetter) << "a live page overtaken by a newer change is dropped";
    }
    if (!m_on) {
        m_office.giveBack();
        return;
    }
    if (m_changeTold != m_change && !m_quiet.isActive())
        redraw();
}

void LivePage::tell(const MadeLetter &made)
{
    m_lastTimings = made.timings;
    const QString report = made.reports.empty() ? QString() : firstLine(made.reports.front().description);
    m_toldFailure = made.pages.empty();
    if (!made.pages.empty()) {
        emit drawn(made.pages, report);
        return;
    }
    if (made.officeLost)
        emit notDrawn(tr("Not redrawn: the office stopped. Your next change draws the page again."));
    else
        emit notDrawn(tr("Not redrawn: %1").arg(report));
}
