// The interface in the user's language: the main window's captions and the
// command line's help, for each language the program is translated into,
// and English for any other.

#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "Form1.h"
#include "Mnemonics.h"
#include "PushButton.h"
#include "RecordingMessenger.h"
#include "RunProgram.h"
#include "ScriptedAutomation.h"
#include "Settings.h"
#include "Translations.h"

class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    static void languages()
    {
        QTest::addColumn<QString>("language"); // as LANGUAGE holds it
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("letterMenu");
        QTest::addColumn<QString>("usage");
        QTest::newRow("French") << "fr_FR"
                                << "&Générer le modèle"
                                << "&Lettre"
                                << "Utilisation\u00a0: tessaline [options]";
        QTest::newRow("German") << "de_DE"
                                << "&Vorlage erstellen"
                                << "Br&ief"
                                << "Aufruf: tessaline [Optionen]";
        QTest::newRow("Spanish") << "es_ES"
                                 << "Crear &la plantilla"
                                 << "Car&ta"
                                 << "Uso: tessaline [opciones]";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "テンプレートの作成を開始(&G)"
                                  << "レター(&L)"
                                  << "使い方: tessaline [オプション]";
        QTest::newRow("Swedish, untranslated: English") << "sv_SE"
                                                        << "Start Creatin&g Template"
                                                        << "&Letter"
                                                        << "Usage: tessaline [options]";
        QTest::newRow("English before French") << "en_GB:fr_FR"
                                               << "Start Creatin&g Template"
                                               << "&Letter"
                                               << "Usage: tessaline [options]";
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void theMainWindowSpeaksTheLanguage_data() { languages(); }
    void theMainWindowSpeaksTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, start);
        QFETCH(QString, letterMenu);
        // The language the user puts first.
        const Translations translations(QLocale(language.section(u':', 0, 0)));
        RecordingMessenger messenger;
        Settings settings;
        ScriptedAutomation office;
        Form1 form({messenger, settings, office});
        QCOMPARE(form.PushButton6->text(), start);
        QCOMPARE(form.menuBar->actions().front()->text(), letterMenu);
        // The translated captions still give each command an Alt key of
        // its own.
        QStringList windowKeys;
        for (QAction *menu : form.menuBar->actions())
            windowKeys << menu->text();
        for (QLabel *label : form.Label2)
            windowKeys << label->text();
        for (PushButton *button : {form.PushButton6, form.PushButton3, form.PushButton4})
            windowKeys << button->text();
        QCOMPARE(altKeyProblems(windowKeys), QStringList());
    }

    void theCommandLineSpeaksTheLanguage_data() { languages(); }
    void theCommandLineSpeaksTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, usage);
        ProgramOptions options;
        options.environment.insert(QStringLiteral("LANGUAGE"), language);
        options.environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        options.environment.remove(QStringLiteral("LC_ALL"));
        options.environment.remove(QStringLiteral("LC_MESSAGES"));
        const ProgramRun run = runProgram(QStringLiteral(TESSALINE_PROGRAM), {QStringLiteral("--help")}, options);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.section(u'\n', 0, 0), usage);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
