// The built-in letter's paper when the user has not chosen one: the
// country of the locale (LC_PAPER, else LC_ALL, else LANG), and the
// choice kept in the settings file.
#include <QTemporaryDir>
#include <QtTest>

#include "LetterFields.h"
#include "LocaleVariables.h"
#include "PaperSize.h"
#include "SettingsStore.h"

class TestPaperSize : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void theStoredChoiceElseTheLocalesCountryDecides_data()
    {
        QTest::addColumn<QByteArray>("lcPaper");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<PaperSize>("paper");
        const QByteArray none;
        QTest::newRow("LC_PAPER wins") << QByteArray("de_DE.UTF-8") << QByteArray("en_US.UTF-8")
                                       << QByteArray("en_US.UTF-8") << "" << PaperSize::A4;
        QTest::newRow("LC_PAPER wins, Letter")
                << QByteArray("en_US.UTF-8") << none << QByteArray("fr_FR.UTF-8") << "" << PaperSize::Letter;
        QTest::newRow("LC_ALL before LANG")
                << none << QByteArray("fr_CA.UTF-8") << QByteArray("de_DE.UTF-8") << "" << PaperSize::Letter;
        QTest::newRow("C names no country")
                << QByteArray("C.UTF-8") << none << QByteArray("de_DE@euro") << "" << PaperSize::A4;
        QTest::newRow("US") << none << none << QByteArray("en_US.UTF-8") << "" << PaperSize::Letter;
        QTest::newRow("CA") << none << none << QByteArray("en_CA.UTF-8") << "" << PaperSize::Letter;
        QTest::newRow("MX") << none << none << QByteArray("es_MX.UTF-8") << "" << PaperSize::Letter;
        QTest::newRow("PH") << none << none << QByteArray("fil_PH") << "" << PaperSize::Letter;
        QTest::newRow("FR") << none << none << QByteArray("fr_FR.UTF-8") << "" << PaperSize::A4;
        QTest::newRow("CH") << none << none << QByteArray("de_CH.UTF-8") << "" << PaperSize::A4;
        QTest::newRow("JP") << none << none << QByteArray("ja_JP.eucJP") << "" << PaperSize::A4;
        QTest::newRow("GB, English but A4") << none << none << QByteArray("en_GB.UTF-8") << "" << PaperSize::A4;
        QTest::newRow("POSIX") << none << none << QByteArray("POSIX") << "" << PaperSize::Letter;
        QTest::newRow("nothing set") << none << none << none << "" << PaperSize::Letter;
        QTest::newRow("stored A4 in the US") << none << none << QByteArray("en_US.UTF-8") << "a4" << PaperSize::A4;
        QTest::newRow("stored Letter in France")
                << none << none << QByteArray("fr_FR.UTF-8") << "Letter" << PaperSize::Letter;
        QTest::newRow("an unknown value: the locale's")
                << none << none << QByteArray("fr_FR.UTF-8") << "A5" << PaperSize::A4;
    }

    void theStoredChoiceElseTheLocalesCountryDecides()
    {
        QFETCH(QByteArray, lcPaper);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QString, stored);
        QFETCH(PaperSize, paper);
        setLocaleVariables({{"LC_PAPER", lcPaper}, {"LC_ALL", lcAll}, {"LANG", lang}});
        UserSettingsStore().setValue(QStringLiteral("PaperSize"), stored);
        QCOMPARE(Paper::stored(), paper);
    }

    void aChoiceIsKeptByItsName()
    {
        for (PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
            Paper::store(paper);
            QCOMPARE(UserSettingsStore().value(QStringLiteral("PaperSize")), Paper::nameOf(paper));
            QCOMPARE(Paper::stored(), paper);
        }
    }
};

QTEST_GUILESS_MAIN(TestPaperSize)
#include "test_paper_size.moc"
