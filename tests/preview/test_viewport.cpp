#include <QtTest>

#include "ErrorTrap.h"
#include "PageSnapshotSize.h"
#include "RecordingMessenger.h"
#include "Viewport.h"

namespace {
// What the preview window paints: each drawing the viewer makes due.
struct RecordingPainter
{
    int draws = 0;
    QRect lastDraw; // source width/height, target width/height
    void paintDue(Viewport &viewport)
    {
        if (const auto drawing = viewport.takeDrawing()) {
            ++draws;
            lastDraw = QRect(drawing->sourceWidth, drawing->sourceHeight, drawing->width, drawing->height);
        }
        // Taken once: a second look finds nothing due.
        QVERIFY(!viewport.takeDrawing());
    }
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
        viewport.setUp(trap, redraw);
        painter.paintDue(viewport);
    }
    // The letter's page as the office layer renders it.
    static Viewer letter() { return Viewer(SnapshotLogicalWidthTwips, SnapshotLogicalHeightTwips); }

    void zoomIn()
    {
        viewport.ZoomStep(0, redraw);
        painter.paintDue(viewport);
    }
    void zoomOut()
    {
        viewport.ZoomStep(1, redraw);
        painter.paintDue(viewport);
    }
    // Zoom steps from the current factor: positive in, negative out.
    void zoomBy(int steps)
    {
        for (; steps > 0; --steps)
            zoomIn();
        for (; steps < 0; ++steps)
            zoomOut();
    }
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
        QCOMPARE(v.viewport.hScroll().enabled, v.viewport.surface().outerWidth > v.viewport.viewportInnerWidth());
    }

    void scrollSetUp_data()
    {
        QTest::addColumn<int>("overflow");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("maximum");
        // Overflow: how far the surface reaches past the viewport's inner
        // width. The maximum is rounded up, so the last column is reached.
        QTest::newRow("as wide") << 0 << false << 0 << 0;
        QTest::newRow("100 wider") << 100 << true << 1 << 100;
        QTest::newRow("101 wider") << 101 << true << 10 << 11;
        QTest::newRow("125 wider") << 125 << true << 10 << 13;
        QTest::newRow("130 wider") << 130 << true << 10 << 13;
    }

    void scrollSetUp()
    {
        QFETCH(int, overflow);
        QFETCH(bool, enabled);
        QFETCH(int, step);
        QFETCH(int, maximum);
        // Over the drawing limit: the surface keeps its loaded outer size.
        Viewer v(Viewport::ViewportOuterWidth - 60 + overflow, 1000);
        QCOMPARE(v.viewport.surface().outerWidth, v.viewport.viewportInnerWidth() + overflow);
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

    void aMoveWithoutAButtonDoesNothing()
    {
        Viewer v(19300, 1000);
        v.viewport.mouseDown(0, 0);
        v.viewport.mouseMove(0, -500, 0);
        QCOMPARE(v.viewport.surface().left, 0);
    }

    void zoomSteps_data()
    {
        QTest::addColumn<int>("steps"); // from 1.0: positive in, negative out
        QTest::newRow("0.25") << -3;
        QTest::newRow("0.5") << -2;
        QTest::newRow("0.75") << -1;
        QTest::newRow("1.0") << 0;
        QTest::newRow("1.25") << 1;
    }

    // Every zoom at which the letter's page is drawn.
    void verticalDragsNeverMoveTheNarrowPageSideways_data() { zoomSteps_data(); }
    void verticalDragsNeverMoveTheNarrowPageSideways()
    {
        QFETCH(int, steps);
        Viewer v = Viewer::letter();
        v.zoomBy(steps);
        QVERIFY(v.viewport.surface().outerWidth < v.viewport.viewportInnerWidth());
        for (float dy : {-40.0f, -40.0f, 25.0f, -1.0f, 0.0f, 300.0f, -100000.0f}) {
            v.drag(0, dy);
            QCOMPARE(v.viewport.surface().left, 0);
            v.viewport.mouseUp();
            QCOMPARE(v.viewport.surface().left, 0);
        }
        // Zooming in afterwards shows the page from its left edge.
        v.zoomIn();
        QCOMPARE(v.viewport.surface().left, 0);
        QVERIFY(!v.viewport.hScroll().enabled);
    }

    void zoomingOutAfterADragKeepsThePageInView()
    {
        Viewer v = Viewer::letter();
        v.zoomIn();               // 1.25
        v.drag(-100000, -100000); // to the bottom
        v.viewport.mouseUp();
        QVERIFY(v.viewport.surface().top < 0);
        for (int i = 0; i < 3; ++i) {
            v.zoomOut();
            const Viewport::Box &s = v.viewport.surface();
            QVERIFY2(s.left <= 0 && s.left + s.outerWidth >= qMin(s.outerWidth, v.viewport.viewportInnerWidth()),
                     "the page left the viewport sideways");
            QVERIFY2(s.top <= 0 && s.top + s.outerHeight >= qMin(s.outerHeight, v.viewport.viewportInnerHeight()),
                     "the page left the viewport upwards");
        }
        QCOMPARE(v.viewport.mZoom, 0.5f);
        // At 0.5 the whole drawing fits: it sits at the origin, both bars off.
        QCOMPARE(v.viewport.surface().left, 0);
        QCOMPARE(v.viewport.surface().top, 0);
        QVERIFY(!v.viewport.hScroll().enabled);
        QVERIFY(!v.viewport.vScroll().enabled);
    }

    void theBarsReachTheLastRowAndColumn_data()
    {
        QTest::addColumn<int>("pictureWidth"); // 0: the letter's page
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<int>("steps");
        for (int steps = -3; steps <= 1; ++steps)
            QTest::addRow("letter at %g", 1.0 + 0.25 * steps) << 0 << 0 << steps;
        // Too large to draw: the surface keeps its loaded size.
        QTest::newRow("100 past, fine steps") << 9370 << 7465 << 0;
        QTest::newRow("125 past, coarse steps") << 9395 << 7490 << 0;
        QTest::newRow("long page") << 12000 << 40000 << 0;
    }

    void theBarsReachTheLastRowAndColumn()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(int, steps);
        Viewer v = pictureWidth ? Viewer(pictureWidth, pictureHeight) : Viewer::letter();
        v.zoomBy(steps);
        const Viewport::Box &s = v.viewport.surface();
        const int innerW = v.viewport.viewportInnerWidth();
        const int innerH = v.viewport.viewportInnerHeight();
        QCOMPARE(v.viewport.hScroll().enabled, s.outerWidth > innerW);
        QCOMPARE(v.viewport.vScroll().enabled, s.outerHeight > innerH);
        v.viewport.setHScrollValue(v.viewport.hScroll().maximum);
        v.viewport.setVScrollValue(v.viewport.vScroll().maximum);
        // The far edges sit exactly at the viewport's far edges.
        QCOMPARE(s.left, qMin(0, innerW - s.outerWidth));
        QCOMPARE(s.top, qMin(0, innerH - s.outerHeight));
    }

    void releaseLeavesThePageWhereItWasDropped_data()
    {
        QTest::addColumn<int>("pictureWidth"); // 0: the letter's page at 1.25
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<float>("dragX");
        QTest::addColumn<float>("dragY");
        QTest::newRow("a little down") << 0 << 0 << 0.0f << -37.0f;
        QTest::newRow("half way") << 0 << 0 << 0.0f << -1551.0f;
        QTest::newRow("to the bottom") << 0 << 0 << 0.0f << -100000.0f;
        QTest::newRow("wide, sideways") << 19300 << 1000 << -5003.0f << 0.0f;
        QTest::newRow("wide, to the right end") << 19300 << 1000 << -100000.0f << 0.0f;
        QTest::newRow("fine steps, to the end") << 9370 << 7465 << -100000.0f << -100000.0f;
        QTest::newRow("a click without moving") << 0 << 0 << 0.0f << 0.0f;
    }

    void releaseLeavesThePageWhereItWasDropped()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(float, dragX);
        QFETCH(float, dragY);
        Viewer v = pictureWidth ? Viewer(pictureWidth, pictureHeight) : Viewer::letter();
        if (!pictureWidth)
            v.zoomIn();
        v.drag(dragX, dragY);
        const Viewport::Box dropped = v.viewport.surface();
        v.viewport.mouseUp();
        const Viewport::Box &s = v.viewport.surface();
        // Within half a bar unit, and the bars say where the page is.
        QVERIFY(qAbs(s.left - dropped.left) * 2 <= v.viewport.mHStep);
        QVERIFY(qAbs(s.top - dropped.top) * 2 <= v.viewport.mVStep);
        QVERIFY(qAbs(v.viewport.hScroll().value * v.viewport.mHStep + s.left) < qMax(1, v.viewport.mHStep));
        QVERIFY(qAbs(v.viewport.vScroll().value * v.viewport.mVStep + s.top) < qMax(1, v.viewport.mVStep));
        QVERIFY(v.messenger.messages.empty());
    }

    void barClicksMoveALineOrAViewport()
    {
        Viewer v = Viewer::letter();
        v.zoomIn(); // 1.25: 10497 twips high, 3102 past the viewport
        const Viewport::ScrollBar &bar = v.viewport.vScroll();
        QCOMPARE(bar.singleStep * v.viewport.mVStep, Viewport::LineTwips);
        QCOMPARE(bar.pageStep * v.viewport.mVStep, v.viewport.viewportInnerHeight() / 10 * 10);
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::LineForward);
        QCOMPARE(v.viewport.surface().top, -Viewport::LineTwips);
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::PageForward);
        QCOMPARE(v.viewport.surface().top, v.viewport.viewportInnerHeight() - 10497); // stops at the end
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::LineBack);
        QCOMPARE(v.viewport.surface().top, -(bar.maximum - bar.singleStep) * 10);
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::ToStart);
        QCOMPARE(v.viewport.surface().top, 0);
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::PageBack);
        QCOMPARE(v.viewport.surface().top, 0);
        v.viewport.scroll(Viewport::Axis::Vertical, Viewport::ScrollMove::ToEnd);
        QCOMPARE(v.viewport.surface().top, v.viewport.viewportInnerHeight() - 10497);
        // The page fits sideways: nothing moves it there.
        v.viewport.scroll(Viewport::Axis::Horizontal, Viewport::ScrollMove::PageForward);
        v.viewport.scrollLines(Viewport::Axis::Horizontal, 3);
        QCOMPARE(v.viewport.surface().left, 0);
    }

    void wheelLinesScrollAndStopAtTheEnds()
    {
        Viewer v = Viewer::letter(); // 8398 high at 1.0: 1003 past the viewport
        v.viewport.scrollLines(Viewport::Axis::Vertical, 3);
        QCOMPARE(v.viewport.surface().top, -3 * Viewport::LineTwips);
        v.viewport.scrollLines(Viewport::Axis::Vertical, 0.5); // a fine-grained wheel
        QCOMPARE(v.viewport.surface().top, -3 * Viewport::LineTwips - Viewport::LineTwips / 2);
        v.viewport.scrollLines(Viewport::Axis::Vertical, 30);
        QCOMPARE(v.viewport.surface().top, v.viewport.viewportInnerHeight() - 8398);
        v.viewport.scrollLines(Viewport::Axis::Vertical, -30);
        QCOMPARE(v.viewport.surface().top, 0);
    }

    void fitPageShowsTheWholePictureAndZoomGoesOnFromThere_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<bool>("heightBound"); // else the width fills the room
        // The whole sheet, as the office layer gives it: 8400 twips high.
        QTest::newRow("US Letter sheet") << 8400 * 612 / 792 << 8400 << true;
        QTest::newRow("A4 sheet") << 8400 * 595 / 842 << 8400 << true;
        QTest::newRow("printed block") << SnapshotLogicalWidthTwips << SnapshotLogicalHeightTwips << true;
        // Wider than the drawing limit allows even where the viewport has room.
        QTest::newRow("landscape strip") << 12000 << 4000 << false;
    }

    void fitPageShowsTheWholePictureAndZoomGoesOnFromThere()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(bool, heightBound);
        Viewer v(pictureWidth, pictureHeight);
        v.viewport.FitPage(v.redraw);
        v.painter.paintDue(v.viewport);
        const float fit = v.viewport.mZoom;
        const Viewport::Box &s = v.viewport.surface();
        QVERIFY(!v.viewport.hScroll().enabled && !v.viewport.vScroll().enabled);
        QVERIFY(s.outerWidth < Viewport::DrawWidthLimit && s.outerHeight < Viewport::DrawHeightLimit);
        // As large as fits: the bound side fills its room to the twip.
        const int room = heightBound ? v.viewport.viewportInnerHeight() : Viewport::DrawWidthLimit - 1;
        QVERIFY2((heightBound ? s.outerHeight : s.outerWidth) >= room - 1, qPrintable(QString::number(fit)));
        QCOMPARE(fit,
                 Viewport::fitZoom(v.viewport.mOrigWidth, v.viewport.mOrigHeight, v.viewport.viewportInnerWidth(),
                                   v.viewport.viewportInnerHeight()));
        v.zoomOut();
        QCOMPARE(v.viewport.mZoom, fit - Viewport::ZoomStepSize);
        v.zoomIn();
        QCOMPARE(v.viewport.mZoom, fit);
        v.zoomIn(); // a sheet drawn a step larger than fits; wider than the limit, refused
        QCOMPARE(v.viewport.mZoom, heightBound ? fit + Viewport::ZoomStepSize : Viewport::InitialZoom);
        QVERIFY(v.messenger.messages.empty());
    }

    void fitZoomStaysWithinTheZoomLimits()
    {
        QCOMPARE(Viewport::fitZoom(100, 100, 9300, 7395), Viewport::LargestZoom);
        QCOMPARE(Viewport::fitZoom(100000, 100000, 9300, 7395), Viewport::SmallestZoom);
    }

    void aRedrawResetsTheBarsAndTheirEnabledState()
    {
        Viewer v(8000, 10000); // drawn 7998 by 9998: taller than the viewport
        QVERIFY(v.viewport.vScroll().enabled);
        v.viewport.setVScrollValue(5);
        QVERIFY(v.viewport.surface().top < 0);
        const int draws = v.painter.draws;
        v.zoomOut(); // 0.75: 7498 high, still taller
        QCOMPARE(v.viewport.vScroll().value, 0);
        QCOMPARE(v.viewport.surface().top, 0);
        QCOMPARE(v.painter.draws, draws + 1);
        v.zoomOut(); // 0.5: 4999 high, fits
        QVERIFY(!v.viewport.vScroll().enabled);
    }
};

QTEST_GUILESS_MAIN(TestViewport)
#include "test_viewport.moc"
