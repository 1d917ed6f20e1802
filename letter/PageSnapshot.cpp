#include "PageSnapshot.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "FileInPlace.h"
#include "Failure.h"

void writeSnapshot(const QImage &picture, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw Failure(
                QObject::tr("Cannot write %1: the picture cannot be encoded").arg(QDir::toNativeSeparators(path)));
    // A snapshot left by an earlier letter is replaced by a file made new.
    QFile::remove(path);
    writeNewFile(path, bytes);
}
