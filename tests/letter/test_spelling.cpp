// The spelling of the user's own words: what is flagged and what is left
// alone, the dictionary of the user's language, and the personal word list.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "Spelling.h"
#include "TestFiles.h"

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void onlyMisspelledProseIsFlagged_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("flagged"); // each as word@position
        QTest::newRow("a misspelled word") << "en_US"
                                           << "I will recieve it." << QStringList{"recieve@7"};
        QTest::newRow("each time it stands")
                << "en_US"
                << "Recieve, recieve and teh" << QStringList{"Recieve@0", "recieve@9", "teh@21"};
        QTest::newRow("placeholders, even mid-text")
                << "en_US"
                << "I admire [CompanyName]'s work as [Positon], at[Compny Name]." << QStringList{};
        QTest::newRow("e-mail and web addresses")
                << "en_US"
                << "Write to ada.lovelce@exampel.org, see https://exampel.org/jobz or www.exampel.com" << QStringList{};
        QTest::newRow("numbers and words with digits")
                << "en_US"
                << "Room 12b, 3rd floor, 1,500 A4 pages in 2024" << QStringList{};
        QTest::newRow("apostrophes and hyphens") << "en_US"
                                                 << "I don't think I’m a well-known designer." << QStringList{};
        QTest::newRow("French with the French dictionary")
                << "fr_FR.UTF-8"
                << "Je vous remercie de l’attention portée à ma candidature, recieve" << QStringList{"recieve@57"};
        QTest::newRow("the built-in body's own words are the program's, not the user's")
                << "en_US"
                << "I enclosed my r\u00e9sum\u00e9 and a two-storey plan I recieved." << QStringList{"recieved@45"};
        QTest::newRow("English for a name that is no language") << "xx_YY"
                                                                << "Thank you for your tyme." << QStringList{"tyme@19"};
        // No dictionary parts them into words: never one misspelled word.
        QTest::newRow("Japanese and Chinese are never flagged")
                << "en_US" << QString::fromUtf8("申し上げます。このたび、貴社の募集を拝見し 贵公司 recieve")
                << QStringList{"recieve@26"};
    }

    void onlyMisspelledProseIsFlagged()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QStringList, flagged);
        const SpellChecker checker(language, QString());
        QVERIFY(checker.available());
        QStringList found;
        for (const SpellChecker::Misspelling &m : checker.misspellings(text)) {
            QCOMPARE(text.mid(m.position, m.length), m.word);
            found << QStringLiteral("%1@%2").arg(m.word).arg(m.position);
        }
        QCOMPARE(found.join(u' '), flagged.join(u' '));
    }

    void theDictionaryIsTheLocalesLanguage_data()
    {
        QTest::addColumn<QByteArrayList>("lcAllMessagesLang");
        QTest::addColumn<QString>("language");
        QTest::newRow("LC_ALL first") << QByteArrayList{"de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8"} << "de_DE";
        QTest::newRow("C and unset pass on") << QByteArrayList{"C.UTF-8", "", "fr_CA.UTF-8"} << "fr_CA";
        QTest::newRow("the language alone, else its home country") << QByteArrayList{"", "", "de_AT.UTF-8"} << "de_DE";
        QTest::newRow("English when none") << QByteArrayList{"", "POSIX", ""} << "en_US";
        // Every word of an Italian letter would be flagged by the English one.
        QTest::newRow("a language without its dictionary is not checked")
                << QByteArrayList{"", "", "it_IT.UTF-8"} << "";
    }

    void theDictionaryIsTheLocalesLanguage()
    {
        QFETCH(QByteArrayList, lcAllMessagesLang);
        QFETCH(QString, language);
        const QByteArrayList variables{"LC_ALL", "LC_MESSAGES", "LANG"};
        for (int i = 0; i < variables.size(); ++i)
            qputenv(variables[i].constData(), lcAllMessagesLang[i]);
        const SpellChecker checker;
        QCOMPARE(checker.language(), language);
        QCOMPARE(checker.available(), !language.isEmpty());
        // It says which language is not checked and what would check it.
        QCOMPARE(checker.missingNotice().contains(QStringLiteral("no Italian dictionary"))
                         && checker.missingNotice().contains(QStringLiteral("hunspell-it")),
                 language.isEmpty());
    }

    void suggestionsOfferTheRightWord()
    {
        const SpellChecker checker(QStringLiteral("en_US"), QString());
        QVERIFY(checker.suggestions(QStringLiteral("recieve")).contains(QStringLiteral("receive")));
    }

    void anAddedWordIsKeptForTheNextChecker()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("new folder/words.txt"));
        SpellChecker checker(QStringLiteral("en_US"), list);
        const QString text = QStringLiteral("Marrowfen and Tessalin");
        QCOMPARE(checker.misspelledWords(text), (QStringList{"Marrowfen", "Tessalin"}));
        checker.addToDictionary(QStringLiteral("Marrowfen"));
        checker.addToDictionary(QStringLiteral("Tessalin"));
        QCOMPARE(checker.misspelledWords(text), QStringList());
        QCOMPARE(readAll(list), QByteArray("Marrowfen\nTessalin\n"));
        QCOMPARE(SpellChecker(QStringLiteral("en_US"), list).misspelledWords(text), QStringList());
    }

    void aListThatIsNotOneIsLeftAsItIs_data()
    {
        QTest::addColumn<QByteArray>("content"); // "(folder)" for a folder in its place
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << QByteArray("(folder)") << "it is not a file";
        QTest::newRow("larger than 1 MB") << QByteArray("Marrowfen\n").repeated(110000) << "larger than 1 MB";
        QTest::newRow("not UTF-8") << QByteArray("Marrowfen\nGr\xFC\xDF"
                                                 "e\n")
                                   << "not UTF-8";
    }

    void aListThatIsNotOneIsLeftAsItIs()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("words.txt"));
        if (content == "(folder)")
            QVERIFY(QDir().mkpath(list));
        else
            writeFile(list, content);
        SpellChecker checker(QStringLiteral("en_US"), list);
        QCOMPARE(checker.misspelledWords(QStringLiteral("Marrowfen")), QStringList{"Marrowfen"});
        try {
            checker.addToDictionary(QStringLiteral("Tessalin"));
            QFAIL("the word was added");
        } catch (const Failure &failure) {
            QVERIFY2(failure.description().contains(reason), qPrintable(failure.description()));
            QVERIFY(failure.description().contains(QDir::toNativeSeparators(list)));
        }
        if (content != "(folder)")
            QCOMPARE(readAll(list), content);
        QCOMPARE(checker.misspelledWords(QStringLiteral("Tessalin")), QStringList{"Tessalin"});
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "test_spelling.moc"
