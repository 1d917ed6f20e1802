#pragma once

#include <QString>

class CommonDialog;
class Messenger;

// "Save Results To Word File": lets the user choose a ".doc" name (the
// letter's suggested name for its title proposed, see suggestedFileName) and
// copies the filled letter (the scratch document at wordFile) there, byte
// for byte, asking before it replaces an existing file. Ends with "Done."
// when the letter was written or the user chose not to write it (cancel,
// No); after a failure the error report is the last word.
//
// Replacing never loses the old file: the letter is written beside the
// target, synced, and only then moved into place, so a failed copy (a full
// disk included) leaves it byte-identical and nothing beside it.
// Returns the file written; empty when none was.
QString SaveLetter(CommonDialog &dialog, Messenger &messenger, const QString &wordFile, const QString &letterTitle);
