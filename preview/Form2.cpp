#include "Form2.h"

#include <array>
#include <cmath>
#include <utility>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

#include "AppTitle.h"
#include "CommonDialog.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "Messenger.h"
#include "NoticeLine.h"
#include "JobProgress.h"
#include "LetterOutput.h"
#include "Logging.h"
#include "Main.h"
#include "PictureBox.h"
#include "PrintDialog.h"
#include "ProgramFolder.h"
#include "PushButton.h"
#include "SaveLetter.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "WindowAccessibility.h"
#include "WindowLook.h"

namespace {
constexpr int ClientWidth = 9840, ClientHeight = 9390; // twips

QString location(const char *text)
{
    return QString::fromLatin1(text);
}
} // namespace

Form2::Form2(Messenger &messenger, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_messenger(messenger), CommonDialog1(std::make_unique<FileDialogCommonDialog>(this)),
      m_printDialog(std::make_unique<QtPrintDialog>(this)), m_pointer(this), m_programFolder(findProgramFolder())
{
    installWindowAccessibility();
    setWindowTitle(QStringLiteral("Form2"));
    setMouseTracking(true);
    setFont(controlFont());
    m_progress = std::make_unique<JobProgress>(this, m_pointer);
    createActions();
    createMenus();
    createControls();
    // The menu bar sits above the client area, which keeps its size where
    // the screen has room for it.
    setFixedSize(twipsToPixels(ClientWidth, this), clientTop() + twipsToPixels(ClientHeight, this));
    ScreenFit::install(this, menuBar, screenFitShrinking());
}

Form2::~Form2() = default;

void Form2::setCommonDialog(std::unique_ptr<CommonDialog> dialog)
{
    CommonDialog1 = std::move(dialog);
}

void Form2::setPrintDialog(std::unique_ptr<PrintDialog> dialog)
{
    m_printDialog = std::move(dialog);
}

int Form2::clientTop() const
{
    return m_menuBarHeight;
}

void Form2::createMenus()
{
    auto action = [this](const QString &text, const QKeySequence &keys, auto handler) {
        auto *a = new QAction(text, this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, handler);
        addAction(a);
        return a;
    };
    saveAction = action(tr("&Save Results To Word File…"), QKeySequence::Save, &Form2::PushButton6_Click);
    exportPdfAction = action(tr("&Export as PDF…"), QKeySequence(Qt::CTRL | Qt::Key_E),
                             [this] { exportLetter(word::LetterFormat::Pdf); });
    exportDocxAction = action(tr("Export as &Word 2007-365 (.docx)…"), QKeySequence(),
                              [this] { exportLetter(word::LetterFormat::WordXml); });
    exportOdtAction = action(tr("Export as &OpenDocument (.odt)…"), QKeySequence(),
                             [this] { exportLetter(word::LetterFormat::OpenDocument); });
    printAction = action(tr("&Print…"), QKeySequence::Print, &Form2::printLetter);
    lettersSentAction = action(tr("&Letters Sent…"), QKeySequence(), [this] { emit lettersWindowRequested(); });
    emailAction = action(tr("Send by E-&mail…"), QKeySequence(), &Form2::sendByEmail);
    backAction = action(tr("< &Back"), QKeySequence(Qt::Key_Escape), &Form2::PushButton8_Click);
    // Quitting is closing the window: the same steps, the same end. Ctrl+Q
    // on every desktop (some platforms define no standard Quit key).
    quitAction = action(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

    menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(tr("&File"));
    file->addActions({saveAction, exportPdfAction, exportDocxAction, exportOdtAction, printAction, emailAction});
    file->addSeparator();
    file->addAction(lettersSentAction);
    file->addSeparator();
    file->addActions({backAction, quitAction});
    QMenu *view = menuBar->addMenu(tr("&View"));
    view->addActions({zoomInAction, zoomOutAction});
    view->addSeparator();
    view->addActions({nextPageAction, previousPageAction});
    view->addSeparator();
    view->addActions({wholePageAction, fitPageAction});
    menuBar->setGeometry(0, 0, twipsToPixels(ClientWidth, this), menuBar->sizeHint().height());
    menuBar->setAccessibleName(tr("Menu Bar"));
    menuBar->setAccessibleDescription(tr("Save, export or print the letter, go back, quit, and zoom"));
    nameMenusAfterTheirTitles(menuBar);
    // The bar's own button for menus that do not fit, hidden while they do.
    if (auto *more = menuBar->findChild<QToolButton *>()) {
        more->setAccessibleName(tr("More Menus"));
        more->setAccessibleDescription(tr("Shows the menus that do not fit on the menu bar"));
    }
    menuBar->setMouseTracking(true);
    menuBar->installEventFilter(this);

    // As high as the bar without it, so that the client area keeps its place.
    m_menuBarHeight = menuBar->sizeHint().height();
    noticeLine = new NoticeLine(tr("Edit Letter Text…"), m_menuBarHeight, menuBar);
    noticeLine->setMaximumWidth(twipsToPixels(ClientWidth, this) * 3 / 4);
    noticeLine->button->setAccessibleDescription(tr("Goes back to the fields and opens the Letter Text window"));
    menuBar->setCornerWidget(noticeLine, Qt::TopRightCorner);
    connect(noticeLine, &NoticeLine::buttonClicked, this, [this] {
        if (m_progress->isRunning())
            return;
        PushButton8_Click();
        emit letterTextRequested();
    });
}

void Form2::setNotice(const QString &text)
{
    noticeLine->setText(text);
    // The bar places its corner widget again only when it is laid out anew.
    QResizeEvent relayout(menuBar->size(), menuBar->size());
    QCoreApplication::sendEvent(menuBar, &relayout);
}

void Form2::createControls()
{
    // Controls of the window itself sit in the client area, below the menu
    // bar; those inside the frame at their own places.
    auto place = [this](QWidget *w, int l, int t, int wd, int h) {
        const QRect r = twipsRect(l, t, wd, h, this);
        w->setGeometry(w->parentWidget() == this ? r.translated(0, clientTop()) : r);
    };

    m_pageArea = new PageArea(m_messenger, m_pointer, this, clientTop());
    connect(m_pageArea, &PageArea::viewChanged, this, &Form2::showCaption);
    Picture2 = m_pageArea;
    Picture1 = m_pageArea->surface();
    Zoom_Ori = m_pageArea->holder();
    HScroll1 = m_pageArea->horizontalBar();
    VScroll1 = m_pageArea->verticalBar();

    Frame1 = new Frame(tr("Zoom:"), this);
    place(Frame1, 120, 7860, 9600, 855);
    connect(Frame1, &Frame::mouseMoved, this, [this] { m_pointer.overBackground(); });
    PushButton1 = new PushButton(tr("Zoom &In"), Frame1);
    PushButton2 = new PushButton(tr("Zoom &Out"), Frame1);
    place(PushButton1, 240, 300, 4440, 405);
    place(PushButton2, 4800, 300, 4560, 405);
    PushButton8 = new PushButton(tr("< &Back"), this);
    PushButton6 = new PushButton(tr("&Save Results To Word File"), this);
    place(PushButton8, 120, 8850, 4680, 405);
    place(PushButton6, 4920, 8850, 4800, 405);
    for (PushButton *button : {PushButton1, PushButton2, PushButton6, PushButton8}) {
        button->setFont(buttonFont());
        connect(button, &PushButton::mouseMoved, this, [this] { m_pointer.overButton(); });
    }
    connect(PushButton1, &QPushButton::clicked, zoomInAction, &QAction::trigger);
    connect(PushButton2, &QPushButton::clicked, zoomOutAction, &QAction::trigger);
    connect(PushButton6, &QPushButton::clicked, saveAction, &QAction::trigger);
    connect(PushButton8, &QPushButton::clicked, backAction, &QAction::trigger);

    // As the controls stand, left to right and top to bottom: the page,
    // its bars (which take no focus), the zoom buttons, "< Back", "Save".
    const QList<QWidget *> order = {Picture1, VScroll1, HScroll1, PushButton1, PushButton2, PushButton8, PushButton6};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    describeControls();
}

void Form2::describeControls()
{
    const std::array<std::pair<PushButton *, QString>, 4> commands = {{
            {PushButton1, tr("Shows the page a quarter step larger")},
            {PushButton2, tr("Shows the page a quarter step smaller")},
            {PushButton6, tr("Saves the letter as a Word 97-2003 document under a name you choose")},
            {PushButton8, tr("Returns to the fields, to change them and make another letter")},
    }};
    for (const auto &[button, tip] : commands) {
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
    }
}

void Form2::Form_Load()
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_Form_Load));
    trap.step(100, [&] { mFirstActivate = true; });
    trap.step(102, [&] { ApplyButtonFaceColors(this); });
    trap.step(104, [&] { showCaption(); });
    trap.step(106, [&] { setWindowIcon(applicationIcon()); });
    const QString cursorPath = m_programFolder + QStringLiteral("/HAND-M.CUR");
    if (trap.test(108, [&] { return FileExists(cursorPath); }))
        trap.step(110, [&] { m_pointer.setMouseIcon(loadCursorFile(cursorPath)); });
}

void Form2::setPicture(const QImage &picture, const QString &text)
{
    m_pageArea->setPicture(picture, text);
    // A new letter is set up afresh at the next activation.
    mFirstActivate = true;
}

void Form2::setPages(std::vector<word::PagePicture> pages)
{
    if (pages.empty())
        throw Failure(tr("The letter has no page to show"));
    m_pages = std::move(pages);
    m_pageNumber = 0;
    showPage(1);
}

void Form2::showPage(int number)
{
    if (number < 1 || number > pageCount() || number == m_pageNumber)
        return;
    m_pageNumber = number;
    showCurrentPage();
}

void Form2::showCurrentPage()
{
    const int number = m_pageNumber;
    const word::PagePicture &page = m_pages[size_t(number - 1)];
    const bool whole = wholePageAction->isChecked() && !page.wholePage.isNull();
    setPicture(whole ? page.wholePage : page.picture, page.text);
    m_pageArea->setPageOfPages(number, pageCount());
    showCaption();
    nextPageAction->setEnabled(number < pageCount());
    previousPageAction->setEnabled(number > 1);
    // Another page of the letter on show is set up at once.
    if (isVisible())
        Form_Activate();
}

void Form2::showCaption()
{
    const QString zoom = tr("%1%").arg(std::lround(drawnZoom() * 100));
    const QString view = pageCount() > 1 ? tr("page %1 of %2, %3").arg(m_pageNumber).arg(pageCount()).arg(zoom) : zoom;
    QString title = tr("%1 — Preview (%2)").arg(QString::fromLatin1(ProductName), view);
    if (const QString &refusal = m_pageArea->zoomRefusal(); !refusal.isEmpty())
        title += tr(" — %1").arg(refusal);
    if (title == windowTitle())
        return;
    setWindowTitle(title);
    // The window's name is its title; Qt tells assistive technology of no
    // change to it.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void Form2::showPreview()
{
    // A new letter opens with the page in the focus: a screen reader
    // announces it, and the page keys are at hand.
    Picture1->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void Form2::Form_Activate()
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_Form_Activate));
    if (trap.test(100, [&] { return mFirstActivate; }))
        m_pageArea->setUp(trap);
    trap.step(114, [&] { mFirstActivate = false; });
}

bool Form2::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Without a window manager a shown window may never be activated; the
    // letter must be set up all the same once the window is on screen.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && mFirstActivate)
            Form_Activate();
    });
}

void Form2::PushButton1_Click()
{
    m_pageArea->zoomStep(PageArea::Zoom::In);
}

void Form2::PushButton2_Click()
{
    m_pageArea->zoomStep(PageArea::Zoom::Out);
}

void Form2::createActions()
{
    zoomInAction = new QAction(tr("Zoom &In"), this);
    // Ctrl+= too, for keyboards whose plus needs Shift; once only, as a
    // sequence bound twice would be ambiguous.
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (const QKeySequence ctrlEquals(Qt::CTRL | Qt::Key_Equal); !zoomInKeys.contains(ctrlEquals))
        zoomInKeys << ctrlEquals;
    zoomInAction->setShortcuts(zoomInKeys);
    connect(zoomInAction, &QAction::triggered, this, &Form2::PushButton1_Click);
    zoomOutAction = new QAction(tr("Zoom &Out"), this);
    zoomOutAction->setShortcuts(QKeySequence::ZoomOut);
    connect(zoomOutAction, &QAction::triggered, this, &Form2::PushButton2_Click);
    addActions({zoomInAction, zoomOutAction});
    nextPageAction = new QAction(tr("&Next Page"), this);
    nextPageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    nextPageAction->setEnabled(false);
    connect(nextPageAction, &QAction::triggered, this, [this] { showPage(m_pageNumber + 1); });
    previousPageAction = new QAction(tr("&Previous Page"), this);
    previousPageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    previousPageAction->setEnabled(false);
    connect(previousPageAction, &QAction::triggered, this, [this] { showPage(m_pageNumber - 1); });
    addActions({nextPageAction, previousPageAction});
    createPageViewActions();
}

void Form2::PushButton6_Click()
{
    if (m_progress->isRunning())
        return; // one piece of work on the letter at a time
    if (const QString saved = SaveLetter(*CommonDialog1, m_messenger, mWordFile, m_letterTitle); !saved.isEmpty())
        recordLetter(QString::fromLatin1(word::letterFormatInfo(word::LetterFormat::Word97).name), saved);
}

void Form2::recordLetter(const QString &format, const QString &file)
{
    if (!m_lettersRecord)
        return;
    LetterEntry entry = m_particulars;
    entry.when = QDateTime::currentDateTime();
    entry.format = format;
    entry.file = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    if (const QString failure = m_lettersRecord->add({entry}); !failure.isEmpty())
        m_messenger.showMessage(failure, QString(), Messenger::Icon::Warning);
}

void Form2::exportLetter(word::LetterFormat format)
{
    if (m_progress->isRunning())
        return;
    if (!m_automation)
        return m_messenger.showMessage(tr("No office is there to export the letter."), QString(),
                                       Messenger::Icon::Warning);
    const QString exported
            = ExportLetter({m_messenger, *m_automation, *CommonDialog1, *m_printDialog, *m_progress, m_letterTitle},
                           mWordFile, format);
    if (!exported.isEmpty())
        recordLetter(QString::fromLatin1(word::letterFormatInfo(format).name), exported);
}

void Form2::printLetter()
{
    if (m_progress->isRunning())
        return;
    if (!m_automation)
        return m_messenger.showMessage(tr("No office is there to print the letter."), QString(),
                                       Messenger::Icon::Warning);
    const std::optional<PrintedLetter> printed = PrintLetter(
            {m_messenger, *m_automation, *CommonDialog1, *m_printDialog, *m_progress, m_letterTitle}, mWordFile);
    if (printed)
        recordLetter(printed->pdfFile.isEmpty()
                             ? QString::fromLatin1(PrintedFormat)
                             : QString::fromLatin1(word::letterFormatInfo(word::LetterFormat::Pdf).name),
                     printed->pdfFile);
}

void Form2::sendByEmail()
{
    if (m_progress->isRunning() || (m_mailHandover && m_mailHandover->isRunning()))
        return;
    if (!m_automation)
        return m_messenger.showMessage(tr("No office is there to write the letter for the e-mail."), QString(),
                                       Messenger::Icon::Warning);
    MailRequest request = m_mail;
    request.attachment = WriteMailAttachment(
            {m_messenger, *m_automation, *CommonDialog1, *m_printDialog, *m_progress, m_letterTitle}, mWordFile);
    if (request.attachment.isEmpty())
        return;
    m_mailHandover = std::make_unique<MailHandover>(request);
    connect(m_mailHandover.get(), &BackgroundJob::finished, this, [this] {
        m_mailHandover->complete();
        if (m_mailHandover->outcome() == MailHandover::Outcome::HandedOver)
            return;
        qCWarning(lcLetter) << "the letter was not handed to a mail program:" << m_mailHandover->diagnostic();
        m_messenger.showMessage(m_mailHandover->sentence(), QString(), Messenger::Icon::Warning);
    });
    m_mailHandover->start();
}

void Form2::PushButton8_Click()
{
    if (m_progress->isRunning())
        return; // the letter stays while the office works on it
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_PushButton8_Click));
    trap.step(102, [&] { DeleteFileQuietly(mWordFile); });
    trap.step(104, [&] { emit backRequested(); });
    trap.step(106, [&] { hide(); });
}

void Form2::Form_QueryUnload()
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_Form_QueryUnload));
    trap.step(100, [&] { DeleteFileQuietly(mWordFile); });
    trap.step(102, [&] { QCoreApplication::processEvents(); });
    trap.step(104, [&] { QCoreApplication::processEvents(); });
}

void Form2::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    // A close is never refused, and it ends the whole program.
    event->accept();
    emit programEndRequested();
}

void Form2::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.overBackground();
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    // The menu bar counts as the window's background for the pointer.
    if (watched == menuBar && event->type() == QEvent::MouseMove)
        m_pointer.overBackground();
    return QWidget::eventFilter(watched, event);
}

void Form2::picture1_MouseDown(Qt::MouseButtons, QPointF innerPixels)
{
    m_pageArea->mouseDown(innerPixels);
}

void Form2::picture1_MouseMove(Qt::MouseButtons buttons, QPointF innerPixels)
{
    m_pageArea->mouseMove(buttons, innerPixels);
}

void Form2::Picture1_MouseUp(Qt::MouseButtons, QPointF)
{
    m_pageArea->mouseUp();
}
