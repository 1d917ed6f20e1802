#include "PageSnapshot.h"

#include <memory>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include "DurableFile.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "Main.h"
#include "OfficeSteps.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

namespace {
// A BMP file starts with "BM" and its own length in bytes.
constexpr qsizetype BmpHeaderLength = 14;

template <typename T>
T &required(const std::shared_ptr<T> &object, const QString &what)
{
    if (!object)
        throw Failure(QObject::tr("%1 failed: there is no office instance or letter").arg(what));
    return *object;
}

void writeSnapshot(const QImage &picture, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw Failure(QObject::tr("Cannot write %1: the picture cannot be encoded")
                              .arg(QDir::toNativeSeparators(path)));
    // A snapshot left by an earlier letter is replaced by a file made new.
    QFile::remove(path);
    writeNewFile(path, bytes);
}
} // namespace

QImage readSnapshot(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("Cannot load the page picture %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    const bool whole = bytes.size() >= BmpHeaderLength && bytes.startsWith("BM")
            && qFromLittleEndian<quint32>(bytes.constData() + 2) == quint32(bytes.size());
    QImage picture;
    if (whole)
        picture.loadFromData(bytes, "BMP");
    if (picture.isNull())
        throw Failure(QObject::tr("Cannot load the page picture %1: the file is not a whole picture")
                              .arg(QDir::toNativeSeparators(path)));
    return picture;
}

bool SaveDocAsJPG(word::Automation &automation, ClipboardSource &clipboard, Messenger &messenger,
                  const QString &inFile, const QString &scratchFolder)
{
    ErrorTrap trap(messenger, QString::fromLatin1(ReportLocation::Form1_SaveDocAsJPG));
    OfficeSteps snapshot(trap);
    std::shared_ptr<word::Application> office;
    std::shared_ptr<word::Document> document;
    bool written = false;

    ProgramClipboard::clear();
    snapshot.essential(116, [&] { office = automation.createApplication(); });
    snapshot.essential(118, [&] { document = required(office, QStringLiteral("Open")).documents().open(inFile); });
    snapshot.essential(120, [&] { required(document, QStringLiteral("CopyAsPicture")).range()->copyAsPicture(); });
    snapshot.step(122, [&] {
        const std::optional<QImage> picture = GetClipboardPicture(clipboard, 0);
        const QString path = ScratchFiles::snapshotPath(scratchFolder);
        if (!picture)
            throw Failure(QObject::tr("Cannot write %1: the clipboard holds no picture")
                                  .arg(QDir::toNativeSeparators(path)));
        writeSnapshot(*picture, path);
        written = true;
    });
    ProgramClipboard::clear(); // the picture is in the file now
    snapshot.step(124, [&] {
        required(office, QStringLiteral("ActiveDocument")).activeDocument()->close(word::WdSaveOptions::DoNotSaveChanges);
    });
    if (office && !snapshot.officeLost())
        trap.step(126, [&] { office->quit(); });
    return written;
}
