#pragma once

#include <QImage>
#include <QString>

class ClipboardSource;
class Messenger;
namespace word { class Automation; }

// Renders the first page of a document into the snapshot bitmap "temp.bmp"
// in the scratch folder: its own office instance opens the document, the
// main text is copied to the program's clipboard as a picture, the picture
// is fetched (up to 1000 reads) and written, the document is closed unsaved
// and the instance quits. Failures are reported and the steps go on; it
// always returns.
//
// Answers whether the picture was written whole. The program's clipboard is
// emptied first, so a failed copy never yields an earlier letter's picture.
bool SaveDocAsJPG(word::Automation &automation, ClipboardSource &clipboard, Messenger &messenger,
                  const QString &inFile, const QString &scratchFolder);

// Reads the snapshot bitmap, refusing one that is not there whole (a file
// cut short on a full disk). Throws Failure with the path and the reason.
QImage readSnapshot(const QString &path);
