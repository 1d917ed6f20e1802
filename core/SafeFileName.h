#pragma once

#include <QString>

// A text made fit to name a file, the one rule for every name the program
// suggests or writes (a batch's letters, a dialog's proposal): characters
// that cannot stand in a file name (on Linux or elsewhere) become "_",
// leading and trailing spaces and dots go, and it is cut to a length every
// file system takes, with room left for an extension. Empty when nothing
// of it is a letter or a digit: the caller has a name of its own then.
QString safeFileName(QString text);
