#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "LetterFields.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "Main.h"
#include "DocumentReader.h"
#include "ScratchFiles.h"

// The built-in template, read back through the real office.
class TestTemplate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DocumentReader> m_reader;
    DocumentReader::Document m_template;
    QString m_copy;

private slots:
    void initTestCase()
    {
        m_copy = m_dir.filePath(QStringLiteral("template.dot"));
        SaveBytesToFile(templateBytes(LetterDesign::Classic), m_copy);
        m_reader = std::make_unique<DocumentReader>();
        m_template = m_reader->read(m_copy);
    }

    void theWrittenCopyIsTheResourceByteForByte()
    {
        QFile copy(m_copy);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QByteArray bytes = copy.readAll();
        QCOMPARE(bytes, templateBytes(LetterDesign::Classic));
        QVERIFY(bytes.size() > 10000);
        // A Word 97-2003 document: an OLE2 compound file the office reads as such.
        QCOMPARE(bytes.left(8), QByteArray::fromHex("d0cf11e0a1b11ae1"));
        // The office names its format by the file's content and name: under
        // a document's name it is Word 97-2003, not the template kind.
        const QString asDocument = m_dir.filePath(QStringLiteral("letter.doc"));
        QVERIFY(QFile::copy(m_copy, asDocument));
        QCOMPARE(m_reader->read(asDocument).filterName, QStringLiteral("MS Word 97"));
    }

    void twentyParagraphsWithTheirStylesAndTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("text");
        const QStringList rows = {
                "Sender Address|[YourName]",
                "Sender Address|[StreetAddress]",
                "Sender Address|[City], [ST]  [ZIPCode]",
                "Date|[CurrentDate]",
                "Recipient Address|[RecipientName]",
                "Recipient Address|[Title]",
                "Recipient Address|[CompanyName]",
                "Recipient Address|[StreetAddress2]",
                "Recipient Address|[City2], [ST2]  [ZIPCode2]",
                "Salutation|Dear [RecipientName]:",
                "Body Text|",
                "Body Text|",
                "Body Text|",
                "Body Text|",
                "Body Text|",
                "Body Text|",
                "Closing|Sincerely,",
                "Signature|[Signature]",
                "Signature|[YourName]",
                "cc:/Enclosure|Enclosure",
        };
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList parts = rows[i].split(QLatin1Char('|'));
            QTest::addRow("paragraph %d", i + 1) << i << parts[0] << parts[1];
        }
    }

    void twentyParagraphsWithTheirStylesAndTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, style);
        QFETCH(QString, text);
        QCOMPARE(int(m_template.paragraphs.size()), 20);
        const DocumentReader::Paragraph &p = m_template.paragraphs.at(size_t(index));
        // The office shows Word's "Body Text" under its own name for it.
        const QString expected = style == QLatin1String("Body Text") ? QStringLiteral("Text body") : style;
        QVERIFY2(p.style == expected || p.style == style, qPrintable(p.style));
        if (!text.isEmpty())
            QCOMPARE(p.text, text);
        else
            QVERIFY(p.text.size() > 20); // fixed prose
        QCOMPARE(p.inList, index >= 12 && index <= 14);
    }

    void theFixedProseGivesTheSendersPhoneAndNobodyElses()
    {
        QString prose;
        for (int i = 10; i <= 15; ++i)
            prose += m_template.paragraphs.at(size_t(i)).text;
        QCOMPARE(prose.count(QLatin1Char('[')), 1);
        QVERIFY(prose.contains(QStringLiteral("call me at [Phone].")));
        QVERIFY(!prose.contains(QStringLiteral("555")));
    }

    void theLetterTextWindowStartsFromThisBodyWithThePhoneAsAPlaceholder()
    {
        // Paragraphs 11 to 16, as the Letter Text window's text holds them.
        std::vector<word::BodyParagraph> body;
        for (size_t i = 10; i <= 15; ++i)
            body.push_back({m_template.paragraphs.at(i).text, m_template.paragraphs.at(i).inList});
        QCOMPARE(LetterText::paragraphs(LetterText::builtInText()), body);
    }

    void eachPlaceholderOccursAsOftenAsTheLetterNeedsIt_data()
    {
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<int>("count");
        const int counts[] = {2, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1};
        for (const LetterField &field : LetterFields)
            QTest::newRow(field.placeholder) << QString::fromLatin1(field.placeholder) << counts[field.index];
    }

    void eachPlaceholderOccursAsOftenAsTheLetterNeedsIt()
    {
        QFETCH(QString, placeholder);
        QFETCH(int, count);
        QCOMPARE(int(m_template.bodyText().count(placeholder, Qt::CaseInsensitive)), count);
    }

    void theMainTextHoldsNoOtherBracketedText()
    {
        QString text = m_template.bodyText();
        for (const LetterField &field : LetterFields)
            text.remove(QString::fromLatin1(field.placeholder));
        text.remove(QStringLiteral("[Phone]"));     // the sender's, in the body
        text.remove(QStringLiteral("[Signature]")); // the sender's picture's place
        QVERIFY2(!text.contains(QLatin1Char('[')) && !text.contains(QLatin1Char(']')), qPrintable(text));
    }

    void theHeaderHasItsThreeFieldsAndTheFirstPageItsOwnEmptyOne()
    {
        QVERIFY(m_template.firstPageHeader.trimmed().isEmpty());
        QVERIFY(m_template.primaryHeader.contains(QStringLiteral("[Recipient Name]")));
        QVERIFY(m_template.primaryHeader.contains(QStringLiteral("Page ")));
        QCOMPARE(m_template.headerFieldCommands.size(), 3);
        // A macro button running DoFieldClick, the creation date, the page number.
        const QString commands = m_template.headerFieldCommands.join(QLatin1Char('|'));
        QVERIFY2(m_template.headerFieldCommands[0].contains(QStringLiteral("DoFieldClick")), qPrintable(commands));
        QVERIFY2(m_template.headerFieldCommands[1].contains(QStringLiteral("Created")), qPrintable(commands));
        QVERIFY2(m_template.headerFieldCommands[2].contains(QStringLiteral("Page")), qPrintable(commands));
        QVERIFY(m_template.primaryFooter.isEmpty());
    }

    void theLetterPageHasItsSizeAndMargins()
    {
        QCOMPARE(m_template.pageWidth, 12240);
        QCOMPARE(m_template.pageHeight, 15840);
        QCOMPARE(m_template.leftMargin, 1800);
        QCOMPARE(m_template.rightMargin, 1800);
        QCOMPARE(m_template.bodyTop, 1440);
    }

    void theLetterHasNoShapesNotesOrComments()
    {
        QCOMPARE(m_template.shapeCount, 0);
        QVERIFY(m_template.footnoteTexts.isEmpty());
        QCOMPARE(m_template.endnoteCount, 0);
    }

    void theFurtherStylesAreDefined_data()
    {
        QTest::addColumn<QString>("style");
        for (const char *s : {"Heading 1", "Balloon Text", "Header", "Footer", "Sender Address", "Recipient Address",
                              "Closing", "Signature", "cc:/Enclosure"})
            QTest::newRow(s) << QString::fromLatin1(s);
    }

    void theFurtherStylesAreDefined()
    {
        QFETCH(QString, style);
        QVERIFY(m_template.paragraphStyles.contains(style));
    }
};

QTEST_MAIN(TestTemplate)
#include "test_template.moc"
