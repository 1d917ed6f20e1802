#include "Main.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Failure.h"
#include "FileInPlace.h"

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

void DeleteFileQuietly(const QString &path)
{
    QFile::remove(path);
}

void SaveBytesToFile(const QByteArray &bytes, const QString &path)
{
    QCoreApplication::processEvents();
    if (FileExists(path))
        return;
    // Created new: never through a file (or link) that appeared meanwhile.
    writeNewFile(path, bytes);
}

void copyFileReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw Failure(
                QObject::tr("Cannot read the letter %1: %2").arg(QDir::toNativeSeparators(source), in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || bytes.size() != in.size())
        throw Failure(
                QObject::tr("Cannot read the letter %1: %2").arg(QDir::toNativeSeparators(source), in.errorString()));
    writeFileInPlace(bytes, target);
}
