#pragma once

#include <cstdio>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "LetterFill.h"
#include "LettersRecord.h"

// The entry of a letter made from these fields: its company, recipient
// and the position applied for (the placeholder [Position], from More
// Fields or a list's column of that name), now.
LetterEntry letterEntry(const FieldValues &fields, const FurtherValues &further, const QString &format,
                        const QString &file);

// The record of letters as people read it: the columns' titles, each
// entry's cells, an aligned table for a terminal, and CSV for a
// spreadsheet or a script.
namespace LettersListing {

// "When", "Company", "Recipient", "Position", "Format", "Status", "File",
// in the user's language.
QStringList columnTitles();
// An entry's cells under those titles: its time in local time to the
// minute, its format in capitals ("PDF", "printed" for paper), its status
// in the user's words.
QStringList cells(const LetterEntry &entry);
QString formatText(const QString &format);

// The entries as a table whose columns line up, titles first.
QString table(const std::vector<LetterEntry> &entries);
// The entries as CSV (UTF-8, titles first, fields quoted where they need
// it), with the time as ISO 8601 and the status as its stable English
// key, so that a script reads it whatever the language.
QByteArray csv(const std::vector<LetterEntry> &entries);

// "tessaline --letters [--csv]": prints the record on `out`, or the
// reason it cannot be read on `errors`. Returns the exit status.
int print(bool asCsv, std::FILE *out = stdout, std::FILE *errors = stderr);

} // namespace LettersListing
