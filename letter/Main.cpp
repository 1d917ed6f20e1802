#include "Main.h"

#include <sys/stat.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "Failure.h"
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
    QFile file(path);
    // NewOnly: never write through a file (or link) that appeared meanwhile.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw Failure(QObject::tr("Cannot write %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.close();
        QFile::remove(path);
        throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason));
    }
}

void copyFileReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("Cannot read the letter %1: %2")
                              .arg(QDir::toNativeSeparators(source), in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw Failure(QObject::tr("Cannot read the letter %1: %2")
                              .arg(QDir::toNativeSeparators(source), in.errorString()));
    ReplacingFile out(target);
    QFile beside(out.besidePath());
    if (!beside.open(QIODevice::WriteOnly | QIODevice::Truncate) || beside.write(bytes) != bytes.size()
        || !beside.flush()) {
        throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), beside.errorString()));
    }
    beside.close();
    out.commit();
}

std::optional<QImage> SystemClipboardSource::readPicture(int)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    QImage image = clipboard->image();
    if (image.isNull())
        return std::nullopt;
    return image;
}

std::optional<QImage> GetClipboardPicture(ClipboardSource &clipboard, int format)
{
    for (int attempt = 0; attempt < ClipboardReadAttempts; ++attempt) {
        try {
            if (std::optional<QImage> picture = clipboard.readPicture(format))
                return picture;
        } catch (...) {
            // A clipboard held open by another program: try again at once.
        }
    }
    return std::nullopt;
}
