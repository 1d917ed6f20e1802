#include <csignal>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ErrorReport.h"
#include "Failure.h"
#include "LetterDesign.h"
#include "LetterEngine.h"
#include "LetterFields.h"
#include "LetterRun.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "LibreOfficeAutomation.h"
#include "LocaleVariables.h"
#include "Main.h"
#include "DocumentReader.h"
#include "ScratchFiles.h"
#include "ScriptedAutomation.h"
#include "SmallDisk.h"
#include "TestFiles.h"

namespace {

// The real office, stopped (SIGSTOP) as soon as its first instance is
// created: an office that hangs in the middle of a letter.
class HangingFirstOffice : public word::Automation
{
public:
    explicit HangingFirstOffice(LibreOfficeAutomation &real) : m_real(real) { }
    std::shared_ptr<word::Application> createApplication(word::CreationStop *stop = nullptr,
                                                         word::OfficeUse use = word::OfficeUse::Letter) override
    {
        auto application = m_real.createApplication(stop, use);
        if (!hung) {
            hung = m_real.lastInstanceProcessId();
            stopProcess(hung);
        }
        return application;
    }
    qint64 hung = 0;

private:
    LibreOfficeAutomation &m_real;
};

QStringList scratchFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files);
}

} // namespace

class TestGeneration : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;
    LibreOfficeAutomation m_office;
    std::unique_ptr<DocumentReader> m_reader;

    // This run's scratch folder inside the test's temporary folder.
    QString temp() const { return ScratchFiles::folder(); }

    // A scripted template copy holding these stories, and a page picture.
    static void scriptTemplate(ScriptedAutomation &office, const QString &mainText)
    {
        office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())] = {{{"main", mainText}}, {}};
        office.picture = QImage(30, 40, QImage::Format_RGB32);
        office.picture.fill(Qt::red);
    }

private slots:
    void initTestCase() { m_reader = std::make_unique<DocumentReader>(); }

    void init()
    {
        m_temp = std::make_unique<QTemporaryDir>();
        qputenv("temp", QFile::encodeName(m_temp->path()));
    }

    void cleanup() { qunsetenv("temp"); }

    void theSampleLetterIsFilledEverywhereAndShown()
    {
        MadeLetter made;
        const DocumentReader::Document letter = makeAndRead(m_office, sampleRequest(), *m_reader, &made);

        QVERIFY(made.templateOpened);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("Dorian Vell"));
        QCOMPARE(letter.paragraphs.at(1).text, QStringLiteral("1234 East Main Street"));
        QCOMPARE(letter.paragraphs.at(2).text, QStringLiteral("Boise, ID  91002"));
        QCOMPARE(letter.paragraphs.at(3).text, letterDate());
        QCOMPARE(letter.paragraphs.at(4).text, QStringLiteral("Vore Vurud"));
        QCOMPARE(letter.paragraphs.at(5).text, QStringLiteral("Contractor"));
        QCOMPARE(letter.paragraphs.at(6).text, QStringLiteral("Vuvodud Arudaziz Inc."));
        QCOMPARE(letter.paragraphs.at(7).text, QStringLiteral("123 Garage St"));
        QCOMPARE(letter.paragraphs.at(8).text, QStringLiteral("Hawthorne, CA  90250"));
        QCOMPARE(letter.paragraphs.at(9).text, QStringLiteral("Dear Vore Vurud:"));
        QCOMPARE(letter.paragraphs.at(17).text, QStringLiteral("Dorian Vell"));
        QVERIFY(!letter.bodyText().contains(QLatin1Char('[')));
        QVERIFY(letter.primaryHeader.contains(QStringLiteral("[Recipient Name]")));
        QCOMPARE(letter.filterName, QStringLiteral("MS Word 97"));

        // One page, its picture and its text, from the one office.
        QCOMPARE(made.pageCount, 1);
        QCOMPARE(int(made.pages.size()), 1);
        QVERIFY(made.pages[0].text.startsWith(QStringLiteral("Dorian Vell")));
        QVERIFY(made.pages[0].text.contains(QStringLiteral("Dear Vore Vurud:")));
        QCOMPARE(made.pages[0].picture.dotsPerMeterX(), 5669); // 144 pixels a logical inch
        QVERIFY(QImage(ScratchFiles::snapshotPath(temp())).size() == made.pages[0].picture.size());

        // The scratch document and its snapshot, and nothing else, are left.
        QVERIFY(QRegularExpression(QStringLiteral("^qrenta[1-9]{8}\\.doc$"))
                        .match(QFileInfo(made.document).fileName())
                        .hasMatch());
        QCOMPARE(QFileInfo(made.document).absolutePath(), QFileInfo(temp()).absoluteFilePath());
        QCOMPARE(scratchFiles(temp()), (QStringList{QFileInfo(made.document).fileName(), QStringLiteral("temp.bmp")}));
    }

    void theBuiltInLetterIsOnTheChosenPaperInEveryFormat_data()
    {
        QTest::addColumn<LetterDesign>("design");
        QTest::addColumn<PaperSize>("paper");
        QTest::addColumn<QSize>("millimetres");
        QTest::addColumn<QSize>("points");
        for (LetterDesign design : LetterDesigns::all()) {
            const QByteArray name = LetterDesigns::name(design).toLatin1();
            QTest::newRow(name + ", A4") << design << PaperSize::A4 << QSize(210, 297) << QSize(595, 842);
            QTest::newRow(name + ", US Letter") << design << PaperSize::Letter << QSize(216, 279) << QSize(612, 792);
        }
    }

    void theBuiltInLetterIsOnTheChosenPaperInEveryFormat()
    {
        QFETCH(LetterDesign, design);
        QFETCH(PaperSize, paper);
        QFETCH(QSize, millimetres);
        QFETCH(QSize, points);
        LetterRequest request = sampleRequest();
        request.paper = paper;
        request.design = design;
        MadeLetter made;
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader, &made);
        // The margins stay; the sample letter still fits its one page.
        QCOMPARE(letter.pageSizeMm(), millimetres);
        QCOMPARE(letter.leftMargin, 1800);
        QCOMPARE(letter.rightMargin, 1800);
        QCOMPARE(made.pageCount, 1);

        auto office = m_office.createApplication();
        auto saved = office->documents().open(made.document, {.readOnly = true});
        for (word::LetterFormat format :
             {word::LetterFormat::WordXml, word::LetterFormat::OpenDocument, word::LetterFormat::Pdf})
            saved->exportCopy(
                    m_temp->filePath(QStringLiteral("letter.") + QLatin1String(word::letterFormatInfo(format).suffix)),
                    format);
        saved->close();
        office->quit();
        for (const char *suffix : {"docx", "odt"})
            QCOMPARE(m_reader->read(m_temp->filePath(QStringLiteral("letter.") + QLatin1String(suffix))).pageSizeMm(),
                     millimetres);
        QCOMPARE(pdfPageSizes(m_temp->filePath(QStringLiteral("letter.pdf"))), std::vector<QSize>{points});
    }

    void theLetterTextIsTheBodyInTheBuiltInLettersOwnStyles()
    {
        const QString file = m_temp->filePath(QStringLiteral("letter.txt"));
        // Words enough for a second page.
        const QString story
                = QStringLiteral("I have built stairs, doors and windows for houses old and new. ").repeated(40);
        LetterText::write(file,
                          QStringLiteral("I write to [CompanyName] about the opening.\n\n"
                                         "What I bring:\n- Ten years of joinery\n- A clean\n  licence\n\n")
                                  + story + QStringLiteral("\n\nCall me at [Phone] or write to [Email]."));
        LetterRequest request = sampleRequest();
        request.letterTextFile = file;
        request.further = {{QStringLiteral("Phone"), QStringLiteral("555-0100")},
                           {QStringLiteral("Email"), QStringLiteral("dorian@example.org")}};
        MadeLetter made;
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader, &made);
        const DocumentReader::Document builtIn = makeAndRead(m_office, sampleRequest(), *m_reader);

        const auto &body = builtIn.paragraphs;
        struct Expected
        {
            const char *text;
            const DocumentReader::Paragraph &like;
        };
        const Expected expected[] = {
                {"I write to Vuvodud Arudaziz Inc. about the opening.", body.at(10)},
                {"What I bring:", body.at(10)},
                {"Ten years of joinery", body.at(12)},
                {"A clean licence", body.at(12)},
                {"", body.at(10)}, // the story
                {"Call me at 555-0100 or write to dorian@example.org.", body.at(10)},
        };
        QCOMPARE(letter.paragraphs.size(), body.size());
        for (size_t i = 0; i < std::size(expected); ++i) {
            const DocumentReader::Paragraph &p = letter.paragraphs.at(10 + i);
            QCOMPARE(p.text, i == 4 ? story.trimmed() : QString::fromUtf8(expected[i].text));
            QCOMPARE(p.style, expected[i].like.style);
            QCOMPARE(p.inList, expected[i].like.inList);
            QCOMPARE(p.listStyle, expected[i].like.listStyle);
        }
        // Everything around the body stays as the template has it.
        for (size_t i = 0; i < 10; ++i)
            QCOMPARE(letter.paragraphs.at(i).text, body.at(i).text);
        for (size_t i = 1; i <= 3; ++i)
            QCOMPARE(letter.paragraphs.at(letter.paragraphs.size() - i).text, body.at(body.size() - i).text);
        QVERIFY(!letter.bodyText().contains(QStringLiteral("555-0142")));
        // The second page is headed by this letter's recipient and date.
        QCOMPARE(made.pageCount, 2);
        QVERIFY2(letter.primaryHeader.startsWith(QStringLiteral("Vore Vurud\n") + letterDate()
                                                 + QStringLiteral("\nPage ")),
                 qPrintable(letter.primaryHeader));
        QVERIFY(made.pages.at(0).text.contains(QStringLiteral("Ten years of joinery")));
    }

    void theLaterPagesHeaderIsInTheLettersLanguage_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << QByteArray("en_US.UTF-8") << QStringLiteral("Page");
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QStringLiteral("Seite");
        QTest::newRow("Japanese") << QByteArray("ja_JP.UTF-8") << QStringLiteral("ページ");
    }

    void theLaterPagesHeaderIsInTheLettersLanguage()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, page);
        const QByteArray lcAll = qgetenv("LC_ALL");
        const auto restoreLocale = qScopeGuard([&] { setLocaleVariables({{"LC_ALL", lcAll}}); });
        setLocaleVariables({{"LC_ALL", locale}});
        const QString file = m_temp->filePath(QStringLiteral("letter.txt"));
        LetterText::write(file, QStringLiteral("Page after page of work. ").repeated(200));
        LetterRequest request = sampleRequest();
        request.letterTextFile = file;
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);
        QVERIFY2(letter.primaryHeader.contains(u'\n' + page + u' '), qPrintable(letter.primaryHeader));
        QVERIFY(letter.bodyText().contains(QStringLiteral("Page after page of work."))); // the user's words stay
    }

    void aFieldHoldingAPlaceholderIsFilledOnlyByLaterFields()
    {
        LetterRequest request = sampleRequest();
        request.fields[0] = QStringLiteral("From [CITY2] with love"); // City2 (field 5) comes later
        request.fields[6] = QStringLiteral("[yourname] Street");      // YourName (field 0) came before
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("From Hawthorne with love"));
        QCOMPARE(letter.paragraphs.at(1).text, QStringLiteral("[yourname] Street"));
    }

    void aStaleTemplateCopyIsReplacedAndRemoved()
    {
        // Leave a different letter where the template copy goes: an earlier
        // letter's template, which must not stand in for today's.
        {
            auto office = m_office.createApplication();
            const QString source = m_temp->filePath(QStringLiteral("source.doc"));
            SaveBytesToFile(templateBytes(LetterDesign::Classic), source);
            auto document = office->documents().open(source);
            const std::vector<std::pair<QString, QString>> stale{
                    {QStringLiteral("Enclosure"), QStringLiteral("Stale")}};
            PreparedLetter(*document, placeholdersOf(stale)).fill(stale);
            document->saveAs(ScratchFiles::templateCopyPath(temp()));
            document->close();
            office->quit();
            QFile::remove(source);
        }
        const DocumentReader::Document letter = makeAndRead(m_office, sampleRequest(), *m_reader);
        QCOMPARE(letter.paragraphs.back().text, QStringLiteral("Enclosure"));
        QVERIFY(!FileExists(ScratchFiles::templateCopyPath(temp())));
    }

    void whatCannotBeMadeIsReportedOnceAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("quits");
        QTest::newRow("no office") << "Automation.Create"
                                   << "Form1.PushButton6_Click at line 110" << 0;
        QTest::newRow("the template cannot be opened") << "Documents.Open"
                                                       << "Form1.PushButton6_Click at line 114" << 1;
        QTest::newRow("the letter cannot be stored") << "Document.Export"
                                                     << "Form1.PushButton6_Click at line 184" << 1;
        QTest::newRow("no page can be rendered") << "Document.RenderPage"
                                                 << "Form1.SaveDocAsJPG at line 120" << 1;
    }

    void whatCannotBeMadeIsReportedOnceAndLeavesNothing()
    {
        QFETCH(QString, failing);
        QFETCH(QString, report);
        QFETCH(int, quits);
        ScriptedAutomation office;
        scriptTemplate(office, QStringLiteral("[YourName]"));
        if (failing == QStringLiteral("Automation.Create"))
            office.canCreate = false;
        else
            office.failAt(failing);
        const MadeLetter made = makeLetter(office, sampleRequest());
        const QStringList reports = reportTexts(made);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(report + QStringLiteral("\r\r")), qPrintable(reports[0]));
        QVERIFY(!made.canShow());
        QVERIFY(made.document.isEmpty());
        QCOMPARE(office.quits, quits);
        QVERIFY(scratchFiles(temp()).isEmpty());
    }

    void aRefusedFillIsReportedAndTheLetterStillShown()
    {
        ScriptedAutomation office;
        scriptTemplate(office, QStringLiteral("[YourName] [City]"));
        office.failAt(QStringLiteral("Document.FindPlaceholders"));
        const MadeLetter made = makeLetter(office, sampleRequest());
        const QStringList reports = reportTexts(made);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("at line 150\r\r")));
        QVERIFY(made.canShow());
        QCOMPARE(office.files[made.document].stories.front().second, QStringLiteral("[YourName] [City]"));
    }

    void anOfficeThatHangsIsStoppedReportedOnceAndTheNextLetterWorks()
    {
        // A short deadline keeps the test short; the program's is stated
        // in OfficeCallDeadlineMs.
        LibreOfficeAutomation real({.callDeadlineMs = 3000});
        HangingFirstOffice office(real);
        const MadeLetter hung = makeLetter(office, sampleRequest());

        QVERIFY(office.hung != 0);
        // Killed; the kernel ends a process of many threads in a moment.
        QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(office.hung), 5000);
        const QStringList reports = reportTexts(hung);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QStringLiteral("did not answer within 3 seconds")), qPrintable(reports[0]));
        QVERIFY(reports[0].contains(QStringLiteral("at line 114\r\r")));
        QVERIFY(!hung.canShow());
        QVERIFY(scratchFiles(temp()).isEmpty());

        // The program stays usable: the next letter is made as usual.
        const DocumentReader::Document letter = makeAndRead(office, sampleRequest(), *m_reader);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("Dorian Vell"));
    }

    void aTemplateTheOfficeDoesNotFinishReadingIsNamedNotItsCopy()
    {
        LibreOfficeAutomation real({.callDeadlineMs = 3000});
        HangingFirstOffice office(real);
        const QString mine = QFINDTESTDATA("data/user-template/my-letter.docx");
        const MadeLetter hung = makeLetter(office, sampleRequest(mine));

        QCOMPARE(hung.reports.size(), size_t(1));
        const LetterReport &report = hung.reports.front();
        QVERIFY(report.plainWords);
        QVERIFY2(report.description.contains(QStringLiteral("Your letter template %1 is too large or too slow to open")
                                                     .arg(QDir::toNativeSeparators(mine))),
                 qPrintable(report.description));
        QVERIFY2(report.description.contains(QStringLiteral("within 3 seconds")), qPrintable(report.description));
        QVERIFY2(!report.description.contains(QStringLiteral("template.dot")), qPrintable(report.description));
        QVERIFY(!hung.canShow());
        QVERIFY(scratchFiles(temp()).isEmpty());
    }

    void aLetterCancelledMidwayLeavesNoFileAndNoOffice()
    {
        LibreOfficeAutomation real;
        LetterEngine engine(real, sampleRequest());
        engine.start();
        const qint64 office = real.lastInstanceProcessId();
        QVERIFY(engine.isRunning()); // opening the template alone takes longer than this
        engine.cancel();
        QVERIFY(engine.wasCancelled());
        QVERIFY(engine.result().reports.empty()); // the user's own choice: nothing to report
        QVERIFY(!engine.result().canShow());
        QVERIFY(!processIsAlive(office));
        QVERIFY(scratchFiles(temp()).isEmpty());
    }

    void aSnapshotFileThatCannotBeWrittenIsReportedAndLeavesNoPart()
    {
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        qputenv("temp", QFile::encodeName(disk.path()));
        ScriptedAutomation office;
        scriptTemplate(office, QStringLiteral("[YourName]"));
        office.picture = QImage(200, 200, QImage::Format_RGB32); // larger than the disk
        office.picture.fill(Qt::blue);
        const MadeLetter made = makeLetter(office, sampleRequest());
        const QStringList reports = reportTexts(made);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QLatin1String(ReportLocation::Form1_SaveDocAsJPG)
                                    + QStringLiteral("at line 122\r\r")));
        // The page is in memory all the same; no part of a picture is left.
        QVERIFY(made.canShow());
        QCOMPARE(scratchFiles(temp()), QStringList{QFileInfo(made.document).fileName()});
    }

    void everyPageOfALongerLetterFromAUsersTemplateIsRendered()
    {
        LetterRequest request
                = sampleRequest(QStringLiteral(TESSALINE_SOURCE_DIR "/tests/letter/data/user-template/my-letter.docx"));
        request.fields[4] = QStringLiteral("A street that goes on ").repeated(90).trimmed();
        MadeLetter made;
        makeAndRead(m_office, request, *m_reader, &made);
        QCOMPARE(made.pageCount, 2);
        QCOMPARE(int(made.pages.size()), 2);
        QCOMPARE(made.pages[1].picture.size(), made.pages[0].picture.size());
        // Each page's words begin with its header.
        const QString header = QStringLiteral("Dorian Vell \u00b7 1234 East Main Street \u00b7 Boise, ID 91002\n");
        QVERIFY2(made.pages[0].text.startsWith(header + letterDate()), qPrintable(made.pages[0].text));
        QVERIFY(made.pages[1].text.startsWith(header));
        QVERIFY(made.pages[1].text.contains(QStringLiteral("Kind regards,")));
        QVERIFY(!made.pages[0].text.contains(QStringLiteral("Kind regards,")));
    }

    void filesPlantedInTheSharedFolderAreNeitherUsedNorWritten()
    {
        // What another user could leave at the fixed names in a shared
        // temporary folder: a letter of theirs as the template, a link
        // to a file of the user's, a world-writable picture file.
        const QString shared = m_temp->path();
        const QString usersFile = m_temp->filePath(QStringLiteral("users-own.txt"));
        SaveBytesToFile("the user's own file", usersFile);
        SaveBytesToFile("a planted letter", shared + QStringLiteral("/template.dot"));
        QVERIFY(QFile::link(usersFile, shared + QStringLiteral("/temp.bmp")));
        const QString plantedLetter = shared + QStringLiteral("/qrenta11111111.doc");
        SaveBytesToFile("planted", plantedLetter);
        QVERIFY(QFile::setPermissions(plantedLetter, QFileDevice::Permissions(0x6666)));

        MadeLetter made;
        const DocumentReader::Document letter = makeAndRead(m_office, sampleRequest(), *m_reader, &made);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("Dorian Vell")); // the built-in template
        QCOMPARE(readAll(usersFile), QByteArray("the user's own file"));
        QCOMPARE(readAll(shared + QStringLiteral("/template.dot")), QByteArray("a planted letter"));
        QCOMPARE(readAll(plantedLetter), QByteArray("planted"));
        // The letter is the user's alone, in a folder of the user's alone.
        for (const auto &[path, mode] : {std::pair{made.document, 0600u}, std::pair{temp(), 0700u},
                                         std::pair{ScratchFiles::userFolder(), 0700u}}) {
            struct stat info
            { };
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
            QCOMPARE(info.st_mode & 0777, mode);
            QCOMPARE(info.st_uid, ::getuid());
        }
    }

    void scratchNamesHaveEightDigitsFromOneToNine()
    {
        const QRegularExpression pattern(QStringLiteral("/qrenta[1-9]{8}\\.doc$"));
        QSet<QString> names;
        for (int i = 0; i < 200; ++i) {
            const QString path = newScratchDocumentPath(temp());
            QVERIFY(pattern.match(path).hasMatch());
            names.insert(path);
        }
        QVERIFY(names.size() > 190); // not re-seeded from the clock for every digit
    }
};

QTEST_MAIN(TestGeneration)
#include "test_generation.moc"
