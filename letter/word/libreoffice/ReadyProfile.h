#pragma once

#include <QString>

// A user profile for the private offices, made once per user and office
// version and kept in the user's cache folder: an office started from a
// copy of it skips the first start's set-up (and the restart that follows
// it), a fifth of its start.
//
// It lives in a folder of the user's own (mode 0700, no links followed);
// it is made under a temporary name and renamed into place when whole, so
// a run never uses a half-made one; a profile of another office version is
// removed and made anew.
namespace ReadyProfile {

// Copies the ready profile into `folder` (an empty, private folder), making
// the ready profile first when there is none for this office. Returns
// false, having copied nothing, when it cannot be had: the office then
// makes its profile itself, as on a first start.
bool copyInto(const QString &folder, const QString &officeProgram);

// Where the ready profile of this office is kept.
QString folderFor(const QString &officeProgram);

} // namespace ReadyProfile
