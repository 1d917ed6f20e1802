#pragma once

// The file formats a letter can be written in, with the office's own export
// filter for each. One table serves the preview's save and export commands,
// the built-in letter's "Save As", and the command-line batch.

#include <optional>
#include <span>

#include <QString>

namespace word {

enum class LetterFormat { Word97, WordXml, OpenDocument, Pdf };

struct LetterFormatInfo
{
    LetterFormat format;
    const char *name;         // as given on the command line: "doc", "docx", ...
    const char *suffix;       // the file name's extension, without the dot
    const char *filterName;   // the office's export filter
    const char *dialogFilter; // a file dialog's filter line
};

// All formats, Word 97 first (the default a save offers).
std::span<const LetterFormatInfo> letterFormats();
const LetterFormatInfo &letterFormatInfo(LetterFormat format);
// The format named "doc", "docx", "odt" or "pdf" (any letter case).
std::optional<LetterFormat> letterFormatNamed(const QString &name);

} // namespace word
