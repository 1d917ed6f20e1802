#include "Main.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DurableFile.h"
#include "Failure.h"
#include "FullDisk.h"
#include "ReplacingFile.h"

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat info {};
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
        throw Failure(QObject::tr("Cannot read the letter %1: %2")
                              .arg(QDir::toNativeSeparators(source), in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || bytes.size() != in.size())
        throw Failure(QObject::tr("Cannot read the letter %1: %2")
                              .arg(QDir::toNativeSeparators(source), in.errorString()));
    writeFileReplacing(bytes, target);
}

void writeFileReplacing(const QByteArray &bytes, const QString &target)
{
    try {
        ReplacingFile out(target);
        QFile beside(out.besidePath());
        if (!beside.open(QIODevice::WriteOnly | QIODevice::Truncate) || beside.write(bytes) != bytes.size()
            || !beside.flush()) {
            throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), beside.errorString()));
        }
        beside.close();
        out.commit();
    } catch (const Failure &) {
        throwIfDiskFull(QFileInfo(target).absolutePath());
        throw;
    }
}
