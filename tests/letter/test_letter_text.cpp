// The letter text as the user writes it: its paragraphs and bullets, and
// its file, which is read in plain words and written whole.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "LetterText.h"
#include "TestFiles.h"

using Paragraphs = std::vector<word::BodyParagraph>;
Q_DECLARE_METATYPE(Paragraphs)

class TestLetterText : public QObject
{
    Q_OBJECT

private slots:
    void paragraphsAndBulletsAreReadAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Paragraphs>("paragraphs");
        QTest::newRow("a blank line parts paragraphs")
                << "One.\n\nTwo." << Paragraphs{{"One.", false}, {"Two.", false}};
        QTest::newRow("lines of a paragraph run on") << "One line\n  and the next. \n"
                                                     << Paragraphs{{"One line and the next.", false}};
        QTest::newRow("bullets, each its own item")
                << "Work:\n- one\n- two\n  goes on\n\nEnd."
                << Paragraphs{{"Work:", false}, {"one", true}, {"two goes on", true}, {"End.", false}};
        QTest::newRow("a dash without its space is text") << "-5 degrees" << Paragraphs{{"-5 degrees", false}};
        QTest::newRow("Windows line ends, blank lines of spaces")
                << "One.\r\n  \r\n\r\nTwo." << Paragraphs{{"One.", false}, {"Two.", false}};
        QTest::newRow("nothing but space") << " \n\n " << Paragraphs{};
        // Chinese and Japanese put no space where a line breaks; Korean does.
        QTest::newRow("Japanese lines run on without a space")
                << "申し上げます。\nこのたび、貴社の\nエンジニア職に"
                << Paragraphs{{"申し上げます。このたび、貴社のエンジニア職に", false}};
        QTest::newRow("Latin after Japanese, a rare Han character")
                << "担当は\nTanaka です\n𠮷野家" << Paragraphs{{"担当はTanaka です𠮷野家", false}};
        QTest::newRow("Korean keeps its space") << "안녕하십니까\n저는" << Paragraphs{{"안녕하십니까 저는", false}};
    }

    void paragraphsAndBulletsAreReadAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(Paragraphs, paragraphs);
        QCOMPARE(LetterText::paragraphs(text), paragraphs);
    }

    void theFileIsWrittenWholeAndReadBack()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("new folder/letter.txt"));
        QCOMPARE(LetterText::read(file), std::nullopt);
        const QString text = QStringLiteral("Grüße an [CompanyName]\n- 王小明\n");
        LetterText::write(file, text);
        QCOMPARE(LetterText::read(file), std::optional<QString>(text));
        LetterText::write(file, QStringLiteral("Shorter."));
        QCOMPARE(LetterText::read(file), std::optional<QString>(QStringLiteral("Shorter.")));
        QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("letter.txt")}); // nothing left beside it
    }

    void aFileThatCannotBeReadIsToldInPlainWords_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder"
                                  << "it is a folder, not a regular file";
        QTest::newRow("not UTF-8") << "latin1"
                                   << "it is not UTF-8 text";
        // Neither may hold the window: a pipe nobody writes, a device that never ends.
        QTest::newRow("a named pipe") << "fifo"
                                      << "it is a named pipe (FIFO), not a regular file";
        QTest::newRow("a link to /dev/zero") << "zero"
                                             << "it is a device, not a regular file";
        QTest::newRow("larger than any letter") << "oversized"
                                                << "it is larger than 1 MB";
    }

    void aFileThatCannotBeReadIsToldInPlainWords()
    {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("letter.txt"));
        if (what == QStringLiteral("latin1"))
            writeFile(file,
                      "Gr\xFC\xDF"
                      "e");
        else
            QVERIFY(makeUnreadableFile(file, what, LetterText::MaximumBytes + 1));
        try {
            LetterText::read(file);
            QFAIL("the file was read");
        } catch (const FileProblem &problem) {
            QVERIFY2(problem.description().contains(reason), qPrintable(problem.description()));
            QVERIFY(problem.description().contains(QDir::toNativeSeparators(file)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLetterText)
#include "test_letter_text.moc"
