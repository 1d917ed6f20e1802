// Both windows, the file dialog and a message box on a 1280 by 720 screen at
// twice the scale (640 by 360 to place in): each stays inside the screen,
// and every control shows or scrolls into view when Tab reaches it.
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "CommonDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageBoxMessenger.h"
#include "RecordingMessenger.h"
#include "ScreenFit.h"
#include "ScriptedAutomation.h"
#include "Settings.h"

namespace {
QRect availableArea(const QWidget *window)
{
    return window->screen()->availableGeometry();
}

// Checks the modal dialog once it has shown and fitted, then closes it.
void checkModalDialogFitsThenClose(bool *checked)
{
    QTimer::singleShot(0, [checked] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        const auto closing = qScopeGuard([dialog] { dialog->close(); }); // a failure never leaves it waiting
        QTRY_VERIFY2(availableArea(dialog).contains(dialog->frameGeometry()),
                     qPrintable(QStringLiteral("%1x%2").arg(dialog->width()).arg(dialog->height())));
        // Its buttons are on the screen.
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            QVERIFY(!button->isVisible()
                    || dialog->rect().contains(QRect(button->mapTo(dialog, QPoint(0, 0)), button->size())));
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

    void everyControlShowsOrScrollsIntoViewWhenTabReachesIt_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("main window") << false;
        QTest::newRow("preview") << true;
    }

    void everyControlShowsOrScrollsIntoViewWhenTabReachesIt()
    {
        QFETCH(bool, preview);
        std::unique_ptr<QWidget> window;
        if (preview) {
            auto form = std::make_unique<Form2>(m_messenger);
            QImage page(300, 500, QImage::Format_RGB32);
            page.fill(Qt::white);
            form->setPicture(page);
            window = std::move(form);
        } else {
            window = std::make_unique<Form1>(Form1Services{m_messenger, m_settings, m_office});
        }
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
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
