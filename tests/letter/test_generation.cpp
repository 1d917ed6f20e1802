#include <csignal>
#include <sys/stat.h>

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ErrorReport.h"
#include "Failure.h"
#include "GenerateLetter.h"
#include "LetterFields.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "DocumentReader.h"
#include "PageSnapshot.h"
#include "RecordingHost.h"
#include "RecordingMessenger.h"
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
    std::shared_ptr<word::Application> createApplication() override
    {
        auto application = m_real.createApplication();
        if (!hung) {
            hung = m_real.lastInstanceProcessId();
            ::kill(pid_t(hung), SIGSTOP);
        }
        return application;
    }
    qint64 hung = 0;

private:
    LibreOfficeAutomation &m_real;
};

// A clipboard that never answers.
class DeadClipboard : public ClipboardSource
{
public:
    int reads = 0;
    std::optional<QImage> readPicture(int) override
    {
        ++reads;
        throw Failure(QStringLiteral("held open by another program"));
    }
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
    ProgramClipboard m_clipboard;
    std::unique_ptr<DocumentReader> m_reader;

    // This run's scratch folder inside the test's temporary folder.
    QString temp() const { return ScratchFiles::folder(); }

    // Generates with the real office and reads the letter back.
    DocumentReader::Document generate(RecordingHost &host, RecordingMessenger &messenger)
    {
        return generateAndRead(host, m_office, messenger, *m_reader);
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
        RecordingMessenger messenger;
        RecordingHost host(m_office, m_clipboard, messenger);
        host.fillSample();
        host.fields[DateFieldIndex] = QStringLiteral("an old date");
        const DocumentReader::Document letter = generate(host, messenger);

        QCOMPARE(host.fields[DateFieldIndex], letterDate());
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

        // The scratch document, and nothing else, is left in the folder.
        QVERIFY(QRegularExpression(QStringLiteral("^qrenta[1-9]{8}\\.doc$"))
                        .match(QFileInfo(host.wordFile).fileName()).hasMatch());
        QCOMPARE(QFileInfo(host.wordFile).absolutePath(), QFileInfo(temp()).absoluteFilePath());
        QCOMPARE(scratchFiles(temp()), QStringList{QFileInfo(host.wordFile).fileName()});

        QCOMPARE(host.events, (QStringList{"busy", "snapshot", "arrow", "picture", "show preview", "hide main"}));
        QVERIFY(!host.previewPicture.isNull());
        QVERIFY(host.previewPicture.dotsPerMeterX() > 5000); // denser than the screen
    }

    void emptyFieldsLeaveTheirPunctuation()
    {
        RecordingMessenger messenger;
        RecordingHost host(m_office, m_clipboard, messenger);
        const DocumentReader::Document letter = generate(host, messenger);
        QCOMPARE(letter.paragraphs.at(2).text, QStringLiteral(",   "));
        QCOMPARE(letter.paragraphs.at(8).text, QStringLiteral(",   "));
        QCOMPARE(letter.paragraphs.at(9).text, QStringLiteral("Dear :"));
    }

    void aFieldHoldingAPlaceholderIsFilledOnlyByLaterFields()
    {
        RecordingMessenger messenger;
        RecordingHost host(m_office, m_clipboard, messenger);
        host.fillSample();
        host.fields[0] = QStringLiteral("From [CITY2] with love"); // City2 (field 5) comes later
        host.fields[6] = QStringLiteral("[yourname] Street");      // YourName (field 0) came before
        const DocumentReader::Document letter = generate(host, messenger);
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
            SaveBytesToFile(templateBytes(), source);
            auto document = office->documents().open(source);
            document->storyRanges().front()->find().execute(
                    {.findText = QStringLiteral("Enclosure"), .replaceWith = QStringLiteral("Stale"),
                     .replace = word::WdReplace::All});
            document->saveAs(ScratchFiles::templateCopyPath(temp()));
            document->close();
            office->quit();
            QFile::remove(source);
        }
        RecordingMessenger messenger;
        RecordingHost host(m_office, m_clipboard, messenger);
        const DocumentReader::Document letter = generate(host, messenger);
        QCOMPARE(letter.paragraphs.back().text, QStringLiteral("Enclosure"));
        QVERIFY(!FileExists(ScratchFiles::templateCopyPath(temp())));
        QVERIFY(!FileExists(ScratchFiles::snapshotPath(temp())));
    }

    void theSnapshotLeavesTheDocumentAndTheUsersClipboardAsTheyWere()
    {
        const QString document = m_temp->filePath(QStringLiteral("letter.doc"));
        SaveBytesToFile(templateBytes(), document);
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's own text"));
        // Taking the clipboard over (even to put the user's text back) would
        // leave it empty when the program ends, and two running copies would
        // take each other's picture.
        QSignalSpy systemClipboardChanges(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        RecordingMessenger messenger;
        QVERIFY(SaveDocAsJPG(m_office, m_clipboard, messenger, document, temp()));
        QVERIFY(messenger.messages.empty());
        QCOMPARE(systemClipboardChanges.count(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own text"));
        QFile file(document);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), templateBytes());
        const QImage bitmap(ScratchFiles::snapshotPath(temp()));
        QVERIFY(!bitmap.isNull());
        QVERIFY(qAbs(bitmap.height() - 1680) <= 2);
    }

    void aClickWhileBusyDoesNothing()
    {
        ScriptedAutomation office;
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        bool busy = true;
        GenerateLetter(host, office, messenger, busy);
        QVERIFY(busy);
        QVERIFY(office.calls.isEmpty());
        QVERIFY(host.events.isEmpty());
        QVERIFY(messenger.messages.empty());
    }

    void withoutAnOfficeOneReportAndNoPreview()
    {
        ScriptedAutomation office;
        office.canCreate = false;
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QLatin1String(ReportLocation::Form1_PushButton6_Click)
                                                    + QStringLiteral("at line 110\r\r")));
        QCOMPARE(host.events, (QStringList{"busy", "arrow"}));
        QVERIFY(!busy);
        QVERIFY(scratchFiles(temp()).isEmpty());
    }

    void aTemplateThatCannotBeOpenedIsReportedOnceAndTheOfficeQuits()
    {
        ScriptedAutomation office;
        office.failAt(QStringLiteral("Documents.Open"));
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QStringLiteral("at line 114\r\r")));
        QCOMPARE(office.quits, 1);
        QCOMPARE(host.events, (QStringList{"busy", "arrow"}));
        QVERIFY(scratchFiles(temp()).isEmpty());
        QVERIFY(!busy);
    }

    void aRefusedSearchTextIsReportedAndTheOtherFieldsAreFilled()
    {
        ScriptedAutomation office;
        office.files[ScratchFiles::templateCopyPath(temp())] = {{{"main", "[YourName] [City] [ZIPCode2]"}}, {}};
        office.failAt(QStringLiteral("Find.Text"), 2); // the second field's search text
        office.picture = QImage(30, 40, QImage::Format_RGB32);
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        host.fillSample();
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QStringLiteral("at line 130\r\r")));
        // Field 1's Execute ran with the first field's search text still set.
        QCOMPARE(office.files[host.wordFile].stories.front().second, QStringLiteral("Dorian Vell [City] 90250"));
        QVERIFY(host.events.contains(QStringLiteral("show preview")));
    }

    void theClipboardIsReadAThousandTimesThenTheWriteIsReported()
    {
        ScriptedAutomation office;
        office.files[QStringLiteral("letter.doc")] = {{{"main", "text"}}, {}};
        DeadClipboard clipboard;
        RecordingMessenger messenger;
        SaveDocAsJPG(office, clipboard, messenger, QStringLiteral("letter.doc"), temp());
        QCOMPARE(clipboard.reads, ClipboardReadAttempts);
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QLatin1String(ReportLocation::Form1_SaveDocAsJPG)
                                                    + QStringLiteral("at line 122\r\r")));
        QVERIFY(!FileExists(ScratchFiles::snapshotPath(temp())));
        QCOMPARE(office.quits, 1);
    }

    void anOfficeThatHangsIsStoppedReportedOnceAndTheNextLetterWorks()
    {
        // A short deadline keeps the test short; the program's is stated
        // in OfficeCallDeadlineMs.
        qputenv("TESSALINE_OFFICE_DEADLINE_MS", "3000");
        LibreOfficeAutomation real;
        HangingFirstOffice office(real);
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        host.fillSample();
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        qunsetenv("TESSALINE_OFFICE_DEADLINE_MS");

        QVERIFY(office.hung != 0);
        QVERIFY(!processIsAlive(office.hung));
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY2(messenger.messages[0].text.contains(QStringLiteral("did not answer within 3 seconds")),
                 qPrintable(messenger.messages[0].text));
        QVERIFY(messenger.messages[0].text.contains(QStringLiteral("at line 114\r\r")));
        QCOMPARE(host.events, (QStringList{"busy", "arrow"}));
        QVERIFY(!busy);
        QVERIFY(scratchFiles(temp()).isEmpty());

        // The program stays usable: the next letter is made as usual.
        messenger.messages.clear();
        host.events.clear();
        const DocumentReader::Document letter = generate(host, messenger);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("Dorian Vell"));
        QVERIFY(host.events.contains(QStringLiteral("show preview")));
    }

    void aFailedSnapshotShowsNoPreviewNeverThePreviousLetter()
    {
        ScriptedAutomation office;
        office.files[ScratchFiles::templateCopyPath(temp())] = {{{"main", "[YourName]"}}, {}};
        office.picture = QImage(30, 40, QImage::Format_RGB32);
        office.picture.fill(Qt::red);
        office.failAt(QStringLiteral("Range.CopyAsPicture"), 2); // the second letter's snapshot
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        const QString firstLetter = host.wordFile;
        QVERIFY(messenger.messages.empty());
        QCOMPARE(host.previewPicture.pixelColor(0, 0), QColor(Qt::red));

        host.events.clear();
        host.fields[0] = QStringLiteral("A new name");
        GenerateLetter(host, office, messenger, busy);
        // One report, from the snapshot; no preview, so neither the first
        // letter's picture nor "Save" of a letter that is not shown.
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QLatin1String(ReportLocation::Form1_SaveDocAsJPG)
                                                    + QStringLiteral("at line 120\r\r")));
        QCOMPARE(host.events, (QStringList{"busy", "snapshot", "arrow"}));
        QCOMPARE(host.wordFile, firstLetter);
        // The new letter is not kept (the first one is the preview's, which
        // "< Back" would have deleted).
        QCOMPARE(scratchFiles(temp()), QStringList{QFileInfo(firstLetter).fileName()});
        QVERIFY(!busy);
    }

    void aPageThatCannotBeWrittenWholeShowsNoPreview()
    {
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        qputenv("temp", QFile::encodeName(disk.path()));
        ScriptedAutomation office;
        office.files[ScratchFiles::templateCopyPath(temp())] = {{{"main", "[YourName]"}}, {}};
        office.picture = QImage(200, 200, QImage::Format_RGB32); // larger than the disk
        office.picture.fill(Qt::blue);
        RecordingMessenger messenger;
        RecordingHost host(office, m_clipboard, messenger);
        bool busy = false;
        GenerateLetter(host, office, messenger, busy);
        QCOMPARE(messenger.messages.size(), size_t(1));
        QVERIFY(messenger.messages[0].text.contains(QStringLiteral("at line 122\r\r")));
        QCOMPARE(host.events, (QStringList{"busy", "snapshot", "arrow"}));
        QVERIFY(scratchFiles(temp()).isEmpty()); // no partial picture, no letter
        QCOMPARE(office.quits, 2);
    }

    void aPictureFileCutShortIsNotShown_data()
    {
        QTest::addColumn<int>("keptBytes");
        QTest::newRow("whole") << -1;
        QTest::newRow("cut short by a full disk") << 4096;
        QTest::newRow("header only") << 14;
        QTest::newRow("empty") << 0;
    }

    void aPictureFileCutShortIsNotShown()
    {
        QFETCH(int, keptBytes);
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
        if (keptBytes >= 0)
            bytes.truncate(keptBytes);
        const QString path = m_temp->filePath(QStringLiteral("temp.bmp"));
        SaveBytesToFile(bytes, path);
        if (keptBytes < 0)
            QCOMPARE(readSnapshot(path).pixelColor(99, 99), QColor(Qt::green));
        else
            QVERIFY_THROWS_EXCEPTION(Failure, readSnapshot(path));
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

        RecordingMessenger messenger;
        RecordingHost host(m_office, m_clipboard, messenger);
        host.fillSample();
        const DocumentReader::Document letter = generate(host, messenger);
        QCOMPARE(letter.paragraphs.at(0).text, QStringLiteral("Dorian Vell")); // the built-in template
        QCOMPARE(readAll(usersFile), QByteArray("the user's own file"));
        QCOMPARE(readAll(shared + QStringLiteral("/template.dot")), QByteArray("a planted letter"));
        QCOMPARE(readAll(plantedLetter), QByteArray("planted"));
        // The letter is the user's alone, in a folder of the user's alone.
        for (const auto &[path, mode] : {std::pair{host.wordFile, 0600u}, std::pair{temp(), 0700u},
                                         std::pair{ScratchFiles::userFolder(), 0700u}}) {
            struct stat info {};
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
