#pragma once

#include <optional>

#include <QString>

// Telling a full disk from other failures to write, so that the user reads
// what to put right rather than an office's error code. A write that fails
// (ours or an office's) asks whether the disk that holds the folder has
// room for another letter; when it has not, every road (the window's save,
// export and print to a file, the batch) says so in the same words.

// The system's reason ("No space left on device", or the quota's) when the
// disk that holds `folder` has no room for another letter (FullDiskRoomBytes);
// nothing when it has, or when that cannot be told.
inline constexpr qint64 FullDiskRoomBytes = 1 << 20;
std::optional<QString> fullDiskReason(const QString &folder);

// "The disk that holds FOLDER is full (REASON)."
QString fullDiskMessage(const QString &folder, const QString &reason);

// Throws Failure with fullDiskMessage when the disk that holds the folder
// is full; returns otherwise. For the catch of a failed write.
void throwIfDiskFull(const QString &folder);
