#pragma once

#include <vector>

#include <QPointer>
#include <QWidget>

#include "PictureBox.h"
#include "WordAutomation.h"

class NoticeLine;
class QAction;
class QScrollArea;

// "Tessaline — Live Page": a window beside the main window that shows the
// letter the fields would make now, a page at a time, fitted to the
// window's width; a draft, from which nothing is saved. Page Up, Page Down
// and the wheel move between the pages of a longer letter. What goes wrong
// is one line over the last page shown, never a message box.
//
// It shows what it is given (see LivePage) and never takes the keyboard
// from the window the user types in: it opens without being activated,
// and a new page neither moves the focus nor is announced.
class LivePageWindow : public QWidget
{
    Q_OBJECT
public:
    explicit LivePageWindow(QWidget *parent = nullptr);
    ~LivePageWindow() override;

    // A new letter's pages (at least one): the page shown stays the same
    // number where the letter still has it, else the first.
    void setPages(std::vector<word::PagePicture> pages);
    // One line over the page shown; empty: none.
    void setNotice(const QString &text);
    // Shows another page (from 1); a page the letter does not have is
    // refused.
    void showPage(int number);
    int pageNumber() const { return m_pageNumber; }
    int pageCount() const { return int(m_pages.size()); }

    // Shows the window beside `mainWindow` where its screen has room,
    // leaving that window active; while `mainWindow` is hidden (the
    // preview shows), this one is too.
    void openBeside(QWidget *mainWindow);
    // Shown and not minimised: the page is seen.
    bool isOnScreen() const { return isVisible() && !isMinimized(); }
    // How dense the page pictures need be to fill the view's width: no
    // denser than that (a smaller picture is drawn sooner, and a redraw
    // follows each pause in typing), nor denser than the preview's.
    // A view widened well past what the page was drawn for asks for a
    // redraw (redrawRequested), so that the page does not stay blurred.
    int pagePixelsPerLogicalInch(int previewPixelsPerLogicalInch);

    NoticeLine *noticeLine = nullptr;
    QScrollArea *view = nullptr;
    PictureBox *page = nullptr;
    QAction *nextPageAction = nullptr;
    QAction *previousPageAction = nullptr;

signals:
    // The page came on screen or left it (hidden, minimised, closed).
    void onScreenChanged(bool onScreen);
    // The user closed the window (its close button, Ctrl+W): the owner
    // hides it.
    void closed();
    // The notice's "Try Again".
    void redrawRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showCurrentPage(PictureBox::Announce announce);
    // Draws the page shown as wide as the view, less a scroll bar when it is
    // taller than the view.
    void fitToWidth();
    int densityForView() const;
    void showCaption();
    void tellOnScreen();
    // Placed beside it the first time.
    void showBesideMainWindow();
    // The wheel at the page's end (or over a page that fits) turns it.
    bool wheelTurnsPage(int angleDelta);

    std::vector<word::PagePicture> m_pages;
    int m_pageNumber = 0;
    // The density the last page was asked at, and the densest allowed.
    int m_densityAsked = 0;
    int m_densiest = 0;
    int m_wheelDelta = 0; // turned but not yet a whole notch
    bool m_wasOnScreen = false;
    QPointer<QWidget> m_mainWindow;
    bool m_hiddenWithMainWindow = false;
    bool m_placed = false;
};
