// The letter's date in the user's language: the long date without the
// weekday, whatever order and punctuation the language gives it.
#include <QtTest>

#include "LetterDate.h"
#include "LocaleVariables.h"

class TestLetterDate : public QObject
{
    Q_OBJECT

private slots:
    void theLongDateLosesItsWeekdayAndNothingElse_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("date");
        QTest::newRow("American English") << "en_US"
                                          << "December 7, 2026";
        QTest::newRow("French") << "fr_FR"
                                << "7 décembre 2026";
        QTest::newRow("German") << "de_DE"
                                << "7. Dezember 2026";
        QTest::newRow("British English") << "en_GB"
                                         << "7 December 2026";
        QTest::newRow("Spanish, quoted words") << "es_ES"
                                               << "7 de diciembre de 2026";
        QTest::newRow("Russian, a quoted word after") << "ru_RU"
                                                      << "7 декабря 2026 г.";
        QTest::newRow("Japanese, weekday at the end") << "ja_JP"
                                                      << "2026年12月7日";
        QTest::newRow("Korean") << "ko_KR"
                                << "2026년 12월 7일";
        QTest::newRow("Turkish") << "tr_TR"
                                 << "7 Aralık 2026";
        QTest::newRow("Hungarian") << "hu_HU"
                                   << "2026. december 7.";
        QTest::newRow("Thai, a word after the weekday") << "th_TH"
                                                        << "7 ธันวาคม 2026";
    }

    void theLongDateLosesItsWeekdayAndNothingElse()
    {
        QFETCH(QString, language);
        QFETCH(QString, date);
        QCOMPARE(letterDate(QDate(2026, 12, 7), QLocale(language)), date);
    }

    void theEnvironmentNamesTheLanguage_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcTime");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("date");
        QTest::newRow("LANG") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "7. Dezember 2026";
        QTest::newRow("LC_TIME before LANG")
                << QByteArray() << QByteArray("fr_FR.UTF-8") << QByteArray("de_DE.UTF-8") << "7 décembre 2026";
        QTest::newRow("LC_ALL before both") << QByteArray("en_US.UTF-8") << QByteArray("fr_FR.UTF-8")
                                            << QByteArray("de_DE.UTF-8") << "December 7, 2026";
        QTest::newRow("C names no language")
                << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << "December 7, 2026";
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "December 7, 2026";
    }

    void theEnvironmentNamesTheLanguage()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcTime);
        QFETCH(QByteArray, lang);
        QFETCH(QString, date);
        setLocaleVariables({{"LC_ALL", lcAll}, {"LC_TIME", lcTime}, {"LANG", lang}});
        QCOMPARE(letterDate(QDate(2026, 12, 7), dateLanguage()), date);
    }

    void aPatternOfTheUsersOwnKeepsTheLanguagesMonthNames()
    {
        QCOMPARE(letterDate(QDate(2026, 12, 7), QLocale(QStringLiteral("fr_FR")),
                            QStringLiteral("d MMMM yyyy, 'le jour'")),
                 QStringLiteral("7 décembre 2026, le jour"));
        QCOMPARE(letterDate(QDate(2026, 3, 9), QLocale(QStringLiteral("de_DE")), QStringLiteral("yyyy-MM-dd")),
                 QStringLiteral("2026-03-09"));
    }
};

QTEST_GUILESS_MAIN(TestLetterDate)
#include "test_letter_date.moc"
