#include <functional>

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolTip>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include "AccessibleNames.h"
#include "ColourContrast.h"
#include "AppTitle.h"
#include "BuiltInLetter.h"
#include "ErrorReport.h"
#include "Failure.h"
#include "CommonDialog.h"
#include "DesignMenu.h"
#include "Form1.h"
#include "Mnemonics.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "Form2.h"
#include "HelpTexts.h"
#include "JobProgress.h"
#include "IsInstalled.h"
#include "LetterFields.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "LetterTextWindow.h"
#include "LocaleVariables.h"
#include "PlaceholdersWindow.h"
#include "Main.h"
#include "PaperSizeMenu.h"
#include "ProgramFolder.h"
#include "PushButton.h"
#include "RecordingMessenger.h"
#include "SaveBuiltInLetter.h"
#include "ScratchFiles.h"
#include "ScriptedAutomation.h"
#include "SkinFramework.h"
#include "TestFiles.h"
#include "Twips.h"
#include "WindowLook.h"

namespace {
// A store that cannot read one field.
class FailingReadStore : public UserSettingsStore
{
public:
    explicit FailingReadStore(int failing) : m_failing(QStringLiteral("Text1_") + QString::number(failing)) { }
    QString value(const QString &key) const override
    {
        if (key == m_failing)
            throw Failure(QStringLiteral("Cannot read field"));
        return UserSettingsStore::value(key);
    }

private:
    QString m_failing;
};

// The file dialog answered by the test: what the user picks, and where
// the dialog was asked to open.
class ScriptedFileDialog : public CommonDialog
{
public:
    QString templateToPick;
    // The name typed and the kind of file chosen (from 1), or nothing: cancel.
    std::optional<std::pair<QString, int>> saveToPick;
    QStringList startFolders;

    void ShowOpen() override
    {
        startFolders << InitDir;
        FileName = templateToPick;
    }
    void ShowSave() override
    {
        startFolders << InitDir;
        FileName = saveToPick ? saveToPick->first : QString();
        if (saveToPick)
            FilterIndex = saveToPick->second;
    }
};

QString sourceFile(const char *relative)
{
    return QStringLiteral(TESSALINE_SOURCE_DIR "/") + QLatin1String(relative);
}

// A scripted office whose start gives the test a moment inside a running
// generation, as an impatient user gets it.
class OfficeWithAMoment : public ScriptedAutomation
{
public:
    std::function<void()> whileStarting;
    std::shared_ptr<word::Application> createApplication(word::CreationStop *stop = nullptr,
                                                         word::OfficeUse use = word::OfficeUse::Letter) override
    {
        if (whileStarting)
            std::exchange(whileStarting, nullptr)();
        return ScriptedAutomation::createApplication(stop, use);
    }
};

// How the keyboard focus comes back to a field.
enum class FocusArrival { Tab, Backtab, Mnemonic, Click, WindowActivation, ClosedContextMenu };

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<QTemporaryDir> m_temp;
    RecordingMessenger m_messenger;
    Settings m_settings;
    OfficeWithAMoment m_office;
    ScriptedFileDialog m_files;

    std::unique_ptr<Form1> makeForm(Settings *settings = nullptr)
    {
        auto form = std::make_unique<Form1>(Form1Services{m_messenger, settings ? *settings : m_settings, m_office});
        form->setProgramFolder(m_programFolder->path());
        form->setCommonDialog(&m_files);
        return form;
    }

    // Lets the scripted office fill a template and render a page.
    void scriptALetter()
    {
        m_office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())] = {{{"main", "[YourName]"}}, {}};
        m_office.picture = QImage(300, 400, QImage::Format_RGB32);
        m_office.picture.fill(Qt::white);
    }

    std::unique_ptr<Form1> shownForm()
    {
        auto form = makeForm();
        form->Form_Load();
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the main window did not become active");
        return form;
    }

    // A user's template file among the test's files.
    QString userTemplate(const QString &name)
    {
        const QString path = m_programFolder->filePath(name);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("a letter of my own") > 0 ? path : QString();
    }

private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        m_programFolder = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config->path());
        m_temp = std::make_unique<QTemporaryDir>();
        qputenv("temp", QFile::encodeName(m_temp->path()));
        // Where the letter text lives: the test's own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_config->filePath(QStringLiteral("data"))));
        m_messenger = RecordingMessenger();
        m_office = OfficeWithAMoment();
        m_files = ScriptedFileDialog();
    }

    void cleanup()
    {
        qunsetenv("temp");
        qunsetenv("XDG_DATA_HOME");
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void firstStartShowsEmptyFieldsAndQuitsTheCheckedOffice()
    {
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        for (auto *field : form->Text1)
            QVERIFY(field->text().isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline"));
        QVERIFY(form->builtInLetterAction->isChecked()); // no Template key: the built-in letter
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(m_office.created, 1);
        QCOMPARE(m_office.quits, 1);
        QVERIFY(m_messenger.messages.empty());
    }

    void typingStoresTheWholeTextAtOnce()
    {
        auto form = makeForm();
        form->Form_Load();
        form->Text1[6]->setText(QStringLiteral("12 Elm"));
        QTest::keyClicks(form->Text1[6], QStringLiteral("x"));
        // A fresh reader of the real file sees it without any close or flush.
        QSettings reader(m_settings.fileName(), QSettings::IniFormat); // the native format here is INI
        QCOMPARE(reader.value(QStringLiteral("Tessaline/Text1_6")).toString(), form->Text1[6]->text());
        QVERIFY(m_settings.fileName().endsWith(QStringLiteral("/Marrowfen.conf")));
    }

    void clearEmptiesTheVisibleFieldsButKeepsTheDate()
    {
        auto form = makeForm();
        form->Form_Load();
        form->PushButton4_Click();
        form->Text1[DateFieldIndex]->setText(QStringLiteral("March 3, 2026"));
        form->PushButton3_Click();
        for (int i = 0; i < VisibleFieldCount; ++i) {
            QVERIFY(form->Text1[size_t(i)]->text().isEmpty());
            QVERIFY(m_settings.field(i).isEmpty());
        }
        QCOMPARE(m_settings.field(DateFieldIndex), QStringLiteral("March 3, 2026"));
    }

    void sampleDataSurvivesARestart()
    {
        {
            auto form = makeForm();
            form->Form_Load();
            form->PushButton4_Click();
        }
        auto restarted = makeForm();
        restarted->Form_Load();
        for (int i = 0; i < VisibleFieldCount; ++i)
            QCOMPARE(restarted->Text1[size_t(i)]->text(), QString::fromUtf8(LetterFields[size_t(i)].sampleValue));
        QVERIFY(restarted->Text1[DateFieldIndex]->text().isEmpty());
    }

    void theMenusHoldTheirCommandsEachWithAMnemonic()
    {
        auto form = makeForm();
        const QList<QAction *> menus = form->menuBar->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Letter"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Edit"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&View"));
        QCOMPARE(menus[3]->text(), QStringLiteral("&Help"));
        QCOMPARE(form->editMenu->actions(), QList<QAction *>{form->undoAction});
        // The live page: off until chosen, on its own key.
        QCOMPARE(form->viewMenu->actions(), QList<QAction *>{form->livePageAction});
        QCOMPARE(form->livePageAction->text(), QStringLiteral("Live &Page"));
        QVERIFY(form->livePageAction->isCheckable() && !form->livePageAction->isChecked());
        QCOMPARE(form->livePageAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+L")));
        QStringList letter, paper, help;
        for (QAction *action : form->letterMenu->actions())
            letter << (action->isSeparator() ? QStringLiteral("-") : action->text());
        for (QAction *action : form->paperSizeMenu->actions())
            paper << action->text();
        for (QAction *action : form->helpMenu->actions())
            help << action->text();
        QCOMPARE(letter,
                 (QStringList{"&Built-in Letter", "&Use My Own Template…", "&Save Built-in Letter As…",
                              "&Edit Letter Text…", "More &Fields…", "Le&tters Sent…", "&Paper Size", "&Design", "-",
                              "&Quit"}));
        QCOMPARE(paper, (QStringList{"&A4", "US &Letter"}));
        QCOMPARE(form->editLetterTextAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(help, (QStringList{"&Placeholders…", "&About Tessaline"}));
        QCOMPARE(form->quitAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QVERIFY(form->builtInLetterAction->isCheckable());
        // No two items of a menu share a mnemonic.
        // The menus' own keys are the window's too: none may be a field's
        // or a button's Alt key.
        QStringList windowKeys;
        for (QAction *menu : menus)
            windowKeys << menu->text();
        for (QLabel *label : form->Label2)
            windowKeys << label->text();
        for (PushButton *button : {form->PushButton6, form->PushButton3, form->PushButton4})
            windowKeys << button->text();
        for (const QStringList &items : {letter, paper, help, windowKeys})
            QCOMPARE(altKeyProblems(items), QStringList());
    }

    void thePaperOpensAsStoredElseAsTheLocalesAndTheNextLetterTakesTheChoice_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("a4");
        QTest::newRow("France") << QByteArray("fr_FR.UTF-8") << "" << true;
        QTest::newRow("the United States") << QByteArray("en_US.UTF-8") << "" << false;
        QTest::newRow("A4 chosen in the United States") << QByteArray("en_US.UTF-8") << "A4" << true;
    }

    void thePaperOpensAsStoredElseAsTheLocalesAndTheNextLetterTakesTheChoice()
    {
        QFETCH(QByteArray, lang);
        QFETCH(QString, stored);
        QFETCH(bool, a4);
        const QByteArray langBefore = qgetenv("LANG");
        const auto restoreLang = qScopeGuard([&] { setLocaleVariables({{"LANG", langBefore}}); });
        setLocaleVariables({{"LC_PAPER", {}}, {"LC_ALL", {}}, {"LANG", lang}});
        if (!stored.isEmpty())
            UserSettingsStore().setValue(QStringLiteral("PaperSize"), stored);
        auto form = makeForm();
        form->Form_Load();
        PaperSizeMenu &menu = *form->paperSizeMenu;
        QCOMPARE(menu.a4Action->isChecked(), a4);
        QCOMPARE(menu.letterAction->isChecked(), !a4);

        // The other paper, chosen, is the only one checked, is kept, and
        // lays out the next letter.
        QAction *other = a4 ? menu.letterAction : menu.a4Action;
        other->trigger();
        QVERIFY(other->isChecked());
        QVERIFY(!(a4 ? menu.a4Action : menu.letterAction)->isChecked());
        QCOMPARE(m_settings.paperSize(), a4 ? PaperSize::Letter : PaperSize::A4);
        scriptALetter();
        form->PushButton6_Click();
        QVERIFY(!m_office.paperSizes.empty());
        QCOMPARE(m_office.paperSizes.back(), a4 ? std::make_pair(21590, 27940) : std::make_pair(21000, 29700));
        QVERIFY(m_messenger.messages.empty());
    }

    void theDesignOpensAsStoredAndTheChoiceIsKept_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<LetterDesign>("opened");
        QTest::newRow("none stored: classic") << "" << LetterDesign::Classic;
        QTest::newRow("as people write it") << " LetterHead " << LetterDesign::Letterhead;
        QTest::newRow("no design's name: classic") << "fancy" << LetterDesign::Classic;
    }

    void theDesignOpensAsStoredAndTheChoiceIsKept()
    {
        QFETCH(QString, stored);
        QFETCH(LetterDesign, opened);
        UserSettingsStore().setValue(QStringLiteral("Design"), stored);
        auto form = makeForm();
        form->Form_Load();
        for (LetterDesign design : LetterDesigns::all()) {
            QCOMPARE(form->designMenu->actionFor(design)->isChecked(), design == opened);
            QVERIFY(!form->designMenu->actionFor(design)->icon().isNull());
        }
        QAction *modern = form->designMenu->actionFor(LetterDesign::Modern);
        modern->trigger();
        QCOMPARE(m_settings.design(), QStringLiteral("modern"));
        QCOMPARE(form->designMenu->chosen(), LetterDesign::Modern);
        QVERIFY(!form->designMenu->actionFor(opened)->isChecked());
        QVERIFY(m_messenger.messages.empty());
    }

    void theControlsKeepTheirPlacesBelowTheMenuBar()
    {
        auto form = makeForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const int top = form->clientTop();
        QVERIFY(top > 0);
        QCOMPARE(form->menuBar->geometry().bottom(), top - 1);
        QCOMPARE(form->size(), QSize(twipsToPixels(8040, form.get()), top + twipsToPixels(5670, form.get())));
        QCOMPARE(form->PushButton6->geometry(), twipsRect(120, 120, 7800, 405, form.get()).translated(0, top));
        QCOMPARE(form->PushButton4->geometry(), twipsRect(4080, 630, 3840, 405, form.get()).translated(0, top));
        QCOMPARE(form->Frame2->geometry(), twipsRect(120, 2910, 7800, 2625, form.get()).translated(0, top));
        // Inside a frame, places are the frame's own.
        QCOMPARE(form->Text1[7]->geometry(), twipsRect(1680, 300, 5895, 345, form.get()));
    }

    void theChosenTemplateNamesTheWindowAndSurvivesARestart()
    {
        const QString mine = userTemplate(QStringLiteral("my-letter.docx"));
        {
            auto form = makeForm();
            form->Form_Load();
            m_files.templateToPick = mine;
            form->useMyOwnTemplateAction->trigger();
            QCOMPARE(form->templateFile(), mine);
            QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline — my-letter.docx"));
            QVERIFY(!form->builtInLetterAction->isChecked());
        }
        QSettings reader(m_settings.fileName(), QSettings::IniFormat);
        QCOMPARE(reader.value(QStringLiteral("Tessaline/Template")).toString(), mine);

        auto restarted = makeForm();
        restarted->Form_Load();
        QCOMPARE(restarted->templateFile(), mine);
        QCOMPARE(restarted->windowTitle(), QStringLiteral("Tessaline — my-letter.docx"));
        QVERIFY(!restarted->builtInLetterAction->isChecked());

        // A cancelled dialog, opened where the template lives, changes nothing.
        m_files.templateToPick.clear();
        restarted->useMyOwnTemplateAction->trigger();
        QCOMPARE(m_files.startFolders.last(), m_programFolder->path());
        QCOMPARE(restarted->templateFile(), mine);

        // Back to the built-in letter, for this run and the next.
        restarted->builtInLetterAction->trigger();
        QVERIFY(restarted->builtInLetterAction->isChecked());
        QCOMPARE(restarted->windowTitle(), QStringLiteral("Tessaline"));
        QVERIFY(LetterTemplate::storedChoice().isEmpty());
        QVERIFY(m_messenger.messages.empty());
    }

    void aTemplateThatIsGoneIsToldAndNothingChanges()
    {
        const QString mine = userTemplate(QStringLiteral("gone.docx"));
        auto form = makeForm();
        form->Form_Load();
        m_files.templateToPick = mine;
        form->useMyOwnTemplateAction->trigger();
        QVERIFY(QFile::remove(mine));
        form->PushButton4_Click();
        form->show();
        m_messenger.messages.clear();

        form->PushButton6_Click();
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.contains(QDir::toNativeSeparators(mine)));
        QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("is gone")));
        QVERIFY(!m_messenger.messages[0].text.contains(QStringLiteral("at line")));
        QVERIFY(form->isVisible());
        QVERIFY(!form->hasForm2());
        QVERIFY(!form->isBusy());
        QCOMPARE(form->Text1[0]->text(), QStringLiteral("Dorian Vell"));
        QVERIFY(form->Text1[DateFieldIndex]->text().isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline — gone.docx"));
        QCOMPARE(LetterTemplate::storedChoice(), mine);
        QCOMPARE(m_office.created, 1); // the start-up check's alone
    }

    void savingTheBuiltInLetterAsksBeforeReplacingAFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<Messenger::Answer>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("new file") << false << Messenger::Answer::No << true;
        QTest::newRow("replace: yes") << true << Messenger::Answer::Yes << true;
        QTest::newRow("replace: no") << true << Messenger::Answer::No << false;
    }

    void savingTheBuiltInLetterAsksBeforeReplacingAFile()
    {
        QFETCH(bool, exists);
        QFETCH(Messenger::Answer, answer);
        QFETCH(bool, saved);
        QTemporaryDir scratch;
        qputenv("temp", QFile::encodeName(scratch.path()));
        const QString scratchFolder = ScratchFiles::folder();
        m_office.files[ScratchFiles::templateCopyPath(scratchFolder)] = {{{"main", "Dear [RecipientName]:"}}, {}};
        const QString target = m_programFolder->filePath(QStringLiteral("start.odt"));
        if (exists)
            QVERIFY(!userTemplate(QStringLiteral("start.odt")).isEmpty());
        auto form = makeForm();
        const int openDocumentKind = 1
                + int(std::find(std::begin(BuiltInLetterFormats), std::end(BuiltInLetterFormats),
                                word::LetterFormat::OpenDocument)
                      - std::begin(BuiltInLetterFormats));
        m_files.saveToPick = std::pair{m_programFolder->filePath(QStringLiteral("start")), openDocumentKind};
        m_messenger.answers.push_back(answer);
        form->saveBuiltInLetterAsAction->trigger();
        qunsetenv("temp");

        QCOMPARE(m_messenger.questions.size(), exists ? 1 : 0);
        if (exists)
            QVERIFY(m_messenger.questions[0].contains(QDir::toNativeSeparators(target)));
        QCOMPARE(m_office.exports.size(), saved ? size_t(1) : size_t(0));
        QFile file(target);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() != "a letter of my own" : false, saved);
        if (saved) {
            QCOMPARE(m_office.exports[0].second, word::LetterFormat::OpenDocument);
            QCOMPARE(m_messenger.messages.size(), size_t(1));
            QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("Use My Own Template")));
        }
        QVERIFY(QDir(scratchFolder).isEmpty());
        QCOMPARE(m_office.quits, m_office.created);
    }

    void theHelpNamesThePlaceholdersAndTheAboutBoxTheVersions()
    {
        auto form = makeForm();
        form->show();
        form->placeholdersAction->trigger();
        PlaceholdersWindow *help = form->placeholdersWindow();
        QVERIFY(help && QTest::qWaitForWindowActive(help));
        // A screen reader reads the table a row at a time: each placeholder
        // beside what fills it, in reading order.
        QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(help->table)->tableInterface();
        QVERIFY(table);
        const QStringList placeholders = placeholdersInReadingOrder();
        // The fields, [Phone], [Email], [Country], [Web], [Country2] and [Signature].
        QCOMPARE(placeholders.size(), FieldCount + 6);
        QCOMPARE(table->rowCount(), placeholders.size());
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(table->cellAt(row, 0)->text(QAccessible::Name), placeholders[row]);
            QVERIFY(!table->cellAt(row, 1)->text(QAccessible::Name).isEmpty());
        }
        const QString explained = help->explanation->toPlainText();
        QVERIFY(explained.contains(QStringLiteral("any letter case")));
        QVERIFY(explained.contains(QStringLiteral("text boxes")));
        // Tab reaches the table, the explanation and Close; Escape closes.
        QCOMPARE(QApplication::focusWidget(), help->table);
        QTest::keyClick(help->table, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help->explanation);
        QTest::keyClick(help->explanation, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!form->placeholdersWindow());

        form->aboutAction->trigger();
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        const QString about = m_messenger.messages[0].text;
        QCOMPARE(m_messenger.messages[0].caption, QStringLiteral("About Tessaline"));
        QVERIFY(about.contains(QStringLiteral("7.00")));
        QVERIFY(about.contains(QStringLiteral("Scripted Office 1.0")));
        QVERIFY(about.contains(QDir::toNativeSeparators(m_settings.fileName())));
        QVERIFY(about.contains(QStringLiteral("Scratch files: ")));
    }

    void aFieldThatCannotBeRestoredIsReportedAndTheOthersAreRestored()
    {
        m_settings.setField(4, QStringLiteral("four"));
        m_settings.setField(5, QStringLiteral("five"));
        m_settings.setField(6, QStringLiteral("six"));
        FailingReadStore store(5);
        Settings settings(store);
        auto form = makeForm(&settings);
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.startsWith(QStringLiteral("Cannot read field\r\n")
                                                        + QLatin1String(ReportLocation::Form1_Form_Load)
                                                        + QStringLiteral("at line 112\r\r")));
        QCOMPARE(form->Text1[4]->text(), QStringLiteral("four"));
        QCOMPARE(form->Text1[5]->text(), QString());
        QCOMPARE(form->Text1[6]->text(), QStringLiteral("six"));
    }

    void aSettingsFileIsCheckedOnceAtStartAndWarnedOfOnlyWhenUnusable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a folder in its place") << QStringLiteral("folder") << false;
        QTest::newRow("holding garbage") << QStringLiteral("garbage") << true;
    }

    void aSettingsFileIsCheckedOnceAtStartAndWarnedOfOnlyWhenUnusable()
    {
        QFETCH(QString, kind);
        QFETCH(bool, kept);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(m_settings.fileName()));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(m_settings.fileName()).absolutePath()));
            QFile file(m_settings.fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x01\xff garbage = = [[[\n\0\0\nno section\n", 36);
        }
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        // Told before the window takes input, or not at all.
        QCOMPARE(m_messenger.messages.size(), size_t(kept ? 0 : 1));
        if (!kept) {
            QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("Marrowfen.conf")));
            QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("will not be remembered")));
        }
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClicks(form->Text1[0], QStringLiteral("Typed Name"));
        QCOMPARE(form->Text1[0]->text(), QStringLiteral("Typed Name"));
        QCOMPARE(m_messenger.messages.size(), size_t(kept ? 0 : 1)); // typing goes on, untold again
        form.reset();

        auto restarted = makeForm();
        restarted->Form_Load();
        QCOMPARE(restarted->Text1[0]->text(), kept ? QStringLiteral("Typed Name") : QString());
    }

    void withoutAnOfficeTheFivePartMessageEndsTheProgram()
    {
        m_office.canCreate = false;
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::EndProgram);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        const auto &shown = m_messenger.messages[0];
        // The message's five parts, and below them the reason.
        QVERIFY(shown.text.startsWith(officeMissingMessage() + QStringLiteral("\r\n\r\nReason: ")));
        QCOMPARE(shown.text.split(QStringLiteral("\r\n\r\n")).size(), 6);
        QVERIFY(shown.text.startsWith(QStringLiteral("Error 842001. A normal instance of Word could not be created.")));
        QVERIFY(shown.caption.isEmpty()); // the application title
        QCOMPARE(shown.icon, Messenger::Icon::None);
        QVERIFY(!form->isVisible());
    }

    void aFailingQuitStillPassesTheCheck()
    {
        m_office.failAt(QStringLiteral("Application.Quit"));
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        QVERIFY(m_messenger.messages.empty());
    }

    void tabRunsThroughSenderRecipientAndCommandsAndNeverIntoTheDate()
    {
        auto form = shownForm();
        form->Text1[0]->setFocus();
        const QList<QWidget *> expected
                = {form->Text1[6],  form->Text1[1],    form->Text1[8],    form->Text1[9],    form->Text1[7],
                   form->Text1[10], form->Text1[11],   form->Text1[4],    form->Text1[5],    form->Text1[3],
                   form->Text1[2],  form->PushButton6, form->PushButton3, form->PushButton4, form->Text1[0]};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(form->Text1[0], Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->PushButton4);
        // The date field keeps the last place in the order, for anything
        // that walks it, but typing can never reach it.
        QCOMPARE(form->PushButton4->nextInFocusChain(), form->Text1[DateFieldIndex]);
    }

    void returnAndEnterOnAFocusedButtonClickIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }

    void returnAndEnterOnAFocusedButtonClickIt()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        auto form = shownForm();
        form->PushButton4->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->PushButton4, Qt::Key(key), modifiers);
        QCOMPARE(form->Text1[0]->text(), QStringLiteral("Dorian Vell"));
        QCOMPARE(m_settings.field(2), QStringLiteral("90250"));
        form->PushButton3->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->PushButton3, Qt::Key(key), modifiers);
        QVERIFY(form->Text1[0]->text().isEmpty());
    }

    void aFieldIsSelectedWholeOnlyWhenTheKeyboardBringsTheFocus_data()
    {
        QTest::addColumn<FocusArrival>("arrival");
        QTest::addColumn<bool>("selectsAll");
        QTest::newRow("Tab") << FocusArrival::Tab << true;
        QTest::newRow("Backtab") << FocusArrival::Backtab << true;
        QTest::newRow("the label's mnemonic") << FocusArrival::Mnemonic << true;
        QTest::newRow("a click") << FocusArrival::Click << false;
        QTest::newRow("back from another window") << FocusArrival::WindowActivation << false;
        QTest::newRow("a closed context menu") << FocusArrival::ClosedContextMenu << false;
    }

    void aFieldIsSelectedWholeOnlyWhenTheKeyboardBringsTheFocus()
    {
        QFETCH(FocusArrival, arrival);
        QFETCH(bool, selectsAll);
        auto form = shownForm();
        LetterFieldEdit *field = form->Text1[7]; // "Recipient Name:", after "Zip Code:" of the sender
        field->setText(QStringLiteral("Mira Stone"));
        QWidget *before = form->Text1[9];
        QWidget *after = form->Text1[10];

        switch (arrival) {
        case FocusArrival::Tab:
            before->setFocus();
            QTest::keyClick(before, Qt::Key_Tab);
            break;
        case FocusArrival::Backtab:
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab);
            break;
        case FocusArrival::Mnemonic:
            before->setFocus();
            QTest::keyClick(before, Qt::Key_N, Qt::AltModifier);
            break;
        case FocusArrival::Click:
            before->setFocus();
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
            break;
        case FocusArrival::WindowActivation: {
            field->setFocus();
            field->setCursorPosition(field->text().size());
            QWidget other;
            other.resize(100, 100);
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            break;
        }
        case FocusArrival::ClosedContextMenu: {
            field->setFocus();
            field->setCursorPosition(field->text().size());
            QMenu menu;
            menu.addAction(QStringLiteral("Paste"));
            menu.popup(field->mapToGlobal(QPoint(4, 4)));
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            menu.close();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(field));
            break;
        }
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(field));
        QCOMPARE(field->hasSelectedText(), selectsAll);
        // The next keystroke replaces the text only when it was selected;
        // otherwise it lands at the caret (the end here) and nothing is lost.
        QTest::keyClicks(field, QStringLiteral("!"));
        QCOMPARE(field->text(), selectsAll ? QStringLiteral("!") : QStringLiteral("Mira Stone!"));
        QCOMPARE(m_settings.field(7), field->text());
    }
    void theDateFieldIsNeverOnScreen()
    {
        auto form = makeForm();
        form->show();
        QVERIFY(!form->rect().intersects(form->Text1[DateFieldIndex]->geometry()));
        QVERIFY(form->Text1[DateFieldIndex]->geometry().top() >= form->height());
    }

    // The hand cursor and a skin are looked for where the program's files
    // are, installed or not.
    void cursorAndSkinAreLookedForInTheProgramFolder()
    {
        Form1 form({m_messenger, m_settings, m_office});
        QCOMPARE(form.programFolder(), findProgramFolder());
    }

    void handOverButtonsArrowOverBackgroundAndFramesBusyLeftAlone()
    {
        QVERIFY(QFile::copy(sourceFile("resources/HAND-M.CUR"),
                            m_programFolder->filePath(QStringLiteral("HAND-M.CUR"))));
        auto form = makeForm();
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(form->pointer().hasMouseIcon());

        QTest::mouseMove(form.get(), QPoint(1, 1)); // a move needs a new position
        QTest::mouseMove(form->PushButton6);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QCOMPARE(form->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseMove(form->Frame1, QPoint(2, 2));
        QCOMPARE(form->pointer().code(), WindowPointer::Default);
        QTest::mouseMove(form->PushButton3);
        QTest::mouseMove(form.get(), QPoint(2, form->height() - 2));
        QCOMPARE(form->pointer().code(), WindowPointer::Default);

        // Fields and labels change nothing.
        QTest::mouseMove(form->PushButton4);
        QTest::mouseMove(form->Text1[0]);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QTest::mouseMove(form->Label2[0]);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);

        form->pointer().setCode(WindowPointer::Busy);
        QTest::mouseMove(form->PushButton6);
        QTest::mouseMove(form->Frame2, QPoint(2, 2));
        QCOMPARE(form->pointer().code(), WindowPointer::Busy);
    }

    void withoutTheHandCursorTheCustomPointerIsTheArrow()
    {
        auto form = makeForm();
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(!form->pointer().hasMouseIcon());
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(form->PushButton6);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
    }

    void withoutASkinTheWindowStaysWhite()
    {
        auto form = makeForm();
        form->Form_Load();
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(form->Label2[3]->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(form->styleSheet().isEmpty());
        QVERIFY(m_messenger.messages.empty());
    }

    void aSkinRecoloursTheWindowAndIsApplied()
    {
        QDir(m_programFolder->path()).mkpath(QStringLiteral("x"));
        QFile skin(m_programFolder->filePath(QStringLiteral("x/o.cjs")));
        QVERIFY(skin.open(QIODevice::WriteOnly));
        skin.write("QPushButton { color: #204060; }");
        skin.close();

        auto form = makeForm();
        form->Form_Load();
        QVERIFY(m_messenger.messages.empty());
        const QColor face = buttonFaceColour();
        QCOMPARE(form->palette().color(QPalette::Window), face);
        QCOMPARE(form->Frame1->palette().color(QPalette::Window), face);
        QCOMPARE(form->Frame2->palette().color(QPalette::Window), face);
        for (QLabel *label : form->Label2)
            QCOMPARE(label->palette().color(QPalette::Window), face);
        QVERIFY(!form->Text1[0]->autoFillBackground());
        QCOMPARE(form->styleSheet(), QStringLiteral("QPushButton { color: #204060; }"));
        QCOMPARE(form->skinFramework().property(SkinFramework::Options).toInt() & 1, 1);
        QVERIFY(form->skinFramework().property(SkinFramework::Enabled).toBool());
        // The skin is locked once applied.
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 form->skinFramework().invoke(SkinFramework::LoadSkin, {skin.fileName(), QString()}));
    }

    void anUnreadableSkinIsReportedAndStartUpGoesOn()
    {
        QDir(m_programFolder->path()).mkpath(QStringLiteral("x"));
        // Opens, but every read fails.
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), m_programFolder->filePath(QStringLiteral("x/o.cjs"))));
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.contains(QLatin1String(ReportLocation::Form1_Form_Load)
                                                      + QStringLiteral("at line 100")));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline"));
        QVERIFY(form->styleSheet().isEmpty());
    }

    void whileALetterIsMadeTheWindowTakesNoInput_data()
    {
        QTest::addColumn<bool>("letterPossible");
        QTest::newRow("the letter is shown") << true;
        QTest::newRow("the template cannot be opened") << false;
    }

    void whileALetterIsMadeTheWindowTakesNoInput()
    {
        QFETCH(bool, letterPossible);
        auto form = shownForm();
        form->Text1[0]->setText(QStringLiteral("Ada Quill"));
        form->Text1[7]->setText(QStringLiteral("Mira Stone"));
        if (letterPossible)
            scriptALetter();
        form->Text1[7]->setFocus(Qt::TabFocusReason);
        // The office takes its time with the letter, long enough for the
        // busy pointer; the window keeps painting meanwhile.
        m_office.holds = {letterPossible ? QStringLiteral("Document.RenderPage") : QStringLiteral("Documents.Open")};
        form->letterProgress().setDelays(0, 60000);

        bool sawBusy = false;
        QTimer::singleShot(50, form.get(), [&] {
            sawBusy = form->isInputBlocked() && form->letterInProgress() && form->letterInProgress()->isRunning();
            QCOMPARE(form->pointer().code(), WindowPointer::Busy);
            QCOMPARE(form->Text1[7]->cursor().shape(), Qt::WaitCursor);
            QTest::mouseClick(form->PushButton3, Qt::LeftButton);        // "Clear/Reset Data"
            QTest::keyClick(form->Text1[7], Qt::Key_C, Qt::AltModifier); // its mnemonic
            QTest::keyClicks(form->Text1[7], QStringLiteral("xyz"));     // typing
            QTest::keyClick(form->Text1[7], Qt::Key_Delete);
            form->PushButton4->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form->PushButton4, Qt::Key_Return); // "Load Sample/Example Data"
            QTest::keyClick(form->PushButton4, Qt::Key_Space);
            QTest::mouseClick(form->PushButton6, Qt::LeftButton); // a second letter
            m_office.release();
        });
        if (!letterPossible)
            m_office.failAt(QStringLiteral("Documents.Open"));
        form->PushButton6_Click();

        QVERIFY(sawBusy);
        QCOMPARE(form->Text1[0]->text(), QStringLiteral("Ada Quill"));
        QCOMPARE(form->Text1[7]->text(), QStringLiteral("Mira Stone"));
        QCOMPARE(m_settings.field(7), QStringLiteral("Mira Stone"));
        QVERIFY(!form->undoAction->isEnabled());
        QCOMPARE(m_messenger.messages.size(), size_t(letterPossible ? 0 : 1));
        QCOMPARE(form->hasForm2() && form->form2().isVisible(), letterPossible);
        QCOMPARE(m_office.created, 2); // the start-up check's and this letter's

        // Everything is back once the road is over, and nothing comes late.
        QTest::qWait(50);
        QVERIFY(!form->isInputBlocked());
        QVERIFY(form->pointer().code() != WindowPointer::Busy);
        QCOMPARE(form->Text1[7]->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(form->Text1[7]->text(), QStringLiteral("Mira Stone"));
        if (letterPossible)
            form->form2().PushButton8_Click();
        QTest::keyClicks(form->Text1[0], QStringLiteral("!"));
        QCOMPARE(m_settings.field(0), form->Text1[0]->text());
        QVERIFY(form->Text1[0]->text().endsWith(QLatin1Char('!')));
        QTest::keyClick(form->PushButton4, Qt::Key_Return);
        QCOMPARE(form->Text1[7]->text(), QStringLiteral("Vore Vurud"));
    }

    void cancelEndsTheLetterAndReturnsToTheFields_data()
    {
        QTest::addColumn<QString>("slowCall");
        QTest::newRow("the office at work") << QStringLiteral("Document.RenderPage");
        // The window waits for no office: the progress and its Cancel come
        // while the office is still starting.
        QTest::newRow("the office still starting") << QStringLiteral("Automation.Create");
    }

    // The letter made ready after the window shows: the click that follows
    // only fills what the user changed, whether the ready letter is done
    // or still at work when the click comes.
    void aLetterMadeReadyIsOnlyFilledByTheClick_data()
    {
        QTest::addColumn<bool>("stillAtWork");
        QTest::newRow("ready before the click") << false;
        QTest::newRow("still at work when the click comes") << true;
    }

    void aLetterMadeReadyIsOnlyFilledByTheClick()
    {
        QFETCH(bool, stillAtWork);
        auto form = shownForm();
        scriptALetter();
        m_office.files[ScratchFiles::readyLetterTemplateCopyPath(ScratchFiles::folder())]
                = m_office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())];
        form->Text1[0]->setText(QStringLiteral("Ada Quill"));
        if (stillAtWork)
            m_office.holds = {QStringLiteral("Document.FindPlaceholders")};
        form->prepareFirstLetter();
        if (stillAtWork) {
            QTRY_VERIFY(m_office.calls.contains(QStringLiteral("Document.FindPlaceholders")));
            QTimer::singleShot(200, form.get(), [&] { m_office.release(); });
        } else {
            QTRY_VERIFY(m_office.calls.contains(QStringLiteral("Document.FindPlaceholders")));
            QTest::qWait(200);
        }
        form->Text1[0]->setText(QStringLiteral("Ada Quill-Byron"));
        form->PushButton6_Click();

        QVERIFY(form->hasForm2() && form->form2().isVisible());
        QCOMPARE(m_office.calls.count(QStringLiteral("Documents.Open")), 1);
        QCOMPARE(m_office.files[form->form2().mWordFile].stories.front().second, QStringLiteral("Ada Quill-Byron"));
        form->form2().PushButton8_Click();
    }

    // A Cancel while the letter waits for the one made ready ends both: no
    // office is taken anew for a letter nobody wants.
    void cancelWhileTheReadyLetterIsAtWorkTakesNoNewOffice()
    {
        auto form = shownForm();
        scriptALetter();
        m_office.files[ScratchFiles::readyLetterTemplateCopyPath(ScratchFiles::folder())]
                = m_office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())];
        // As a hung office: until killed, then failing.
        m_office.hangs = {QStringLiteral("Document.FindPlaceholders")};
        form->prepareFirstLetter();
        QTRY_VERIFY(m_office.calls.contains(QStringLiteral("Document.FindPlaceholders")));
        const int created = m_office.created;
        form->letterProgress().setDelays(0, 0);
        QTimer::singleShot(100, form.get(), [&] {
            auto *dialog = form->findChild<QProgressDialog *>();
            if (auto *cancel = dialog ? dialog->findChild<QPushButton *>() : nullptr)
                cancel->click();
            else
                m_office.kill();
        });
        form->PushButton6_Click();
        QVERIFY(!form->hasForm2() || !form->form2().isVisible());
        QVERIFY(form->isVisible() && !form->isBusy());
        QCOMPARE(m_office.created, created);
        QVERIFY(m_office.kills > 0);
    }

    void cancelEndsTheLetterAndReturnsToTheFields()
    {
        QFETCH(QString, slowCall);
        auto form = shownForm();
        form->PushButton4_Click();
        scriptALetter();
        m_office.holds = {slowCall};
        form->letterProgress().setDelays(0, 0);
        bool offered = false;
        QTimer::singleShot(100, form.get(), [&] {
            // The progress window offers Cancel; the user takes it.
            auto *dialog = form->findChild<QProgressDialog *>();
            auto *cancel = dialog ? dialog->findChild<QPushButton *>() : nullptr;
            offered = dialog && dialog->isVisible() && cancel;
            if (offered)
                cancel->click();
            else
                m_office.release();
        });
        form->PushButton6_Click();
        QVERIFY(offered);
        QVERIFY(m_office.kills > 0);
        QVERIFY(!form->hasForm2() || !form->form2().isVisible());
        QVERIFY(form->isVisible());
        QVERIFY(!form->isBusy());
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(QDir(ScratchFiles::folder()).entryList(QDir::Files).isEmpty());
    }

    void backFromThePreviewPutsTheFocusInTheFirstField()
    {
        auto form = shownForm();
        scriptALetter();
        form->PushButton6->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->PushButton6, Qt::Key_Return);
        QVERIFY(form->hasForm2());
        QTRY_VERIFY(form->form2().isVisible());
        QVERIFY(!form->isVisible());
        form->form2().PushButton8_Click();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->Text1[0]));
    }

    void labelsAndCaptionsCanBeReadInADarkColourScheme_data()
    {
        QTest::addColumn<bool>("skin");
        QTest::newRow("white design") << false;
        QTest::newRow("skinned") << true;
    }

    void labelsAndCaptionsCanBeReadInADarkColourScheme()
    {
        QFETCH(bool, skin);
        if (skin) {
            QDir(m_programFolder->path()).mkpath(QStringLiteral("x"));
            QFile file(m_programFolder->filePath(QStringLiteral("x/o.cjs")));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QApplication::setPalette(darkPalette());
        auto form = shownForm();
        QVERIFY(m_messenger.messages.empty());
        for (QLabel *label : form->Label2) {
            const double contrast = textContrast(label->grab().toImage());
            QVERIFY2(contrast >= ReadableContrast,
                     qPrintable(QStringLiteral("%1: %2").arg(label->text()).arg(contrast)));
        }
        for (Frame *frame : {form->Frame1, form->Frame2}) {
            const double contrast = captionContrast(frame);
            QVERIFY2(contrast >= ReadableContrast,
                     qPrintable(QStringLiteral("%1: %2").arg(frame->title()).arg(contrast)));
        }
    }

    void theLetterTextWindowKeepsTextPhoneAndEmailOnlyOnOk()
    {
        auto form = shownForm();
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        LetterTextWindow *window = form->letterTextWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tessaline — Letter Text"));
        QVERIFY(window->ownTemplateNote->isHidden());
        QCOMPARE(widgetsScreenReadersCannotName(window), QStringList());
        // It starts from the built-in body, whose telephone number is now yours.
        const QString builtIn = window->letterText->toPlainText();
        QCOMPARE(builtIn, LetterText::builtInText());
        QVERIFY(builtIn.contains(QStringLiteral("call me at [Phone].")) && !builtIn.contains(QStringLiteral("555")));
        window->letterText->setPlainText(QStringLiteral("Not kept"));
        window->phone->setText(QStringLiteral("not kept"));
        window->buttons->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!form->letterTextWindow());
        QVERIFY(!QFile::exists(LetterText::filePath()));
        QVERIFY(m_settings.phone().isEmpty());

        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        window = form->letterTextWindow();
        QVERIFY(window);
        window->letterText->setPlainText(QStringLiteral("I would like to join  as a designer."));
        QTextCursor caret = window->letterText->textCursor();
        caret.setPosition(21);
        window->letterText->setTextCursor(caret);
        const QList<QAction *> placeholders = window->placeholderMenu->actions();
        QCOMPARE(placeholders.size(), FieldCount + 6);
        for (QAction *action : placeholders) {
            if (action->text() == QStringLiteral("[CompanyName]"))
                action->trigger();
        }
        QTest::keyClicks(window->phone, QStringLiteral("(555) 010-7788"));
        QTest::keyClicks(window->email, QStringLiteral("ada@example.org"));
        // The built-in letter's own words start as they are, and are the user's.
        QCOMPARE(window->greeting->text(), QStringLiteral("Dear [RecipientName]:"));
        QCOMPARE(window->enclosure->text(), QStringLiteral("Enclosure"));
        window->closing->setText(QStringLiteral("Mit freundlichen Gr\u00fc\u00dfen"));
        window->enclosure->clear();
        window->recipientCountry->setText(QStringLiteral("Deutschland"));
        window->buttons->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!form->letterTextWindow());
        QCOMPARE(BuiltInLetter::storedWording().closing, QStringLiteral("Mit freundlichen Gr\u00fc\u00dfen"));
        QCOMPARE(BuiltInLetter::storedWording().enclosure, QString()); // kept empty: no line
        QCOMPARE(m_settings.recipientCountry(), QStringLiteral("Deutschland"));
        QCOMPARE(readAll(LetterText::filePath()), QByteArray("I would like to join [CompanyName] as a designer."));
        QCOMPARE(m_settings.phone(), QStringLiteral("(555) 010-7788"));
        QCOMPARE(m_settings.email(), QStringLiteral("ada@example.org"));

        // Opened again it shows what was kept; Restore brings the built-in text back.
        form->editLetterTextAction->trigger();
        window = form->letterTextWindow();
        QCOMPARE(window->letterText->toPlainText(),
                 QStringLiteral("I would like to join [CompanyName] as a designer."));
        QCOMPARE(window->email->text(), QStringLiteral("ada@example.org"));
        window->restoreButton->click();
        QCOMPARE(window->letterText->toPlainText(), builtIn);
        window->reject();
    }

    void theLetterTextIsTheBuiltInLettersBodyAlone_data()
    {
        QTest::addColumn<QString>("kept"); // what the letter text file is: text, "(folder)" or none
        QTest::addColumn<bool>("ownTemplate");
        QTest::addColumn<QString>("body");    // the letter's lines between greeting and closing
        QTest::addColumn<QString>("message"); // a plain message about the letter text, if any
        const QString text = QStringLiteral("Call me at [Phone] or write to [Email].\n\n- One\n- Two\n");
        QTest::newRow("the built-in letter")
                << text << false << QStringLiteral("Call me at 555-0100 or write to a@b.c.\n\u2022 One\n\u2022 Two")
                << QString();
        QTest::newRow("an own template keeps its words") << text << true << QStringLiteral("Old body") << QString();
        QTest::newRow("no letter text") << QString() << false << QStringLiteral("Old body") << QString();
        QTest::newRow("a folder in its place") << QStringLiteral("(folder)") << false << QStringLiteral("Old body")
                                               << QStringLiteral("cannot be read: it is a folder");
    }

    void theLetterTextIsTheBuiltInLettersBodyAlone()
    {
        QFETCH(QString, kept);
        QFETCH(bool, ownTemplate);
        QFETCH(QString, body);
        QFETCH(QString, message);
        m_settings.setPhone(QStringLiteral("555-0100"));
        m_settings.setEmail(QStringLiteral("a@b.c"));
        if (kept == QStringLiteral("(folder)"))
            QVERIFY(QDir().mkpath(LetterText::filePath()));
        else if (!kept.isEmpty())
            LetterText::write(LetterText::filePath(), kept);
        if (ownTemplate)
            LetterTemplate::storeChoice(userTemplate(QStringLiteral("mine.odt")));
        auto form = shownForm();
        scriptALetter();
        // The template as the office sees it; the recipient's name is empty.
        m_office.files[ScratchFiles::templateCopyPath(ScratchFiles::folder())]
                = {{{"main", "Dear [RecipientName]:\nOld body\nSincerely,"}}, {}};
        form->PushButton6_Click();

        QVERIFY(form->hasForm2() && form->form2().isVisible());
        const QString letter = m_office.files[form->form2().mWordFile].stories.front().second;
        QCOMPARE(letter, QStringLiteral("Dear Hiring Manager:\n") + body + QStringLiteral("\nSincerely,"));
        QCOMPARE(m_messenger.texts().join(u'|').contains(message), true);
        QCOMPARE(int(m_messenger.messages.size()), message.isEmpty() ? 0 : 1);
        form->form2().PushButton8_Click();
    }

    void undoBringsBackWhatClearOrSampleReplacedAndStoresItAgain_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("fromAField");
        const QString clear = QStringLiteral("Clear"), sample = QStringLiteral("Load Sample");
        const QString cleared = QStringLiteral("Cleared. Ctrl+Z to undo.");
        const QString loaded = QStringLiteral("Sample loaded. Ctrl+Z to undo.");
        QTest::newRow("Clear, Ctrl+Z in a field") << clear << cleared << true;
        QTest::newRow("Clear, Ctrl+Z on the button") << clear << cleared << false;
        QTest::newRow("Load Sample, Ctrl+Z in a field") << sample << loaded << true;
        QTest::newRow("Load Sample, Ctrl+Z on the button") << sample << loaded << false;
    }

    void undoBringsBackWhatClearOrSampleReplacedAndStoresItAgain()
    {
        QFETCH(QString, command);
        QFETCH(QString, hint);
        QFETCH(bool, fromAField);
        const bool clear = command == QStringLiteral("Clear");
        auto form = shownForm();
        // A clear empties the sample; the sample replaces the user's own.
        QStringList before;
        for (int i = 0; i < VisibleFieldCount; ++i) {
            before << (clear ? QString::fromUtf8(LetterFields[size_t(i)].sampleValue)
                             : QStringLiteral("Mine %1").arg(i));
            form->Text1[size_t(i)]->setText(before.back());
        }
        form->Text1[DateFieldIndex]->setText(QStringLiteral("March 3, 2026"));
        QVERIFY(!form->undoAction->isEnabled());

        QTest::mouseClick(clear ? form->PushButton3 : form->PushButton4, Qt::LeftButton);
        QCOMPARE(m_settings.field(0), clear ? QString() : QStringLiteral("Dorian Vell"));
        QVERIFY(form->undoAction->isEnabled());
        QCOMPARE(form->undoAction->text(), QStringLiteral("&Undo ") + command);
        QCOMPARE(QToolTip::text(), hint);
        if (fromAField)
            QTest::mouseClick(form->Text1[10], Qt::LeftButton);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        for (int i = 0; i < VisibleFieldCount; ++i) {
            QCOMPARE(form->Text1[size_t(i)]->text(), before[i]);
            QCOMPARE(m_settings.field(i), before[i]);
        }
        QCOMPARE(m_settings.field(DateFieldIndex), QStringLiteral("March 3, 2026"));
        QVERIFY(!form->undoAction->isEnabled());
        QCOMPARE(form->undoAction->text(), QStringLiteral("&Undo"));
    }

    void anEntryAfterClearEndsTheOfferSoUndoOverwritesNothing()
    {
        auto form = shownForm();
        form->PushButton4_Click();
        form->PushButton3_Click();
        QTest::keyClicks(form->Text1[0], QStringLiteral("Ada"));
        QVERIFY(!form->undoAction->isEnabled());
        // Ctrl+Z now undoes the typing in the field, never the clear.
        QTest::keyClick(form->Text1[0], Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(form->Text1[0], Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(form->Text1[1]->text().isEmpty());
        QVERIFY(m_settings.field(1).isEmpty());

        // A second clear of empty fields keeps the first one's offer.
        form->PushButton4_Click();
        form->PushButton3_Click();
        form->PushButton3_Click();
        form->undoAction->trigger();
        QCOMPARE(m_settings.field(1), QStringLiteral("Boise"));
    }

    void aFieldLongerThanTheLineEditsDefaultLimitSurvivesARestart()
    {
        const QString longText = QString(40000, QLatin1Char('a')) + QStringLiteral("end");
        m_settings.setField(11, longText);
        for (int run = 0; run < 2; ++run) {
            auto form = makeForm();
            form->Form_Load();
            QCOMPARE(form->Text1[11]->text().size(), longText.size());
            QCOMPARE(m_settings.field(11), longText);
        }
    }

    void everyControlHasANameAndDescriptionForScreenReaders()
    {
        auto form = shownForm();
        QCOMPARE(widgetsScreenReadersCannotName(form.get()), QStringList());
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(form->Text1[7]);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Recipient Name"));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(form->PushButton6);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Start Creating Template"));
        for (PushButton *command : {form->PushButton6, form->PushButton3, form->PushButton4})
            QVERIFY(!command->toolTip().isEmpty());
        // An open menu is named as the bar names it.
        for (QMenu *menu : {form->letterMenu, form->editMenu, form->helpMenu})
            QCOMPARE(QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name),
                     menu->title().remove(QLatin1Char('&')));
        // Every label leads to its field, and no two Alt keys clash.
        QStringList captions;
        for (QLabel *label : form->Label2) {
            QVERIFY(label->buddy());
            captions << label->text();
        }
        for (PushButton *command : {form->PushButton6, form->PushButton3, form->PushButton4})
            captions << command->text();
        QCOMPARE(altKeyProblems(captions), QStringList());
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
