#pragma once

#include <array>
#include <memory>

#include <QLineEdit>
#include <QWidget>

#include "WindowPointer.h"

class ClipboardSource;
class FieldStore;
class Form2;
class Frame;
class Messenger;
class PushButton;
class QLabel;
class SkinFramework;
namespace word { class Automation; }

// What the main window works with; the program passes the real ones,
// tests their own.
struct Form1Services
{
    Messenger &messenger;
    FieldStore &store;
    word::Automation &automation;
    ClipboardSource &clipboard;
};

// A letter field: a single-line text box that selects all its text when it
// receives the focus.
class LetterFieldEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LetterFieldEdit(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// The main window: the twelve visible letter fields (and the hidden date
// field) with the commands "Start Creating Template", "Clear/Reset Data"
// and "Load Sample/Example Data".
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
    // looked for; the program's own folder unless set.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString programFolder() const { return m_programFolder; }

    void ApplySkin();

    // Commands.
    void PushButton3_Click();   // "Clear/Reset Data"
    void PushButton4_Click();   // "Load Sample/Example Data"

    WindowPointer &pointer() { return m_pointer; }
    bool isBusy() const { return mBusy; }
    SkinFramework &skinFramework() { return *SkinFramework1; }

    std::array<LetterFieldEdit *, 13> Text1{};
    std::array<QLabel *, 12> Label2{};
    PushButton *PushButton6 = nullptr;
    PushButton *PushButton3 = nullptr;
    PushButton *PushButton4 = nullptr;
    Frame *Frame1 = nullptr;
    Frame *Frame2 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void storeField(int index);

    Form1Services m_services;
    WindowPointer m_pointer;
    std::unique_ptr<SkinFramework> SkinFramework1;
    QString m_programFolder;
    bool mBusy = false;
    bool m_storeFailureShown = false;
};
