#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTitle.h"
#include "ErrorReport.h"
#include "Failure.h"
#include "Form1.h"
#include "IsInstalled.h"
#include "LetterFields.h"
#include "Main.h"
#include "PushButton.h"
#include "RecordingMessenger.h"
#include "ScriptedAutomation.h"
#include "SkinFramework.h"
#include "WindowLook.h"

namespace {
// A store that cannot read one field.
class FailingReadStore : public SettingsStore
{
public:
    explicit FailingReadStore(int failing) : m_failing(failing) { }
    QString read(int index) const override
    {
        if (index == m_failing)
            throw Failure(QStringLiteral("Cannot read field"));
        return SettingsStore::read(index);
    }

private:
    int m_failing;
};

QString sourceFile(const char *relative)
{
    return QStringLiteral(TESSALINE_SOURCE_DIR "/") + QLatin1String(relative);
}
} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_programFolder;
    RecordingMessenger m_messenger;
    SettingsStore m_store;
    ScriptedAutomation m_office;
    SystemClipboardSource m_clipboard;

    std::unique_ptr<Form1> makeForm(FieldStore *store = nullptr)
    {
        auto form = std::make_unique<Form1>(Form1Services{m_messenger, store ? *store : m_store, m_office, m_clipboard});
        form->setProgramFolder(m_programFolder->path());
        return form;
    }

private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        m_programFolder = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config->path());
        m_messenger = RecordingMessenger();
        m_office = ScriptedAutomation();
    }

    void firstStartShowsEmptyFieldsAndQuitsTheCheckedOffice()
    {
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        for (auto *field : form->Text1)
            QVERIFY(field->text().isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline"));
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
        QSettings reader(m_store.fileName(), QSettings::IniFormat); // the native format here is INI
        QCOMPARE(reader.value(QStringLiteral("Tessaline/Text1_6")).toString(), form->Text1[6]->text());
        QVERIFY(m_store.fileName().endsWith(QStringLiteral("/Marrowfen.conf")));
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
            QVERIFY(m_store.read(i).isEmpty());
        }
        QCOMPARE(m_store.read(DateFieldIndex), QStringLiteral("March 3, 2026"));
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

    void aFieldThatCannotBeRestoredIsReportedAndTheOthersAreRestored()
    {
        m_store.write(4, QStringLiteral("four"));
        m_store.write(5, QStringLiteral("five"));
        m_store.write(6, QStringLiteral("six"));
        FailingReadStore store(5);
        auto form = makeForm(&store);
        QCOMPARE(form->Form_Load(), Form1::LoadResult::ShowWindow);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.startsWith(QStringLiteral("Cannot read field\r\n")
                                                        + QLatin1String(ReportLocation::Form1_Form_Load)
                                                        + QStringLiteral("at line 112\r\r")));
        QCOMPARE(form->Text1[4]->text(), QStringLiteral("four"));
        QCOMPARE(form->Text1[5]->text(), QString());
        QCOMPARE(form->Text1[6]->text(), QStringLiteral("six"));
    }

    void aSettingsFileThatCannotBeWrittenIsToldOnceAndTypingGoesOn()
    {
        // The settings file's place is taken by a folder: every write fails.
        QVERIFY(QDir().mkpath(m_store.fileName()));
        auto form = makeForm();
        QTest::keyClicks(form->Text1[0], QStringLiteral("abc"));
        QCOMPARE(form->Text1[0]->text(), QStringLiteral("abc"));
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("Marrowfen.conf")));
        QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("will not be remembered")));
    }

    void withoutAnOfficeTheFivePartMessageEndsTheProgram()
    {
        m_office.canCreate = false;
        auto form = makeForm();
        QCOMPARE(form->Form_Load(), Form1::LoadResult::EndProgram);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        const auto &shown = m_messenger.messages[0];
        QCOMPARE(shown.text, officeMissingMessage());
        QCOMPARE(shown.text.split(QStringLiteral("\r\n\r\n")).size(), 5);
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

    void tabRunsThroughSenderRecipientCommandsThenTheDate()
    {
        auto form = makeForm();
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Text1[0]->setFocus();
        QList<QWidget *> expected = {form->Text1[6], form->Text1[1], form->Text1[8], form->Text1[9],
                                     form->Text1[7], form->Text1[10], form->Text1[11], form->Text1[4],
                                     form->Text1[5], form->Text1[3], form->Text1[2], form->PushButton6,
                                     form->PushButton3, form->PushButton4, form->Text1[12]};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void tabbingIntoAFieldSelectsAllItsText()
    {
        auto form = makeForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Text1[6]->setText(QStringLiteral("1234 East Main Street"));
        form->Text1[0]->setFocus();
        QTest::keyClick(form->Text1[0], Qt::Key_Tab);
        QCOMPARE(form->Text1[6]->selectedText(), QStringLiteral("1234 East Main Street"));
        QTest::keyClicks(form->Text1[6], QStringLiteral("9 Oak"));
        QCOMPARE(form->Text1[6]->text(), QStringLiteral("9 Oak"));
    }

    void theDateFieldIsNeverOnScreen()
    {
        auto form = makeForm();
        form->show();
        QVERIFY(!form->rect().intersects(form->Text1[DateFieldIndex]->geometry()));
        QVERIFY(form->Text1[DateFieldIndex]->geometry().top() >= form->height());
    }

    void handOverButtonsArrowOverBackgroundAndFramesBusyLeftAlone()
    {
        QVERIFY(QFile::copy(sourceFile("resources/HAND-M.CUR"), m_programFolder->filePath(QStringLiteral("HAND-M.CUR"))));
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
        QVERIFY_THROWS_EXCEPTION(Failure, form->skinFramework().invoke(SkinFramework::LoadSkin, {skin.fileName(), QString()}));
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
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
