#include <QMenuBar>
#include <QtTest>

#include "Form2.h"
#include "RecordingMessenger.h"
#include "ScreenFit.h"
#include "WindowPlacement.h"

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void aWindowStaysInsideTheAvailableArea_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("place");
        // A screen of 1280 by 1024 with a 32-pixel panel at the top.
        const QRect desk(0, 32, 1280, 992);
        QTest::newRow("fits: centred") << QSize(656, 626) << desk << QPoint(312, 215);
        QTest::newRow("just fits") << QSize(1280, 992) << desk << QPoint(0, 32);
        // Twice the scale on a 1920 by 1200 screen: 960 by 600 to place in.
        QTest::newRow("too tall: at the top") << QSize(656, 626) << QRect(0, 0, 960, 600) << QPoint(152, 0);
        QTest::newRow("too wide: at the left") << QSize(700, 300) << QRect(0, 0, 640, 480) << QPoint(0, 90);
        QTest::newRow("too large, second screen")
                << QSize(2000, 1300) << QRect(1920, 16, 1280, 1008) << QPoint(1920, 16);
    }

    void aWindowStaysInsideTheAvailableArea()
    {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, place);
        QCOMPARE(placementInside(frame, available), place);
    }

    void theLivePageOpensBesideTheMainWindowWhereThereIsRoom_data()
    {
        QTest::addColumn<QRect>("mainWindow");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("room on the right") << QRect(100, 200, 536, 397) << QSize(400, 760) << QPoint(644, 200);
        QTest::newRow("room on the left only") << QRect(700, 100, 536, 397) << QSize(400, 760) << QPoint(292, 100);
        // No room either side: against the roomier side's edge, over as
        // little of the fields as it can; raised to stay on the screen.
        QTest::newRow("no room, lower down") << QRect(372, 400, 536, 397) << QSize(400, 760) << QPoint(880, 264);
        QTest::newRow("taller than the screen") << QRect(0, 32, 536, 397) << QSize(400, 1200) << QPoint(544, 32);
    }

    void theLivePageOpensBesideTheMainWindowWhereThereIsRoom()
    {
        QFETCH(QRect, mainWindow);
        QFETCH(QSize, frame);
        QFETCH(QPoint, place);
        QCOMPARE(placementBeside(mainWindow, frame, QRect(0, 32, 1280, 992)), place);
    }

    // This test runs on a screen of 960 by 600 (tests/support/small-screen.json),
    // lower than the preview: it shrinks to the screen, centred, with its
    // title and the menu bar, which carries every command, on it.
    void thePreviewOpensWithItsTitleAndMenusOnTheScreen()
    {
        RecordingMessenger messenger;
        Form2 form(messenger);
        const QRect available = form.screen()->availableGeometry();
        QVERIFY(available.contains(form.frameGeometry()));
        QVERIFY(form.findChild<ScreenFit *>()->designedSize().height() > available.height());
        const QRect menus(form.menuBar->mapTo(&form, QPoint(0, 0)) + form.geometry().topLeft(), form.menuBar->size());
        QVERIFY(available.contains(menus));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
