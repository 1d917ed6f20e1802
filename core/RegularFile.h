#pragma once

#include <QByteArray>
#include <QString>

#include "Failure.h"

// Reading a file the user points at (a template, the letter text, a list,
// the settings): a named pipe would hold the reading thread until a writer
// comes, and a device such as /dev/zero never ends. So the file is opened
// without waiting, must be a regular file, and is read up to a limit.
namespace RegularFile {

// What keeps a file from being read, for the caller to tell in its words.
class Refusal : public FileProblem
{
public:
    enum class Reason { Missing, NotRegular, TooLarge, Unreadable };
    Refusal(Reason reason, const QString &words) : FileProblem(words), m_reason(reason) { }
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// "a folder", "a named pipe (FIFO)", "a device", "a socket": what the path
// (its link followed) is when it is something other than a regular file;
// empty for a regular file or a path that does not exist.
QString specialKind(const QString &path);

// The whole file, at most `limit` bytes. Throws Refusal: Missing ("does not
// exist"), NotRegular ("is a named pipe (FIFO), not a regular file"),
// TooLarge ("is larger than 50 MB") or Unreadable (the system's reason);
// its description is the sentence part after the file's name.
QByteArray read(const QString &path, qint64 limit);

// "50 MB", "1 MB", "100 KB".
QString sizeInWords(qint64 bytes);

} // namespace RegularFile
