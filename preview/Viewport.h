#pragma once

#include <cstdint>
#include <optional>

class ErrorTrap;

// The zoom, scroll and drag model of the preview, in twips (1/1440 inch).
//
// Three boxes take part: the viewport (Picture2, with a single border; of
// its designed size unless the window is laid out smaller for its screen), the surface inside it (Picture1, on which
// the picture is drawn at the current zoom; panning moves it) and the holder (Zoom_Ori, which keeps the picture as
// loaded and is the source of every redraw). The surface's left and top are measured from the viewport's inner top-left
// corner; panning uses offsets of 0 or less. "Outer" sizes include a box's
// border, "inner" sizes do not.
//
// Invariants after every call: on an axis where the surface fits inside the
// viewport's inner area its offset is 0 and that bar is disabled; on an axis
// where it does not, the offset lies between (inner size − surface size) and
// 0, and the bar's maximum reaches the surface's far edge. So the page can
// never be lost from view.
//
// The model holds no widget and calls none. After each call the preview's
// page area (PageArea) asks it for the drawing that is due (takeDrawing),
// paints it, and mirrors the rest of the state into its widgets.
class Viewport
{
public:
    static constexpr float InitialZoom = 1.0f;
    static constexpr float ZoomStepSize = 0.25f;
    static constexpr float SmallestZoom = 0.25f;
    static constexpr float LargestZoom = 4.0f;
    static constexpr int DrawWidthLimit = 8500;   // drawn only when below
    static constexpr int DrawHeightLimit = 10700; // drawn only when below
    static constexpr int SourceTrim = 2;          // off the holder's inner size
    static constexpr int FineCoarseThreshold = 100;
    static constexpr int CoarseDivisor = 10;
    static constexpr int ViewportOuterWidth = 9330;
    static constexpr int ViewportOuterHeight = 7425;
    // An arrow click, an arrow key or a wheel line: about one line of the
    // letter's text (twelve points), in twips.
    static constexpr int LineTwips = 240;

    enum class Axis { Horizontal, Vertical };
    // What an arrow click, a click in the track or a key asks of a bar.
    enum class ScrollMove { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd };

    // A drawing that is due: the surface is blanked, the holder's region
    // (0, 0, sourceWidth, sourceHeight) is drawn stretched to (0, 0, width,
    // height) of the surface, all in twips, and the pointer is reset.
    struct Drawing
    {
        int sourceWidth = 0;
        int sourceHeight = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Drawing &) const = default;
    };

    struct Box
    {
        int left = 0;
        int top = 0;
        int outerWidth = 0;
        int outerHeight = 0;
    };

    // A scroll bar, in its own units (one unit moves the surface by the
    // axis' step: mHStep or mVStep twips).
    struct ScrollBar
    {
        int value = 0; // 0 .. maximum
        int maximum = 0;
        bool enabled = false;
        int singleStep = 1; // units per arrow click: about one line
        int pageStep = 1;   // units per click in the track: one viewport
    };

    // borderTwips: the width of a picture box's single border.
    explicit Viewport(int borderTwips = 15);

    // A picture of the given size (twips) is assigned to the surface; with
    // auto-size on, the surface's outer size fits it at once.
    void assignPicture(int pictureWidth, int pictureHeight);

    // The viewer set-up, run on the first activation after a new picture:
    // holder, zoom 1.0, source extents, first draw, scroll bars. Its steps
    // are steps of the activation handler (lines 104 to 112) and run
    // through that handler's trap.
    void setUp(ErrorTrap &trap, ErrorTrap &redrawTrap);

    // Zoom in (direction 0) or out (any other value) by a quarter.
    void ZoomStep(int direction, ErrorTrap &redrawTrap);
    // Takes a factor from 0.25 to 4.0 and redraws; refuses others silently.
    void ApplyZoom(float factor, ErrorTrap &redrawTrap);
    // "Fit Page": draws the picture whole inside the viewport (fitZoom);
    // the next zoom step goes on from there.
    void FitPage(ErrorTrap &redrawTrap);
    // The viewport's outer size (twips) changes, as the window is laid out
    // for a screen smaller than it: the surface goes back to the origin and
    // both bars are set up for the new size.
    void setViewportSize(int outerWidth, int outerHeight);
    // The largest zoom at which a source of these extents (twips) is drawn
    // within an inner area of these extents and below the drawing limits,
    // held between the smallest and the largest zoom.
    static float fitZoom(int sourceWidth, int sourceHeight, int innerWidth, int innerHeight);
    // Draws at the current zoom when the drawing stays below the limits,
    // puts it at the origin and sets the bars up for its new size;
    // otherwise keeps what is shown and falls back to zoom 1.0. Reports its
    // own failures through redrawTrap.
    void RedrawImage(ErrorTrap &redrawTrap);
    // The drawing the last calls made due, once: then none until the next.
    std::optional<Drawing> takeDrawing();
    // Puts the surface at the origin and sets both bars up for its current
    // size: enabled, range, step and values 0.
    void SetupScrollbars();

    // A bar's value changes (by the user or the program): its change
    // handler moves the surface. Setting the value it has runs nothing.
    void setHScrollValue(int value);
    void setVScrollValue(int value);
    // Arrow keys, Page Up/Down, Home/End: the bar moves as an arrow click,
    // a click in the track or a jump to an end would move it.
    void scroll(Axis axis, ScrollMove move);
    // The wheel: a number of lines, fractions from fine-grained wheels too;
    // positive scrolls towards the end.
    void scrollLines(Axis axis, double lines);

    // Dragging the surface; x and y are in the surface's own coordinates.
    void mouseDown(float x, float y);
    void mouseMove(int buttons, float x, float y);
    // On release the bars take the values of the surface's offsets, so the
    // page stays where it was dropped (within half a bar unit).
    void mouseUp();
    // The bar value that matches the surface's current offset on an axis.
    int releaseValue(Axis axis) const;

    // State.
    float mZoom = InitialZoom;
    int32_t mOrigWidth = 0, mOrigHeight = 0;
    int32_t mDrawWidth = 0, mDrawHeight = 0;
    int mHStep = 0, mVStep = 0; // twips per bar unit: 0, 1 or 10
    float mDragStartX = 0, mDragStartY = 0;

    const Box &surface() const { return m_surface; }
    const Box &holder() const { return m_holder; }
    const ScrollBar &hScroll() const { return m_h; }
    const ScrollBar &vScroll() const { return m_v; }
    int viewportInnerWidth() const { return m_viewportOuterWidth - 2 * m_border; }
    int viewportInnerHeight() const { return m_viewportOuterHeight - 2 * m_border; }
    int border() const { return m_border; }

    // The integer nearest to x, ties to even.
    static int32_t nearest(double x);

private:
    // One axis of the model, by reference into its state.
    struct AxisState
    {
        ScrollBar &bar;
        int &step;
        int &offset;       // the surface's left or top
        int surfaceOuter;  // the surface's outer width or height
        int viewportInner; // the viewport's inner width or height

        // How far the surface reaches past the viewport: 0 when it fits.
        int overflow() const;
    };
    AxisState axis(Axis which);

    void takeExtentsFromHolder();
    static void setUpBar(AxisState a);
    static void setScrollValue(AxisState a, int value);
    static int clampedOffset(AxisState a, double offset);

    int m_border;
    int m_viewportOuterWidth = ViewportOuterWidth;
    int m_viewportOuterHeight = ViewportOuterHeight;
    std::optional<Drawing> m_due;
    Box m_surface;
    Box m_holder;
    ScrollBar m_h, m_v;
};
