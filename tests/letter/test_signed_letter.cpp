// A letter signed with a picture has it above the typed name, 15 mm high in
// its own proportions, in every format; an unsigned one reads as it always
// did; a picture that cannot sign stops the letter, or the batch.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "HeldOffice.h"
#include "LetterRun.h"
#include "LetterSession.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "TestFiles.h"

class TestSignedLetter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    LibreOfficeAutomation m_office;
    std::unique_ptr<DocumentReader> m_reader;

    QString file(const QString &name) const { return m_temp.filePath(name); }

    // The lines from the closing on, "(picture 45x15 mm)" for a picture.
    static QStringList closingLines(const DocumentReader::Document &letter)
    {
        QStringList lines;
        for (const DocumentReader::Paragraph &p : letter.paragraphs) {
            if (!lines.isEmpty() || p.text == u"Sincerely,")
                lines << p.text.trimmed();
            for (const QSize &size : p.pictures)
                lines.last() += QStringLiteral("(picture %1x%2 mm)")
                                        .arg(qRound(size.width() / 100.0))
                                        .arg(qRound(size.height() / 100.0));
        }
        return lines;
    }

    // The letter the engine makes in `held`, read back.
    QStringList madeIn(HeldOffice &held, const LetterRequest &request)
    {
        const MadeLetter made = makeLetter(m_office, request, &held);
        if (!made.canShow())
            return reportTexts(made);
        const QStringList lines = closingLines(m_reader->read(made.document));
        LetterSession::discard(made);
        return lines;
    }

private slots:
    void initTestCase()
    {
        qputenv("temp", QFile::encodeName(m_temp.path()));
        m_reader = std::make_unique<DocumentReader>();
        writeFile(file(QStringLiteral("sig.png")), pictureFile("PNG", 600, 200));
        writeFile(file(QStringLiteral("sig.svg")), pictureFile("SVG", 600, 200));
        // A template of the user's own: the built-in one's file, [Signature] and all.
        writeFile(file(QStringLiteral("own.doc")), templateBytes(LetterDesign::Classic));
    }

    void theSignatureStandsAboveTheTypedName_data()
    {
        QTest::addColumn<QString>("picture");   // empty: unsigned
        QTest::addColumn<QString>("own");       // a template of the user's own; empty: the built-in one
        QTest::addColumn<QString>("signature"); // the line between closing and name; empty: none
        const QString png = QStringLiteral("(picture 45x15 mm)");
        QTest::newRow("built-in, PNG") << "sig.png" << QString() << png;
        QTest::newRow("built-in, SVG") << "sig.svg" << QString() << png;
        QTest::newRow("built-in, unsigned, as it always was") << QString() << QString() << QString();
        QTest::newRow("own template, PNG") << "sig.png"
                                           << "own.doc" << png;
        QTest::newRow("own template, unsigned: the line goes") << QString() << "own.doc" << QString();
        QTest::newRow("a picture gone is named")
                << "gone.png" << QString() << "The signature picture " + file("gone.png") + " does not exist.";
    }

    void theSignatureStandsAboveTheTypedName()
    {
        QFETCH(QString, picture);
        QFETCH(QString, own);
        QFETCH(QString, signature);
        LetterRequest request = sampleRequest(own.isEmpty() ? QString() : file(own));
        request.signatureFile = picture.isEmpty() ? QString() : file(picture);
        HeldOffice held;
        QStringList expected{"Sincerely,", signature, "Dorian Vell", "Enclosure"};
        if (signature.isEmpty())
            expected.removeAt(1);
        else if (!signature.startsWith(u'('))
            expected = QStringList{signature};
        QCOMPARE(madeIn(held, request), expected);
        // Filled again in the same office, after the copy the office read
        // is gone; made afresh when the picture changes.
        if (picture == u"sig.png") {
            request.fields[11] = QStringLiteral("Another Company");
            QCOMPARE(madeIn(held, request), expected);
            writeFile(request.signatureFile, pictureFile("PNG", 800, 200));
            expected[1] = QStringLiteral("(picture 60x15 mm)");
            QCOMPARE(madeIn(held, request), expected);
            writeFile(request.signatureFile, pictureFile("PNG", 600, 200));
        }
        held.giveBack();
    }

    void theBatchSignsEveryFormatOrEndsBeforeTheFirstLetter_data()
    {
        QTest::addColumn<QString>("stored"); // the window's choice
        QTest::addColumn<QString>("given");  // --signature
        QTest::addColumn<int>("status");
        QTest::newRow("--signature") << QString() << "sig.png" << 0;
        QTest::newRow("the window's choice") << "sig.png" << QString() << 0;
        QTest::newRow("--signature over a choice gone") << "gone.png"
                                                        << "sig.png" << 0;
        QTest::newRow("the window's choice gone") << "gone.png" << QString() << 2;
        QTest::newRow("--signature no picture") << QString() << "list.csv" << 2;
    }

    void theBatchSignsEveryFormatOrEndsBeforeTheFirstLetter()
    {
        QFETCH(QString, stored);
        QFETCH(QString, given);
        QFETCH(int, status);
        writeFile(file(QStringLiteral("list.csv")), "RecipientName,CompanyName\r\nJane Smith,Acme\r\n");
        QVERIFY(QDir(m_temp.path()).mkpath(QStringLiteral("config")));
        writeFile(file(QStringLiteral("config/Marrowfen.conf")),
                  "[Tessaline]\nText1_0=Dorian Vell\nSignature=" + (stored.isEmpty() ? "" : file(stored).toUtf8()));
        const QString out = file(QString::fromLatin1(QTest::currentDataTag()));
        QStringList arguments{"--batch", file("list.csv"), "--out", out, "--format", "docx,odt,pdf", "--no-record"};
        if (!given.isEmpty())
            arguments << QStringLiteral("--signature") << file(given);
        QProcess batch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), file(QStringLiteral("config")));
        env.remove(QStringLiteral("DISPLAY"));
        batch.setProcessEnvironment(env);
        batch.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
        QVERIFY(batch.waitForFinished(240000));
        const QString errors = QString::fromUtf8(batch.readAllStandardError());
        QVERIFY2(batch.exitCode() == status, qPrintable(errors));
        QStringList letters = QDir(out).entryList(QDir::Files);
        if (status != 0) {
            QVERIFY2(errors.contains("The signature picture " + file(stored.isEmpty() ? given : stored)),
                     qPrintable(errors));
            QCOMPARE(letters, QStringList());
            return;
        }
        QCOMPARE(letters.size(), 3);
        // The PDF's pictures as pdfimages lists them, under two lines of heading.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), out + u'/' + letters.takeLast()});
        QVERIFY(images.waitForFinished(30000));
        QCOMPARE(images.readAllStandardOutput().trimmed().count('\n'), 2);
        for (const QString &name : letters)
            QCOMPARE(closingLines(m_reader->read(out + u'/' + name)).mid(1, 2),
                     (QStringList{"(picture 45x15 mm)", "Dorian Vell"}));
    }
};

QTEST_MAIN(TestSignedLetter)
#include "test_signed_letter.moc"
