#pragma once

#include <QByteArray>
#include <QString>

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
