// The live page against the real office: typing redraws it once, with the
// newest text only; off screen it uses no office; a failing office leaves
// the last page with one line over it; "Start Creating Template" and the
// preview go on as before.
#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "CommonDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "LetterFields.h"
#include "LibreOfficeAutomation.h"
#include "Settings.h"
#include "LivePage.h"
#include "LivePageWindow.h"
#include "NoticeLine.h"
#include "OfficeDeadline.h"
#include "RecordingMessenger.h"

namespace {
constexpr int RecipientNameField = 7;
constexpr int OfficeTimeoutMs = 30000;

// The Save dialog answered with one path.
class SaveTo : public CommonDialog
{
public:
    explicit SaveTo(QString path) : m_path(std::move(path)) { }
    void ShowOpen() override { }
    void ShowSave() override { FileName = m_path; }

private:
    QString m_path;
};
} // namespace

class TestLivePage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    QTemporaryDir m_config;
    RecordingMessenger m_messenger;
    Settings m_settings;
    std::unique_ptr<LibreOfficeAutomation> m_office;
    std::unique_ptr<Form1> m_form;
    // The texts of the pages the live page told, in order.
    QStringList m_drawn;
    // The width of each first page told, in pixels.
    QList<int> m_widths;

    LivePage &live() { return *m_form->livePage(); }
    LivePageWindow &window() { return *m_form->livePageWindow(); }
    QLineEdit *recipientName() { return m_form->Text1[RecipientNameField]; }

    // Waits until no redraw is due or at work.
    bool settled()
    {
        return QTest::qWaitFor([&] { return !live().isWaiting() && !live().isDrawing(); }, OfficeTimeoutMs);
    }

private slots:
    void initTestCase()
    {
        qputenv("temp", QFile::encodeName(m_scratch.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        m_office = std::make_unique<LibreOfficeAutomation>(
                word::OfficeOptions{.spares = LibreOfficeAutomation::ProgramSpares});
        m_office->startSpares();
    }

    // The main window with the live page open, its first page drawn, and
    // the keyboard back in the main window's Recipient Name.
    void init()
    {
        m_messenger.messages.clear();
        m_form = std::make_unique<Form1>(Form1Services{m_messenger, m_settings, *m_office});
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_form->livePageAction->trigger();
        QVERIFY(window().isOnScreen());
        QVERIFY(settled());
        QCOMPARE(window().pageCount(), 1);
        m_drawn.clear();
        m_widths.clear();
        connect(&live(), &LivePage::drawn, this, [this](const std::vector<word::PagePicture> &pages) {
            m_drawn << pages.front().text;
            m_widths << (pages.front().wholePage.isNull() ? pages.front().picture : pages.front().wholePage).width();
        });
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        recipientName()->setFocus();
    }

    void cleanup()
    {
        m_form.reset();
        QVERIFY(m_messenger.messages.empty()); // nothing of the live page in a message box
    }

    void typingRedrawsThePageOnceWithTheNewestText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("typedWhileDrawing");
        QTest::newRow("typed in one go") << QStringLiteral("Quentin Marlowe") << QString();
        // The redraw of "Quentin" is dropped: only the newest text counts.
        QTest::newRow("typed on while a redraw is at work") << QStringLiteral("Quentin") << QStringLiteral(" Marlowe");
    }

    void typingRedrawsThePageOnceWithTheNewestText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, typedWhileDrawing);
        QTest::keyClicks(recipientName(), typed);
        if (!typedWhileDrawing.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(live().isDrawing(), OfficeTimeoutMs);
            QTest::keyClicks(recipientName(), typedWhileDrawing);
        }
        QVERIFY(settled());
        QCOMPARE(m_drawn.size(), 1);
        QVERIFY2(m_drawn.front().contains(QStringLiteral("Dear Quentin Marlowe:")), qPrintable(m_drawn.front()));
        // A screen reader reads the page drawn; the keyboard stayed where
        // the user types.
        QCOMPARE(window().page->accessibleText(), m_drawn.front());
        QCOMPARE(QApplication::focusWidget(), recipientName());
        QVERIFY(live().holdsOffice());
    }

    void aWidenedWindowDrawsThePageAgainForItsWidth()
    {
        window().resize(400, window().height()); // a small screen opens it narrower
        QTest::keyClicks(recipientName(), QStringLiteral("Quentin"));
        QVERIFY(settled());
        QCOMPARE(m_widths.size(), 1);
        window().resize(window().width() * 2, window().height());
        QVERIFY(settled());
        QCOMPARE(m_widths.size(), 2); // not left blurred until the next change
        QVERIFY2(m_widths.back() >= m_widths.front() * 3 / 2,
                 qPrintable(QStringLiteral("%1 then %2 pixels").arg(m_widths.front()).arg(m_widths.back())));
    }

    void offScreenThePageUsesNoOffice_data()
    {
        QTest::addColumn<bool>("closed"); // else minimised
        QTest::newRow("closed") << true;
        QTest::newRow("minimised") << false;
    }

    void offScreenThePageUsesNoOffice()
    {
        QFETCH(bool, closed);
        if (closed) {
            window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window()));
            QTest::keySequence(&window(), QKeySequence::Close);
        } else {
            window().showMinimized();
        }
        QTRY_VERIFY(!window().isOnScreen());
        QCOMPARE(m_form->livePageAction->isChecked(), !closed);
        QCOMPARE(m_settings.livePage(), !closed);
        QVERIFY(!live().holdsOffice());

        QTest::keyClicks(recipientName(), QStringLiteral("Ines"));
        QTest::qWait(LivePage::QuietMs * 3);
        QVERIFY(!live().isDrawing() && !live().holdsOffice());
        QVERIFY(m_drawn.isEmpty());

        // Back on screen, the page catches up at once.
        if (closed)
            m_form->livePageAction->trigger();
        else
            window().showNormal();
        QVERIFY(settled());
        QCOMPARE(m_drawn.size(), 1);
        QVERIFY(m_drawn.front().contains(QStringLiteral("Dear Ines:")));
    }

    void aFailingOfficeLeavesTheLastPageWithOneLineOverIt_data()
    {
        QTest::addColumn<bool>("hiddenMeanwhile");
        QTest::newRow("then a change") << false;
        QTest::newRow("then hidden and shown") << true;
    }

    void aFailingOfficeLeavesTheLastPageWithOneLineOverIt()
    {
        QFETCH(bool, hiddenMeanwhile);
        const QString lastPage = window().page->accessibleText();
        const int width = window().width();
        killOfficeProcess(m_office->lastInstanceProcessId()); // the live page's own
        QTest::keyClicks(recipientName(), QStringLiteral("Ines"));
        QVERIFY(settled());
        QVERIFY(m_drawn.isEmpty());
        QCOMPARE(window().page->accessibleText(), lastPage);
        QVERIFY(window().noticeLine->isVisible());
        QVERIFY(!window().noticeLine->text().isEmpty() && !window().noticeLine->text().contains(u'\n'));
        QCOMPARE(window().width(), width); // the line never pushes the window off the screen

        // The next change, or the page shown again (after the preview, say),
        // takes a new office, and the line goes.
        if (hiddenMeanwhile) {
            window().showMinimized();
            QTRY_VERIFY(!window().isOnScreen());
            window().showNormal();
        } else {
            QTest::keyClicks(recipientName(), QStringLiteral(" Duarte"));
        }
        QVERIFY(settled());
        QCOMPARE(m_drawn.size(), 1);
        QVERIFY(m_drawn.front().contains(hiddenMeanwhile ? QStringLiteral("Dear Ines:")
                                                         : QStringLiteral("Dear Ines Duarte:")));
        QVERIFY(!window().noticeLine->isVisible());
    }

    void startPreviewAndSaveGoOnAsBeforeWithTheLivePageOpen()
    {
        const qint64 liveOffice = m_office->lastInstanceProcessId();
        m_form->PushButton4_Click(); // the sample letter
        m_messenger.choices = {0};   // made, whatever the check before it finds
        m_form->PushButton6_Click();
        Form2 &preview = m_form->form2();
        QVERIFY2(preview.isVisible() && !m_form->isVisible(), qPrintable(m_messenger.texts().join(u'\n')));
        QVERIFY(m_office->lastInstanceProcessId() != liveOffice); // an office of the letter's own
        QVERIFY(QFile::exists(preview.mWordFile));
        // Beside no main window, the live page rests.
        QVERIFY(!window().isVisible());
        QTRY_VERIFY(!live().holdsOffice());

        const QString saved = m_scratch.filePath(QStringLiteral("letter.doc"));
        preview.setCommonDialog(std::make_unique<SaveTo>(saved));
        preview.PushButton6_Click();
        QVERIFY(QFile::exists(saved));
        QCOMPARE(m_messenger.texts().last(), QStringLiteral("Done."));
        m_messenger.messages.clear();

        preview.PushButton8_Click();
        QVERIFY(m_form->isVisible() && window().isOnScreen());
        QVERIFY(settled());
        QVERIFY(m_drawn.last().contains(QString::fromUtf8(LetterFields[RecipientNameField].sampleValue)));
    }
};

QTEST_MAIN(TestLivePage)
#include "test_live_page.moc"
