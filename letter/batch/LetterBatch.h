#pragma once

#include <cstdio>

#include "BatchOptions.h"

#include "BatchProgress.h"

// Runs a batch: reads the list, starts a pool of private offices (as many
// as asked, never more than there are letters), has each make letters one
// after another from the template loaded once (fill, write every format,
// undo), and moves each finished file into place whole.
//
// An office that crashes, or hangs past the row deadline and is killed,
// is replaced and its row tried once more; a bad row is reported with its
// line and the others go on; an empty row is reported and skipped. SIGINT or
// SIGTERM stops it cleanly, even while the list is still being read: rows in
// progress end (whole or not at all), no new one starts, the offices end.
//
// Reports and progress go to stderr, the summary line to stdout. Returns
// the exit status (see BatchOptions.h).
int runBatch(const BatchOptions &options, BatchProgress::Output output);

namespace word {
class Automation;
}

// Where a batch writes: its progress and reports, and its summary line.
struct BatchStreams
{
    std::FILE *reports = stderr;
    std::FILE *summary = stdout;
};

// The same run with the offices of `offices`, which outlives it, writing
// to `streams`.
int runBatch(const BatchOptions &options, BatchProgress::Output output, word::Automation &offices,
             BatchStreams streams);
