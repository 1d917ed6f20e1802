// The built-in letter as its reader expects it: each address in its
// country's form, and the letter's own words in the letter's language.
#include <QTemporaryDir>
#include <QtTest>

#include "AddressForm.h"
#include "BuiltInLetter.h"
#include "LetterEngine.h"
#include "Settings.h"

namespace {
// The template's lines from the sender's name to the greeting, edited as
// the office edits them (each edit finds its line after the last found)
// and filled.
QStringList printedLines(const FieldValues &fields, const FurtherValues &further, const QLocale &locale)
{
    const QStringList lines{"[YourName]",    "[StreetAddress]",  BuiltInLetter::SenderCityLine,
                            "[CurrentDate]", "[RecipientName]",  "[Title]",
                            "[CompanyName]", "[StreetAddress2]", BuiltInLetter::RecipientCityLine};
    QStringList printed;
    qsizetype next = 0;
    for (const word::ParagraphEdit &edit : BuiltInLetter::edits(fields, further, {}, locale)) {
        if (const qsizetype at = lines.indexOf(edit.text, next); at >= 0) {
            printed << lines.mid(next, at - next) << edit.newText.value_or(QString()) << edit.after;
            printed.removeAll(QString()); // a line that went
            next = at + 1;
        }
    }
    printed << lines.mid(next);
    for (const auto &[placeholder, text] : placeholderReplacements(fields, further, locale))
        printed.replaceInStrings(placeholder, text, Qt::CaseInsensitive);
    return printed;
}
} // namespace

class TestAddressForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    void aCountryIsKnownAsPeopleWriteIt_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("country"); // AnyTerritory: none with a form of its own
        for (const char *germany : {"DE", "deu", "Germany", "Deutschland", "Allemagne", "Alemania", "ドイツ"})
            QTest::newRow(germany) << germany << int(QLocale::Germany);
        QTest::newRow("accent left out, capitals") << " OSTERREICH" << int(QLocale::Austria);
        QTest::newRow("'the'") << "The Netherlands" << int(QLocale::Netherlands);
        QTest::newRow("its own name, from the locale data") << "Česko" << int(QLocale::Czechia);
        QTest::newRow("full-width") << "ＪＰ" << int(QLocale::Japan);
        for (const char *cityFirst : {"U.S.A.", "UK", "Atlantis", ""})
            QTest::newRow(cityFirst) << cityFirst << int(QLocale::AnyTerritory);
    }

    void aCountryIsKnownAsPeopleWriteIt()
    {
        QFETCH(QString, written);
        QFETCH(int, country);
        QCOMPARE(AddressForms::countryNamed(written).value_or(QLocale::AnyTerritory), QLocale::Territory(country));
    }

    void eachAddressIsInItsCountrysForm_data()
    {
        QTest::addColumn<QString>("locale");      // the user's
        QTest::addColumn<QStringList>("changes"); // field index or further name = value
        QTest::addColumn<QString>("lines");       // the address blocks, by "|", the date empty
        const QString american = "Dorian Vell|1234 East Main Street|Boise, ID  91002|";
        const QString recipient = "Vore Vurud|Contractor|Vuvodud Arudaziz Inc.|123 Garage St|";
        QTest::newRow("C: as always") << "C" << QStringList() << american + "|" + recipient + "Hawthorne, CA  90250";
        QTest::newRow("France for the recipient")
                << "en_US" << QStringList{"5=Lyon", "3=", "2=69002", "Country2=France"}
                << american + "|" + recipient + "69002 Lyon|France";
        QTest::newRow("Germany of the locale, no name")
                << "de_DE" << QStringList{"1=Köln", "8=", "9=50667", "7=", "5=Berlin", "3=", "2=10115"}
                << "Dorian Vell|1234 East Main Street|50667 Köln||Personalabteilung|Contractor|Vuvodud Arudaziz "
                   "Inc.|123 Garage St|10115 Berlin";
        QTest::newRow("a province after the city; the country written beats the locale's")
                << "de_DE" << QStringList{"Country=USA", "5=Milano", "3=MI", "2=20121", "Country2=Italia"}
                << "Dorian Vell|1234 East Main Street|Boise, ID  91002|USA||" + recipient + "20121 Milano MI|Italia";
        QTest::newRow("Japan") << "en_US"
                               << QStringList{"7=山田太郎", "10=人事部", "11=株式会社サンプル", "4=神宮前1-2-3",
                                              "5=渋谷区",   "3=東京都",  "2=150-0001",          "Country2=日本"}
                               << american
                        + "|〒150-0001|東京都渋谷区神宮前1-2-3|日本|株式会社サンプル|人事部|山田太郎 様";
        QTest::newRow("Japan of the locale, in Latin letters, no name")
                << "ja_JP" << QStringList{"7=", "3=Tokyo", "5=Shibuya-ku", "4=1-2-3 Jingumae", "2=〒150-0001"}
                << "Dorian Vell|〒91002|ID Boise 1234 East Main Street||〒150-0001|Tokyo Shibuya-ku 1-2-3 "
                   "Jingumae|Vuvodud Arudaziz Inc.|Contractor|採用ご担当者 様";
        QTest::newRow("a name with its honorific")
                << "ja_JP" << QStringList{"7=山田様", "10=", "4=", "5=", "3=", "2="}
                << "Dorian Vell|〒91002|ID Boise 1234 East Main Street||Vuvodud Arudaziz Inc.|山田様";
    }

    void eachAddressIsInItsCountrysForm()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, changes);
        QFETCH(QString, lines);
        FieldValues fields;
        for (int i = 0; i < VisibleFieldCount; ++i)
            fields[size_t(i)] = QString::fromUtf8(LetterFields[size_t(i)].sampleValue);
        FurtherValues further{{"Country", ""}, {"Country2", ""}};
        for (const QString &change : changes) {
            const QString name = change.section(u'=', 0, 0), value = change.section(u'=', 1);
            bool isField = false;
            if (const int field = name.toInt(&isField); isField)
                fields[size_t(field)] = value;
            else
                further[name == "Country" ? 0 : 1].second = value;
        }
        QCOMPARE(printedLines(fields, further, QLocale(locale)).join(u'|'), lines);
    }

    void theLettersOwnWordsAreInItsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("words"); // no-name greeting, closing, no name, title, subject
        QTest::newRow("English") << "en_US"
                                 << "Dear Hiring Manager:|Sincerely,|Hiring Manager|Letter to Acme|Cover letter";
        QTest::newRow("Italian: English") << "it_IT"
                                          << "Dear Hiring Manager:|Sincerely,|Hiring Manager|Letter to Acme|Cover "
                                             "letter";
        QTest::newRow("French") << "fr_FR"
                                << "Madame, Monsieur,|Je vous prie d'agréer, Madame, Monsieur, l'expression de mes "
                                   "salutations distinguées.|Responsable du recrutement|Lettre de motivation - "
                                   "Acme|Lettre de motivation";
        QTest::newRow("Swiss German: no ß")
                << "de_CH"
                << "Sehr geehrte Damen und Herren,|Mit freundlichen Grüssen|Personalabteilung|Anschreiben an "
                   "Acme|Bewerbungsanschreiben";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "拝啓|敬具|採用ご担当者|送付状（Acme宛）|送付状";
    }

    void theLettersOwnWordsAreInItsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, words);
        const QLocale language(locale);
        const BuiltInLetter::Wording wording = BuiltInLetter::defaultWording(language);
        FieldValues fields;
        fields[11] = QStringLiteral("Acme");
        const word::DocumentProperties properties = letterProperties(fields, QDateTime(), language);
        const QString noName = placeholderReplacements(fields, {}, language).at(7).second;
        QCOMPARE((QStringList{wording.greetingNoName, wording.closing, noName, properties.title, properties.subject}),
                 words.split(u'|'));
    }

    void theUsersOwnWordsWinAndTheRestFollowTheLanguage()
    {
        const QLocale french(QStringLiteral("fr_FR")), german(QStringLiteral("de_DE"));
        // As the Letter Text window keeps what it showed: only the line
        // the user changed becomes the user's.
        BuiltInLetter::Wording wording = BuiltInLetter::storedWording(french);
        wording.closing = QStringLiteral("Cordialement,");
        BuiltInLetter::storeWording(wording, french);
        QCOMPARE(BuiltInLetter::storedWording(german).greeting, QStringLiteral("Guten Tag [RecipientName],"));
        QCOMPARE(BuiltInLetter::storedWording(german).closing, QStringLiteral("Cordialement,"));
        // Once kept, a line stays the user's, in English too.
        wording.closing = BuiltInLetter::defaultWording(french).closing;
        BuiltInLetter::storeWording(wording, french);
        QCOMPARE(BuiltInLetter::storedWording(german).closing, wording.closing);
        Settings().setEnclosureLine(QStringLiteral("Enclosure"));
        QCOMPARE(BuiltInLetter::storedWording(french).enclosure, QStringLiteral("Enclosure"));
    }
};

QTEST_GUILESS_MAIN(TestAddressForm)
#include "test_address_form.moc"
