// Both windows, the file dialog and a message box on a 1280 by 720 screen at
// twice the scale (640 by 360 to place in): each stays inside the screen,
// and every control shows or scrolls into view when Tab reaches it.
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "CommonDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "LetterTextWindow.h"
#include "MessageBoxMessenger.h"
#include "PictureBox.h"
#include "RecordingMessenger.h"
#include "ScreenFit.h"
#include "ScriptedAutomation.h"
#include "Settings.h"

namespace {
// Texts half as long again, each Latin letter as wide as a Japanese one.
class WideTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        QString text = QString::fromUtf8(source);
        text += u' ' + QString(text).remove(u'&').left(text.size() / 2);
        for (QChar &c : text)
            c = c.isLetter() && c.unicode() < 0x7f ? QChar(c.unicode() - 0x21 + 0xFF01) : c;
        return text;
    }
};

// Whether the widget shows whole inside its window, cut by nothing.
bool showsWhole(const QWidget *widget, const QWidget *window)
{
    const QRect whole(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return widget->isVisible() && shownPart(widget, window) == whole && window->rect().contains(whole);
}

QRect availableArea(const QWidget *window)
{
    return window->screen()->availableGeometry();
}

// Checks the modal dialog once it has shown and fitted, then closes it; a
// label of the text given shows whole in it.
void checkModalDialogFitsThenClose(bool *checked, const QString &shownWhole = QString())
{
    QTimer::singleShot(0, [checked, shownWhole] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        const auto closing = qScopeGuard([dialog] { dialog->close(); }); // a failure never leaves it waiting
        QTRY_VERIFY2(availableArea(dialog).contains(dialog->frameGeometry()),
                     qPrintable(QStringLiteral("%1x%2").arg(dialog->width()).arg(dialog->height())));
        // Its buttons are on the screen.
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            QVERIFY(!button->isVisible()
                    || dialog->rect().contains(QRect(button->mapTo(dialog, QPoint(0, 0)), button->size())));
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            QVERIFY(label->text() != shownWhole || showsWhole(label, dialog));
        *checked = true;
    });
}
} // namespace

class TestScreenFit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    RecordingMessenger m_messenger;
    Settings m_settings;
    ScriptedAutomation m_office;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QVERIFY(qFuzzyCompare(qApp->devicePixelRatio(), 2.0));
    }

    void everyControlShowsOrScrollsIntoViewWhenTabReachesIt()
    {
        auto window = std::make_unique<Form1>(Form1Services{m_messenger, m_settings, m_office});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(availableArea(window.get()).contains(window->frameGeometry()));
        const QMenuBar *menuBar = window->findChild<QMenuBar *>();
        QVERIFY(availableArea(window.get()).contains(QRect(menuBar->mapToGlobal(QPoint(0, 0)), menuBar->size())));

        const ScreenFit *fit = window->findChild<ScreenFit *>();
        QVERIFY(fit && fit->scrollArea());
        QVERIFY(window->height() < fit->designedSize().height());
        const QScrollArea *area = fit->scrollArea();
        const QWidget *viewport = area->viewport();
        // Scrolled to its ends, the area shows the whole client area.
        QCOMPARE(area->verticalScrollBar()->maximum() + viewport->height(), area->widget()->height());

        QList<QWidget *> controls;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window.get()) && w->isEnabled())
                controls << w;
        }
        QVERIFY(controls.size() >= 5);
        QList<QWidget *> reached;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            reached << focused;
            // What of the control its own frames let show lies in the view.
            const QRect shown = shownPart(focused, area->widget()).translated(area->widget()->pos());
            const QRect view = viewport->rect();
            const bool fits = shown.width() <= view.width() && shown.height() <= view.height();
            QVERIFY2(fits ? view.contains(shown) : view.intersects(shown), qPrintable(focused->accessibleName()));
        }
        for (QWidget *control : controls)
            QVERIFY2(reached.contains(control), qPrintable(control->accessibleName()));
    }

    // Fit Page shows the whole sheet, in the page view's bars alone.
    void fitPageShowsTheWholeSheetOnTheScreen()
    {
        Form2 form(m_messenger);
        QImage sheet(433, 560, QImage::Format_RGB32); // a US Letter sheet as the office layer renders it
        sheet.fill(Qt::white);
        form.setPicture(sheet);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(availableArea(&form).contains(form.frameGeometry()));
        QVERIFY(!form.findChild<ScreenFit *>()->scrollArea());
        form.FitPage();
        const QRect sheetShown(form.Picture1->mapTo(&form, QPoint(0, 0)), form.Picture1->size());
        QVERIFY(QRect(form.Picture2->mapTo(&form, QPoint(0, 0)), form.Picture2->size()).contains(sheetShown));
        for (const QPushButton *button : form.findChildren<QPushButton *>())
            QVERIFY2(!button->isVisible() || showsWhole(button, &form), qPrintable(button->text()));
    }

    // With long, wide texts: it fits, its heading stays, nothing is cut.
    void theLetterTextWindowFitsWithLongTexts()
    {
        WideTexts wide;
        QCoreApplication::installTranslator(&wide);
        const auto removing = qScopeGuard([&wide] { QCoreApplication::removeTranslator(&wide); });
        LetterTextWindow window(m_messenger, QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(availableArea(&window).contains(window.frameGeometry()));
        const QLabel *heading = window.findChild<QLabel *>();
        for (const QScrollArea *area : window.findChildren<QScrollArea *>())
            QVERIFY(area->horizontalScrollBar()->maximum() == 0 && !area->isAncestorOf(heading));
        QVERIFY(heading->wordWrap() && showsWhole(heading, &window));
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    }

    void theFileDialogAndMessageBoxesStayOnTheScreen()
    {
        Form1 main(Form1Services{m_messenger, m_settings, m_office});
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        bool saveChecked = false;
        FileDialogCommonDialog dialog(&main);
        dialog.Filter = QStringLiteral("Word Files (*.doc)|*.doc");
        checkModalDialogFitsThenClose(&saveChecked);
        dialog.ShowSave();
        QVERIFY(saveChecked);

        bool messageChecked = false;
        QStringList lines;
        for (int i = 1; i <= 40; ++i)
            lines << QStringLiteral("Line %1 of a long message").arg(i);
        checkModalDialogFitsThenClose(&messageChecked);
        MessageBoxMessenger().showMessage(lines.join(QLatin1Char('\n')), QString(), Messenger::Icon::Warning);
        QVERIFY(messageChecked);

        // The check before a letter: its list scrolls, its question shows.
        const QString question = QStringLiteral("Make the letter anyway, or go back and change it?");
        bool choiceChecked = false;
        checkModalDialogFitsThenClose(&choiceChecked, question);
        const int answer = MessageBoxMessenger().askChoice(
                QStringLiteral("Have a look:\n\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + question,
                {QStringLiteral("&Make the Letter Anyway"), QStringLiteral("&Go Back")}, 1);
        QVERIFY(choiceChecked);
        QCOMPARE(answer, 1); // closed: the safe answer
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
