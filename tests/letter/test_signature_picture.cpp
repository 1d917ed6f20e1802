// A signature picture that cannot sign is named in one sentence before any
// letter is made; one that can is copied where the office may read it.
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "SignaturePicture.h"
#include "TestFiles.h"

class TestSignaturePicture : public QObject
{
    Q_OBJECT

private slots:
    void aFileThatCannotSignIsNamed_data()
    {
        QTest::addColumn<QString>("kind"); // "file" (of these bytes), or as makeUnreadableFile makes
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("sentence"); // after the file's name; empty: it can sign
        QTest::newRow("a PNG") << "file" << pictureFile("PNG", 300, 100) << QString();
        QTest::newRow("a JPEG") << "file" << pictureFile("JPEG", 300, 100) << QString();
        QTest::newRow("an SVG") << "file" << pictureFile("SVG", 300, 100) << QString();
        QTest::newRow("no such file") << "missing" << QByteArray() << " does not exist.";
        QTest::newRow("a folder") << "folder" << QByteArray() << " is not a file.";
        QTest::newRow("a pipe") << "fifo" << QByteArray() << " is not a file.";
        QTest::newRow("a scan at full size")
                << "oversized" << QByteArray() << " is larger than 5 MB; save it smaller and choose it again.";
        const QString noPicture = QStringLiteral(" is not a PNG, JPEG or SVG picture.");
        QTest::newRow("text") << "file" << QByteArray("my signature\n") << noPicture;
        QTest::newRow("a PNG cut short") << "file" << pictureFile("PNG", 300, 100).left(12) << noPicture;
        QTest::newRow("XML but no SVG") << "file" << QByteArray("<html><body/></html>") << noPicture;
    }

    void aFileThatCannotSignIsNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, sentence);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("signature.png"));
        if (kind == u"file")
            writeFile(path, bytes);
        else if (kind != u"missing")
            QVERIFY(makeUnreadableFile(path, kind, SignaturePicture::MaxBytes + 1));
        const QString expected = sentence.isEmpty() ? QString() : "The signature picture " + path + sentence;
        QCOMPARE(SignaturePicture::problem(path), expected);

        // The letter is made from a copy the office can read, or not at all.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("scratch")));
        const QString scratch = folder.filePath(QStringLiteral("scratch"));
        try {
            const QString copy = SignaturePicture::copyInto(path, scratch);
            QVERIFY(expected.isEmpty());
            QCOMPARE(QFileInfo(copy).absolutePath(), scratch);
            QCOMPARE(readAll(copy), bytes);
        } catch (const FileProblem &problem) {
            QCOMPARE(problem.description() + u'|' + QDir(scratch).entryList(QDir::Files).join(u','), expected + u'|');
        }
    }
};

QTEST_GUILESS_MAIN(TestSignaturePicture)
#include "test_signature_picture.moc"
