#pragma once

// Reading and writing whole files in tests.

#include <sys/stat.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QString>
#include <QtTest>

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Puts at `path` a file no program should read whole: "fifo" (a named pipe
// nobody writes), "zero" (a link to /dev/zero), "folder", or "oversized"
// (a sparse regular file of `size` bytes). Returns whether it could.
inline bool makeUnreadableFile(const QString &path, const QString &kind, qint64 size = 0)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (kind == u"fifo")
        return ::mkfifo(encoded.constData(), 0600) == 0;
    if (kind == u"zero")
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == u"folder")
        return QDir().mkpath(path);
    QFile file(path);
    return kind == u"oversized" && file.open(QIODevice::WriteOnly) && file.resize(size);
}

// A blank picture's file, `width` by `height` dots at 300 dots an inch, as
// "PNG", "JPEG" or "SVG" (then `width` by `height` tenths of a millimetre).
inline QByteArray pictureFile(const char *format, int width, int height)
{
    if (QByteArrayView(format) == "SVG")
        return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1mm\" height=\"%2mm\" "
                              "viewBox=\"0 0 %1 %2\"><path d=\"M0 %2 L%1 0\" stroke=\"black\"/></svg>")
                .arg(width / 10.0)
                .arg(height / 10.0)
                .toUtf8();
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDotsPerMeterX(11811);
    picture.setDotsPerMeterY(11811);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    picture.save(&bytes, format);
    return bytes.data();
}
