#pragma once

// Reading and writing whole files in tests.

#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
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
