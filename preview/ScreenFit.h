#pragma once

#include <functional>

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QMenuBar;
class QScrollArea;
class QWidget;

// Keeps a window of fixed size usable on a screen smaller than it (a large
// scale factor, a small screen). While the window fits its screen's
// available area nothing about it changes. Where it does not, the client
// area below the menu bar moves, every control at its place, into a scroll
// area, and the window shrinks to the available area with scroll bars; a
// control that takes the focus (by Tab, a mnemonic or a click) is scrolled
// into view. The menu bar stays at the top, where every command is.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    // A window that can lay its client area out smaller than designed (the
    // preview's page view): `layOut` places its controls for a window of
    // the size given, no smaller than `least`. Only where even `least`
    // does not fit do the controls scroll.
    struct Shrinking
    {
        QSize least;
        std::function<void(QSize)> layOut;
    };

    // Fits and places the window (whose size is final) at once, again each
    // time it is shown, when the window manager gives it its frame and
    // when it moves to another screen. Its frame counts: before the window
    // has one, a common title bar's room is left. The fit belongs to the
    // window.
    static ScreenFit *install(QWidget *window, QMenuBar *menuBar, Shrinking shrinking = {});

    // The scroll area that holds the client area, nullptr while the window
    // has always fitted.
    QScrollArea *scrollArea() const { return m_area; }
    // The window's size as designed, before any fit.
    QSize designedSize() const { return m_designedSize; }

    // Sizes the window for its screen's available area, and moves it inside
    // that area when it is not there already.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScreenFit(QWidget *window, QMenuBar *menuBar);
    int clientTop() const;
    // Moves the client area into the scroll area, once.
    void wrapClientArea();
    // Scrolls the part of the focused control that can show into view.
    void bringIntoView(QWidget *focused);

    QWidget *m_window;
    QMenuBar *m_menuBar;
    QSize m_designedSize;
    QSize m_laidOutSize; // smaller than designed where the window shrinks
    Shrinking m_shrinking;
    QMargins m_fittedFrame; // the frame the last fit counted
    QScrollArea *m_area = nullptr;
    bool m_followsScreen = false;
};

// Limits a dialog (a file dialog, a message box) to the available area of
// its screen and moves it inside that area each time it shows, so that its
// fields and buttons stay on the screen.
void keepDialogInsideScreen(QWidget *dialog);

// Holds a dialog's content in a scroll area as large as the content wants,
// and keeps the dialog inside its screen (keepDialogInsideScreen): where
// the screen is smaller, the content scrolls and what the dialog has
// beside the area (its buttons) stays on the screen. The area belongs to
// the dialog; the caller lays it out.
QScrollArea *scrollableContent(QWidget *dialog, QWidget *content);

// The part of a widget that the widgets around it let show (the page
// inside its view), in the coordinates of `within`, one of its ancestors.
QRect shownPart(const QWidget *widget, const QWidget *within);
