#include "SheetList.h"

#include <memory>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryFile>

#include "Failure.h"
#include "Logging.h"
#include "RegularFile.h"

namespace {

// No list that a person keeps is larger; a device that never ends is not
// read to its end.
constexpr qint64 MaximumSpreadsheetBytes = 100LL * 1024 * 1024;
// The CSV of a sheet is the office's own, from a file of at most the size
// above; the limit only keeps a misbehaving office from filling memory.
constexpr qint64 MaximumCsvBytes = 1024LL * 1024 * 1024;

FileProblem listProblem(const QString &path, const QString &predicate)
{
    return FileProblem(QObject::tr("The list %1 %2.").arg(QDir::toNativeSeparators(path), predicate));
}

// The user's file, whole. Read here rather than copied by name, so that
// what the office reads is what was checked (a regular file of a sane
// size, not a pipe that never ends).
QByteArray readSpreadsheet(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = RegularFile::read(path, MaximumSpreadsheetBytes);
    } catch (const RegularFile::Refusal &refusal) {
        if (refusal.reason() == RegularFile::Refusal::Reason::Unreadable)
            throw listProblem(path, QObject::tr("cannot be read: %1").arg(refusal.description()));
        throw listProblem(path, refusal.description());
    }
    if (bytes.isEmpty())
        throw listProblem(path, QObject::tr("is an empty file, not a spreadsheet"));
    return bytes;
}

// A file of its own in the scratch folder (mode 0600, a name nobody else
// uses), removed when it goes.
std::unique_ptr<QTemporaryFile> scratchFile(const QString &folder, const QString &suffix)
{
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/sheet-list-XXXXXX.") + suffix);
    if (!file->open())
        throw Failure(QObject::tr("Cannot write in the scratch folder %1: %2")
                              .arg(QDir::toNativeSeparators(folder), file->errorString()));
    return file;
}

} // namespace

bool isSpreadsheetList(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const char *spreadsheet : {"xlsx", "xls", "ods"}) {
        if (suffix.compare(QLatin1String(spreadsheet), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QByteArray sheetAsCsv(word::Application &office, const QString &path, const QString &sheetName,
                      const QString &scratchFolder)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray bytes = readSpreadsheet(path);
    // The office sees the scratch folder alone: it reads a copy there, by
    // the suffix of the user's file, which helps it tell the format.
    const auto copy = scratchFile(scratchFolder, QFileInfo(path).suffix().toLower());
    if (copy->write(bytes) != bytes.size() || !copy->flush())
        throw Failure(QObject::tr("Cannot write in the scratch folder %1: %2")
                              .arg(QDir::toNativeSeparators(scratchFolder), copy->errorString()));
    copy->close();
    const auto csv = scratchFile(scratchFolder, QStringLiteral("csv"));
    csv->close();

    QString sheet;
    try {
        sheet = office.documents().saveSheetAsCsv(copy->fileName(), sheetName, csv->fileName());
    } catch (const word::SheetFailure &failure) {
        qCInfo(lcBatch) << "the sheet" << sheetName << "of" << path << "is refused:" << failure.description();
        throw listProblem(path, failure.description());
    } catch (const Failure &failure) {
        throw Failure(
                QObject::tr("Cannot read the list %1: %2").arg(QDir::toNativeSeparators(path), failure.description()),
                failure.kind());
    }
    QByteArray text;
    try {
        text = RegularFile::read(csv->fileName(), MaximumCsvBytes);
    } catch (const RegularFile::Refusal &refusal) {
        qCWarning(lcBatch) << "the office's CSV" << csv->fileName() << "cannot be read:" << refusal.description();
        throw Failure(QObject::tr("Cannot read the list %1: the office did not write its sheet \"%2\" (%3)")
                              .arg(QDir::toNativeSeparators(path), sheet, refusal.description()));
    }
    qCInfo(lcBatch) << "sheet" << sheet << "of" << path << "read as" << text.size() << "bytes of CSV in"
                    << timer.elapsed() << "ms";
    return text;
}
