#pragma once

#include <QByteArray>
#include <QString>

// Small file helpers shared by every floor. None of them has an error trap
// of its own.

// True exactly when the modification time of the path can be read; false
// for a missing, bad or empty path. Never reports anything.
bool FileExists(const QString &path);

// Deletes the file; every failure is ignored and reported nowhere.
void DeleteFileQuietly(const QString &path);

// Lets pending window events run first; then, unless the path exists,
// writes the bytes there exactly as they are (the file readable by its owner
// only). Throws Failure when the file cannot be written. The events run
// first on purpose: the click that asked for the file has its repaint (the
// pressed button, the busy pointer) on screen before the disk is touched.
// Its callers run while the window takes no input (a letter, the built-in
// letter's copy) or have no window (the batch), so no event can start
// another command meanwhile.
void SaveBytesToFile(const QByteArray &bytes, const QString &path);

// Copies source to target in place (see FileInPlace.h), so an existing
// target is replaced whole or not at all, and one marked read-only never.
// Throws Failure with the reason when it cannot (on a full disk: that the
// disk is full, see FullDisk.h).
void copyFileReplacing(const QString &source, const QString &target);
