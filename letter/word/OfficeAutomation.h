#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "WordAutomation.h"

// The one way the rest of the program gets its offices: the factory of
// the real backend of the automation interface (private LibreOffice
// processes in jails, driven over UNO; see libreoffice/). Nothing above
// this folder knows that backend, so that the letter, the batch and the
// windows are tested with a scripted office and run with the real one.
namespace word {

// The offices the window keeps ready: a letter uses one, and the next
// click must not wait for another to start.
inline constexpr int WindowSpares = 2;

struct OfficeOptions
{
    // How many offices are kept started ahead of need: the window's
    // WindowSpares, the batch's as many as it makes letters side by side.
    int spares = 0;
    // Whether taking a spare starts its replacement (the window, which
    // always wants the next letter ready) or not (the batch, which starts
    // its offices once and keeps them).
    bool refillOnTake = true;
    // A document each spare opens, writes and renders once before it
    // counts as ready, so that the first letter finds the office's text
    // filters loaded; empty for none.
    QByteArray warmUpDocument{};
    // No office runs without its jail: the automation's refusal() says why
    // when there is none (the batch's --require-jail; the window reads the
    // setting RequireJail).
    bool requireJail = false;
    // The office program its offices run (soffice.bin); empty for the
    // installed office's. A path that cannot be run is no office at all,
    // as on a computer without one.
    QString officeProgram{};
    // How long one call into one of its offices may take before the office
    // is taken for hung and killed; 0 for the program's OfficeCallDeadlineMs.
    int callDeadlineMs = 0;
};

std::unique_ptr<Automation> makeOfficeAutomation(const OfficeOptions &options);

// What killed runs of this user left of their offices (profiles, pipes),
// removed before this run starts one.
void removeOfficeLeftoversOfDeadRuns();

} // namespace word
