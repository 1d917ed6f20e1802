#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "WordAutomation.h"

// The letter text: the body of the built-in letter, the part between the
// greeting and the closing, in the user's own words. It is plain text:
// paragraphs are separated by a blank line, the lines of one paragraph run
// on, and a line that begins with "- " starts a bulleted item. It may hold
// placeholders, which are filled as everywhere else.
//
// It lives in one file of the user's, UTF-8, written whole or not at all.
// While that file exists, every letter made from the built-in template has
// its body; a template of the user's own is never changed by it.
namespace LetterText {

// $XDG_DATA_HOME/Tessaline/letter.txt (by default
// ~/.local/share/Tessaline/letter.txt).
QString filePath();

// The built-in letter's own body as letter text, the sender's phone as
// [Phone]: what the Letter Text window starts from.
QString builtInText();

// The paragraphs of a letter text, in order.
std::vector<word::BodyParagraph> paragraphs(const QString &text);

// Whether a character belongs to a script written without spaces between
// words (Chinese and Japanese, their punctuation and full-width forms):
// text on either side of it runs on without one, where a line breaks too.
// Korean, which spaces its words, does not.
bool writtenWithoutSpaces(char32_t c);

// The largest letter text read: pages and pages of a letter's body.
inline constexpr qint64 MaximumBytes = 1024 * 1024;

// The text in the file, or nullopt when there is no file. Throws
// FileProblem, in plain words naming the file, when there is one that
// cannot be read, is no regular file (a folder, a named pipe, a device),
// is larger than MaximumBytes or is not UTF-8 text.
std::optional<QString> read(const QString &path);

// Writes the text to the file, making its folder, through a file beside it
// that replaces it only once complete. Throws Failure naming the file when
// it cannot.
void write(const QString &path, const QString &text);

} // namespace LetterText
