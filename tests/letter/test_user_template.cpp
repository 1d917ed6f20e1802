#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "DocumentReader.h"
#include "ErrorReport.h"
#include "LetterCheck.h"
#include "LetterEngine.h"
#include "LetterFields.h"
#include "LetterRun.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "RunMark.h"
#include "RunProgram.h"
#include "SaveBuiltInLetter.h"
#include "ScratchFiles.h"
#include "TestFiles.h"

// Letters from a template of the user's own, through the real office: the
// user's template filled everywhere and left as it was, the templates a
// letter cannot be made from, the built-in letter saved as a starting
// point, and what the saved letter says about itself.
class TestUserTemplate : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;  // the scratch folder
    std::unique_ptr<QTemporaryDir> m_files; // the user's own files
    LibreOfficeAutomation m_office;
    std::unique_ptr<DocumentReader> m_reader;

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What is in the scratch folder, but for the run's own lock.
    static QStringList scratchLeft()
    {
        QStringList files = QDir(ScratchFiles::folder()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QLatin1String(RunMark::LockFileName));
        return files;
    }

    // A fixture copied among the user's files, where it can be changed.
    QString userCopy(const QString &fixture)
    {
        const QString path = m_files->filePath(QFileInfo(fixture).fileName());
        QFile::remove(path);
        if (!QFile::copy(QFINDTESTDATA(fixture), path))
            return {};
        return path;
    }

    DocumentReader::Document generateAndRead(const QString &templateFile)
    {
        return makeAndRead(m_office, sampleRequest(templateFile), *m_reader);
    }

private slots:
    void initTestCase() { m_reader = std::make_unique<DocumentReader>(); }

    void init()
    {
        m_temp = std::make_unique<QTemporaryDir>();
        m_files = std::make_unique<QTemporaryDir>();
        qputenv("temp", QFile::encodeName(m_temp->path()));
    }

    void cleanup() { qunsetenv("temp"); }

    void everyPlaceholderIsFilledAndTheTemplateStaysAsItWas_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("Word 2007-365") << QStringLiteral("data/user-template/my-letter.docx");
        QTest::newRow("OpenDocument") << QStringLiteral("data/user-template/my-letter.odt");
    }

    void everyPlaceholderIsFilledAndTheTemplateStaysAsItWas()
    {
        QFETCH(QString, fixture);
        const QString mine = userCopy(fixture);
        QVERIFY(!mine.isEmpty());
        const QByteArray before = contents(mine);
        const QDateTime modifiedBefore = QFileInfo(mine).lastModified();

        const DocumentReader::Document letter = generateAndRead(mine);

        // Body, a split and bold placeholder, the header, the table and the
        // text box, whatever the letter case of the placeholder.
        QCOMPARE(letter.filterName, QStringLiteral("MS Word 97"));
        const QString text = letter.everyText();
        QVERIFY2(!text.contains(QLatin1Char('[')), qPrintable(text));
        QVERIFY(letter.bodyText().contains(QStringLiteral("Dear Vore Vurud,")));
        QVERIFY(letter.bodyText().contains(QStringLiteral("joinery to Vuvodud Arudaziz Inc., and")));
        QVERIFY(letter.bodyText().contains(letterDate()));
        QVERIFY2((letter.firstPageHeader + letter.primaryHeader)
                         .contains(QStringLiteral("Dorian Vell · 1234 East Main Street · Boise, ID 91002")),
                 qPrintable(letter.primaryHeader));
        QVERIFY(letter.tableCellTexts.contains(QStringLiteral("Vore Vurud")));
        QVERIFY(letter.tableCellTexts.contains(QStringLiteral("Vuvodud Arudaziz Inc.")));
        QVERIFY(letter.tableCellTexts.contains(QStringLiteral("123 Garage St")));
        QVERIFY(letter.tableCellTexts.contains(QStringLiteral("Hawthorne, CA 90250")));
        QVERIFY2((letter.frameTexts + letter.shapeTexts).contains(QStringLiteral("Contractor")), qPrintable(text));

        // The user's file is exactly as it was, and nothing of the letter
        // is left in the scratch folder but the letter itself.
        QCOMPARE(contents(mine), before);
        QCOMPARE(QFileInfo(mine).lastModified(), modifiedBefore);
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(mine).fileName()});
        QCOMPARE(scratchLeft().size(), 2); // and temp.bmp
    }

    void aBadTemplateIsToldPlainlyAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gone") << "gone"
                              << "is gone";
        QTest::newRow("unreadable") << "unreadable"
                                    << "cannot be read";
        QTest::newRow("a folder") << "folder"
                                  << "is a folder";
        QTest::newRow("empty") << "empty"
                               << "is an empty file, not a document";
        QTest::newRow("not a document") << "garbage"
                                        << "is not a document the word processor can open";
        QTest::newRow("an image") << "image"
                                  << "is not a document the word processor can open";
        QTest::newRow("password, Word 97") << "password-doc"
                                           << "is protected by a password";
        QTest::newRow("password, OpenDocument") << "password-odt"
                                                << "is protected by a password";
    }

    void aBadTemplateIsToldPlainlyAndNothingIsLost()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QString mine = m_files->filePath(QStringLiteral("my-letter.docx"));
        if (kind == u"unreadable") {
            // Opens, but every read fails (even for the superuser).
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), mine));
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkpath(mine));
        } else if (kind == u"empty") {
            QFile file(mine);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == u"garbage") {
            QFile file(mine);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("PK\x03\x04 this zip is cut short \x00\x01\x02\xff", 33));
        } else if (kind == u"image") {
            mine = m_files->filePath(QStringLiteral("photo.odt"));
            QImage(40, 30, QImage::Format_RGB32).save(mine, "PNG");
        } else if (kind.startsWith(u"password")) {
            const bool word = kind.endsWith(u"doc");
            mine = m_files->filePath(word ? QStringLiteral("secret.doc") : QStringLiteral("secret.odt"));
            m_reader->writeProtectedCopy(QFINDTESTDATA("data/user-template/my-letter.fodt"), mine,
                                         word ? QStringLiteral("MS Word 97") : QStringLiteral("writer8"),
                                         QStringLiteral("open sesame"));
        }

        const MadeLetter made = makeLetter(m_office, sampleRequest(mine));

        // One plain message that names the file and says what is wrong.
        QCOMPARE(made.reports.size(), size_t(1));
        const QString message = made.reports[0].description;
        QVERIFY(made.reports[0].plainWords);
        QVERIFY2(message.contains(QDir::toNativeSeparators(mine)), qPrintable(message));
        QVERIFY2(message.contains(expected), qPrintable(message));

        // No letter, no date for the fields, nothing left behind.
        QVERIFY(!made.canShow());
        QVERIFY(!made.templateOpened);
        QVERIFY(scratchLeft().isEmpty());
    }

    void aTemplateWithoutPlaceholdersIsToldAndStillMakesTheLetter()
    {
        const QString mine = m_files->filePath(QStringLiteral("plain.rtf"));
        {
            QFile file(mine);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0 To whom it may concern.\\par}");
        }
        const MadeLetter made = makeLetter(m_office, sampleRequest(mine));
        QVERIFY(made.reports.empty());
        QVERIFY(made.canShow());
        QVERIFY(!made.placeholderFound); // the window tells the user so
        QCOMPARE(m_reader->read(made.document).bodyText(), QStringLiteral("To whom it may concern."));
    }

    void theTemplatesOwnPlaceholdersAreNamedWhereverTheyStand()
    {
        // My letter with a placeholder no value fills in its text box and
        // one in the header of every page.
        QByteArray source = contents(QFINDTESTDATA("data/user-template/my-letter.fodt"));
        QVERIFY(source.contains("[TITLE]") && source.contains("[zipcode]"));
        source.replace("[TITLE]", "[Position]").replace("[zipcode]", "[Reason]");
        const QString mine = m_files->filePath(QStringLiteral("my-letter.fodt"));
        writeFile(mine, source);

        LetterRequest request = sampleRequest(mine);
        request.further = {{QStringLiteral("Phone"), QString()}, {QStringLiteral("Email"), QString()}};
        const MadeLetter made = makeLetter(m_office, request);
        QVERIFY(made.canShow());
        QVERIFY2(made.ownTemplateNames.contains(QStringLiteral("Position"))
                         && made.ownTemplateNames.contains(QStringLiteral("Reason"))
                         && made.ownTemplateNames.contains(QStringLiteral("Companyname")),
                 qPrintable(made.ownTemplateNames.join(u',')));
        QStringList problems = checkLetter(checkInputFor(request, made, nullptr)).problems;
        problems.sort();
        QCOMPARE(problems,
                 (QStringList{QStringLiteral("[Position] has no value"), QStringLiteral("[Reason] has no value")}));
        DeleteFileQuietly(made.document);
    }

    void theBuiltInLetterSavedInEachFormatMakesTheSameLetter_data()
    {
        QTest::addColumn<word::LetterFormat>("format");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<PaperSize>("paper");
        QTest::addColumn<QSize>("millimetres");
        QTest::newRow("docx, A4") << word::LetterFormat::WordXml << "MS Word 2007 XML" << PaperSize::A4
                                  << QSize(210, 297);
        QTest::newRow("odt, US Letter") << word::LetterFormat::OpenDocument << "writer8" << PaperSize::Letter
                                        << QSize(216, 279);
        QTest::newRow("doc, A4") << word::LetterFormat::Word97 << "MS Word 97" << PaperSize::A4 << QSize(210, 297);
    }

    void theBuiltInLetterSavedInEachFormatMakesTheSameLetter()
    {
        QFETCH(word::LetterFormat, format);
        QFETCH(QString, filter);
        QFETCH(PaperSize, paper);
        QFETCH(QSize, millimetres);
        const QString saved = m_files->filePath(QStringLiteral("my-letter.")
                                                + QLatin1String(word::letterFormatInfo(format).suffix));
        // A file already there is replaced.
        {
            QFile old(saved);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older file");
        }
        saveBuiltInLetter(m_office, saved, format, paper, LetterDesign::Classic);
        const DocumentReader::Document starter = m_reader->read(saved);
        QCOMPARE(starter.filterName, filter);
        QCOMPARE(starter.pageSizeMm(), millimetres);
        QVERIFY(scratchLeft().isEmpty());
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        const QString builtIn = generateAndRead(QString()).bodyText();
        // The user's template keeps its own paper, whatever the built-in
        // letter's is.
        LetterRequest request = sampleRequest(saved);
        request.paper = paper == PaperSize::A4 ? PaperSize::Letter : PaperSize::A4;
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);
        QCOMPARE(letter.pageSizeMm(), millimetres);
        const QString fromSaved = letter.bodyText();
        QCOMPARE(fromSaved, builtIn);
        QVERIFY(fromSaved.contains(QStringLiteral("Dear Vore Vurud:")));
    }

    void theStarterCopyFillsItsLaterPagesHeader_data()
    {
        QTest::addColumn<word::LetterFormat>("format");
        QTest::addColumn<PaperSize>("paper");
        QTest::addColumn<QSize>("points");
        QTest::newRow("docx, A4") << word::LetterFormat::WordXml << PaperSize::A4 << QSize(595, 842);
        QTest::newRow("odt, US Letter") << word::LetterFormat::OpenDocument << PaperSize::Letter << QSize(612, 792);
        QTest::newRow("doc, A4") << word::LetterFormat::Word97 << PaperSize::A4 << QSize(595, 842);
    }

    void theStarterCopyFillsItsLaterPagesHeader()
    {
        QFETCH(word::LetterFormat, format);
        const QString saved
                = m_files->filePath(QStringLiteral("starter.") + QLatin1String(word::letterFormatInfo(format).suffix));
        QFETCH(PaperSize, paper);
        QFETCH(QSize, points);
        saveBuiltInLetter(m_office, saved, format, paper, LetterDesign::Classic);
        // A letter long enough for a second page.
        LetterRequest request = sampleRequest(saved);
        request.fields[4] = QStringLiteral("A street that goes on ").repeated(90).trimmed();
        MadeLetter made;
        makeAndRead(m_office, request, *m_reader, &made);
        QCOMPARE(made.pageCount, 2);

        // The pages as they print, headers and all.
        const QString pdf = m_files->filePath(QStringLiteral("letter.pdf"));
        auto office = m_office.createApplication();
        auto letter = office->documents().open(made.document, {.readOnly = true});
        letter->exportCopy(pdf, word::LetterFormat::Pdf);
        letter->close();
        office->quit();
        auto pageText = [&](int page) {
            return runProgram(QStringLiteral("pdftotext"),
                              {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                               pdf, QStringLiteral("-")})
                    .out;
        };
        const QString second = pageText(2);
        for (const QString &expected : {QStringLiteral("Vore Vurud\n") + letterDate() + QStringLiteral("\nPage 2")})
            QVERIFY2(second.contains(expected), qPrintable(second));
        QVERIFY2(!second.contains(u'['), qPrintable(second));
        QVERIFY(!pageText(1).contains(QStringLiteral("Page 1"))); // the first page has a header of its own
        // The later pages are on the same paper as the first.
        QCOMPARE(pdfPageSizes(pdf), (std::vector<QSize>{points, points}));
    }

    void aNameIsSavedInTheFormatItsSuffixNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<word::LetterFormat>("inDialog");
        QTest::addColumn<QString>("path");
        QTest::addColumn<word::LetterFormat>("format");
        QTest::newRow("no suffix") << "/d/my" << word::LetterFormat::WordXml << "/d/my.docx"
                                   << word::LetterFormat::WordXml;
        QTest::newRow("typed .odt") << "/d/my.ODT" << word::LetterFormat::WordXml << "/d/my.ODT"
                                    << word::LetterFormat::OpenDocument;
        QTest::newRow("typed .doc") << "/d/my.doc" << word::LetterFormat::OpenDocument << "/d/my.doc"
                                    << word::LetterFormat::Word97;
        QTest::newRow("other dot") << "/d/v1.2" << word::LetterFormat::Word97 << "/d/v1.2.doc"
                                   << word::LetterFormat::Word97;
        QTest::newRow("pdf is no template")
                << "/d/my.pdf" << word::LetterFormat::WordXml << "/d/my.pdf.docx" << word::LetterFormat::WordXml;
    }

    void aNameIsSavedInTheFormatItsSuffixNames()
    {
        QFETCH(QString, chosen);
        QFETCH(word::LetterFormat, inDialog);
        QFETCH(QString, path);
        QFETCH(word::LetterFormat, format);
        const SaveTarget target = saveTargetFor(chosen, inDialog);
        QCOMPARE(target.path, path);
        QCOMPARE(target.format, format);
    }

    void theSavedLetterDescribesTheLetterNotTheProgram_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("title");
        QTest::newRow("to a company") << "Vuvodud Arudaziz Inc."
                                      << "Letter to Vuvodud Arudaziz Inc.";
        QTest::newRow("to a person") << ""
                                     << "Letter to Vore Vurud";
    }

    void theSavedLetterDescribesTheLetterNotTheProgram()
    {
        QFETCH(QString, company);
        QFETCH(QString, title);
        LetterRequest request = sampleRequest();
        request.fields[11] = company;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);
        const QDateTime after = QDateTime::currentDateTime().addSecs(2);

        QCOMPARE(letter.author, QStringLiteral("Dorian Vell"));
        QCOMPARE(letter.title, title);
        QVERIFY2(letter.created >= before && letter.created <= after, qPrintable(letter.created.toString(Qt::ISODate)));
        QVERIFY2(letter.modified >= before && letter.modified <= after,
                 qPrintable(letter.modified.toString(Qt::ISODate)));
    }
};

QTEST_MAIN(TestUserTemplate)
#include "test_user_template.moc"
