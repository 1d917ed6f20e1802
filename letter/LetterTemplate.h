#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "Failure.h"
#include "LetterDesign.h"

namespace word {
class Application;
class Document;
} // namespace word

// The template a letter is made from: the built-in one, or a file of the
// user's own, named by its absolute path. An empty path is the built-in
// template.
//
// The choice lives in the settings group under the key "Template"; a
// settings file without it (as every earlier version wrote) means the
// built-in template.
// The built-in template of a design (see LetterDesign.h): its resource, at
// its full length (the letter floor links the program's resources).
QByteArray templateBytes(LetterDesign design);

namespace LetterTemplate {

// The chosen template's path, empty for the built-in one.
QString storedChoice();
// Remembers the choice (an empty path: the built-in template). Throws
// Failure when the settings file cannot be written.
void storeChoice(const QString &path);

// "my-letter.docx" for a user's template; empty for the built-in one.
QString displayName(const QString &path);

// The file kinds a user's template may be, as a file dialog's filter
// ("Description (*.a *.b)|*.a;*.b|…"): all of them together first, then
// Word, OpenDocument and RTF.
QString dialogFilter();

// A user's template that no letter can be made from. Its description is
// the window's message: the user's file (never the scratch copy), what is
// wrong with it, and what the user can do in the window. Other roads tell
// path() and whatIsWrong() in their own words.
class Problem : public FileProblem
{
public:
    Problem(const QString &path, const QString &whatIsWrong, Kind kind = Kind::Step);
    QString path() const { return m_path; }
    // "is gone: …", "is not a document …", "is too large or too slow …".
    QString whatIsWrong() const { return m_whatIsWrong; }

private:
    QString m_path;
    QString m_whatIsWrong;
};

// The largest template read: far beyond any letter's, and short of what
// would cost the program its memory (a link to /dev/zero never ends).
inline constexpr qint64 MaximumBytes = 50 * 1024 * 1024;

// The bytes of the chosen template: the built-in resource of `design`
// (which a user's template has none of), or the user's file exactly as it is (read only, never locked). Throws Problem
// when the user's file is gone, is no regular file (a folder, a named pipe, a device), is larger than MaximumBytes,
// cannot be read or is empty (no document at all).
QByteArray readChosen(const QString &path, LetterDesign design);

// Writes the template copy for one letter at `copy`, a path in the scratch
// folder (see ScratchFiles): a copy left there by an earlier letter is
// replaced, never used. Goes through SaveBytesToFile, so the copy is
// created new and the user's own. Returns the copy's path.
QString writeCopy(const QByteArray &bytes, const QString &copy);

// Opens the template copy read-only. For a user's template, a copy the
// office cannot open (not a document, protected by a password, or one it
// does not finish reading within the call deadline) throws Problem naming
// the user's file (not the copy).
//
// An RTF template whose picture field (INCLUDEPICTURE) names something that
// is no picture makes the office refuse the whole file: the copy is opened
// again without its picture fields, and `leftOut` (when given) gets one
// line that says which pictures the letter is made without.
std::shared_ptr<word::Document> openCopy(word::Application &office, const QString &copy, const QString &chosen,
                                         QString *leftOut = nullptr);

// A Failure that lost the office while it worked on a user's template
// (it did not finish within the call deadline, or it ended) is the file's
// fault: rethrown as a Problem naming the file, what was too much, and no
// office call. Any other failure, and any for the built-in template, is
// rethrown as it is. `office` tells how long it was given.
enum class Stage { Open, Fill };
[[noreturn]] void rethrowAsProblem(const QString &chosen, const Failure &failure, Stage stage,
                                   const word::Application &office);

// Told (as a FileProblem) when a user's template holds none of the
// placeholders; the letter is made all the same.
QString noPlaceholdersMessage(const QString &path);

} // namespace LetterTemplate
