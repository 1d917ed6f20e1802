#pragma once

#include <csignal>

// SIGINT and SIGTERM ask a batch to stop; a second one ends the program at
// once (its offices die with it all the same). Installed for the batch's
// life on the thread that schedules it.
class StopSignals
{
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // Whether a stop has been asked.
    static bool asked();
    // Readable once a stop has been asked: wakes a wait on a file (the
    // list being read from a FIFO) that the flag alone would not end.
    static int wakeFd();
    // Workers leave the signals to the scheduler's thread.
    static void blockInThisThread();

private:
    struct sigaction m_oldInt
    { };
    struct sigaction m_oldTerm
    { };
};
