// The check before a letter shows, as the user meets it in the window:
// the question and its answers, More Fields, and the preview's notice line.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "Form1.h"
#include "Form2.h"
#include "LetterFields.h"
#include "LetterText.h"
#include "LetterTextWindow.h"
#include "MoreFieldsWindow.h"
#include "NoticeLine.h"
#include "RecordingMessenger.h"
#include "ScratchFiles.h"
#include "ScriptedAutomation.h"
#include "Settings.h"
#include "SettingsStore.h"

class TestCheckBeforeLetter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_home;
    RecordingMessenger m_messenger;
    Settings m_settings;
    ScriptedAutomation m_office;

    // The main window with the sample's fields, and an office that fills
    // the built-in letter's body as the letter text has it.
    std::unique_ptr<Form1> shownForm()
    {
        auto form = std::make_unique<Form1>(Form1Services{m_messenger, m_settings, m_office});
        form->Form_Load();
        form->show();
        form->PushButton4_Click();
        m_office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())]
                = {{{"main", "[YourName]\nDear [RecipientName]:\nOld body\nSincerely,"}}, {}};
        m_office.picture = QImage(300, 400, QImage::Format_RGB32);
        m_office.picture.fill(Qt::white);
        return form;
    }

    QString letterShown(Form1 &form) { return m_office.files[form.form2().mWordFile].stories.front().second; }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home->filePath("config"));
        qputenv("temp", QFile::encodeName(m_home->filePath("temp")));
        QDir().mkpath(m_home->filePath("temp"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath("data")));
        qputenv("LANG", "en_US.UTF-8");
        m_messenger = RecordingMessenger();
        m_office = ScriptedAutomation();
    }

    void cleanup()
    {
        qunsetenv("temp");
        qunsetenv("XDG_DATA_HOME");
    }

    void aLetterThatWouldComeOutWrongAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Go Back: the fields, as they were") << "&Go Back" << false;
        QTest::newRow("Escape or Return: the safe answer") << QString() << false;
        QTest::newRow("Make the Letter Anyway: the letter as before") << "&Make the Letter Anyway" << true;
        QTest::newRow("More Fields: its window, offering the placeholder") << "More &Fields…" << false;
    }

    void aLetterThatWouldComeOutWrongAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, shown);
        LetterText::write(LetterText::filePath(), QStringLiteral("I apply for the [Position] role and recieve news."));
        auto form = shownForm();
        const QStringList buttons{"&Make the Letter Anyway", "More &Fields…", "&Go Back"};
        if (!answer.isEmpty())
            m_messenger.choices.push_back(int(buttons.indexOf(answer)));
        const QString company = form->Text1[11]->text();

        form->PushButton6_Click();
        QCOMPARE(m_messenger.questions.size(), 1);
        QVERIFY(m_messenger.questions.front().contains("[Position] has no value"));
        QVERIFY(m_messenger.questions.front().contains("'recieve' may be misspelled"));
        QCOMPARE(m_messenger.choiceButtons.front(), buttons);
        QCOMPARE(form->hasForm2() && form->form2().isVisible(), shown);
        QCOMPARE(form->isVisible(), !shown);
        QVERIFY(!form->isBusy());
        QCOMPARE(form->Text1[11]->text(), company);
        if (shown) {
            QVERIFY(letterShown(*form).contains("I apply for the [Position] role"));
            form->form2().PushButton8_Click();
        }
        // Nothing of a letter that went back stays behind.
        QVERIFY(QDir(ScratchFiles::folder()).entryList(QDir::Files).isEmpty());
        if (answer == buttons[1]) {
            QTRY_VERIFY(form->moreFieldsWindow());
            QCOMPARE(form->moreFieldsWindow()->names(), QStringList{"Position"});
            form->moreFieldsWindow()->reject();
        } else {
            QVERIFY(!form->moreFieldsWindow());
        }
    }

    void moreFieldsFillsTheLettersOwnPlaceholdersAndIsKept()
    {
        LetterText::write(LetterText::filePath(), QStringLiteral("I apply for the [Position] role."));
        m_settings.setExtraValue(QStringLiteral("Reason"), QStringLiteral("kept before"));
        auto form = shownForm();
        form->moreFieldsAction->trigger();
        MoreFieldsWindow *window = form->moreFieldsWindow();
        QVERIFY(window);
        QCOMPARE(window->names(), (QStringList{"Position", "Reason"}));
        QCOMPARE(window->values[1]->text(), QStringLiteral("kept before"));
        window->values[0]->setText(QStringLiteral("Data Analyst"));
        window->accept();
        QCOMPARE(UserSettingsStore().value(QStringLiteral("Extra_Position")), QStringLiteral("Data Analyst"));

        form->PushButton6_Click();
        QVERIFY(m_messenger.questions.isEmpty());
        QVERIFY(form->form2().isVisible());
        QVERIFY(letterShown(*form).contains("I apply for the Data Analyst role."));
        form->form2().PushButton8_Click();
    }

    void thePreviewSaysWhatIsWorthALookAndLeadsToTheLetterText()
    {
        auto form = shownForm();
        form->Text1[0]->clear();
        form->PushButton6_Click();
        QVERIFY(m_messenger.questions.isEmpty()); // the built-in letter's words and empty fields ask nothing
        NoticeLine *notice = form->form2().noticeLine;
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("The letter's body is still the sample text; Your Name is empty."));
        // Within the menu bar's height: the page keeps its place. Its words
        // show beside its button.
        QVERIFY(notice->geometry().bottom() < form->form2().menuBar->height());
        QCOMPARE(notice->label->text(), notice->text());
        QVERIFY(notice->label->isVisible());
        QVERIFY(notice->label->width() >= notice->label->fontMetrics().horizontalAdvance(notice->text()));
        QVERIFY(notice->geometry().right() < form->form2().menuBar->width());

        notice->button->click();
        QVERIFY(!form->form2().isVisible());
        QVERIFY(form->isVisible());
        QTRY_VERIFY(form->letterTextWindow());
        form->letterTextWindow()->reject();

        // A letter with nothing to say shows no line.
        LetterText::write(LetterText::filePath(), QStringLiteral("My own words for [CompanyName]."));
        form->Text1[0]->setText(QStringLiteral("Ada Quill"));
        form->PushButton6_Click();
        QVERIFY(!form->form2().noticeLine->isVisible());
        form->form2().PushButton8_Click();
    }
};

QTEST_MAIN(TestCheckBeforeLetter)
#include "test_check_before_letter.moc"
