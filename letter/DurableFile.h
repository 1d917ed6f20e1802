#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>

// Writing a new file so that a failure never leaves half of one behind:
// every byte is written, flushed and synced, and every step checked. On any
// failure the file is removed again and Failure carries the path and the
// reason. (Replacing an existing file goes through ReplacingFile.)

// Creates the file anew (never reusing an existing file, never through a
// link) with the given mode and writes the bytes into it. Used for every
// scratch file, which is its owner's alone (0600).
void writeNewFile(const QString &path, const QByteArray &bytes, mode_t mode = 0600);
