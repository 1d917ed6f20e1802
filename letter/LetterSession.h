#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "HeldOffice.h"
#include "LetterEngine.h"

class Messenger;
class SpellChecker;
namespace word {
class Automation;
}

// The main window's letter, without its widgets: the template in use,
// what a letter is made from now, the letter being made, what the engine
// met told in the order it met it, and the check before a made letter
// shows. The window drives it: it reads the fields, runs the engine under
// its progress window and shows what comes out.
class LetterSession
{
public:
    LetterSession(Messenger &messenger, word::Automation &automation);
    ~LetterSession();
    LetterSession(const LetterSession &) = delete;
    LetterSession &operator=(const LetterSession &) = delete;

    // The template letters are made from: a user's file, or empty for the
    // built-in one.
    QString templateFile() const { return m_templateFile; }
    // The choice the settings keep, at start-up.
    void loadTemplateChoice();
    // Keeps a choice for later runs (empty: the built-in letter). Throws
    // Failure when the settings cannot be written; the choice then holds
    // for this run all the same, once used.
    static void rememberTemplate(const QString &path);
    void useTemplate(const QString &path);

    // What a letter is made from now: the twelve fields as typed, the
    // values stored beside them (More Fields, phone, e-mail, wording,
    // letter text), today's date, the template in use and the paper and
    // design chosen.
    LetterRequest request(const FieldValues &typed, PaperSize paper, LetterDesign design,
                          int pixelsPerLogicalInch) const;

    // The letter being made: its engine, which the window runs; the
    // offices kept ready are not replaced until releaseOffices().
    LetterEngine &startLetter(const LetterRequest &request);
    LetterEngine *letterInProgress() const { return m_letter.get(); }
    // Once the engine is done (or cancelled): tells its reports, keeps its
    // timings, and hands over what it made.
    MadeLetter endLetter();
    // The next letter's office may start.
    void releaseOffices();

    // Makes the next letter ready in the background, from `request` (the
    // fields as they stand): the window's office taken, the letter opened,
    // its lines set and its placeholders found and filled, so that a
    // "Start Creating Template" of the same shape only fills what changed.
    // Nothing is shown or told; a letter started meanwhile waits for it on
    // its worker, never on the window's thread.
    void prepareNextLetter(LetterRequest request);
    const LetterTimings &lastLetterTimings() const { return m_lastTimings; }

    // What the user decided about a made letter the check found something
    // wrong in; `notice` is what is merely worth a look, for beside the
    // preview.
    enum class Decision { Show, GoBack, MoreFields };
    Decision decide(const LetterRequest &request, const MadeLetter &made, QString &notice);
    // A made letter that is not shown leaves nothing behind.
    static void discard(const MadeLetter &made);

    // The placeholders the user's own template held when a letter was last
    // made from it, for More Fields.
    QStringList ownTemplateNames() const { return m_templateFile.isEmpty() ? QStringList() : m_ownTemplateNames; }
    // Loads the dictionary the check before a letter uses, if not yet.
    void prepareCheck() { spelling(); }

private:
    SpellChecker &spelling();

    Messenger &m_messenger;
    word::Automation &m_automation;
    QString m_templateFile;
    // The window's letters are made in one office, kept from letter to
    // letter with the last letter open in it: going back to the fields and
    // making the letter again only fills it anew. Declared before the
    // engine, which uses it, so that it outlives it.
    HeldOffice m_office;
    std::unique_ptr<LetterEngine> m_letter;
    // The letter being made ready (see prepareNextLetter), until it is
    // done and no letter waits for it.
    std::unique_ptr<LetterEngine> m_ready;
    bool m_readyDone = false;
    void dropReadyLetter();
    LetterTimings m_lastTimings;
    QStringList m_ownTemplateNames;
    std::unique_ptr<SpellChecker> m_spelling;
};
