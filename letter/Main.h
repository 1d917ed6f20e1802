#pragma once

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

// Small file and clipboard helpers shared by the commands. None of them has
// an error trap of its own.

// True exactly when the modification time of the path can be read; false
// for a missing, bad or empty path. Never reports anything.
bool FileExists(const QString &path);

// Deletes the file; every failure is ignored and reported nowhere.
void DeleteFileQuietly(const QString &path);

// Lets pending window events run first; then, unless the path exists,
// writes the bytes there exactly as they are (the file readable by its owner
// only). Throws Failure when the file cannot be written.
void SaveBytesToFile(const QByteArray &bytes, const QString &path);

// Copies source to target through a file beside the target that is synced
// and moved into place at the end (see ReplacingFile), so an existing
// target is replaced whole or not at all, and one marked read-only never.
// Throws Failure with the reason when it cannot.
void copyFileReplacing(const QString &source, const QString &target);

// Where GetClipboardPicture reads from: the program's clipboard, or a test's
// stand-in. A read that yields no picture throws or returns nullopt.
class ClipboardSource
{
public:
    virtual ~ClipboardSource() = default;
    virtual std::optional<QImage> readPicture(int format) = 0;
};

// The program's own clipboard, where the office layer's copy-as-picture
// puts the page picture. It is private to the program: the user's system
// clipboard is never touched, and two running copies of the program never
// see each other's picture. It holds one picture of one kind, so every
// format code reads that picture.
class ProgramClipboard : public ClipboardSource
{
public:
    static void setPicture(const QImage &picture);
    static void clear();
    std::optional<QImage> readPicture(int format) override;
};

inline constexpr int ClipboardReadAttempts = 1000;

// Reads the clipboard's picture, up to 1000 times back to back until a read
// succeeds. Every failure is swallowed; returns nullopt when all fail.
std::optional<QImage> GetClipboardPicture(ClipboardSource &clipboard, int format);
