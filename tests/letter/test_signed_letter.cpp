// A letter signed with a picture has it above the typed name, at a
// signature's height in its own proportions; an unsigned one has none and
// reads as it always did; a picture that cannot sign stops the letter.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "HeldOffice.h"
#include "LetterRun.h"
#include "LetterSession.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "ScratchFiles.h"

namespace {
// Three times as wide as high, as the pictures below.
const QByteArray Svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60mm\" "
                       "height=\"20mm\" viewBox=\"0 0 60 20\"><path d=\"M5 15 C 20 0, 40 30, 55 5\" "
                       "stroke=\"black\" fill=\"none\"/></svg>";

// A 3:1 picture in the given format ("PNG", "JPEG", "SVG") at `path`.
void writePicture(const QString &path, const QString &format)
{
    if (format == QStringLiteral("SVG")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Svg);
        return;
    }
    QImage picture(600, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDotsPerMeterX(11811); // 300 dots an inch
    picture.setDotsPerMeterY(11811);
    QVERIFY(picture.save(path, format.toLatin1().constData()));
}
} // namespace

class TestSignedLetter : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;
    LibreOfficeAutomation m_office;
    std::unique_ptr<DocumentReader> m_reader;

private slots:
    void initTestCase() { m_reader = std::make_unique<DocumentReader>(); }

    void init()
    {
        m_temp = std::make_unique<QTemporaryDir>();
        qputenv("temp", QFile::encodeName(m_temp->path()));
    }

    void cleanup() { qunsetenv("temp"); }

    void theSignatureStandsAboveTheTypedName_data()
    {
        QTest::addColumn<QString>("format");    // the picture's; empty: unsigned
        QTest::addColumn<bool>("ownTemplate");  // a template of the user's own with [Signature]
        QTest::addColumn<QStringList>("lines"); // from the closing on; "(picture)" for the signature
        const QString name = QString::fromUtf8(LetterFields[0].sampleValue);
        QTest::newRow("the built-in letter signed with a PNG")
                << "PNG" << false << QStringList{"Sincerely,", "(picture)", name, "Enclosure"};
        QTest::newRow("the built-in letter signed with a JPEG")
                << "JPEG" << false << QStringList{"Sincerely,", "(picture)", name, "Enclosure"};
        QTest::newRow("the built-in letter signed with an SVG")
                << "SVG" << false << QStringList{"Sincerely,", "(picture)", name, "Enclosure"};
        QTest::newRow("the built-in letter unsigned, as it always was")
                << QString() << false << QStringList{"Sincerely,", name, "Enclosure"};
        QTest::newRow("an own template's [Signature] signed")
                << "PNG" << true << QStringList{"Sincerely,", "(picture)", name, "Enclosure"};
        QTest::newRow("an own template's [Signature] line unsigned goes")
                << QString() << true << QStringList{"Sincerely,", name, "Enclosure"};
    }

    void theSignatureStandsAboveTheTypedName()
    {
        QFETCH(QString, format);
        QFETCH(bool, ownTemplate);
        QFETCH(QStringList, lines);
        // The user's own template: the built-in one's file, [Signature] and all.
        const QString own = m_temp->filePath(QStringLiteral("my-letter.doc"));
        if (ownTemplate) {
            QFile file(own);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(templateBytes());
        }
        LetterRequest request = sampleRequest(ownTemplate ? own : QString());
        if (!format.isEmpty()) {
            request.signatureFile = m_temp->filePath(QStringLiteral("signature.") + format.toLower());
            writePicture(request.signatureFile, format);
        }
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);

        QStringList read;
        int pictures = 0;
        bool closed = false;
        for (const DocumentReader::Paragraph &p : letter.paragraphs) {
            pictures += int(p.pictures.size());
            closed = closed || p.text == QStringLiteral("Sincerely,");
            if (closed)
                read << (p.pictures.empty() ? p.text.trimmed() : QStringLiteral("(picture)"));
            for (const QSize &size : p.pictures) {
                // 15 mm high and three times as wide, in hundredths of a
                // millimetre (an SVG's own size the office rounds to its
                // pixels, within a percent).
                QVERIFY2(qAbs(size.height() - 1500) <= 5, qPrintable(QString::number(size.height())));
                QVERIFY2(qAbs(size.width() - 4500) <= 45, qPrintable(QString::number(size.width())));
            }
        }
        QCOMPARE(read, lines);
        QCOMPARE(pictures, format.isEmpty() ? 0 : 1);
        QVERIFY(!letter.everyText().contains(QStringLiteral("Signature"), Qt::CaseInsensitive));
        // The copy the office read is gone with the letter's scratch files.
        QVERIFY(QDir(ScratchFiles::folder()).entryList({QStringLiteral("signature-*")}, QDir::Files).isEmpty());
    }

    // The window's letters stay open in its office and are only filled
    // again: the picture lives in the letter, not in the copy the office
    // read, which goes with the first letter.
    void aLetterFilledAgainKeepsItsSignatureAndAChangedOneIsMadeAfresh()
    {
        HeldOffice held;
        LetterRequest request = sampleRequest();
        request.signatureFile = m_temp->filePath(QStringLiteral("signature.png"));
        writePicture(request.signatureFile, QStringLiteral("PNG"));
        auto picturesIn = [&](const LetterRequest &r) {
            LetterEngine engine(m_office, r, &held);
            engine.start();
            engine.waitForWorker();
            engine.complete();
            const MadeLetter made = engine.result();
            [&] { QVERIFY2(made.reports.empty(), qPrintable(reportTexts(made).join(u'\n'))); }();
            std::vector<QSize> pictures;
            for (const DocumentReader::Paragraph &p : m_reader->read(made.document).paragraphs)
                pictures.insert(pictures.end(), p.pictures.begin(), p.pictures.end());
            LetterSession::discard(made);
            return pictures;
        };
        QCOMPARE(picturesIn(request).size(), size_t(1));
        request.fields[11] = QStringLiteral("Another Company");
        QCOMPARE(picturesIn(request).size(), size_t(1));
        // A picture twice as wide, under the same name.
        QImage wider(800, 200, QImage::Format_RGB32);
        wider.fill(Qt::white);
        wider.setDotsPerMeterX(11811);
        wider.setDotsPerMeterY(11811);
        QVERIFY(wider.save(request.signatureFile, "PNG"));
        const std::vector<QSize> changed = picturesIn(request);
        QCOMPARE(changed.size(), size_t(1));
        QVERIFY2(qAbs(changed.front().width() - 6000) <= 10, qPrintable(QString::number(changed.front().width())));
        held.giveBack();
    }

    void theBatchSignsEveryFormatOrStopsBeforeTheFirstLetter_data()
    {
        QTest::addColumn<QString>("stored"); // the window's choice in the settings file
        QTest::addColumn<QString>("given");  // --signature; empty: none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named"); // the picture the error names; empty: none
        QTest::newRow("--signature") << QString() << "signature.png" << 0 << QString();
        QTest::newRow("the window's choice") << "signature.png" << QString() << 0 << QString();
        QTest::newRow("--signature over a missing choice of the window's") << "gone.png"
                                                                           << "signature.png" << 0 << QString();
        QTest::newRow("the window's choice gone") << "gone.png" << QString() << 2 << "gone.png";
        QTest::newRow("--signature not a picture") << QString() << "list.csv" << 2 << "list.csv";
    }

    void theBatchSignsEveryFormatOrStopsBeforeTheFirstLetter()
    {
        QFETCH(QString, stored);
        QFETCH(QString, given);
        QFETCH(int, status);
        QFETCH(QString, named);
        const QDir home(m_temp->path());
        QVERIFY(home.mkpath(QStringLiteral("config")) && home.mkpath(QStringLiteral("data")));
        writePicture(home.filePath(QStringLiteral("signature.png")), QStringLiteral("PNG"));
        QFile list(home.filePath(QStringLiteral("list.csv")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("RecipientName,CompanyName\r\nJane Smith,Acme\r\n");
        list.close();
        QFile settings(home.filePath(QStringLiteral("config/Marrowfen.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Tessaline]\nText1_0=Dorian Vell\n");
        if (!stored.isEmpty())
            settings.write("Signature=" + home.filePath(stored).toUtf8() + "\n");
        settings.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("temp"), m_temp->path());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QStringList arguments{QStringLiteral("--batch"),    list.fileName(),
                              QStringLiteral("--out"),      home.filePath(QStringLiteral("out")),
                              QStringLiteral("--format"),   QStringLiteral("docx,odt,pdf"),
                              QStringLiteral("--no-record")};
        if (!given.isEmpty())
            arguments << QStringLiteral("--signature") << home.filePath(given);
        QProcess batch;
        batch.setProcessEnvironment(env);
        batch.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
        QVERIFY(batch.waitForFinished(240000));
        const QString errors = QString::fromUtf8(batch.readAllStandardError());
        QVERIFY2(batch.exitStatus() == QProcess::NormalExit && batch.exitCode() == status, qPrintable(errors));
        const QStringList letters = QDir(home.filePath(QStringLiteral("out"))).entryList(QDir::Files);
        if (!named.isEmpty()) {
            QVERIFY2(errors.contains(QStringLiteral("The signature picture %1 ").arg(home.filePath(named))),
                     qPrintable(errors));
            QCOMPARE(letters, QStringList());
            return;
        }
        QCOMPARE(letters.size(), 3);
        for (const QString &name : letters) {
            if (name.endsWith(QStringLiteral(".pdf"))) {
                // Its pictures as pdfimages lists them, under two lines of heading.
                QProcess images;
                images.start(QStringLiteral("pdfimages"),
                             {QStringLiteral("-list"), home.filePath(QStringLiteral("out/") + name)});
                QVERIFY(images.waitForFinished(30000) && images.exitCode() == 0);
                QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(u'\n').size(), 3);
                continue;
            }
            const DocumentReader::Document letter = m_reader->read(home.filePath(QStringLiteral("out/") + name));
            int pictures = 0;
            for (size_t i = 0; i + 1 < letter.paragraphs.size(); ++i) {
                if (letter.paragraphs[i].pictures.empty())
                    continue;
                pictures += int(letter.paragraphs[i].pictures.size());
                QCOMPARE(letter.paragraphs[i + 1].text, QStringLiteral("Dorian Vell"));
                QVERIFY(qAbs(letter.paragraphs[i].pictures.front().height() - 1500) <= 5);
            }
            QVERIFY2(pictures == 1, qPrintable(name));
        }
    }

    void aSignatureThatCannotSignIsNamedAndNoLetterMade()
    {
        LetterRequest request = sampleRequest();
        request.signatureFile = m_temp->filePath(QStringLiteral("gone.png"));
        const MadeLetter made = makeLetter(m_office, request);
        QCOMPARE(reportTexts(made),
                 QStringList{QStringLiteral("The signature picture %1 does not exist.").arg(request.signatureFile)});
        QVERIFY(!made.canShow());
        QVERIFY(made.document.isEmpty());
    }
};

QTEST_MAIN(TestSignedLetter)
#include "test_signed_letter.moc"
