// Lists kept in spreadsheets, read through a real office in its jail, as
// the batch reads them: one sheet of an .xlsx or .ods file becomes CSV,
// which the batch's list parser reads as it reads a CSV file. The office
// sees none of the test's folders here, only the run's scratch folder.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "OfficeJail.h"
#include "LetterList.h"
#include "LibreOfficeAutomation.h"
#include "ScratchFiles.h"
#include "SheetList.h"
#include "TestFiles.h"

namespace {

const QString DataFolder = QStringLiteral(TESSALINE_SOURCE_DIR "/tests/letter/data/sheet-list/");

// A row of a parsed list as the table below writes it: recipient, company,
// ZIP code and the list's own column "Applied", separated by "|".
QString shown(const LetterRow &row)
{
    QString applied;
    for (const auto &[name, text] : row.further) {
        if (name == u"Applied")
            applied = text;
    }
    return QStringList{row.texts[7], row.texts[11], row.texts[2], applied}.join(u'|');
}

} // namespace

class TestSheetList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<LibreOfficeAutomation> m_automation;
    std::shared_ptr<word::Application> m_office;

private slots:
    void initTestCase()
    {
        // The office reads what the program copies for it, never the
        // user's own folders (the other office tests share theirs).
        OfficeJail::shareWithOffices({});
        QVERIFY(m_dir.isValid());
        m_automation = std::make_unique<LibreOfficeAutomation>();
        m_office = m_automation->createApplication();
    }

    void cleanupTestCase()
    {
        if (m_office)
            m_office->quit();
    }

    void suffixesTellASpreadsheet()
    {
        QVERIFY(isSpreadsheetList(QStringLiteral("/a/list.xlsx")));
        QVERIFY(isSpreadsheetList(QStringLiteral("LIST.ODS")));
        QVERIFY(isSpreadsheetList(QStringLiteral("old.Xls")));
        QVERIFY(!isSpreadsheetList(QStringLiteral("list.csv")));
        QVERIFY(!isSpreadsheetList(QStringLiteral("xlsx")));
    }

    void sheetReadAsItShows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("rows"); // as shown() writes them
        QTest::addColumn<QString>("refusal");  // part of the sentence; empty when the list is read

        const QStringList applicants{QStringLiteral("Jane Smith|Acme, \"Best\" Widgets|02108|05/03/2024"),
                                     QStringLiteral("Jürgen Weiß|Bäckerei Größer|02134|18/04/2024")};
        const QStringList secondRound{QStringLiteral("Ana Lima|Lima & Filhos|01310|")};
        const QString sheets = QStringLiteral("\"Applicants\", \"Second round\", \"No header\", \"Merged header\"");
        for (const char *suffix : {"xlsx", "ods"}) {
            const QString file = QStringLiteral("letters.") + QLatin1String(suffix);
            auto row = [&](const char *name) { return &QTest::newRow(qPrintable(file + u' ' + QLatin1String(name))); };
            // The .xlsx starts with a hidden sheet, which the first
            // shown sheet passes by.
            *row("first sheet") << file << QString() << applicants << QString();
            *row("by name") << file << QStringLiteral("Second round") << secondRound << QString();
            *row("name in any case") << file << QStringLiteral("SECOND ROUND") << secondRound << QString();
            *row("no such sheet") << file << QStringLiteral("Third round") << QStringList()
                                  << QStringLiteral("has no sheet named \"Third round\"; its sheets are ")
                            + (file.endsWith(u"xlsx") ? QStringLiteral("\"Notes\", ") : QString()) + sheets;
            *row("empty first row") << file << QStringLiteral("No header") << QStringList()
                                    << QStringLiteral("has an empty first row in sheet \"No header\"");
            *row("merged header") << file << QStringLiteral("Merged header") << QStringList()
                                  << QStringLiteral(
                                             "has merged cells (A1:B1) in the first row of sheet \"Merged header\"");
        }
        QTest::newRow("damaged") << QStringLiteral("damaged.xlsx") << QString() << QStringList()
                                 << QStringLiteral("cannot be read as a spreadsheet");
        QTest::newRow("a text document") << QStringLiteral("letter.ods") << QString() << QStringList()
                                         << QStringLiteral("is not a spreadsheet");
    }

    void sheetReadAsItShows()
    {
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(QStringList, rows);
        QFETCH(QString, refusal);
        QString path = DataFolder + file;
        if (file == u"damaged.xlsx") {
            // The start of a real one, cut short.
            path = m_dir.filePath(file);
            writeFile(path, readAll(DataFolder + QStringLiteral("letters.xlsx")).left(700));
        } else if (file == u"letter.ods") {
            path = m_dir.filePath(file);
            writeFile(path, readAll(QStringLiteral(TESSALINE_SOURCE_DIR "/tests/letter/data/formatted.fodt")));
        }
        const QString scratch = ScratchFiles::folder();
        const QString before = QDir(scratch).entryList(QDir::Files).join(u' ');

        QByteArray csv;
        QString sentence;
        try {
            csv = sheetAsCsv(*m_office, path, sheet, scratch);
        } catch (const FileProblem &problem) {
            sentence = problem.description();
        }
        // Nothing of the conversion is left behind, read or refused.
        QCOMPARE(QDir(scratch).entryList(QDir::Files).join(u' '), before);
        if (!refusal.isEmpty()) {
            QVERIFY2(sentence.contains(refusal), qPrintable(sentence));
            // The user's file by its name, not the copy the office read.
            QVERIFY2(sentence.startsWith(QStringLiteral("The list %1 ").arg(QDir::toNativeSeparators(path))),
                     qPrintable(sentence));
            return;
        }
        QVERIFY2(sentence.isEmpty(), qPrintable(sentence));
        // UTF-8 without a byte-order mark, commas, quotes doubled inside
        // quotes: any CSV reader takes it.
        QVERIFY2(csv.startsWith("RecipientName,CompanyName,"), csv.left(80).constData());
        if (sheet.isEmpty())
            QVERIFY2(csv.contains("\"Acme, \"\"Best\"\" Widgets\""), csv.constData());
        const LetterList list = parseLetterList(csv, {}, {}, QStringLiteral("today"));
        QStringList got;
        for (const LetterRow &row : list.rows) {
            QVERIFY2(row.problem.isEmpty() && !row.empty, qPrintable(row.problem));
            got << shown(row);
        }
        QCOMPARE(got, rows);
    }
};

QTEST_GUILESS_MAIN(TestSheetList)
#include "test_sheet_list.moc"
