// One sheet of a spreadsheet file, written as CSV by the office's own text
// export: the batch reads lists that people keep in spreadsheets this way,
// every cell as the sheet shows it.
#include "LibreOfficeInstance.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/util/XMergeable.hpp>

namespace libreoffice {

namespace {

namespace sheet = com::sun::star::sheet;
namespace table = com::sun::star::table;

// The office's text export of a spreadsheet, as "Save As" writes CSV.
constexpr char CsvFilter[] = "Text - txt - csv (StarCalc)";

// The export's options: tokens separated by commas, in the filter's
// order; the tokens that only reading a CSV file uses are given their
// defaults, so that the ones that count keep their places.
OUString csvOptions(int sheetNumber)
{
    constexpr int Comma = 44;
    constexpr int DoubleQuote = 34;
    constexpr int Utf8 = 76; // the office's number for UTF-8, written without a byte-order mark
    const QStringList tokens{
            QString::number(Comma),
            QString::number(DoubleQuote),
            QString::number(Utf8),
            QStringLiteral("1"),          // the first line to read (reading only)
            QString(),                    // the columns' types (reading only)
            QStringLiteral("0"),          // the language: the office's own
            QStringLiteral("false"),      // quotes only round the fields that need them, not every text
            QStringLiteral("false"),      // special numbers detected (reading only)
            QStringLiteral("true"),       // every cell as shown: a ZIP code "02108" keeps its zero, a date its form
            QStringLiteral("false"),      // the results of formulas, not the formulas
            QStringLiteral("false"),      // spaces trimmed (reading only)
            QString::number(sheetNumber), // the sheet, counted from 1: this one alone is written
    };
    return toOUString(tokens.join(u','));
}

// "A", "Z", "AA": a column's name as the sheet heads it.
QString columnName(sal_Int32 column)
{
    QString name;
    for (sal_Int32 c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

QString quotedList(const QStringList &names)
{
    return u'"' + names.join(QStringLiteral("\", \"")) + u'"';
}

// Closes the loaded file whatever happens; an office that has gone has
// closed it already.
struct ClosedAtEnd
{
    Reference<lang::XComponent> model;
    ~ClosedAtEnd()
    {
        try {
            Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
        } catch (const uno::Exception &e) {
            qCWarning(lcOffice) << "closing a spreadsheet failed:" << toQString(e.Message);
        }
    }
};

// The index of the sheet to write: the one named (in any letter case, as
// the spreadsheet tells its sheets apart), or the first one not hidden.
sal_Int32 chosenSheet(const Reference<container::XIndexAccess> &sheets, const QStringList &names, const QString &wanted)
{
    if (wanted.isEmpty()) {
        for (sal_Int32 i = 0; i < sheets->getCount(); ++i) {
            Reference<beans::XPropertySet> props(sheets->getByIndex(i), UNO_QUERY_THROW);
            if (boolProperty(props, "IsVisible", true))
                return i;
        }
        return 0;
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return sal_Int32(i);
    }
    throw word::SheetFailure(word::SheetProblem::NoSuchSheet,
                             QObject::tr("has no sheet named \"%1\"; its sheets are %2").arg(wanted, quotedList(names)),
                             names);
}

// A list's header row names its columns: it must hold something, and each
// name must have a cell of its own (a merged cell would leave the columns
// it covers without a name, and the CSV would not show it).
void checkHeaderRow(const Reference<sheet::XSpreadsheet> &spreadsheet, const QString &name)
{
    Reference<sheet::XSheetCellCursor> cursor = spreadsheet->createCursor();
    Reference<sheet::XUsedAreaCursor>(cursor, UNO_QUERY_THROW)->gotoEndOfUsedArea(false);
    const table::CellRangeAddress end
            = Reference<sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW)->getRangeAddress();
    const Reference<table::XCellRange> header = spreadsheet->getCellRangeByPosition(0, 0, end.EndColumn, 0);

    const uno::Sequence<uno::Sequence<uno::Any>> cells
            = Reference<sheet::XCellRangeData>(header, UNO_QUERY_THROW)->getDataArray();
    bool empty = true;
    for (const uno::Any &cell : cells[0]) {
        OUString text;
        if (!(cell >>= text) || !toQString(text).trimmed().isEmpty())
            empty = false; // a number, or text that is more than spaces
    }
    if (empty && end.EndRow == 0)
        throw word::SheetFailure(word::SheetProblem::EmptySheet, QObject::tr("has nothing in sheet \"%1\"").arg(name));
    if (empty)
        throw word::SheetFailure(word::SheetProblem::EmptyHeaderRow,
                                 QObject::tr("has an empty first row in sheet \"%1\": the first row must name the "
                                             "columns")
                                         .arg(name));

    // One question for the whole row; the cells are looked at one by one
    // only to say which are merged.
    if (!Reference<util::XMergeable>(header, UNO_QUERY_THROW)->getIsMerged())
        return;
    QString merged;
    for (sal_Int32 column = 0; column <= end.EndColumn && merged.isEmpty(); ++column) {
        const Reference<table::XCellRange> cell = spreadsheet->getCellRangeByPosition(column, 0, column, 0);
        if (!Reference<util::XMergeable>(cell, UNO_QUERY_THROW)->getIsMerged())
            continue;
        Reference<sheet::XSheetCellCursor> area
                = spreadsheet->createCursorByRange(Reference<sheet::XSheetCellRange>(cell, UNO_QUERY_THROW));
        area->collapseToMergedArea();
        const table::CellRangeAddress a
                = Reference<sheet::XCellRangeAddressable>(area, UNO_QUERY_THROW)->getRangeAddress();
        merged = columnName(a.StartColumn) + QString::number(a.StartRow + 1) + u':' + columnName(a.EndColumn)
                + QString::number(a.EndRow + 1);
    }
    throw word::SheetFailure(word::SheetProblem::MergedHeader,
                             QObject::tr("has merged cells (%1) in the first row of sheet \"%2\": each column needs "
                                         "its name in a cell of its own")
                                     .arg(merged, name));
}

} // namespace

QString saveSheetAsCsv(Instance &instance, const QString &path, const QString &sheetName, const QString &csvPath)
{
    // The office names the file it writes after the sheet ("sheet.csv"
    // becomes "sheet-Applicants.csv"): it writes into a folder of its own
    // beside csvPath, and the one file it wrote there is moved to csvPath.
    const QTemporaryDir written(QFileInfo(csvPath).absolutePath() + QStringLiteral("/sheet-XXXXXX"));
    if (!written.isValid())
        throw Failure(QObject::tr("Cannot write in the folder %1: %2")
                              .arg(QDir::toNativeSeparators(QFileInfo(csvPath).absolutePath()), written.errorString()));
    const QString name = officeCall(*instance.office, QObject::tr("Sheet as CSV %1").arg(path), [&] {
        const LoadedFile loaded = loadHidden(instance, path, true);
        if (!loaded.model.is()) {
            qCInfo(lcOffice) << "the office could not load" << path << (loaded.passwordAsked ? "(password)" : "");
            if (loaded.passwordAsked)
                throw word::SheetFailure(word::SheetProblem::PasswordProtected,
                                         QObject::tr("is protected by a password; save it without one first"));
            throw word::SheetFailure(word::SheetProblem::NotASpreadsheet,
                                     QObject::tr("cannot be read as a spreadsheet: it may be damaged, or "
                                                 "another kind of file"));
        }
        const ClosedAtEnd closed{loaded.model};
        Reference<sheet::XSpreadsheetDocument> document(loaded.model, UNO_QUERY);
        if (!document.is())
            throw word::SheetFailure(word::SheetProblem::NotASpreadsheet,
                                     QObject::tr("is not a spreadsheet (the office reads it as another kind of "
                                                 "document)"));
        const Reference<container::XIndexAccess> sheets(document->getSheets(), UNO_QUERY_THROW);
        QStringList names;
        for (const OUString &name : Reference<container::XNameAccess>(sheets, UNO_QUERY_THROW)->getElementNames())
            names << toQString(name);
        const sal_Int32 index = chosenSheet(sheets, names, sheetName);
        const QString name = names.value(index);
        checkHeaderRow(Reference<sheet::XSpreadsheet>(sheets->getByIndex(index), UNO_QUERY_THROW), name);

        Reference<frame::XStorable>(loaded.model, UNO_QUERY_THROW)
                ->storeToURL(fileUrl(*instance.office, written.filePath(QStringLiteral("sheet.csv"))),
                             properties({property("FilterName", uno::Any(OUString::createFromAscii(CsvFilter))),
                                         property("FilterOptions", uno::Any(csvOptions(index + 1))),
                                         property("Overwrite", uno::Any(true))}));
        return name;
    });
    const QStringList files = QDir(written.path()).entryList(QDir::Files);
    qCDebug(lcOffice) << "sheet" << name << "of" << path << "written as CSV:" << files;
    if (files.size() != 1)
        throw Failure(QObject::tr("The office did not write the sheet \"%1\" as CSV").arg(name));
    if (std::rename(QFile::encodeName(written.filePath(files.front())).constData(),
                    QFile::encodeName(csvPath).constData())
        != 0)
        throw Failure(QObject::tr("Cannot write %1: %2")
                              .arg(QDir::toNativeSeparators(csvPath), QString::fromLocal8Bit(std::strerror(errno))));
    return name;
}

} // namespace libreoffice
