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

    // The preview (656 by 649): room for a common title bar until the window
    // manager's frame is known, then for that frame.
    void aWindowAndItsFrameFitTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");   // device pixels
        QTest::addColumn<double>("scale");   // device pixels per logical one
        QTest::addColumn<QMargins>("frame"); // the window manager's, logical; none yet
        QTest::addColumn<QSize>("inside");   // the window's size that fits
        QTest::newRow("1366x768 at 2x, no frame yet") << QSize(1366, 768) << 2.0 << QMargins() << QSize(656, 366);
        QTest::newRow("1366x768 at 2x, thin frame")
                << QSize(1366, 768) << 2.0 << QMargins(1, 12, 1, 1) << QSize(656, 371);
        QTest::newRow("1280x720 at 2x, no frame yet") << QSize(1280, 720) << 2.0 << QMargins() << QSize(636, 342);
        QTest::newRow("1280x720 at 2x, thick frame")
                << QSize(1280, 720) << 2.0 << QMargins(4, 28, 4, 4) << QSize(632, 328);
    }

    void aWindowAndItsFrameFitTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        QFETCH(QMargins, frame);
        QFETCH(QSize, inside);
        const QRect available(QPoint(0, 0), (QSizeF(screen) / scale).toSize());
        const QMargins planned = plannedFrame(frame, scale);
        QCOMPARE(QSize(656, 649).boundedTo(roomInside(available, planned)), inside);
        const QSize framed = inside.grownBy(planned);
        QVERIFY(available.contains(QRect(placementInside(framed, available), framed)));
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

    // The page would like 324 by 400, and 84 wide at the least.
    void theLivePageCoversNoFieldWhereTheScreenHasLittleRoom_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("mainWindow"); // its frame, centred as it opens
        QTest::addColumn<QRect>("mainMovedTo");
        QTest::addColumn<QRect>("livePage"); // its frame
        const QRect main1x(280, 175, 540, 418);
        QTest::newRow("room as wanted") << QRect(0, 0, 1366, 768) << main1x << main1x << QRect(828, 175, 324, 400);
        // Neither side has room: the main window goes to the edge.
        QTest::newRow("800x600 at 1x") << QRect(0, 0, 800, 600) << QRect(130, 100, 540, 418) << QRect(0, 100, 540, 418)
                                       << QRect(548, 100, 252, 400);
        QTest::newRow("1366x768 at 2x") << QRect(0, 0, 683, 384) << QRect(71, 0, 540, 384) << QRect(0, 0, 540, 384)
                                        << QRect(548, 0, 135, 384);
        QTest::newRow("1280x720 at 2x") << QRect(0, 0, 640, 360) << QRect(50, 0, 540, 360) << QRect(0, 0, 540, 360)
                                        << QRect(548, 0, 92, 360);
        // Too little room even so: over as little of it as it can.
        QTest::newRow("no room") << QRect(0, 0, 600, 360) << QRect(30, 0, 540, 360) << QRect(30, 0, 540, 360)
                                 << QRect(516, 0, 84, 360);
    }

    void theLivePageCoversNoFieldWhereTheScreenHasLittleRoom()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, mainWindow);
        QFETCH(QRect, mainMovedTo);
        QFETCH(QRect, livePage);
        const BesidePlacement place = placeBeside(mainWindow, QSize(324, 400), 84, available);
        QCOMPARE(place.other, mainMovedTo);
        QCOMPARE(place.frame, livePage);
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
