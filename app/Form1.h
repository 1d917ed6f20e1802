#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "FieldsUndo.h"
#include "InputBlock.h"
#include "LetterEngine.h"
#include "LetterSession.h"
#include "WindowPointer.h"

class CommonDialog;
class Form2;
class LetterTextWindow;
class LettersRecord;
class LettersWindow;
class MoreFieldsWindow;
class PaperSizeMenu;
class DesignMenu;
class PlaceholdersWindow;
class JobProgress;
class LivePage;
class LivePageWindow;
class Frame;
class Messenger;
class PushButton;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class Settings;
class SkinFramework;
namespace word {
class Automation;
}

// What the main window works with; the program passes the real ones,
// tests their own.
struct Form1Services
{
    Messenger &messenger;
    Settings &settings;
    word::Automation &automation;
};

// A letter field: a single-line text box of any length that selects all its
// text when the keyboard brings the focus to it (Tab, Backtab, a label's
// mnemonic), so that typing replaces it; a click, a closed menu or a return
// from another window leaves caret and selection where they were.
class LetterFieldEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LetterFieldEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

// The main window: the twelve visible letter fields (and the hidden date
// field) with the commands "Start Creating Template", "Clear/Reset Data"
// and "Load Sample/Example Data", and a menu bar above its client area
// with the letter's template and help.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(const Form1Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    enum class LoadResult { ShowWindow, EndProgram };

    // The load sequence, run once at start-up before the window is shown:
    // skin, caption, icon, application title, hand cursor, the fields'
    // restore and the office check. EndProgram when the office cannot be
    // started.
    LoadResult Form_Load();

    // The folder in which the optional "HAND-M.CUR" and "x/o.cjs" are
    // looked for; the program's own folder (findProgramFolder()) unless set.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString programFolder() const { return m_programFolder; }

    void ApplySkin();

    // Commands.
    void PushButton3_Click(); // "Clear/Reset Data"
    void PushButton4_Click(); // "Load Sample/Example Data"
    void PushButton6_Click(); // "Start Creating Template"
    // Brings back the twelve values that the last "Clear/Reset Data" or
    // "Load Sample/Example Data" replaced, and stores them again.
    void undoFieldsCommand();
    void BuiltInLetter_Click();       // "Built-in Letter"
    void UseMyOwnTemplate_Click();    // "Use My Own Template…"
    void SaveBuiltInLetterAs_Click(); // "Save Built-in Letter As…"
    void EditLetterText_Click();      // "Edit Letter Text…"
    void MoreFields_Click();          // "More Fields…"
    void Placeholders_Click();        // "Placeholders…"
    void About_Click();               // "About Tessaline"
    void LettersSent_Click();         // "Letters Sent…"
    // View ▸ Live Page: the live page window opens beside this one, or
    // closes; the choice is remembered for the next start.
    void LivePage_Toggled(bool on);

    // The template letters are made from: a user's file, or empty for the
    // built-in one. Read from the settings at load.
    QString templateFile() const { return m_session.templateFile(); }
    // The file dialog; the real one unless set.
    void setCommonDialog(CommonDialog *dialog);

    // The menu bar above the client area (every control keeps its place
    // within the client area, below it), its menus and their commands.
    QMenuBar *menuBar = nullptr;
    QMenu *letterMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *livePageAction = nullptr;
    QAction *builtInLetterAction = nullptr;
    QAction *useMyOwnTemplateAction = nullptr;
    QAction *saveBuiltInLetterAsAction = nullptr;
    QAction *editLetterTextAction = nullptr;
    QAction *moreFieldsAction = nullptr;
    QAction *lettersSentAction = nullptr;
    // Letter ▸ Paper Size: the built-in letter's paper.
    PaperSizeMenu *paperSizeMenu = nullptr;
    DesignMenu *designMenu = nullptr;
    QAction *quitAction = nullptr;
    QAction *placeholdersAction = nullptr;
    QAction *aboutAction = nullptr;
    // Where the client area begins: the menu bar's height, in pixels.
    int clientTop() const;

    // The letter being made, while "Start Creating Template" waits for it
    // (nullptr otherwise), and the progress it shows meanwhile.
    LetterEngine *letterInProgress() const { return m_session.letterInProgress(); }
    JobProgress &letterProgress() { return *m_letterProgress; }
    // Where the last letter's time went, for the benchmarks.
    const LetterTimings &lastLetterTimings() const { return m_session.lastLetterTimings(); }

    // The record of letters (nullptr when the settings keep none), and its
    // window once opened.
    LettersRecord *lettersRecord() const { return m_lettersRecord.get(); }
    LettersWindow *lettersWindow() const { return m_lettersWindow.get(); }

    // The Letter Text window while it is open (nullptr otherwise).
    LetterTextWindow *letterTextWindow() const { return m_letterTextWindow; }
    // The More Fields window while it is open (nullptr otherwise).
    MoreFieldsWindow *moreFieldsWindow() const { return m_moreFieldsWindow; }
    // The Placeholders window while it is open (nullptr otherwise).
    PlaceholdersWindow *placeholdersWindow() const;

    // The live page and its window, made when first opened (nullptr until).
    LivePage *livePage() const { return m_livePage.get(); }
    LivePageWindow *livePageWindow() const { return m_livePageWindow.get(); }

    // The preview window, loaded on first use.
    Form2 &form2();
    // Loads now, while the user types, what the first letter would load on
    // its road: the preview window, the spelling dictionary, and the letter
    // itself, open and filled in the window's office.
    void prepareFirstLetter();
    bool hasForm2() const { return m_form2 != nullptr; }
    // How the program ends when the preview window closes.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    WindowPointer &pointer() { return m_pointer; }
    bool isBusy() const { return mBusy; }
    // True while a letter is being made: the window takes no input.
    bool isInputBlocked() const { return m_inputBlock.isBlocked(); }
    SkinFramework &skinFramework() { return *SkinFramework1; }

    std::array<LetterFieldEdit *, 13> Text1{};
    std::array<QLabel *, 12> Label2{};
    PushButton *PushButton6 = nullptr;
    PushButton *PushButton3 = nullptr;
    PushButton *PushButton4 = nullptr;
    Frame *Frame1 = nullptr;
    Frame *Frame2 = nullptr;
    // Edit > Undo (Ctrl+Z), named after what it undoes ("Undo Clear",
    // "Undo Load Sample"): enabled only while that can be undone.
    QAction *undoAction = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void describeControls();
    void fieldChanged(int index);
    void storeField(int index);
    void updateUndo();
    // Runs `set`, which assigns the twelve visible fields, as one command
    // that Edit > Undo takes back; then `hint` under the command's button
    // offers the undo.
    void setAllFields(const QString &command, PushButton *button, const QString &hint,
                      const std::function<void()> &set);
    // Shows the main window again after the preview, the first field ready.
    void comeBack();
    void createMenus();
    // View ▸ Live Page, and what makes the live page behind (Form1LivePage.cpp).
    void createViewMenu();
    void restoreLivePage();
    // Something the letter is made from changed: the live page follows.
    void letterChanged();
    // The letter the fields make now, as "Start Creating Template" makes it.
    LetterRequest letterRequest() const;
    // Makes the choice the one in use: caption, menu check, settings.
    void showTemplateChoice();
    void warnEntriesNotKept(const QString &reason);

    // While the window works, nothing in it may act or change a field: it
    // takes no input, and shows the busy pointer when asked.
    void setBusyPointer(bool busy);
    void setInputBlocked(bool blocked);
    // What would come out wrong in a letter made is the user's to decide
    // before it shows: true to show it, false when the user went back
    // (and, asked for, to More Fields).
    bool letterMayShow(const LetterRequest &request, const MadeLetter &made);
    // The density of the page pictures for the screen the window is on.
    int pagePixelsPerLogicalInch() const;

    Form1Services m_services;
    // The letter without the widgets: template, request, engine, reports.
    LetterSession m_session;
    WindowPointer m_pointer;
    std::unique_ptr<SkinFramework> SkinFramework1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<LettersRecord> m_lettersRecord;
    std::unique_ptr<LettersWindow> m_lettersWindow;
    std::function<void()> m_endProgram;
    QString m_programFolder;
    InputBlock m_inputBlock;
    std::unique_ptr<JobProgress> m_letterProgress;
    FieldsUndo m_fieldsUndo;
    // Set while a command sets the fields as a whole (clear, sample and
    // their undo), whose own changes do not end the undo offer.
    bool m_settingAllFields = false;
    LetterTextWindow *m_letterTextWindow = nullptr;
    MoreFieldsWindow *m_moreFieldsWindow = nullptr;
    QPointer<PlaceholdersWindow> m_placeholdersWindow;
    std::unique_ptr<LivePageWindow> m_livePageWindow;
    std::unique_ptr<LivePage> m_livePage;
    std::unique_ptr<CommonDialog> m_ownCommonDialog;
    CommonDialog *CommonDialog1 = nullptr;
    bool mBusy = false;
    bool m_storeFailureShown = false;
};
