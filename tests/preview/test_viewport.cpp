#include <QtTest>

#include "ErrorTrap.h"
#include "RecordingMessenger.h"
#include "Viewport.h"

namespace {
struct RecordingPainter : Viewport::SurfacePainter
{
    int clears = 0;
    int draws = 0;
    int pointerResets = 0;
    QRect lastDraw; // source width/height, target width/height
    void clearPicture() override { ++clears; }
    void drawStretched(int sw, int sh, int w, int h) override
    {
        ++draws;
        lastDraw = QRect(sw, sh, w, h);
    }
    void resetPointer() override { ++pointerResets; }
};

// A viewer with a picture of the given size (twips), set up as on the
// first activation. Borders are 15 twips.
struct Viewer
{
    RecordingMessenger messenger;
    ErrorTrap trap{messenger, QStringLiteral("in test.Form_Activate ")};
    ErrorTrap redraw{messenger, QStringLiteral("in test.RedrawImage ")};
    RecordingPainter painter;
    Viewport viewport{15};

    Viewer(int pictureWidth, int pictureHeight)
    {
        viewport.assignPicture(pictureWidth, pictureHeight);
        viewport.setUp(trap, redraw, painter);
    }
    void zoomIn() { viewport.ZoomStep(0, redraw, painter); }
    void zoomOut() { viewport.ZoomStep(1, redraw, painter); }
    void drag(float dx, float dy)
    {
        viewport.mouseDown(100, 100);
        viewport.mouseMove(1, 100 + dx, 100 + dy);
    }
};
} // namespace

class TestViewport : public QObject
{
    Q_OBJECT

private slots:
    void roundingIsToNearestWithTiesToEven()
    {
        QCOMPARE(Viewport::nearest(2.5), 2);
        QCOMPARE(Viewport::nearest(3.5), 4);
        QCOMPARE(Viewport::nearest(-2.5), -2);
        QCOMPARE(Viewport::nearest(12.5), 12);
        QCOMPARE(Viewport::nearest(12.51), 13);
    }

    void setUpDrawsAtZoomOneFromTheOrigin()
    {
        Viewer v(2000, 3000);
        QCOMPARE(v.viewport.mZoom, 1.0f);
        QCOMPARE(v.viewport.mOrigWidth, 1998); // the source trim of 2
        QCOMPARE(v.viewport.mOrigHeight, 2998);
        QCOMPARE(v.painter.draws, 1);
        QCOMPARE(v.painter.lastDraw, QRect(1998, 2998, 1998, 2998));
        QCOMPARE(v.viewport.surface().left, 0);
        QCOMPARE(v.viewport.surface().top, 0);
        QCOMPARE(v.viewport.hScroll().value, 0);
        QCOMPARE(v.viewport.vScroll().value, 0);
        QVERIFY(v.messenger.messages.empty());
    }

    void zoomMovesInQuartersBetweenAQuarterAndFour()
    {
        Viewer v(1000, 1000);
        const float expectedOut[] = {0.75f, 0.5f, 0.25f, 0.25f};
        for (float z : expectedOut) {
            v.zoomOut();
            QCOMPARE(v.viewport.mZoom, z);
        }
        QCOMPARE(v.painter.draws, 1 + 3); // the refused step draws nothing
        for (int i = 0; i < 14; ++i)
            v.zoomIn();
        QCOMPARE(v.viewport.mZoom, 3.75f);
        v.zoomIn();
        QCOMPARE(v.viewport.mZoom, 4.0f);
        const int drawsAtFour = v.painter.draws;
        v.zoomIn();
        QCOMPARE(v.viewport.mZoom, 4.0f);
        QCOMPARE(v.painter.draws, drawsAtFour);
        QCOMPARE(v.viewport.mDrawWidth, 998 * 4);
    }

    void anOversizeDrawingIsRefusedAndZoomFallsBackToOne()
    {
        Viewer v(4002, 5002); // source 4000 by 5000
        for (int i = 0; i < 4; ++i)
            v.zoomIn();
        QCOMPARE(v.viewport.mZoom, 2.0f);
        QCOMPARE(v.painter.lastDraw, QRect(4000, 5000, 8000, 10000));
        const int draws = v.painter.draws;
        v.zoomIn(); // 2.25 would be 9000 wide
        QCOMPARE(v.painter.draws, draws);
        QCOMPARE(v.viewport.mZoom, 1.0f);
        QCOMPARE(v.viewport.surface().outerWidth, 8000); // keeps the 2.0 drawing
        QCOMPARE(v.viewport.mDrawWidth, 4000);
        v.zoomIn();
        QCOMPARE(v.viewport.mZoom, 1.25f);
        QCOMPARE(v.painter.lastDraw, QRect(4000, 5000, 5000, 6250));
    }

    void drawingLimits_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("8499 wide") << 8499 << 1000 << true;
        QTest::newRow("8500 wide") << 8500 << 1000 << false;
        QTest::newRow("10699 high") << 1000 << 10699 << true;
        QTest::newRow("10700 high") << 1000 << 10700 << false;
    }

    void drawingLimits()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, drawn);
        Viewer v(width + 2, height + 2); // source extents width by height
        QCOMPARE(v.painter.draws, drawn ? 1 : 0);
        QCOMPARE(v.viewport.surface().outerWidth, drawn ? width : width + 2 + 30);
        // The bars are set up from the surface either way.
        QCOMPARE(v.viewport.hScroll().enabled, v.viewport.surface().outerWidth > Viewport::ViewportOuterWidth);
    }

    void scrollSetUp_data()
    {
        QTest::addColumn<int>("overflow");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("maximum");
        QTest::newRow("as wide") << 0 << false << 0 << 0;
        QTest::newRow("100 wider") << 100 << true << 1 << 100;
        QTest::newRow("101 wider") << 101 << true << 10 << 10;
        QTest::newRow("125 wider") << 125 << true << 10 << 12; // 12.5 to even
        QTest::newRow("135 wider") << 135 << true << 10 << 14; // 13.5 to even
    }

    void scrollSetUp()
    {
        QFETCH(int, overflow);
        QFETCH(bool, enabled);
        QFETCH(int, step);
        QFETCH(int, maximum);
        // Over the drawing limit: the surface keeps its loaded outer size.
        Viewer v(Viewport::ViewportOuterWidth - 30 + overflow, 1000);
        QCOMPARE(v.viewport.surface().outerWidth, Viewport::ViewportOuterWidth + overflow);
        QCOMPARE(v.viewport.hScroll().enabled, enabled);
        QCOMPARE(v.viewport.mHStep, step);
        QCOMPARE(v.viewport.hScroll().maximum, maximum);
        QCOMPARE(v.viewport.vScroll().enabled, false);
        QCOMPARE(v.viewport.mVStep, 0);
    }

    void aBarValueMovesTheSurfaceByItsStep()
    {
        Viewer v(60000, 1000); // coarse steps, a long range
        v.viewport.setHScrollValue(3);
        QCOMPARE(v.viewport.surface().left, -30);
        // Beyond 16 bits the offset is still right.
        v.viewport.setHScrollValue(4000);
        QCOMPARE(v.viewport.surface().left, -40000);
    }

    void dragClampsAtBothEnds()
    {
        Viewer v(8400, 10600); // drawn 8398 by 10598: narrower than the viewport, taller
        const int innerH = v.viewport.viewportInnerHeight();
        v.drag(0, 500);
        QCOMPARE(v.viewport.surface().top, 0);
        v.drag(0, -100000);
        QCOMPARE(v.viewport.surface().top, innerH - 10598);
        v.drag(0, 50);
        QCOMPARE(v.viewport.surface().top, innerH - 10598 + 50);
    }

    void aSurfaceNarrowerThanTheViewportGoesRightOrLeft()
    {
        Viewer v(8400, 1000); // drawn 8398 wide, the viewport's inner width is 9300
        // A new offset of 0 or less puts it right-aligned ...
        v.drag(-10, 0);
        QCOMPARE(v.viewport.surface().left, 9300 - 8398);
        // ... a positive one at 0.
        v.drag(-10, 0);
        QCOMPARE(v.viewport.surface().left, 0);
        v.drag(0, 0);
        QCOMPARE(v.viewport.surface().left, 902);
    }

    void aMoveWithoutAButtonDoesNothing()
    {
        Viewer v(19300, 1000);
        v.viewport.mouseDown(0, 0);
        v.viewport.mouseMove(0, -500, 0);
        QCOMPARE(v.viewport.surface().left, 0);
    }

    void releaseSetsTheBarsByPercentage()
    {
        Viewer v(19300, 1000); // outer 19330: 10000 wider than the viewport
        QCOMPARE(v.viewport.hScroll().maximum, 1000);
        v.drag(-5000, 0);
        QCOMPARE(v.viewport.surface().left, -5000);
        QCOMPARE(v.viewport.releasePercentH(), 50);
        v.viewport.mouseUp();
        QCOMPARE(v.viewport.hScroll().value, 500);
        QCOMPARE(v.viewport.surface().left, -5000);
    }

    void releasePercentages_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<float>("dragX");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("barValue");
        // 200 wider: the far edge is 230 away, 115 percent: bar unchanged.
        QTest::newRow("above 100") << 9500 << -100000.0f << 115 << 0;
        // Narrower and right-aligned: a negative percentage, bar unchanged.
        QTest::newRow("negative") << 5000 << -10.0f << -100 << 0;
        // Equal outer sizes: 0 percent rather than a division by zero.
        QTest::newRow("equal sizes") << 9300 << -10.0f << 0 << 0;
    }

    void releasePercentages()
    {
        QFETCH(int, pictureWidth);
        QFETCH(float, dragX);
        QFETCH(int, percent);
        QFETCH(int, barValue);
        Viewer v(pictureWidth, 1000);
        v.drag(dragX, 0);
        if (QByteArray(QTest::currentDataTag()) == "negative")
            QVERIFY(v.viewport.releasePercentH() < 0);
        else
            QCOMPARE(v.viewport.releasePercentH(), percent);
        const int left = v.viewport.surface().left;
        v.viewport.mouseUp();
        QCOMPARE(v.viewport.hScroll().value, barValue);
        QCOMPARE(v.viewport.surface().left, left);
        QVERIFY(v.messenger.messages.empty());
    }

    void setByPercent_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("value");
        QTest::newRow("-1") << -1 << 7;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("50") << 50 << 500;
        QTest::newRow("100") << 100 << 1000;
        QTest::newRow("101") << 101 << 7;
    }

    void setByPercent()
    {
        QFETCH(int, percent);
        QFETCH(int, value);
        Viewer v(19300, 1000);
        v.viewport.setHScrollValue(7);
        v.viewport.SetHScrollbarByPercent(percent);
        QCOMPARE(v.viewport.hScroll().value, value);
        QCOMPARE(v.viewport.surface().left, -10 * value);
    }

    void aRedrawResetsTheBarsAndTheirEnabledState()
    {
        Viewer v(8000, 10000); // drawn 7998 by 9998: taller than the viewport
        QVERIFY(v.viewport.vScroll().enabled);
        v.viewport.setVScrollValue(5);
        QVERIFY(v.viewport.surface().top < 0);
        const int resets = v.painter.pointerResets;
        v.zoomOut(); // 0.75: 7498 high, still taller
        QCOMPARE(v.viewport.vScroll().value, 0);
        QCOMPARE(v.viewport.surface().top, 0);
        QCOMPARE(v.painter.pointerResets, resets + 1);
        v.zoomOut(); // 0.5: 4999 high, fits
        QVERIFY(!v.viewport.vScroll().enabled);
    }
};

QTEST_GUILESS_MAIN(TestViewport)
#include "test_viewport.moc"
