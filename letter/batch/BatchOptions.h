#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "ColumnNames.h"
#include "LetterFormat.h"
#include "FileInPlace.h"
#include "LetterDesign.h"
#include "PaperSize.h"

// Without --jobs, a batch runs one office, and one more per this many
// letters up to the number of cores: a further office pays for its start
// (about a second of both cores) only on a long list.
inline constexpr int RowsPerOffice = 150;

// What "tessaline --batch LIST.csv --out FOLDER ..." asks for.
struct BatchOptions
{
    QString listPath;
    QString outFolder;
    QString templatePath;  // empty: the window's choice, else the built-in one
    QString signaturePath; // empty: the window's choice, else none
    std::vector<word::LetterFormat> formats;
    QString namePattern;
    int jobs = 0; // office processes working at once; 0: chosen (see runBatch)
    Overwrite overwrite = Overwrite::Never;
    char separator = 0; // between the list's fields; 0: found from its header line
    // Placeholders that nothing fills and that may come out empty rather
    // than stop the run (names as given, with or without brackets).
    QStringList allowEmpty;
    bool allowEveryEmpty = false; // --allow-empty all
    bool strict = false;          // a warning stops the run before any letter
    // Columns mapped by hand to placeholders (--columns).
    ColumnNames::Mapping columns;
    // Only say what the run would do, and the first row's letter as text:
    // nothing is written, not even the output folder.
    bool dryRun = false;
    // The sheet of a spreadsheet list to read; empty: the first.
    QString sheet;
    bool requireJail = false; // no office without its jail (OfficeJail.h)
    bool keepRecord = true;   // the letters go into the record (LettersRecord.h) unless --no-record
    // The built-in letter's paper; nullopt: the window's choice, else the
    // locale's. A template of the user's own keeps its own.
    std::optional<PaperSize> paper;
    // The built-in letter's design; nullopt: the window's choice (the
    // settings' "Design"). A template of the user's own has none.
    std::optional<LetterDesign> design;
    // Every letter of the run, in list order, in one PDF besides the
    // per-row files (or instead of them: then `formats` is empty and
    // `outFolder` the PDF's own folder); empty: none.
    QString combinedPath;
};

// What the command line asks for: the window, a batch, or only text to
// print (help, the version, or an error naming the option) and the exit
// status.
struct CommandLine
{
    // Letters: the record of letters printed (--letters), as CSV with --csv.
    enum class Road { Window, Batch, Print, Letters };
    Road road = Road::Window;
    std::optional<BatchOptions> batch; // for Road::Batch
    bool lettersAsCsv = false;
    QString message; // for Road::Print: on stdout with status 0, else on stderr
    int exitStatus = 0;
};

// The name the program goes by in its messages and usage, wherever it was
// started from.
inline constexpr char CommandName[] = "tessaline";

// Exit statuses, as other command-line tools give them: rows skipped because
// their letters exist, and empty rows, count as done.
inline constexpr int ExitNothingFailed = 0;
inline constexpr int ExitSomeFailed = 1; // also: --strict and a warning
inline constexpr int ExitNoDisplay = 1;
inline constexpr int ExitUsage = 2; // a bad command line, list or template
inline constexpr int ExitInterrupted = 130;

// Parses the arguments (the program's name first). Needs no application
// object: it is read before one is made, because the window's needs a
// display and a wrong command line is refused without one too.
CommandLine parseCommandLine(const QStringList &arguments);
