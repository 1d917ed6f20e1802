#pragma once

#include <memory>

#include <QtGlobal>

// Deadlines on calls into an office process. A call into a hung office (a
// stopped or looping process) would never return and would freeze the
// program with it; so every call runs under a deadline, and when the
// deadline passes first a watchdog thread kills the office process. The
// dead office's connection then fails the pending call at once, and the
// caller reports the office as lost.

// How long one call into the office may take. A letter's steps each take
// well under a second, even on a busy machine; an office that has not
// answered one call in this time is taken for hung. An automation may set
// a deadline of its own (word::OfficeOptions::callDeadlineMs).
inline constexpr int OfficeCallDeadlineMs = 20000;

// How long a spare office may take to answer the check made before it is
// handed out. An idle, healthy office answers within milliseconds.
inline constexpr int SpareAnswerDeadlineMs = 5000;

// The one way the program ends an office process at once, from any
// thread: SIGKILL, which ends even a stopped process. The deadlines, a
// user's Cancel and the office pool all kill through it.
void killOfficeProcess(qint64 processId);

// A deadline armed on one office process for as long as the object lives.
class OfficeDeadline
{
public:
    OfficeDeadline(qint64 processId, int timeoutMs);
    ~OfficeDeadline();
    OfficeDeadline(const OfficeDeadline &) = delete;
    OfficeDeadline &operator=(const OfficeDeadline &) = delete;

    // Whether the deadline passed and the process was killed.
    bool expired() const;
    // How long the process was given, for the words that tell of it.
    int timeoutMs() const { return m_timeoutMs; }

    struct Entry;

private:
    std::shared_ptr<Entry> m_entry;
    int m_timeoutMs;
};
