#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QWidget>

#include "LetterFormat.h"
#include "LettersRecord.h"
#include "MailHandover.h"
#include "PageArea.h"
#include "ScreenFit.h"
#include "WordAutomation.h"
#include "WindowPointer.h"

class CommonDialog;
class Frame;
class JobProgress;
class Messenger;
class PictureBox;
class PrintDialog;
class PushButton;
class QAction;
class QFrame;
class NoticeLine;
class QMenuBar;
class QScrollBar;
namespace word {
class Automation;
}

// The preview window: the filled letter's page picture in a viewport that
// zooms in quarter steps, scrolls and can be dragged, with "Save Results To
// Word File" and "< Back". A menu bar above the client area carries every
// command, and the exports and print that go through the office.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(Messenger &messenger, QWidget *parent = nullptr);
    ~Form2() override;

    // The load steps: colours, caption, icon, hand cursor.
    void Form_Load();
    // The activation steps: the viewer set-up once per new picture.
    void Form_Activate();

    // Hands over a new page picture, with its words for screen readers.
    // The viewer is set up again for it at the next activation, so an
    // earlier letter never comes back on zoom.
    void setPicture(const QImage &picture, const QString &text = QString());
    // Hands over a new letter's pages (at least one) and shows its first.
    void setPages(std::vector<word::PagePicture> pages);
    // Shows another page (from 1), set up as a new picture; a page the
    // letter does not have is refused.
    void showPage(int number);
    int pageNumber() const { return m_pageNumber; }
    int pageCount() const { return int(m_pages.size()); }
    // Shows the window and brings it to the front.
    void showPreview();

    // The full path of the filled scratch document.
    QString mWordFile;
    // The letter's title ("Letter to Brightwater Analytics"), from which
    // the save and export dialogs propose a file name.
    void setLetterTitle(const QString &title) { m_letterTitle = title; }
    // The record every letter saved, exported or printed goes into
    // (nullptr: none is kept), and the letter's company, recipient and
    // position as its entries give them.
    void setLettersRecord(LettersRecord *record) { m_lettersRecord = record; }
    void setLetterParticulars(const LetterEntry &particulars) { m_particulars = particulars; }
    // The subject and address "Send by E-mail…" hands over with the letter.
    void setMail(const MailRequest &mail) { m_mail = mail; }

    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    // The save dialog; the real file dialog unless a test sets its own.
    void setCommonDialog(std::unique_ptr<CommonDialog> dialog);
    // The print dialog; the platform's unless a test sets its own.
    void setPrintDialog(std::unique_ptr<PrintDialog> dialog);
    // The office that exports and prints the letter; without one those
    // commands report that no office is there.
    void setOffice(word::Automation &automation) { m_automation = &automation; }
    JobProgress &progress() { return *m_progress; }

    // One action per command, shared by the menu bar and the buttons.
    QAction *saveAction = nullptr;
    QAction *exportPdfAction = nullptr;
    QAction *exportDocxAction = nullptr;
    QAction *exportOdtAction = nullptr;
    QAction *printAction = nullptr;
    QAction *emailAction = nullptr;
    QAction *backAction = nullptr;
    QAction *lettersSentAction = nullptr;
    QAction *quitAction = nullptr;
    QMenuBar *menuBar = nullptr;
    // What is worth a look in this letter, beside the menu bar, with a way
    // to the letter text; hidden when nothing is.
    NoticeLine *noticeLine = nullptr;
    void setNotice(const QString &text);

    // Commands and handlers.
    void PushButton1_Click();                     // "Zoom In"
    void PushButton2_Click();                     // "Zoom Out"
    void PushButton6_Click();                     // "Save Results To Word File"
    void PushButton8_Click();                     // "< Back"
    void exportLetter(word::LetterFormat format); // "Export as …"
    void printLetter();                           // "Print…"
    void sendByEmail();                           // "Send by E-mail…"
    void picture1_MouseDown(Qt::MouseButtons buttons, QPointF innerPixels);
    void picture1_MouseMove(Qt::MouseButtons buttons, QPointF innerPixels);
    void Picture1_MouseUp(Qt::MouseButtons buttons, QPointF innerPixels);
    // The close request: deletes the scratch document and never refuses.
    void Form_QueryUnload();

    // The page area's model and the zoom its page is drawn at.
    const Viewport &viewport() const { return m_pageArea->viewport(); }
    float drawnZoom() const { return m_pageArea->drawnZoom(); }
    WindowPointer &pointer() { return m_pointer; }
    bool isFirstActivationPending() const { return mFirstActivate; }

    // The page area's parts (PageArea).
    QFrame *Picture2 = nullptr;     // the viewport box
    PictureBox *Picture1 = nullptr; // the surface
    PictureBox *Zoom_Ori = nullptr; // the holder, never visible
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    Frame *Frame1 = nullptr;
    PushButton *PushButton1 = nullptr;
    PushButton *PushButton2 = nullptr;
    PushButton *PushButton6 = nullptr;
    PushButton *PushButton8 = nullptr;

    // "Zoom In" (Ctrl+plus, Ctrl+=) and "Zoom Out" (Ctrl+minus): the
    // commands of the zoom buttons, for menus and the keyboard.
    QAction *zoomInAction = nullptr;
    QAction *zoomOutAction = nullptr;
    // "Next Page" (Ctrl+Page Down) and "Previous Page" (Ctrl+Page Up),
    // enabled where there is such a page.
    QAction *nextPageAction = nullptr;
    QAction *previousPageAction = nullptr;
    // "Whole Page" (checkable, remembered): each page as printed, the
    // whole sheet; off, its printed block. "Fit Page" (Ctrl+0): the zoom
    // at which the whole picture fits the view.
    QAction *wholePageAction = nullptr;
    QAction *fitPageAction = nullptr;
    void setWholePage(bool on);
    void FitPage();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

signals:
    // "< Back": the main window is to come back (this one hides).
    void backRequested();
    // This window was closed: the program is to end.
    void programEndRequested();
    // The notice's button: the letter goes as with "< Back", and the
    // letter text is to be opened.
    void letterTextRequested();
    // File ▸ Letters Sent…: the record's window is to open.
    void lettersWindowRequested();

private:
    void createControls();
    void createActions();
    // Accessible names, descriptions and tooltips of the buttons.
    void describeControls();
    void createMenus();
    // Where the client area begins, below the menu bar (pixels).
    int clientTop() const;
    // The caption: the zoom drawn, the page shown when the letter has more
    // than one, and a refused step.
    void showCaption();
    // Hands the page on show over to the viewer, in the view chosen.
    void showCurrentPage();
    // "Whole Page" and "Fit Page" (Form2PageViews.cpp).
    void createPageViewActions();
    // Adds the letter written in `format` at `file` (empty: on paper) to
    // the record; its failure is the user's to read.
    void recordLetter(const QString &format, const QString &file);
    // On a screen lower or narrower than the window, the page view gives up
    // the room the screen lacks, down to a third of its height and a
    // quarter of its width; the controls below it move up and narrow with
    // it (Form2PageViews.cpp).
    ScreenFit::Shrinking screenFitShrinking();
    void layOutForWindow(QSize window);

    Messenger &m_messenger;
    std::unique_ptr<CommonDialog> CommonDialog1;
    std::unique_ptr<PrintDialog> m_printDialog;
    std::unique_ptr<JobProgress> m_progress;
    word::Automation *m_automation = nullptr;
    WindowPointer m_pointer;
    PageArea *m_pageArea = nullptr;
    QString m_programFolder;
    bool mFirstActivate = true;
    std::vector<word::PagePicture> m_pages;
    QString m_letterTitle;
    LettersRecord *m_lettersRecord = nullptr;
    LetterEntry m_particulars;
    MailRequest m_mail;
    std::unique_ptr<MailHandover> m_mailHandover;
    int m_pageNumber = 0;
    int m_menuBarHeight = 0;
    // The window's size and its controls' places as designed.
    QSize m_designedSize;
    std::vector<std::pair<QWidget *, QRect>> m_designedPlaces;
};
