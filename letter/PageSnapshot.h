#pragma once

#include <QString>

class ClipboardSource;
class Messenger;
namespace word { class Automation; }

// Renders the first page of a document into the snapshot bitmap "temp.bmp"
// in the temporary folder: its own office instance opens the document, the
// main text is copied to the clipboard as a picture, the picture is fetched
// (up to 1000 reads) and written, the document is closed unsaved and the
// instance quits. Failures are reported and the steps go on; it always
// returns.
//
// Whatever the user had on the clipboard is put back once the picture has
// been fetched.
void SaveDocAsJPG(word::Automation &automation, ClipboardSource &clipboard, Messenger &messenger,
                  const QString &inFile, const QString &temp);
