#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

#include "Viewport.h"

class ErrorTrap;
class Messenger;
class PictureBox;
class QScrollBar;
class WindowPointer;

// The preview's page area: the letter's page in a viewport that zooms in
// quarter steps, scrolls by its bars, the wheel and the scroll keys, and
// can be dragged. The Viewport model does the arithmetic in twips; this
// widget converts to pixels, paints the drawing the model makes due and
// mirrors the model into its widgets after every change.
//
// The widget is the viewport box itself (Picture2). Its bars sit beside it
// and the holder (Zoom_Ori) outside the window, each a direct child of the
// window as the window's layout has them: a screen reader finds the
// window's controls in one row, the holder kept from it, and ScreenFit
// moves the controls into its scroll area one by one. The box holds the
// clip, through which the surface (Picture1) shows.
//
// Every failure goes through an error trap with the preview window's
// report locations (Form2.PushButton1_Click, Form2.RedrawImage, ...), as
// the page area's handlers are the window's.
class PageArea : public QFrame
{
    Q_OBJECT
public:
    enum class Zoom { In, Out };

    // Creates the page area on `window`, every part at its place (twips
    // from the client area's top-left corner, which is `clientTop` pixels
    // below the window's), and gives the window the scroll keys. The
    // messenger and the window's pointer must outlive it.
    PageArea(Messenger &messenger, WindowPointer &pointer, QWidget *window, int clientTop);

    PictureBox *surface() const { return m_surface; }
    PictureBox *holder() const { return m_holder; }
    QScrollBar *horizontalBar() const { return m_horizontalBar; }
    QScrollBar *verticalBar() const { return m_verticalBar; }

    // A new page picture, with its words for screen readers: shown at its
    // own size until set up.
    void setPicture(const QImage &picture, const QString &text);
    // Which page (from 1) of how many the surface shows, for its accessible
    // name and description; 0 of 0 for a picture that is not a letter's page.
    void setPageOfPages(int number, int count);
    // The viewer set-up for a new picture: holder, zoom 1.0, first draw and
    // bars. Its steps are those of the window's activation (lines 102 to
    // 112), through that handler's trap.
    void setUp(ErrorTrap &activationTrap);

    // "Zoom In" / "Zoom Out": a quarter step, or refused at a limit (told on
    // screen and to a screen reader, the picture as it was).
    void zoomStep(Zoom direction);
    // "Fit Page": the zoom at which the whole picture fits the view.
    void fitPage();
    // Lays the view out smaller than designed by `less` pixels (none: as
    // designed), its bars beside it, for a window laid out for a screen
    // smaller than it; the page goes back to its top left corner.
    void shrinkView(QSize less);
    void scroll(Viewport::Axis axis, Viewport::ScrollMove move);
    // Dragging the page, in the surface's inner pixels.
    void mouseDown(QPointF innerPixels);
    void mouseMove(Qt::MouseButtons buttons, QPointF innerPixels);
    void mouseUp();

    const Viewport &viewport() const { return m_viewport; }
    // The zoom the page is drawn at: a refused step leaves the picture, and
    // this, as they were, though the viewer's next step starts from 1.0.
    float drawnZoom() const { return m_drawnZoom; }
    // The last step's limit ("Largest zoom reached") until the view changes;
    // empty when no step was refused.
    const QString &zoomRefusal() const { return m_zoomRefusal; }

signals:
    // The page area was brought up to date: the zoom drawn or a refusal may
    // have changed, and the window's caption with them.
    void viewChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Accessible names and descriptions of the box, the clip and the bars.
    void describeParts();
    // The arrow keys, Page Up, Page Down, Home and End scroll the page
    // wherever the focus is in the window: a focused push button would
    // otherwise take the arrows to move the focus.
    void addScrollKeys(QWidget *window);
    // The wheel over the page: scrolls (Shift: sideways); with Ctrl, zooms.
    void wheel(QWheelEvent *event);
    // Mirrors the model into the surface, the bars and the page's name and
    // description, then tells the window.
    void syncFromViewport();
    // The page's accessible name (with the page of pages) and description
    // (the zoom drawn, a refused step, and how to move it): a screen reader
    // hears each change of page or zoom.
    void describePage();
    // Paints the drawing the model made due, if any: blanks the surface,
    // draws the holder's picture stretched on it and resets the pointer,
    // each step through the redraw's trap. True when there was one.
    bool paintDueDrawing(ErrorTrap &redrawTrap);
    QPointF toTwips(QPointF innerPixels) const;

    Messenger &m_messenger;
    WindowPointer &m_pointer;
    Viewport m_viewport;
    QWidget *m_clip = nullptr;
    PictureBox *m_surface = nullptr;
    PictureBox *m_holder = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    // The view's and its bars' places as designed, in the window.
    QRect m_designedView, m_designedHorizontalBar, m_designedVerticalBar;
    int m_pageNumber = 0;
    int m_pageCount = 0;
    bool m_syncing = false;
    int m_zoomWheelDelta = 0; // Ctrl+wheel turned but not yet a whole notch
    float m_drawnZoom = Viewport::InitialZoom;
    QString m_zoomRefusal;
};
