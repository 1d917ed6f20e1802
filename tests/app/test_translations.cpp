// The interface in the user's language, and English for any other: the
// main window's captions and the command line's help.

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

private slots:
    void theWindowAndTheHelpSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");     // as LANGUAGE holds it
        QTest::addColumn<QStringList>("captions"); // start button, first menu, the help's first line
        QTest::newRow("French") << "fr_FR"
                                << QStringList{"&Générer le modèle", "&Lettre",
                                               "Utilisation\u00a0: tessaline [options]"};
        QTest::newRow("German") << "de_DE"
                                << QStringList{"&Vorlage erstellen", "Br&ief", "Aufruf: tessaline [Optionen]"};
        QTest::newRow("Spanish") << "es_ES"
                                 << QStringList{"Crear &la plantilla", "Car&ta", "Uso: tessaline [opciones]"};
        QTest::newRow("Japanese") << "ja_JP"
                                  << QStringList{"テンプレートの作成を開始(&G)", "レター(&L)",
                                                 "使い方: tessaline [オプション]"};
        const QStringList english{"Start Creatin&g Template", "&Letter", "Usage: tessaline [options]"};
        QTest::newRow("Swedish, untranslated") << "sv_SE" << english;
        QTest::newRow("English before French") << "en_GB:fr_FR" << english;
    }
    void theWindowAndTheHelpSpeakTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        {
            const Translations translations(QLocale(language.section(u':', 0, 0)));
            RecordingMessenger messenger;
            Settings settings;
            ScriptedAutomation office;
            Form1 form({messenger, settings, office});
            QCOMPARE(form.PushButton6->text(), captions[0]);
            QCOMPARE(form.menuBar->actions().front()->text(), captions[1]);
            // Each command keeps an Alt key of its own in the window.
            QStringList keys{form.PushButton6->text(), form.PushButton3->text(), form.PushButton4->text()};
            for (QAction *menu : form.menuBar->actions())
                keys << menu->text();
            for (QLabel *label : form.Label2)
                keys << label->text();
            QCOMPARE(altKeyProblems(keys), QStringList());
        }
        // The program installs its translations before it prints.
        ProgramOptions options;
        options.environment.insert(QStringLiteral("LANGUAGE"), language);
        options.environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        const ProgramRun run = runProgram(QStringLiteral(TESSALINE_PROGRAM), {QStringLiteral("--help")}, options);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.section(u'\n', 0, 0), captions[2]);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
