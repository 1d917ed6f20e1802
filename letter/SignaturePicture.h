#pragma once

#include <QByteArray>
#include <QString>

#include "WordAutomation.h"

// The sender's signature picture, signed above the typed name: a PNG, JPEG
// or SVG file of the user's, checked before any letter is made and copied
// into the scratch folder, the only folder the office may read.
namespace SignaturePicture {

// How tall the picture stands in the letter; its width follows its own
// proportions. About a handwritten signature's height.
inline constexpr double HeightMm = 15.0;
// A larger file is no signature but a photograph or a scan left at full
// size, which would swell every letter made with it.
inline constexpr qint64 MaxBytes = 5 * 1024 * 1024;

// [Signature] as it stands in a letter.
QString placeholder();

// A paragraph that holds [Signature] alone goes from an unsigned letter,
// the built-in one's and a template's of the user's own alike, rather than
// stand empty: the built-in letter saved as the user's template then
// makes the same letter. Anywhere else [Signature] is emptied.
word::ParagraphEdit unsignedParagraph();

// The picture's format by its content ("png", "jpeg", "svg"), or empty when
// the bytes are none of the three.
QString formatOf(const QByteArray &bytes);

// Why the file cannot sign a letter, in one sentence that names it (it is
// missing, no file, too large, unreadable, or not a PNG, JPEG or SVG
// picture); empty when it can.
QString problem(const QString &path);

// A copy of the picture in `scratchFolder`, under a name of its own, so that
// letters made side by side never share one. Throws FileProblem with
// problem()'s sentence when the file cannot sign a letter, Failure when the
// copy cannot be written. The caller deletes the copy.
QString copyInto(const QString &path, const QString &scratchFolder);

} // namespace SignaturePicture
