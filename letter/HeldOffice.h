#pragma once

#include <memory>
#include <mutex>

#include <QString>
#include <QStringList>

#include "JobOffice.h"
#include "LetterFill.h"
#include "WordAutomation.h"

// The letter left open in a held office after a letter was made in it,
// with its placeholders found: the next letter of the same shape
// (template, letter text, lines, paper, which placeholders are empty) only
// fills it again, rather than open, lay out and search a fresh copy.
struct KeptLetter
{
    QByteArray shape;
    std::shared_ptr<word::Document> document;
    std::unique_ptr<PreparedLetter> prepared;
    QStringList ownTemplateNames;
};

// One office kept from letter to letter, for the window's letters and for
// the live page (each its own): taken on a worker the first time a letter
// needs it (the pool hands out a spare and starts another), used again by
// every later letter, and given back when its owner ends (the live page:
// when it leaves the screen). A Cancel, or an office found lost, lets it
// go, and the next letter takes a new one.
//
// take() runs on a worker; kill() on any thread; forget() and giveBack()
// on the owning thread while no letter is at work in the office.
class HeldOffice
{
public:
    HeldOffice();
    // Gives the office back.
    ~HeldOffice();
    HeldOffice(const HeldOffice &) = delete;
    HeldOffice &operator=(const HeldOffice &) = delete;

    // The office held, or a new one taken now (which may wait for it to
    // start). Throws what createApplication throws, and a Failure when a
    // kill() ended the wait.
    std::shared_ptr<word::Application> take(word::Automation &automation);
    // The wait for an office, or the office itself, ends at once; nothing
    // is held afterwards.
    void kill();
    // The office ended or hung and was stopped: it is let go without being
    // asked to quit.
    void forget();
    // The office is asked to end; nobody waits for its process.
    void giveBack();
    bool holds() const;

    // The letter kept open in the office, for the letter at work in it
    // alone (on its worker); forget(), giveBack() and a new office drop it.
    std::unique_ptr<KeptLetter> &kept() { return m_kept; }

private:
    mutable std::mutex m_mutex;
    // The wait for the next office, replaced once killed.
    std::shared_ptr<JobOffice> m_taking;
    std::shared_ptr<word::Application> m_office;
    std::unique_ptr<KeptLetter> m_kept;
};
