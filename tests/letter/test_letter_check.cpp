// The check before a letter leaves: what in the user's own words would come
// out wrong, and what is only worth a look.
#include <QTemporaryDir>
#include <QtTest>

#include "LetterCheck.h"
#include "Spelling.h"

class TestLetterCheck : public QObject
{
    Q_OBJECT

private slots:
    void whatWouldComeOutWrongIsNamed_data()
    {
        QTest::addColumn<QString>("letterText");        // the user's own letter text
        QTest::addColumn<QStringList>("templateNames"); // an own template's placeholders
        QTest::addColumn<bool>("builtInWords");
        QTest::addColumn<QStringList>("further"); // name=value pairs kept beside the fields
        QTest::addColumn<QString>("company");     // Recipient Company Name (Your Name is always given)
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QStringList>("unfilled");
        QTest::addColumn<QString>("notice");

        const QStringList phoneAndMail{"Phone=208 555 0100", "Email=ada@example.org"};
        QTest::newRow("the built-in letter's own words and empty fields ask nothing")
                << QString() << QStringList() << true << QStringList{"Phone=", "Email="} << QString() << QStringList()
                << QStringList() << "The letter's body is still the sample text; Recipient Company Name is empty.";
        QTest::newRow("own words that come out right")
                << "I enjoyed meeting you at [CompanyName]; call me at [Phone]." << QStringList() << false
                << phoneAndMail << "Brightwater" << QStringList() << QStringList() << QString();
        QTest::newRow("a placeholder no value fills")
                << "I apply for the [Position] role." << QStringList() << false << phoneAndMail << "Brightwater"
                << QStringList{"[Position] has no value"} << QStringList{"Position"} << QString();
        QTest::newRow("a kept value that is empty")
                << "I apply for the [Position] role." << QStringList() << false
                << phoneAndMail + QStringList{"Position="} << "Brightwater" << QStringList{"[Position] is empty"}
                << QStringList{"Position"} << QString();
        QTest::newRow("a kept value under another spelling of the name fills it")
                << "I apply for the [Position] role." << QStringList() << false
                << phoneAndMail + QStringList{"position=Analyst"} << "Brightwater" << QStringList() << QStringList()
                << QString();
        QTest::newRow("the phone used while it is empty")
                << "Call me at [Phone]." << QStringList() << false << QStringList{"Phone=", "Email="} << "Brightwater"
                << QStringList{"[Phone] is empty"} << QStringList() << QString();
        QTest::newRow("an empty field is in plain sight, only worth a look")
                << "I admire [CompanyName]." << QStringList() << false << phoneAndMail << QString() << QStringList()
                << QStringList() << "Recipient Company Name is empty.";
        QTest::newRow("a misspelled word")
                << "I hope to recieve your answer." << QStringList() << false << phoneAndMail << "Brightwater"
                << QStringList{"'recieve' may be misspelled"} << QStringList() << QString();
        QTest::newRow("several at once, in the order they stand")
                << "As [Position], I recieve [Reason] and [position]." << QStringList() << false << phoneAndMail
                << "Brightwater"
                << QStringList{"[Position] has no value", "[Reason] has no value", "'recieve' may be misspelled"}
                << QStringList{"Position", "Reason"} << QString();
        // A question the screen still shows: many words make one line.
        QTest::newRow("many words, one line")
                << "Zqx Vbnq Wrtz Plkm Jhgf Dsaq Mnbv Cxzq Lkjh Poiu" << QStringList() << false << phoneAndMail
                << "Brightwater"
                << QStringList{"'Zqx', 'Vbnq', 'Wrtz', 'Plkm', 'Jhgf', 'Dsaq', 'Mnbv', 'Cxzq' and 2 more words may be "
                               "misspelled"}
                << QStringList() << QString();
        QTest::newRow("an own template's placeholders")
                << QString() << QStringList{"YourName", "Position", "Email"} << false
                << QStringList{"Phone=1", "Email="} << "Brightwater"
                << QStringList{"[Position] has no value", "[Email] is empty"} << QStringList{"Position"} << QString();
        // The signature picture takes it, or it is emptied: no value to ask for.
        QTest::newRow("an own template's [Signature]")
                << QString() << QStringList{"YourName", "Signature"} << false << phoneAndMail << "Brightwater"
                << QStringList() << QStringList() << QString();
    }

    void whatWouldComeOutWrongIsNamed()
    {
        QFETCH(QString, letterText);
        QFETCH(QStringList, templateNames);
        QFETCH(bool, builtInWords);
        QFETCH(QStringList, further);
        QFETCH(QString, company);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, unfilled);
        QFETCH(QString, notice);
        QTemporaryDir folder;
        const SpellChecker spelling(QStringLiteral("en_US"), folder.filePath(QStringLiteral("words.txt")));
        QVERIFY(spelling.available());

        LetterCheckInput input;
        input.fields[0] = QStringLiteral("Ada Quill");
        input.fields[11] = company;
        for (const QString &pair : further)
            input.further.emplace_back(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        input.ownLetterText = letterText;
        input.ownTemplateNames = templateNames;
        input.builtInWords = builtInWords;
        input.spelling = &spelling;
        const LetterCheckResult result = checkLetter(input);
        QCOMPARE(result.problems, problems);
        QCOMPARE(result.unfilledNames, unfilled);
        QCOMPARE(result.notice, notice);
        QCOMPARE(result.needsDecision(), !problems.isEmpty());
    }

    // "[Anrede]," as the greeting: the user's words, asked about and
    // filled like the letter text's.
    void theGreetingClosingAndEnclosureAreOwnWords()
    {
        LetterRequest request;
        request.wording.greeting = QStringLiteral("[Anrede],");
        request.wording.enclosure = QStringLiteral("Anlage: [Anlagen]");
        const MadeLetter made;
        QCOMPARE(checkLetter(checkInputFor(request, made, nullptr)).unfilledNames, QStringList({"Anrede", "Anlagen"}));
        request.further.emplace_back(QStringLiteral("Anrede"), QStringLiteral("Sehr geehrte Frau Schmidt"));
        QCOMPARE(checkLetter(checkInputFor(request, made, nullptr)).unfilledNames, QStringList({"Anlagen"}));
        QCOMPARE(extraPlaceholderNames(request.wording.text(), {}), QStringList({"Anrede", "Anlagen"}));
    }
};

QTEST_GUILESS_MAIN(TestLetterCheck)
#include "test_letter_check.moc"
