#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "AccessibleNames.h"
#include "ColourContrast.h"
#include "CommonDialog.h"
#include "ErrorReport.h"
#include "Form2.h"
#include "Mnemonics.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "RecordingMessenger.h"
#include "TestFiles.h"
#include "SmallDisk.h"

namespace {
// A page picture like the snapshot: 288 pixels per logical inch.
QImage pagePicture(QColor ink, int width = 1120, int height = 1680)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 4, ink);
    painter.end();
    image.setDotsPerMeterX(11339);
    image.setDotsPerMeterY(11339);
    return image;
}

// A save dialog that answers with a scripted name and remembers what it
// was shown.
class ScriptedDialog : public CommonDialog
{
public:
    QString answer;
    QStringList namesShown, titles, filters, extensions;
    void ShowOpen() override { QFAIL("the preview window opens no file"); }
    void ShowSave() override
    {
        namesShown << FileName;
        extensions << DefaultExt;
        titles << DialogTitle;
        filters << Filter;
        FileName = answer;
    }
};

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingMessenger m_messenger;
    bool m_mainShown = false;
    bool m_ended = false;
    ScriptedDialog *m_dialog = nullptr;
    QString m_scratch;

    std::unique_ptr<Form2> makeForm(bool withHand = true)
    {
        if (withHand)
            QFile::copy(QStringLiteral(TESSALINE_SOURCE_DIR "/resources/HAND-M.CUR"),
                        m_dir->filePath(QStringLiteral("HAND-M.CUR")));
        auto form = std::make_unique<Form2>(m_messenger);
        connect(form.get(), &Form2::backRequested, this, [this] { m_mainShown = true; });
        connect(form.get(), &Form2::programEndRequested, this, [this] { m_ended = true; });
        auto dialog = std::make_unique<ScriptedDialog>();
        m_dialog = dialog.get();
        form->setCommonDialog(std::move(dialog));
        form->setProgramFolder(m_dir->path());
        form->Form_Load();
        m_scratch = m_dir->filePath(QStringLiteral("qrenta12345678.doc"));
        writeFile(m_scratch, QByteArray("the filled letter\0\1\2", 20));
        form->mWordFile = m_scratch;
        return form;
    }

    void showWith(Form2 &form, const QImage &picture)
    {
        form.setPicture(picture);
        form.showPreview();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!form.isFirstActivationPending());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_messenger = RecordingMessenger();
        m_mainShown = m_ended = false;
    }

    void theFirstActivationShowsZoomOneAtTheOrigin()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        QCOMPARE(form->viewport().mZoom, 1.0f);
        QCOMPARE(form->Picture1->pos(), QPoint(0, 0));
        QCOMPARE(form->HScroll1->value(), 0);
        QCOMPARE(form->VScroll1->value(), 0);
        // 5600 by 8400 twips at 15 twips a pixel, less the source trim.
        QVERIFY(qAbs(form->Picture1->width() - 373) <= 1);
        QVERIFY(qAbs(form->Picture1->height() - 560) <= 1);
        QVERIFY(form->VScroll1->isEnabled()); // taller than the viewport
        QVERIFY(!form->HScroll1->isEnabled());
        QVERIFY(!form->Zoom_Ori->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline — Preview (100%)"));
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(m_messenger.messages.empty());
    }

    void theZoomCaptionCanBeReadInADarkColourScheme()
    {
        QApplication::setPalette(darkPalette());
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        const double contrast = captionContrast(form->Frame1);
        QApplication::setPalette(QApplication::style()->standardPalette());
        QVERIFY2(contrast >= ReadableContrast, qPrintable(QString::number(contrast)));
    }

    void everyControlAndThePageHaveNamesForScreenReaders()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        QCOMPARE(widgetsScreenReadersCannotName(form.get()), QStringList());
        // The page, the view and the area between them that the page shows
        // through.
        for (QWidget *widget :
             std::initializer_list<QWidget *>{form->Picture1, form->Picture2, form->Picture1->parentWidget()}) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
            QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(form->PushButton8)->text(QAccessible::Name),
                 QStringLiteral("< Back"));
    }

    void aLaterActivationChangesNothing()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        form->PushButton1_Click();
        QCOMPARE(form->viewport().mZoom, 1.25f);
        form->VScroll1->setValue(3);
        const QPoint scrolled = form->Picture1->pos();
        QVERIFY(scrolled.y() < 0);
        form->Form_Activate();
        QCOMPARE(form->viewport().mZoom, 1.25f);
        QCOMPARE(form->Picture1->pos(), scrolled);
    }

    void aSecondPictureSetsTheViewerUpAgain()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        form->PushButton1_Click();
        form->hide();
        showWith(*form, pagePicture(Qt::red));
        QCOMPARE(form->viewport().mZoom, 1.0f);
        form->PushButton2_Click(); // zooming redraws the new letter, never the old
        const QImage shown = form->Picture1->buffer().toImage();
        QCOMPARE(QColor(shown.pixel(5, 5)), QColor(Qt::red));
        QCOMPARE(QColor(form->Zoom_Ori->picture().pixel(5, 5)), QColor(Qt::red));
    }

    void thePageKeysMoveThroughTheLetterAndStopAtItsEnds_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("keys");  // +1 Ctrl+Page Down, -1 Ctrl+Page Up
        QTest::addColumn<QList<int>>("shown"); // the page after each key
        QTest::addColumn<QString>("title");    // after the last key
        // A zoom before each key: 125% drawn, 150% refused on the same page.
        QTest::newRow("one page: no page keys")
                << 1 << QList<int>{1, -1} << QList<int>{1, 1} << "Tessaline — Preview (125%) — Largest zoom reached";
        QTest::newRow("two pages, on and back") << 2 << QList<int>{1, 1, -1, -1, -1} << QList<int>{2, 2, 1, 1, 1}
                                                << "Tessaline — Preview (page 1 of 2, 125%) — Largest zoom reached";
        QTest::newRow("three pages, to the end")
                << 3 << QList<int>{1, 1, 1} << QList<int>{2, 3, 3} << "Tessaline — Preview (page 3 of 3, 125%)";
    }

    void thePageKeysMoveThroughTheLetterAndStopAtItsEnds()
    {
        QFETCH(int, pages);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, shown);
        QFETCH(QString, title);
        auto form = makeForm();
        const QColor colours[] = {Qt::blue, Qt::red, Qt::green};
        std::vector<word::PagePicture> letter;
        for (int i = 0; i < pages; ++i)
            letter.push_back({pagePicture(colours[i]), QStringLiteral("page %1").arg(i + 1), {}});
        form->setPages(letter);
        form->showPreview();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(!form->isFirstActivationPending());
        QCOMPARE(form->pageNumber(), 1);
        for (int i = 0; i < keys.size(); ++i) {
            form->PushButton1_Click(); // a zoomed page: the next one starts afresh
            QTest::keyClick(form.get(), keys[i] > 0 ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
            QCOMPARE(form->pageNumber(), shown[i]);
            QCOMPARE(form->nextPageAction->isEnabled(), shown[i] < pages);
            QCOMPARE(form->previousPageAction->isEnabled(), shown[i] > 1);
        }
        QCOMPARE(form->windowTitle(), title);
        // A screen reader reads the words of the page on show, and hears
        // which page it is.
        QCOMPARE(form->Picture1->accessibleText(), QStringLiteral("page %1").arg(form->pageNumber()));
        QCOMPARE(form->Picture1->accessibleDescription().contains(
                         QStringLiteral("page %1 of %2").arg(form->pageNumber()).arg(pages)),
                 pages > 1);
        // The page on show is the one drawn, set up like a new letter.
        QTRY_VERIFY(!form->isFirstActivationPending());
        const QImage drawn = form->Picture1->buffer().toImage();
        QCOMPARE(QColor(drawn.pixel(5, 5)), colours[form->pageNumber() - 1]);
    }

    void zoomButtonsRedrawAndSetTheArrowARefusedStepLeavesTheHand()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        QVERIFY(form->pointer().hasMouseIcon());
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(form->PushButton1);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        form->PushButton1_Click(); // 1.25 draws
        QCOMPARE(form->pointer().code(), WindowPointer::Default);
        QVERIFY(qAbs(form->Picture1->height() - 700) <= 1);
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(form->PushButton1);
        form->PushButton1_Click(); // 1.5 would be 12600 twips high: refused
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QCOMPARE(form->viewport().mZoom, 1.0f);
        QVERIFY(qAbs(form->Picture1->height() - 700) <= 1); // keeps what it shows
        // The zoom told is the one drawn, and the refusal is told with it.
        QCOMPARE(form->windowTitle(), QStringLiteral("Tessaline — Preview (125%) — Largest zoom reached"));
        QVERIFY2(form->Picture1->accessibleDescription().startsWith(QStringLiteral("Largest zoom reached. Zoom 125%")),
                 qPrintable(form->Picture1->accessibleDescription()));
        QVERIFY(m_messenger.messages.empty());
    }

    void theArrowReturnsOverTheZoomFrameAndTheBackground()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(form->PushButton6);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QTest::mouseMove(form->Frame1, QPoint(3, 3));
        QCOMPARE(form->pointer().code(), WindowPointer::Default);
        QTest::mouseMove(form->PushButton8);
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QTest::mouseMove(form->Picture1); // the page changes nothing
        QCOMPARE(form->pointer().code(), WindowPointer::Custom);
        QTest::mouseMove(form.get(), QPoint(form->width() - 2, form->height() - 2));
        QCOMPARE(form->pointer().code(), WindowPointer::Default);
    }

    void withoutTheHandCursorTheWindowLoadsQuietly()
    {
        auto form = makeForm(false);
        showWith(*form, pagePicture(Qt::blue));
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(!form->pointer().hasMouseIcon());
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(form->PushButton1);
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
    }

    void draggingThePagePansItAndReleaseSetsTheBar()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        const QPoint start(100, 300);
        QTest::mousePress(form->Picture1, Qt::LeftButton, {}, start);
        QCOMPARE(form->Picture1->cursor().shape(), Qt::ClosedHandCursor); // the page is held
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(0, -40)),
                         form->Picture1->mapToGlobal(QPointF(start + QPoint(0, -40))), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(form->Picture1, &move);
        QCOMPARE(form->Picture1->y(), -40);
        QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, start + QPoint(0, -40));
        QVERIFY(!form->Picture1->testAttribute(Qt::WA_SetCursor)); // the window's pointer again
        QVERIFY(form->VScroll1->value() > 0);
        QCOMPARE(form->Picture1->y() * 15, -10 * form->VScroll1->value());
        QVERIFY(m_messenger.messages.empty());
    }

    void wheelAndKeysScrollAndZoom_data()
    {
        QTest::addColumn<bool>("wide"); // a page too wide to draw, else the letter's
        QTest::addColumn<int>("key");   // 0: the wheel instead
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("wheelY"); // the wheel's angle, eighths of a degree
        QTest::addColumn<float>("zoom");
        QTest::addColumn<int>("left"); // the page's offset afterwards, twips
        QTest::addColumn<int>("top");
        const Qt::KeyboardModifiers none;
        const int line = Viewport::LineTwips;
        const int letterEnd = 7395 - 8398; // 1.0: the page's foot at the viewport's foot
        QTest::newRow("wheel down") << false << 0 << none << -120 << 1.0f << 0 << -3 * line;
        QTest::newRow("wheel up at the top") << false << 0 << none << 120 << 1.0f << 0 << 0;
        QTest::newRow("Shift+wheel") << true << 0 << Qt::KeyboardModifiers(Qt::ShiftModifier) << -120 << 1.0f
                                     << -3 * line << 0;
        QTest::newRow("Ctrl+wheel up") << false << 0 << Qt::KeyboardModifiers(Qt::ControlModifier) << 120 << 1.25f << 0
                                       << 0;
        QTest::newRow("Ctrl+wheel down") << false << 0 << Qt::KeyboardModifiers(Qt::ControlModifier) << -120 << 0.75f
                                         << 0 << 0;
        QTest::newRow("Ctrl+half a notch")
                << false << 0 << Qt::KeyboardModifiers(Qt::ControlModifier) << 60 << 1.0f << 0 << 0;
        QTest::newRow("Down") << false << int(Qt::Key_Down) << none << 0 << 1.0f << 0 << -line;
        QTest::newRow("Page Down") << false << int(Qt::Key_PageDown) << none << 0 << 1.0f << 0 << letterEnd;
        QTest::newRow("End") << false << int(Qt::Key_End) << none << 0 << 1.0f << 0 << letterEnd;
        QTest::newRow("Right") << true << int(Qt::Key_Right) << none << 0 << 1.0f << -line << 0;
        QTest::newRow("Left at the start") << true << int(Qt::Key_Left) << none << 0 << 1.0f << 0 << 0;
        QTest::newRow("Ctrl+plus") << false << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0
                                   << 1.25f << 0 << 0;
        QTest::newRow("Ctrl+=") << false << int(Qt::Key_Equal) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0
                                << 1.25f << 0 << 0;
        QTest::newRow("Ctrl+minus") << false << int(Qt::Key_Minus) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0
                                    << 0.75f << 0 << 0;
    }

    void wheelAndKeysScrollAndZoom()
    {
        QFETCH(bool, wide);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, wheelY);
        QFETCH(float, zoom);
        QFETCH(int, left);
        QFETCH(int, top);
        QApplication::setWheelScrollLines(3);
        auto form = makeForm();
        showWith(*form, wide ? pagePicture(Qt::blue, 3000, 1000) : pagePicture(Qt::blue));
        QTRY_VERIFY(form->isActiveWindow());
        // The focus on a push button, as after a click on one.
        form->PushButton6->setFocus();
        if (key) {
            QTest::keyClick(form.get(), Qt::Key(key), modifiers);
        } else {
            const QPointF at(50, 50);
            QWheelEvent wheel(at, form->Picture1->mapToGlobal(at), QPoint(), QPoint(0, wheelY), Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(form->Picture1, &wheel);
        }
        QCOMPARE(form->viewport().mZoom, zoom);
        QCOMPARE(form->viewport().surface().left, left);
        QCOMPARE(form->viewport().surface().top, top);
        // The page and the bars show it.
        QCOMPARE(form->Picture1->pos(), QPoint(qRound(left / 15.0), qRound(top / 15.0)));
        QCOMPARE(form->VScroll1->value(), form->viewport().vScroll().value);
        QCOMPARE(form->HScroll1->value(), form->viewport().hScroll().value);
        // A screen reader hears the zoom.
        const QString zoomHeard = QStringLiteral("Zoom %1%").arg(qRound(zoom * 100));
        QVERIFY2(form->Picture1->accessibleDescription().startsWith(zoomHeard),
                 qPrintable(form->Picture1->accessibleDescription()));
        QVERIFY(m_messenger.messages.empty());
    }

    void cancellingTheSaveWritesNothingAndSaysDone()
    {
        auto form = makeForm();
        m_dialog->answer = QString();
        form->PushButton6_Click();
        QCOMPARE(m_messenger.texts(), QStringList{QStringLiteral("Done.")});
        QVERIFY(m_messenger.questions.isEmpty());
        QCOMPARE(m_dialog->titles, QStringList{QStringLiteral("Save File")});
        QCOMPARE(m_dialog->filters, QStringList{QStringLiteral("Word Files (*.doc)|*.doc")});
        QCOMPARE(m_dialog->extensions, QStringList{QStringLiteral("doc")}); // a name without one gets ".doc"
        QCOMPARE(FileDialogCommonDialog::qtNameFilter(m_dialog->filters.front()), QStringLiteral("Word Files (*.doc)"));
    }

    void aNewNameIsWrittenAtOnceAndASecondSaveAsks()
    {
        auto form = makeForm();
        form->setLetterTitle(QStringLiteral("Letter to Brightwater Analytics"));
        const QString target = m_dir->filePath(QStringLiteral("My Letter.doc"));
        m_dialog->answer = target;
        form->PushButton6_Click();
        QVERIFY(m_messenger.questions.isEmpty());
        QCOMPARE(readAll(target), readAll(m_scratch));
        m_messenger.answers.push_back(Messenger::Answer::Yes);
        form->PushButton6_Click();
        QCOMPARE(m_messenger.questions,
                 QStringList{QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?")});
        QCOMPARE(m_messenger.texts(), (QStringList{QStringLiteral("Done."), QStringLiteral("Done.")}));
        // The letter's name was proposed both times.
        const QString proposed = QStringLiteral("Letter to Brightwater Analytics.doc");
        QCOMPARE(m_dialog->namesShown, (QStringList{proposed, proposed}));
    }

    void answeringNoLeavesTheFileYesReplacesIt()
    {
        auto form = makeForm();
        const QString target = m_dir->filePath(QStringLiteral("existing.doc"));
        writeFile(target, "old letter");
        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::No, Messenger::Answer::Yes};
        form->PushButton6_Click();
        QCOMPARE(readAll(target), QByteArray("old letter"));
        form->PushButton6_Click();
        QCOMPARE(readAll(target), readAll(m_scratch));
        QCOMPARE(m_messenger.texts(), (QStringList{QStringLiteral("Done."), QStringLiteral("Done.")}));
    }

    void aVanishedScratchDocumentIsReportedAndTheOldFileKept()
    {
        auto form = makeForm();
        const QString target = m_dir->filePath(QStringLiteral("existing.doc"));
        writeFile(target, "old letter");
        QFile::remove(m_scratch);
        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::Yes};
        form->PushButton6_Click();
        // The report is the last word: no "Done." after a failed save.
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.contains(QLatin1String(ReportLocation::Form2_PushButton6_Click)
                                                      + QStringLiteral("at line 130\r\r")));
        QCOMPARE(readAll(target), QByteArray("old letter"));
        QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("existing*")}, QDir::Files),
                 QStringList{QStringLiteral("existing.doc")}); // nothing half-written beside it
    }

    void aSaveOnAFullDiskKeepsTheOldFileAndSaysNoDone_data()
    {
        QTest::addColumn<bool>("replacing");
        QTest::newRow("over an existing letter") << true;
        QTest::newRow("under a new name") << false;
    }

    void aSaveOnAFullDiskKeepsTheOldFileAndSaysNoDone()
    {
        QFETCH(bool, replacing);
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        auto form = makeForm();
        writeFile(m_scratch, QByteArray(40000, 'L')); // larger than the room left
        const QString target = disk.filePath(QStringLiteral("letter.doc"));
        const QByteArray old(8000, 'o');
        if (replacing)
            writeFile(target, old);
        disk.fillUpTo(4096);
        const QStringList before = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);

        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::Yes};
        form->PushButton6_Click();

        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.contains(QStringLiteral("at line 130\r\r")));
        QVERIFY2(m_messenger.messages[0].text.contains(
                         QStringLiteral("The disk that holds %1 is full (No space left on device).")
                                 .arg(QDir::toNativeSeparators(disk.path()))),
                 qPrintable(m_messenger.messages[0].text));
        QCOMPARE(readAll(target), replacing ? old : QByteArray());
        QCOMPARE(QFile::exists(target), replacing);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void backDeletesTheScratchDocumentAndShowsTheMainWindow()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        form->PushButton8_Click();
        QVERIFY(!QFile::exists(m_scratch));
        QVERIFY(m_mainShown);
        QVERIFY(!form->isVisible());
        QVERIFY(!m_ended);
        // Again, with the scratch document already gone: nothing to report.
        form->show();
        form->PushButton8_Click();
        QVERIFY(m_messenger.messages.empty());
    }

    void theMenusCarryEveryCommandWithItsKeys_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("keys");
        auto row = [](const char *menu, const char *text, QKeySequence keys) {
            QTest::newRow(text) << QString::fromUtf8(menu) << QString::fromUtf8(text) << keys;
        };
        row("&File", "&Save Results To Word File…", QKeySequence(QStringLiteral("Ctrl+S")));
        row("&File", "&Export as PDF…", QKeySequence(QStringLiteral("Ctrl+E")));
        row("&File", "Export as &Word 2007-365 (.docx)…", QKeySequence());
        row("&File", "Export as &OpenDocument (.odt)…", QKeySequence());
        row("&File", "&Print…", QKeySequence(QStringLiteral("Ctrl+P")));
        row("&File", "Send by E-&mail…", QKeySequence());
        row("&File", "&Letters Sent…", QKeySequence());
        row("&File", "< &Back", QKeySequence(QStringLiteral("Esc")));
        row("&File", "&Quit", QKeySequence(QStringLiteral("Ctrl+Q")));
        row("&View", "Zoom &In", QKeySequence(QStringLiteral("Ctrl++")));
        row("&View", "Zoom &Out", QKeySequence(QStringLiteral("Ctrl+-")));
        row("&View", "&Whole Page", QKeySequence());
        row("&View", "&Fit Page", QKeySequence(QStringLiteral("Ctrl+0")));
    }

    void theMenusCarryEveryCommandWithItsKeys()
    {
        QFETCH(QString, menu);
        QFETCH(QString, text);
        QFETCH(QKeySequence, keys);
        auto form = makeForm();
        QAction *found = nullptr;
        for (QAction *top : form->menuBar->actions()) {
            if (top->text() != menu)
                continue;
            // A screen reader names the open menu as the bar does.
            QCOMPARE(QAccessible::queryAccessibleInterface(top->menu())->text(QAccessible::Name),
                     QString(menu).remove(QLatin1Char('&')));
            for (QAction *a : top->menu()->actions())
                if (a->text() == text)
                    found = a;
        }
        QVERIFY2(found, qPrintable(menu + QStringLiteral(" lacks ") + text));
        QCOMPARE(found->shortcut(), keys);
    }

    void noTwoCommandsShareAnAltKey()
    {
        auto form = makeForm();
        // The menus' own keys are the window's, beside the buttons'; the
        // items' keys are their menu's.
        QList<QStringList> groups{{form->PushButton1->text(), form->PushButton2->text(), form->PushButton6->text(),
                                   form->PushButton8->text()}};
        for (QAction *menu : form->menuBar->actions()) {
            groups.front() << menu->text();
            QStringList items;
            for (QAction *item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << item->text();
            groups << items;
        }
        for (const QStringList &texts : groups)
            QCOMPARE(altKeyProblems(texts), QStringList());
    }

    void theClientAreaKeepsItsPlacesBelowTheMenuBar()
    {
        auto form = makeForm();
        const int top = form->menuBar->height();
        QVERIFY(top > 0);
        QCOMPARE(form->menuBar->geometry().top(), 0);
        // 15 twips a pixel: "Save Results To Word File" at 4920, 8850.
        QCOMPARE(form->PushButton6->pos(), QPoint(328, top + 590));
        QCOMPARE(form->Picture2->pos(), QPoint(8, top + 8));
        QCOMPARE(form->PushButton1->pos(), QPoint(16, 20)); // inside "Zoom:"
        QCOMPARE(form->size(), QSize(656, top + 626));
    }

    void theMenuAndTheButtonRunOneCommand()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        m_dialog->answer = QString();
        form->saveAction->trigger();
        QTest::mouseClick(form->PushButton6, Qt::LeftButton);
        QCOMPARE(m_dialog->titles, (QStringList{QStringLiteral("Save File"), QStringLiteral("Save File")}));
        form->zoomInAction->trigger();
        QCOMPARE(form->viewport().mZoom, 1.25f);
        QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(form->viewport().mZoom, 1.0f);
    }

    void quitEndsTheProgramAsClosingDoes()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        form->quitAction->trigger();
        QVERIFY(!QFile::exists(m_scratch));
        QVERIFY(m_ended);
        QVERIFY(!form->isVisible());
    }

    void closingThePreviewDeletesTheLetterAndEndsTheProgram()
    {
        auto form = makeForm();
        showWith(*form, pagePicture(Qt::blue));
        QVERIFY(form->close()); // never refused
        QVERIFY(!QFile::exists(m_scratch));
        QVERIFY(m_ended);
        QVERIFY(!m_mainShown);
    }
};

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
