#include "Form1.h"

#include <limits>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QToolTip>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include "AppTitle.h"
#include "BuiltInLetter.h"
#include "CommonDialog.h"
#include "Form2.h"
#include "JobProgress.h"
#include "LetterEngine.h"
#include "PageSnapshotSize.h"
#include "ScratchFiles.h"
#include "Settings.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "HelpTexts.h"
#include "IsInstalled.h"
#include "LetterFields.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "LetterCheck.h"
#include "LetterTextWindow.h"
#include "LivePage.h"
#include "LivePageWindow.h"
#include "MoreFieldsWindow.h"
#include "LettersRecord.h"
#include "LettersWindow.h"
#include "PaperSizeMenu.h"
#include "DesignMenu.h"
#include "Placeholders.h"
#include "PlaceholdersWindow.h"
#include "Spelling.h"
#include "Main.h"
#include "Messenger.h"
#include "ProgramFolder.h"
#include "PushButton.h"
#include "SaveBuiltInLetter.h"
#include "ScreenFit.h"
#include "SkinFramework.h"
#include "Twips.h"
#include "WindowAccessibility.h"
#include "WindowLook.h"
#include "WordAutomation.h"

namespace {
constexpr int ClientWidth = 8040, ClientHeight = 5670; // twips
constexpr int LabelHeight = 225, FieldHeight = 345, LabelDrop = 45;

struct Row
{
    int frame;           // 1 or 2
    int label;           // index into Label2
    const char *caption; // with its mnemonic, unique in the window
    int labelLeft, labelWidth;
    int field; // index into Text1
    int fieldLeft, fieldTop, fieldWidth;
    const char *accessibleName; // what a screen reader announces for the field
    const char *description;
};

// The rows of both frames, in tab order.
constexpr std::array<Row, 12> Rows = {{
        {1, 0, QT_TRANSLATE_NOOP("Form1", "Yo&ur Name:"), 240, 975, 0, 1680, 300, 5895,
         QT_TRANSLATE_NOOP("Form1", "Your Name"),
         QT_TRANSLATE_NOOP("Form1", "Your full name: it heads the letter and signs it")},
        {1, 1, QT_TRANSLATE_NOOP("Form1", "St&reet Address:"), 240, 1335, 6, 1680, 750, 5895,
         QT_TRANSLATE_NOOP("Form1", "Your Street Address"),
         QT_TRANSLATE_NOOP("Form1", "Your street and house number, under your name")},
        {1, 4, QT_TRANSLATE_NOOP("Form1", "C&ity:"), 240, 360, 1, 1680, 1200, 2895,
         QT_TRANSLATE_NOOP("Form1", "Your City"), QT_TRANSLATE_NOOP("Form1", "Your city, in your address")},
        {1, 8, QT_TRANSLATE_NOOP("Form1", "&State:"), 4680, 495, 8, 5280, 1200, 495,
         QT_TRANSLATE_NOOP("Form1", "Your State"), QT_TRANSLATE_NOOP("Form1", "Your state, after your city")},
        {1, 9, QT_TRANSLATE_NOOP("Form1", "Zi&p Code:"), 5880, 780, 9, 6720, 1200, 855,
         QT_TRANSLATE_NOOP("Form1", "Your Zip Code"), QT_TRANSLATE_NOOP("Form1", "Your zip code, after your state")},
        {2, 7, QT_TRANSLATE_NOOP("Form1", "Recipient &Name:"), 240, 1380, 7, 1680, 300, 5895,
         QT_TRANSLATE_NOOP("Form1", "Recipient Name"),
         QT_TRANSLATE_NOOP("Form1", "Whom you write to: heads the inside address and the greeting")},
        {2, 10, QT_TRANSLATE_NOOP("Form1", "&Title:"), 240, 405, 10, 1680, 750, 5895,
         QT_TRANSLATE_NOOP("Form1", "Recipient Title"), QT_TRANSLATE_NOOP("Form1", "The recipient's job title")},
        {2, 11, QT_TRANSLATE_NOOP("Form1", "Co&mpany Name:"), 240, 1380, 11, 1680, 1200, 5895,
         QT_TRANSLATE_NOOP("Form1", "Recipient Company Name"), QT_TRANSLATE_NOOP("Form1", "The recipient's company")},
        {2, 5, QT_TRANSLATE_NOOP("Form1", "Street A&ddress:"), 240, 1335, 4, 1680, 1650, 5895,
         QT_TRANSLATE_NOOP("Form1", "Recipient Street Address"),
         QT_TRANSLATE_NOOP("Form1", "The recipient's street and number")},
        {2, 6, QT_TRANSLATE_NOOP("Form1", "Cit&y:"), 240, 360, 5, 1680, 2100, 2895,
         QT_TRANSLATE_NOOP("Form1", "Recipient City"), QT_TRANSLATE_NOOP("Form1", "The recipient's city")},
        {2, 3, QT_TRANSLATE_NOOP("Form1", "St&ate:"), 4680, 495, 3, 5280, 2100, 495,
         QT_TRANSLATE_NOOP("Form1", "Recipient State"), QT_TRANSLATE_NOOP("Form1", "The recipient's state")},
        {2, 2, QT_TRANSLATE_NOOP("Form1", "&Zip Code:"), 5880, 780, 2, 6720, 2100, 855,
         QT_TRANSLATE_NOOP("Form1", "Recipient Zip Code"), QT_TRANSLATE_NOOP("Form1", "The recipient's zip code")},
}};

// What the three commands do, for their tooltips and screen readers.
constexpr char StartTip[] = QT_TRANSLATE_NOOP(
        "Form1", "Fills the letter template with these fields and today's date and shows the letter");
constexpr char ClearTip[] = QT_TRANSLATE_NOOP("Form1", "Empties the twelve fields (Ctrl+Z brings them back)");
constexpr char SampleTip[]
        = QT_TRANSLATE_NOOP("Form1", "Fills the twelve fields with an example letter (Ctrl+Z brings yours back)");
// Shown at "Clear/Reset Data" and "Load Sample/Example Data" once the
// fields are set.
constexpr char UndoClearHint[] = QT_TRANSLATE_NOOP("Form1", "Cleared. Ctrl+Z to undo.");
constexpr char UndoSampleHint[] = QT_TRANSLATE_NOOP("Form1", "Sample loaded. Ctrl+Z to undo.");

} // namespace

LetterFieldEdit::LetterFieldEdit(QWidget *parent) : QLineEdit(parent)
{
    // Pointer movement over a field changes no pointer.
    setAttribute(Qt::WA_NoMousePropagation);
    // A field's text may be of any length; the line edit's own limit would
    // cut a long stored text on restore and store the cut text back.
    setMaxLength(std::numeric_limits<int>::max());
}

bool LetterFieldEdit::event(QEvent *event)
{
    // With nothing of its own to undo, the field leaves Ctrl+Z to the
    // window, whose Edit > Undo it then reaches.
    if (event->type() == QEvent::ShortcutOverride && !isUndoAvailable()
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void LetterFieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        selectAll();
}

Form1::Form1(const Form1Services &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_session(services.messenger, services.automation), m_pointer(this),
      SkinFramework1(std::make_unique<SkinFramework>()), m_endProgram([] { QCoreApplication::quit(); }),
      m_programFolder(findProgramFolder()), m_inputBlock(this),
      m_letterProgress(std::make_unique<JobProgress>(this, m_pointer)),
      m_ownCommonDialog(std::make_unique<FileDialogCommonDialog>(this)), CommonDialog1(m_ownCommonDialog.get())
{
    m_lettersRecord = std::make_unique<LettersRecord>();
    installWindowAccessibility();
    setWindowTitle(QStringLiteral("Form1"));
    setMouseTracking(true);
    setColours(this, Qt::white, DesignText);
    createControls();
    describeControls();
    createMenus();
    setFixedSize(twipsToPixels(ClientWidth, this), clientTop() + twipsToPixels(ClientHeight, this));
    ScreenFit::install(this, menuBar);
}

Form1::~Form1() = default;

int Form1::clientTop() const
{
    return menuBar->height();
}

void Form1::createMenus()
{
    menuBar = new QMenuBar(this);
    // Part of the window on every desktop, so that the client area below
    // it keeps its size and place.
    menuBar->setNativeMenuBar(false);
    menuBar->setAutoFillBackground(true);
    menuBar->setAccessibleName(tr("Menu bar"));
    menuBar->setAccessibleDescription(tr("The Letter, Edit, View and Help menus"));

    letterMenu = menuBar->addMenu(tr("&Letter"));
    letterMenu->setAccessibleDescription(tr("The letter's template and text, and Quit"));
    builtInLetterAction = letterMenu->addAction(tr("&Built-in Letter"), this, &Form1::BuiltInLetter_Click);
    builtInLetterAction->setCheckable(true);
    builtInLetterAction->setChecked(true);
    builtInLetterAction->setStatusTip(tr("Make letters from the built-in template"));
    useMyOwnTemplateAction = letterMenu->addAction(tr("&Use My Own Template…"), this, &Form1::UseMyOwnTemplate_Click);
    useMyOwnTemplateAction->setStatusTip(tr("Make letters from a document of your own that holds the placeholders"));
    saveBuiltInLetterAsAction
            = letterMenu->addAction(tr("&Save Built-in Letter As…"), this, &Form1::SaveBuiltInLetterAs_Click);
    saveBuiltInLetterAsAction->setStatusTip(
            tr("Save the built-in letter to write your own text around its placeholders"));
    editLetterTextAction = letterMenu->addAction(tr("&Edit Letter Text…"), this, &Form1::EditLetterText_Click);
    editLetterTextAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    editLetterTextAction->setStatusTip(
            tr("Write the built-in letter's body in your own words, with your phone and e-mail"));
    moreFieldsAction = letterMenu->addAction(tr("More &Fields…"), this, &Form1::MoreFields_Click);
    moreFieldsAction->setStatusTip(
            tr("Give values to the placeholders your letter uses beyond the fields, such as [Position]"));
    lettersSentAction = letterMenu->addAction(tr("Le&tters Sent…"), this, &Form1::LettersSent_Click);
    lettersSentAction->setStatusTip(tr("Every letter saved, exported, printed or written by a batch, and its status"));
    paperSizeMenu = new PaperSizeMenu(letterMenu);
    letterMenu->addMenu(paperSizeMenu);
    connect(paperSizeMenu, &PaperSizeMenu::notStored, this, [this](const QString &why) { warnEntriesNotKept(why); });
    designMenu = new DesignMenu(letterMenu);
    letterMenu->addMenu(designMenu);
    connect(designMenu, &DesignMenu::notStored, this, [this](const QString &why) { warnEntriesNotKept(why); });
    // The letter kept open for the next click is of the design it was made
    // in: one in the new design is made ready, or that click would open it.
    connect(designMenu, &QMenu::triggered, this, [this] {
        if (!mBusy)
            m_session.prepareNextLetter(letterRequest());
    });
    letterMenu->addSeparator();
    quitAction = letterMenu->addAction(tr("&Quit"), this, &Form1::close);
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quitAction->setShortcutContext(Qt::ApplicationShortcut);

    // Alt+E is the menu's: the letters of "Edit" are no field's keys.
    editMenu = menuBar->addMenu(tr("&Edit"));
    editMenu->setAccessibleDescription(tr("Undo of Clear/Reset Data and Load Sample/Example Data"));
    editMenu->addAction(undoAction);
    createViewMenu();

    helpMenu = menuBar->addMenu(tr("&Help"));
    helpMenu->setAccessibleDescription(tr("The placeholders, and about Tessaline"));
    placeholdersAction = helpMenu->addAction(tr("&Placeholders…"), this, &Form1::Placeholders_Click);
    aboutAction = helpMenu->addAction(tr("&About Tessaline"), this, &Form1::About_Click);
    nameMenusAfterTheirTitles(menuBar);

    // The bar's button for menus that do not fit (never needed at this width).
    const QList<QToolButton *> barButtons = menuBar->findChildren<QToolButton *>();
    for (QToolButton *button : barButtons) {
        button->setAccessibleName(tr("More menus"));
        button->setAccessibleDescription(tr("The menus that do not fit on the menu bar"));
    }
    menuBar->adjustSize();
    menuBar->setGeometry(0, 0, twipsToPixels(ClientWidth, this), menuBar->sizeHint().height());
    // The client area, with every control at its place, begins below the
    // menu bar.
    const QList<QWidget *> onTheWindow = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : onTheWindow) {
        if (child != menuBar && !child->isWindow())
            child->move(child->x(), child->y() + clientTop());
    }
}

void Form1::createControls()
{
    auto place = [this](QWidget *w, int l, int t, int wd, int h) { w->setGeometry(twipsRect(l, t, wd, h, this)); };

    PushButton6 = new PushButton(tr("Start Creatin&g Template"), this);
    PushButton3 = new PushButton(tr("&Clear/Reset Data"), this);
    PushButton4 = new PushButton(tr("L&oad Sample/Example Data"), this);
    place(PushButton6, 120, 120, 7800, 405);
    place(PushButton3, 120, 630, 3840, 405);
    place(PushButton4, 4080, 630, 3840, 405);

    Frame1 = new Frame(tr("Your Information"), this);
    Frame2 = new Frame(tr("Recipient Information"), this);
    place(Frame1, 120, 1110, 7800, 1725);
    place(Frame2, 120, 2910, 7800, 2625);

    for (PushButton *button : {PushButton6, PushButton3, PushButton4}) {
        button->setFont(buttonFont());
        connect(button, &PushButton::mouseMoved, this, [this] { m_pointer.overButton(); });
    }
    for (Frame *frame : {Frame1, Frame2}) {
        frame->setFont(controlFont());
        setColours(frame, Qt::white, DesignText);
        connect(frame, &Frame::mouseMoved, this, [this] { m_pointer.overBackground(); });
    }

    for (const Row &row : Rows) {
        QWidget *container = row.frame == 1 ? Frame1 : Frame2;
        auto *label = new QLabel(tr(row.caption), container);
        label->setFont(controlFont());
        label->setAttribute(Qt::WA_NoMousePropagation);
        setColours(label, Qt::white, DesignText);
        place(label, row.labelLeft, row.fieldTop + LabelDrop, row.labelWidth, LabelHeight);
        // Bold Liberation Sans runs a little wider than the design's font:
        // let a caption reach to its full width rather than clip it.
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        Label2[size_t(row.label)] = label;

        auto *field = new LetterFieldEdit(container);
        place(field, row.fieldLeft, row.fieldTop, row.fieldWidth, FieldHeight);
        Text1[size_t(row.field)] = field;
        label->setBuddy(field);
    }
    // The date field lies below the client area, out of sight; it takes no
    // keyboard focus (below), so nothing can edit it unseen, and a screen
    // reader is not offered it either.
    Text1[DateFieldIndex] = new LetterFieldEdit(this);
    place(Text1[DateFieldIndex], 120, 7320, 1335, 345);
    Text1[DateFieldIndex]->hide();
    keepFromAssistiveTechnology(Text1[DateFieldIndex]);

    for (int i = 0; i < FieldCount; ++i) {
        Text1[size_t(i)]->setFont(controlFont());
        Text1[size_t(i)]->setProperty("placeholderTag", QString::fromLatin1(LetterFields[size_t(i)].placeholder));
        connect(Text1[size_t(i)], &QLineEdit::textChanged, this, [this, i] { fieldChanged(i); });
    }

    // Tab order: the five sender fields, the seven recipient fields, the
    // three commands, the date field (which Tab passes over).
    QList<QWidget *> order;
    for (const Row &row : Rows)
        order << Text1[size_t(row.field)];
    order << PushButton6 << PushButton3 << PushButton4 << Text1[DateFieldIndex];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Only now: Qt leaves a widget that takes no focus out of the order.
    Text1[DateFieldIndex]->setFocusPolicy(Qt::NoFocus);

    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);

    undoAction = new QAction(tr("&Undo"), this);
    undoAction->setShortcut(QKeySequence::Undo);
    undoAction->setEnabled(false);
    addAction(undoAction);
    connect(undoAction, &QAction::triggered, this, &Form1::undoFieldsCommand);
}

void Form1::describeControls()
{
    for (const Row &row : Rows) {
        LetterFieldEdit *field = Text1[size_t(row.field)];
        field->setAccessibleName(tr(row.accessibleName));
        field->setAccessibleDescription(tr(row.description));
    }
    Text1[DateFieldIndex]->setAccessibleName(tr("Letter Date"));
    Text1[DateFieldIndex]->setAccessibleDescription(tr("Set to today's date whenever a letter is made"));

    const std::array<std::pair<PushButton *, const char *>, 3> commands
            = {{{PushButton6, StartTip}, {PushButton3, ClearTip}, {PushButton4, SampleTip}}};
    for (const auto &[button, tip] : commands) {
        button->setToolTip(tr(tip));
        button->setAccessibleDescription(tr(tip));
    }
}

void Form1::fieldChanged(int index)
{
    storeField(index);
    letterChanged();
    // Anything else that changes a visible field ends the offer to undo a
    // clear or a sample: the undo must not overwrite it.
    if (index != DateFieldIndex && !m_settingAllFields && m_fieldsUndo.canUndo()) {
        m_fieldsUndo.forget();
        updateUndo();
    }
}

void Form1::updateUndo()
{
    const QString command = m_fieldsUndo.command();
    undoAction->setText(command.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(command));
    undoAction->setEnabled(m_fieldsUndo.canUndo() && !isInputBlocked());
    if (!m_fieldsUndo.canUndo() && (QToolTip::text() == tr(UndoClearHint) || QToolTip::text() == tr(UndoSampleHint)))
        QToolTip::hideText();
}

void Form1::storeField(int index)
{
    try {
        m_services.settings.setField(index, Text1[size_t(index)]->text());
    } catch (const std::exception &e) {
        warnEntriesNotKept(QString::fromUtf8(e.what()));
    }
}

void Form1::warnEntriesNotKept(const QString &reason)
{
    // Typing goes on; the user learns once that entries are not kept.
    if (m_storeFailureShown)
        return;
    m_storeFailureShown = true;
    m_services.messenger.showMessage(tr("%1\n\nYou can go on working, but your entries will not be remembered "
                                        "for the next start.")
                                             .arg(reason),
                                     QString(), Messenger::Icon::Warning);
}

Form1::LoadResult Form1::Form_Load()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_Form_Load));
    bool officeAvailable = true;

    trap.step(100, [&] { ApplySkin(); });
    trap.step(102, [&] {
        m_session.loadTemplateChoice();
        showTemplateChoice();
    });
    trap.step(104, [&] { setWindowIcon(applicationIcon()); });
    trap.step(106, [&] { SetAppTitle(); });
    const QString cursorPath = m_programFolder + QStringLiteral("/HAND-M.CUR");
    if (trap.test(108, [&] { return FileExists(cursorPath); }))
        trap.step(110, [&] { m_pointer.setMouseIcon(loadCursorFile(cursorPath)); });
    for (int i = 0; i < FieldCount; ++i)
        trap.step(112, [&] { Text1[size_t(i)]->setText(m_services.settings.field(i)); });
    // Told now, before the window takes input, rather than by a message
    // that pops up on the first keystroke and swallows the next ones.
    try {
        m_services.settings.checkWritable();
    } catch (const std::exception &e) {
        warnEntriesNotKept(QString::fromUtf8(e.what()));
    }
    trap.step(114, [&] { officeAvailable = CheckWordInstalled(m_services.automation, m_services.messenger); });
    // The office's version, for Help > About, is asked now in the
    // background, so that the box has it without waiting.
    if (officeAvailable) {
        m_services.automation.officeVersion();
        restoreLivePage();
    }

    return officeAvailable ? LoadResult::ShowWindow : LoadResult::EndProgram;
}

void Form1::ApplySkin()
{
    const QString skinPath = m_programFolder + QStringLiteral("/x/o.cjs");
    if (!QFileInfo(skinPath).isFile())
        return; // no skin: the window keeps its white design

    // The window, its frames and labels take the button face (it has no
    // picture boxes, the one kind the skin recolours beyond these).
    ApplyButtonFaceColors(this);

    SkinFramework &skin = *SkinFramework1;
    skin.invoke(SkinFramework::LoadSkin, {skinPath, QString()});
    skin.setProperty(SkinFramework::Options, skin.property(SkinFramework::Options).toInt() | 1);
    skin.setProperty(SkinFramework::Enabled, true);
    skin.setProperty(SkinFramework::LockAfterApply, true);
    skin.invoke(SkinFramework::ApplyWindow, {qlonglong(winId())});
}

void Form1::PushButton3_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_PushButton3_Click));
    setAllFields(tr("Clear"), PushButton3, tr(UndoClearHint), [&] {
        for (int i = 0; i < VisibleFieldCount; ++i)
            trap.step(102, [&] { Text1[size_t(i)]->setText(QString()); });
    });
}

void Form1::PushButton4_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_PushButton4_Click));
    setAllFields(tr("Load Sample"), PushButton4, tr(UndoSampleHint), [&] {
        int line = 100;
        for (int index : SampleOrder) {
            line += 2;
            trap.step(line, [&] {
                Text1[size_t(index)]->setText(QString::fromUtf8(LetterFields[size_t(index)].sampleValue));
            });
        }
    });
}

void Form1::setAllFields(const QString &command, PushButton *button, const QString &hint,
                         const std::function<void()> &set)
{
    auto visibleValues = [this] {
        FieldsUndo::Values values;
        for (int i = 0; i < VisibleFieldCount; ++i)
            values[size_t(i)] = Text1[size_t(i)]->text();
        return values;
    };
    const FieldsUndo::Values before = visibleValues();
    m_settingAllFields = true;
    set(); // each field stored through the change handling
    m_settingAllFields = false;

    m_fieldsUndo.replaced(command, before, visibleValues());
    updateUndo();
    if (m_fieldsUndo.command() == command && isVisible())
        QToolTip::showText(button->mapToGlobal(QPoint(0, button->height())), hint, button);
}

void Form1::undoFieldsCommand()
{
    if (!m_fieldsUndo.canUndo() || isInputBlocked())
        return;
    const FieldsUndo::Values values = m_fieldsUndo.take();
    m_settingAllFields = true;
    for (int i = 0; i < VisibleFieldCount; ++i)
        Text1[size_t(i)]->setText(values[size_t(i)]); // stored through the change handling
    m_settingAllFields = false;
    updateUndo();
}

void Form1::setBusyPointer(bool busy)
{
    m_pointer.setCode(busy ? WindowPointer::Busy : WindowPointer::Default);
    setInputBlocked(busy);
}

void Form1::setInputBlocked(bool blocked)
{
    m_inputBlock.setBlocked(blocked);
    updateUndo();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.overBackground();
    QWidget::mouseMoveEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the whole program at once.
    event->accept();
    QCoreApplication::quit();
}
