#pragma once

#include <QString>

class CommonDialog;
class Messenger;

// "Save Results To Word File": lets the user choose a ".doc" name and
// copies the filled letter (the scratch document at wordFile) there, byte
// for byte, asking before it replaces an existing file. Ends with "Done."
// however the run went (saved, declined or cancelled).
//
// Replacing never loses the old file: the letter is written beside the
// target and moved into place, so a failed copy leaves it as it was.
void SaveLetter(CommonDialog &dialog, Messenger &messenger, const QString &wordFile);
