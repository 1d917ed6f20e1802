#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "HeldOffice.h"
#include "LetterEngine.h"
#include "WordAutomation.h"

// The page as the user types: the letter the fields would make now, made
// by the letter engine from the same template, letter text and further
// values, redrawn once the fields have rested for QuietMs, in one office
// of its own that it keeps while the page is on screen.
//
// It never holds up the window: a change only restarts the quiet timer,
// the letter is made on a worker, and a redraw at work when a newer change
// comes is not stopped (that would end the office) but dropped when it
// ends, and the newest one follows. Only the newest change's page is ever
// told. While off (the page hidden or minimised), no office work starts,
// and the office is given back as soon as none is at work in it.
class LivePage : public QObject
{
    Q_OBJECT
public:
    // How long the fields rest before the page is redrawn, in milliseconds:
    // longer than the pause between two keys of a word, short enough that
    // the page follows a pause for thought at once (a redraw of a letter
    // kept open costs about a tenth of a second in its own office).
    static constexpr int QuietMs = 200;

    // `currentLetter` says what the fields would make now; it is asked on
    // this thread as each redraw starts.
    LivePage(word::Automation &automation, std::function<LetterRequest()> currentLetter, QObject *parent = nullptr);
    // A redraw at work ends at once, and the office with it.
    ~LivePage() override;

    // On: the page is kept up to date, and drawn at once when it is behind.
    // Off: nothing more is drawn, and the office is given back.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    // Something the letter is made from changed: the page is redrawn once
    // the fields have rested for QuietMs.
    void letterChanged();
    // Draws the newest letter now (after a failure, say).
    void redraw();

    // A letter is being made for the page.
    bool isDrawing() const { return m_engine != nullptr; }
    // A redraw is due: the quiet time runs.
    bool isWaiting() const { return m_quiet.isActive(); }
    // An office is held for the page.
    bool holdsOffice() const { return m_office.holds(); }
    // Where the last page told took its time, for the benchmarks.
    const LetterTimings &lastTimings() const { return m_lastTimings; }

signals:
    // The newest letter's pages (at least one) and, when something about it
    // is worth a look, a line that says so (else empty).
    void drawn(const std::vector<word::PagePicture> &pages, const QString &notice);
    // The newest letter could not be drawn: one line that says so; the page
    // shown stays.
    void notDrawn(const QString &notice);

private:
    void redrawDone();
    void tell(const MadeLetter &made);

    word::Automation &m_automation;
    std::function<LetterRequest()> m_currentLetter;
    QTimer m_quiet;
    bool m_on = false;
    // Counted changes: the newest, the one the page at work is made of,
    // and the one the page shown (or its failure) tells of.
    quint64 m_change = 1;
    quint64 m_changeAtWork = 0;
    quint64 m_changeTold = 0;
    // The newest change told could not be drawn: shown again, the page
    // tries once more rather than keep a stale line over an old page.
    bool m_toldFailure = false;
    LetterTimings m_lastTimings;
    // Declared before the engine, which uses it and goes first.
    HeldOffice m_office;
    std::unique_ptr<LetterEngine> m_engine;
};
