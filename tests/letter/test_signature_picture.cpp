// The signature picture is checked before any letter is made: a file that
// cannot sign is named in one sentence, and one that can is copied where
// the office may read it.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "SignaturePicture.h"

namespace {
const QByteArray Svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60mm\" "
                       "height=\"20mm\"><path d=\"M5 15 C 20 0, 40 30, 55 5\" stroke=\"black\" fill=\"none\"/></svg>";

QByteArray pictureBytes(const char *format)
{
    QImage picture(300, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}
} // namespace

class TestSignaturePicture : public QObject
{
    Q_OBJECT

private slots:
    void aFileThatCannotSignIsNamed_data()
    {
        // What is at the path: "missing", "folder", or the bytes of a file.
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("sentence"); // after the file's name; empty: it can sign
        QTest::newRow("a PNG") << "file" << pictureBytes("PNG") << QString();
        QTest::newRow("a JPEG") << "file" << pictureBytes("JPEG") << QString();
        QTest::newRow("an SVG") << "file" << Svg << QString();
        QTest::newRow("no such file") << "missing" << QByteArray() << " does not exist.";
        QTest::newRow("a folder") << "folder" << QByteArray() << " is not a file.";
        QTest::newRow("a scan left at full size") << "file" << QByteArray(SignaturePicture::MaxBytes + 1, 'x')
                                                  << " is larger than 5 MB; save it smaller and choose it again.";
        QTest::newRow("text under a picture's name")
                << "file" << QByteArray("my signature\n") << " is not a PNG, JPEG or SVG picture.";
        QTest::newRow("a PNG cut short after its mark")
                << "file" << pictureBytes("PNG").left(12) << " is not a PNG, JPEG or SVG picture.";
        QTest::newRow("XML that is no SVG") << "file" << QByteArray("<?xml version=\"1.0\"?><html><body/></html>")
                                            << " is not a PNG, JPEG or SVG picture.";
        QTest::newRow("an empty file") << "file" << QByteArray() << " is not a PNG, JPEG or SVG picture.";
    }

    void aFileThatCannotSignIsNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, sentence);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("signature.png"));
        if (kind == QStringLiteral("folder"))
            QVERIFY(QDir().mkdir(path));
        if (kind == QStringLiteral("file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        }
        const QString expected
                = sentence.isEmpty() ? QString() : QStringLiteral("The signature picture ") + path + sentence;
        QCOMPARE(SignaturePicture::problem(path), expected);

        // The letter is made from a copy the office can read, or not at all.
        const QString scratch = folder.filePath(QStringLiteral("scratch"));
        QVERIFY(QDir().mkdir(scratch));
        try {
            const QString copy = SignaturePicture::copyInto(path, scratch);
            QVERIFY(expected.isEmpty());
            QCOMPARE(QFileInfo(copy).absolutePath(), QFileInfo(scratch).absoluteFilePath());
            QFile copied(copy);
            QVERIFY(copied.open(QIODevice::ReadOnly));
            QCOMPARE(copied.readAll(), bytes);
        } catch (const FileProblem &problem) {
            QCOMPARE(problem.description(), expected);
            QVERIFY(QDir(scratch).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestSignaturePicture)
#include "test_signature_picture.moc"
