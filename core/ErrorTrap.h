#pragma once

#include <functional>

#include <QString>

class Messenger;

// The error trap of a handler that does work for the user. The handler is
// written as its numbered steps, each run through step(). A step that fails
// (throws) shows the error report with the handler's location and the
// step's line number; the handler then goes on with its next step, so a
// failure never ends a handler early and is never retried.
//
// The rest of the resume rules follow from plain C++ around the steps: a
// loop keeps running its iterations, a failing test() enters its
// conditional, and a procedure without a trap of its own simply throws,
// which abandons it and reports the line of the caller's step.
//
// A FileProblem (a file of the user's that they can put right) is told in
// its own plain words instead of the error report; the handler goes on
// all the same.
class ErrorTrap
{
public:
    ErrorTrap(Messenger &messenger, QString location);
    // Hands each failure to `report` rather than showing the error report:
    // the command line prints it beside the row it belongs to.
    using Reporter = std::function<void(const QString &description, int line)>;
    explicit ErrorTrap(Reporter report);
    // Hands failures to `report` and file problems to `tell`: a job that
    // runs where no window can be shown keeps both for the window.
    ErrorTrap(Reporter report, Reporter tell);

    // Runs one numbered step.
    void step(int line, const std::function<void()> &body);

    // The test of a conditional step; a failing test counts as passed.
    bool test(int line, const std::function<bool()> &condition);

    // How many reports (and file problems) this trap has shown.
    int reportCount() const { return m_reportCount; }

private:
    Reporter m_report;
    Reporter m_tell; // a file problem, in its own words
    int m_reportCount = 0;
};
