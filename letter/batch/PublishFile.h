#pragma once

#include <QString>

// Letters reach their place whole or not at all: each is written under a
// scratch name in a private folder on the target's file system (where an
// office that dies while writing leaves its own leftovers too), flushed and
// synced to disk, checked, and then moved into place in one step.
enum class Overwrite { Never, Replace };
enum class Published { Written, KeptExisting };

// A fresh scratch path for the target in `folder` ("NAME.XXXXXX.part"),
// created empty, new and readable by the user alone, so that no other
// file or link can stand there. Throws Failure.
QString reserveScratch(const QString &folder, const QString &target);

// Moves a finished scratch file into place. With Overwrite::Never an
// existing target is never touched (the scratch file is removed and
// KeptExisting returned), even when it appears meanwhile. The file gets
// the permissions a new file of the user's would get. Throws Failure; the
// scratch file is gone either way.
Published publishFile(const QString &scratch, const QString &target, Overwrite overwrite);
