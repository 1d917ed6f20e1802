#pragma once

#include <QByteArray>
#include <QString>

#include "WordAutomation.h"

// Lists kept in spreadsheets. People keep their letters' recipients in a
// spreadsheet more often than in a CSV file; the batch reads one sheet of
// it through the office, as the CSV text that parseLetterList takes, every
// cell as the sheet shows it (a ZIP code keeps its leading zero, a date
// reads as it is written, not as the number the sheet stores).

// Whether the file is a spreadsheet by its name: .xlsx, .xls or .ods, in
// any letter case. Anything else is read as CSV.
bool isSpreadsheetList(const QString &path);

// The sheet `sheetName` of the spreadsheet at `path` (an empty name: the
// first sheet the file shows), as CSV: UTF-8 without a byte-order mark,
// comma-separated, fields quoted as RFC 4180 quotes them, the header row
// first (see word::Documents::saveSheetAsCsv).
//
// `office` is a running office of the caller's, which this uses for one
// call and leaves running. `scratchFolder` is this run's scratch folder
// (ScratchFiles::folder()): the one folder of the user's that the office's
// jail lets it read and write. The file is copied there, the office writes
// its CSV there, and both files are removed before this returns; the
// user's file is only read. A small list takes about a quarter of a
// second in an office's first spreadsheet (it loads its filters then),
// under a tenth after (office_bench measures it).
//
// Throws FileProblem, its sentence naming the file, when the file or its
// sheet is the problem: it is missing, not a regular file, larger than
// 100 MB, unreadable, empty, not a spreadsheet, damaged, protected by a
// password; no sheet has that name (the sentence names the sheets it has);
// the sheet is empty, its first row is empty, or cells of its first row
// are merged. Throws Failure when the office is the problem: with
// Failure::Kind::OfficeLost the office has gone (ended, or hung and was
// killed) and the caller needs another; or when the scratch folder cannot
// be written.
QByteArray sheetAsCsv(word::Application &office, const QString &path, const QString &sheetName,
                      const QString &scratchFolder);
