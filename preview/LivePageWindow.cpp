#include "LivePageWindow.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "AppTitle.h"
#include "Failure.h"
#include "NoticeLine.h"
#include "WindowAccessibility.h"
#include "WindowLook.h"
#include "WindowPlacement.h"

namespace {
// A desk behind the page, as in the preview.
const QColor DeskColour(0x9a, 0xa3, 0xab);
// The window as it first opens: about a page's shape, no higher than this
// and no narrower than that, in pixels.
constexpr int OpeningHeight = 760, NarrowestOpening = 320;
// Beside the main window where the screen has less room than that: a page
// this narrow still shows the letter's shape and where it ends.
constexpr int NarrowestBeside = 80;
constexpr int NoticeHeight = 28;
constexpr double A4HeightPerWidth = 297.0 / 210.0;
constexpr int WheelNotch = 120;
} // namespace

LivePageWindow::LivePageWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    installWindowAccessibility();
    // The user types in the main window: this one never takes the keyboard
    // from it by showing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(controlFont());
    try {
        setWindowIcon(applicationIcon());
    } catch (const Failure &failure) {
        // The main window reports a program without its icon; this one
        // shows the desktop's.
        Q_UNUSED(failure);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    noticeLine = new NoticeLine(tr("&Try Again"), NoticeHeight, this);
    noticeLine->fitWindowWidth();
    noticeLine->button->setAccessibleDescription(tr("Draws the live page again"));
    connect(noticeLine, &NoticeLine::buttonClicked, this, &LivePageWindow::redrawRequested);
    layout->addWidget(noticeLine);

    view = new QScrollArea(this);
    view->setWidgetResizable(false);
    view->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFrameShape(QFrame::NoFrame);
    setColours(view->viewport(), DeskColour, DesignText);
    view->viewport()->installEventFilter(this); // the wheel turns pages
    view->installEventFilter(this);             // and a new width fits the page again
    view->setAccessibleName(tr("Live Page View"));
    view->setAccessibleDescription(tr("Shows a page of the letter as the fields make it now"));
    layout->addWidget(view, 1);

    page = new PictureBox;
    page->setFocusPolicy(Qt::StrongFocus); // a screen reader reads it
    view->setWidget(page);

    nextPageAction = new QAction(tr("Next Page"), this);
    nextPageAction->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(nextPageAction, &QAction::triggered, this, [this] { showPage(m_pageNumber + 1); });
    previousPageAction = new QAction(tr("Previous Page"), this);
    previousPageAction->setShortcut(QKeySequence(Qt::Key_PageUp));
    connect(previousPageAction, &QAction::triggered, this, [this] { showPage(m_pageNumber - 1); });
    auto *closeAction = new QAction(tr("Close"), this);
    closeAction->setShortcuts(QKeySequence::Close);
    connect(closeAction, &QAction::triggered, this, &LivePageWindow::closed);
    addActions({nextPageAction, previousPageAction, closeAction});
    showCaption();
}

LivePageWindow::~LivePageWindow() = default;

void LivePageWindow::setPages(std::vector<word::PagePicture> pages)
{
    if (pages.empty())
        return;
    m_pages = std::move(pages);
    m_pageNumber = std::clamp(m_pageNumber, 1, pageCount());
    showCurrentPage(PictureBox::Announce::Quietly);
}

void LivePageWindow::setNotice(const QString &text)
{
    noticeLine->setText(text);
}

void LivePageWindow::showPage(int number)
{
    if (number < 1 || number > pageCount() || number == m_pageNumber)
        return;
    m_pageNumber = number;
    // The user turned the page here: a screen reader hears it.
    showCurrentPage(PictureBox::Announce::Change);
    view->verticalScrollBar()->setValue(0);
}

void LivePageWindow::showCurrentPage(PictureBox::Announce announce)
{
    const word::PagePicture &shown = m_pages[size_t(m_pageNumber - 1)];
    page->setAccessibleText(shown.text, announce);
    const QString name
            = pageCount() > 1 ? tr("Live page %1 of %2").arg(m_pageNumber).arg(pageCount()) : tr("Live page");
    if (page->accessibleName() != name) {
        page->setAccessibleName(name);
        page->setAccessibleDescription(
                tr("A draft of the letter as the fields make it now, redrawn as you type; "
                   "nothing is saved from it.%1")
                        .arg(pageCount() > 1 ? tr(" Page Up and Page Down turn the pages.") : QString()));
    }
    nextPageAction->setEnabled(m_pageNumber < pageCount());
    previousPageAction->setEnabled(m_pageNumber > 1);
    fitToWidth();
    showCaption();
}

int LivePageWindow::pagePixelsPerLogicalInch(int previewPixelsPerLogicalInch)
{
    m_densiest = previewPixelsPerLogicalInch;
    m_densityAsked = densityForView();
    return m_densityAsked;
}

int LivePageWindow::densityForView() const
{
    // The narrowest sheet shown whole (A4, 8.27 inches) across the view,
    // in the screen's own pixels; never so coarse that a widened window
    // looks blurred before its redraw comes.
    constexpr double NarrowestSheetInches = 8.27;
    constexpr int Coarsest = 48;
    const double pixels = view->maximumViewportSize().width() * devicePixelRatioF();
    return std::clamp(int(std::ceil(pixels / NarrowestSheetInches)), Coarsest, std::max(Coarsest, m_densiest));
}

void LivePageWindow::fitToWidth()
{
    if (m_pages.empty())
        return;
    const word::PagePicture &shown = m_pages[size_t(m_pageNumber - 1)];
    // The whole sheet, as the page will print.
    const QImage &picture = shown.wholePage.isNull() ? shown.picture : shown.wholePage;
    if (picture.isNull())
        return;
    const QSize room = view->maximumViewportSize();
    const double ratio = double(picture.height()) / picture.width();
    int width = room.width();
    if (std::lround(width * ratio) > room.height())
        width -= view->verticalScrollBar()->sizeHint().width();
    width = std::max(width, 1);
    page->resize(width, std::max(1, int(std::lround(width * ratio))));
    page->clearPicture();
    page->drawStretched(picture, QRectF(picture.rect()), QRectF(QPointF(0, 0), QSizeF(page->contentsRect().size())));
}

void LivePageWindow::showCaption()
{
    const QString product = QString::fromLatin1(ProductName);
    setWindowTitle(pageCount() > 1
                           ? tr("%1 — Live Page (page %2 of %3)").arg(product).arg(m_pageNumber).arg(pageCount())
                           : tr("%1 — Live Page").arg(product));
}

void LivePageWindow::openBeside(QWidget *mainWindow)
{
    if (m_mainWindow != mainWindow) {
        if (m_mainWindow)
            m_mainWindow->removeEventFilter(this);
        m_mainWindow = mainWindow;
        m_placed = false;
        mainWindow->installEventFilter(this);
    }
    // Before the main window is on screen (at start-up), with it.
    m_hiddenWithMainWindow = !mainWindow->isVisible();
    if (!m_hiddenWithMainWindow)
        showBesideMainWindow();
}

void LivePageWindow::showBesideMainWindow()
{
    if (!m_placed && !isVisible()) {
        m_placed = true;
        const QRect mainFrame = m_mainWindow->frameGeometry();
        const QRect available = m_mainWindow->screen()->availableGeometry();
        const QMargins frame = plannedFrame(frameOf(this), devicePixelRatioF());
        // As wide as the room beside the main window allows, and as high as
        // the page is at that width (an A4 one, the taller) where the screen
        // allows; narrower where the screen has less room, over no field.
        const int tallest = std::min(OpeningHeight, available.height());
        const int roomBeside = std::max(available.right() - mainFrame.right(), mainFrame.left() - available.left());
        const int width = std::clamp(roomBeside - 16, NarrowestOpening, std::max(NarrowestOpening, tallest * 3 / 4));
        const QSize wanted(width, std::min(tallest, int(std::lround(width * A4HeightPerWidth))));
        const BesidePlacement place = placeBeside(mainFrame, wanted.grownBy(frame),
                                                  NarrowestBeside + frame.left() + frame.right(), available);
        if (place.other != mainFrame)
            m_mainWindow->move(place.other.topLeft());
        resize(place.frame.size().shrunkBy(frame));
        move(place.frame.topLeft());
    }
    show();
}

bool LivePageWindow::wheelTurnsPage(int angleDelta)
{
    const QScrollBar *bar = view->verticalScrollBar();
    const bool down = angleDelta < 0;
    if ((down && bar->value() < bar->maximum()) || (!down && bar->value() > bar->minimum())) {
        m_wheelDelta = 0;
        return false; // the page scrolls first
    }
    m_wheelDelta += angleDelta;
    if (std::abs(m_wheelDelta) >= WheelNotch) {
        const int from = m_pageNumber;
        showPage(m_pageNumber + (down ? 1 : -1));
        if (!down && m_pageNumber != from)
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        m_wheelDelta = 0;
    }
    return true;
}

bool LivePageWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view->viewport() && event->type() == QEvent::Wheel)
        return wheelTurnsPage(static_cast<QWheelEvent *>(event)->angleDelta().y());
    if (watched == view && event->type() == QEvent::Resize) {
        fitToWidth();
        // A quarter wider than drawn for: drawn again for the new width.
        if (!m_pages.empty() && m_densityAsked > 0 && densityForView() > m_densityAsked * 5 / 4)
            emit redrawRequested();
    }
    if (watched == m_mainWindow) {
        if (event->type() == QEvent::Hide && isVisible()) {
            m_hiddenWithMainWindow = true;
            hide();
        } else if (event->type() == QEvent::Show && m_hiddenWithMainWindow) {
            m_hiddenWithMainWindow = false;
            showBesideMainWindow();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LivePageWindow::tellOnScreen()
{
    const bool on = isOnScreen();
    if (on != std::exchange(m_wasOnScreen, on))
        emit onScreenChanged(on);
}

void LivePageWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        tellOnScreen();
}

void LivePageWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    tellOnScreen();
}

void LivePageWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    tellOnScreen();
}

void LivePageWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_hiddenWithMainWindow = false;
    // The user closed it (with the window's own button): the program closes
    // its windows as it ends, which is no choice to remember.
    if (event->spontaneous())
        emit closed();
}
