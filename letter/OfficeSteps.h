#pragma once

#include <functional>

class ErrorTrap;

// The steps of one operation that need its office instance and its
// document, run through the operation's error trap. A failure is reported
// as usual; but once a step the operation cannot do without has failed (no
// instance, no document) or the instance is lost (it ended, or hung and
// was stopped), the later steps that need it are skipped, so that the one
// failure is reported once rather than once per later step.
class OfficeSteps
{
public:
    explicit OfficeSteps(ErrorTrap &trap) : m_trap(trap) { }

    // A step the operation cannot do without: when it fails, no later
    // office step runs. Answers whether it ran to its end.
    bool essential(int line, const std::function<void()> &body);
    // A step that needs the office; skipped once the office is out of
    // reach. Answers whether it ran to its end.
    bool step(int line, const std::function<void()> &body);
    // The test of a conditional office step: a failing test counts as
    // passed, as with every trapped test; a skipped one as not passed.
    bool test(int line, const std::function<bool()> &condition);

    // Ends the operation's office steps without a report of its own, for a
    // failure that has been reported elsewhere.
    void giveUp() { m_possible = false; }

    // False once an essential step failed or the office was lost.
    bool possible() const { return m_possible; }
    // True once the office instance was lost: there is nothing to quit.
    bool officeLost() const { return m_officeLost; }

private:
    bool run(int line, const std::function<void()> &body);

    ErrorTrap &m_trap;
    bool m_possible = true;
    bool m_officeLost = false;
};
