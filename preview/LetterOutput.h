#pragma once

#include <optional>

#include <QString>

#include "LetterFormat.h"

class CommonDialog;
class JobProgress;
class Messenger;
class PrintDialog;
namespace word {
class Automation;
}

// What the export and print commands of the preview work with.
struct LetterOutputContext
{
    Messenger &messenger;
    word::Automation &automation;
    CommonDialog &saveDialog;
    PrintDialog &printDialog;
    JobProgress &progress;
    // The letter's title ("Letter to Brightwater Analytics"), which the
    // file dialog proposes as the name; empty: "Letter".
    QString letterTitle;
};

// The name a file dialog proposes for the letter: its title made fit for
// a file by the rule the batch's names follow, and ".suffix" ("Letter to
// Brightwater Analytics.pdf"); "Letter" for a title with nothing of it left.
QString suggestedFileName(const QString &letterTitle, const QString &suffix);

// "Export as …": lets the user choose a name for the format (the letter's
// suggested name proposed in the folder last saved to, its extension
// added to a name typed without one), asks before replacing
// an existing file, and has an office instance write the filled letter
// (the scratch document at wordFile) there through the office's own export
// filter. Ends with "Done." after an export; a failure says so in a plain
// message naming the target, which is then as it was.
// Returns the file written; empty when none was.
QString ExportLetter(const LetterOutputContext &context, const QString &wordFile, word::LetterFormat format);

// What "Print…" made: the letter on paper (no file), or a PDF file.
struct PrintedLetter
{
    QString pdfFile; // empty: printed on paper
};

// "Print…": the print dialog, then the letter printed through the office
// (as text, by the office's print interface), or, with "Print to File",
// exported as a PDF file to the name chosen there. Returns what was
// printed; nothing when the user cancelled or printing failed.
std::optional<PrintedLetter> PrintLetter(const LetterOutputContext &context, const QString &wordFile);

// The dialog's title for an export to the format: "Export as PDF".
QString exportTitle(word::LetterFormat format);

// "Send by E-mail…", its first half: the letter written as a PDF into a
// folder of its own in the program's scratch folder, named as an export
// would propose (the name the recipient sees), and kept there until the
// program ends, since the mail program reads it later. Answers its path;
// empty when it was not written (a message then said why).
QString WriteMailAttachment(const LetterOutputContext &context, const QString &wordFile);
