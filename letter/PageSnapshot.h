#pragma once

#include <QImage>
#include <QString>

// Writes the page picture to the snapshot bitmap "temp.bmp" in the scratch
// folder, made new (a snapshot an earlier letter left is replaced). The
// preview takes the picture from memory; the file is the letter's snapshot
// for anyone who looks for it, and goes once the preview shows the page.
// Throws Failure with the path and the reason when it cannot be written
// whole.
void writeSnapshot(const QImage &picture, const QString &path);
