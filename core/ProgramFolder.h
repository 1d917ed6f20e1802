#pragma once

#include <QString>

// The folder that holds the program's own optional files ("HAND-M.CUR",
// "x/o.cjs"): the folder of the executable (a build folder, or a copy
// unpacked anywhere), or, for a program installed under a prefix
// (<prefix>/bin/tessaline), <prefix>/share/tessaline when it exists, since
// the bin folder holds programs only.
QString findProgramFolder();

// The same for an executable in `executableFolder`.
QString programFolderFor(const QString &executableFolder);
