#pragma once

#include <csignal>

// SIGINT, SIGTERM and SIGHUP (a closed terminal) ask a batch or the window
// to stop; a second one ends the program at once (its offices die with it
// all the same). Installed for the program's or the batch's life on the
// thread that schedules it.
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
    // Once a stop is asked, the program ends within graceMs even when the
    // thread that should end it is held up (a library waiting on the
    // window's thread) and has not taken the stop: lastWords runs on a
    // thread of its own, then the program exits with 128 + the signal's
    // number. Armed once.
    static void endWithin(int graceMs, void (*lastWords)());
    // The thread that ends the program has seen the stop and ends it.
    static void take();

private:
    struct sigaction m_oldInt
    { };
    struct sigaction m_oldTerm
    { };
    struct sigaction m_oldHangUp
    { };
};
