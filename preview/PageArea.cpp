#include "PageArea.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "PictureBox.h"
#include "Twips.h"
#include "WindowAccessibility.h"
#include "WindowLook.h"
#include "WindowPointer.h"

namespace {
const QColor ViewportBackground(0x9a, 0xa3, 0xab); // a desk behind the page
// The parts' places in the window's client area, twips.
constexpr int AreaLeft = 120, AreaTop = 120;
constexpr int BarThickness = 255;
constexpr QRect HolderPlace(10320, 480, 735, 375); // right of the client area
constexpr QSize FirstSurfaceSize(2340, 3435);

QString location(const char *text)
{
    return QString::fromLatin1(text);
}
} // namespace

PageArea::PageArea(Messenger &messenger, WindowPointer &pointer, QWidget *window, int clientTop)
    : QFrame(window), m_messenger(messenger), m_pointer(pointer), m_viewport(int(std::lround(twipsPerPixel(window))))
{
    auto place = [window, clientTop](QWidget *w, int l, int t, int wd, int h) {
        w->setGeometry(twipsRect(l, t, wd, h, window).translated(0, clientTop));
    };
    constexpr int width = Viewport::ViewportOuterWidth, height = Viewport::ViewportOuterHeight;

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setColours(this, ViewportBackground, DesignText);
    setAttribute(Qt::WA_NoMousePropagation);
    installEventFilter(this); // the wheel beside the page
    place(this, AreaLeft, AreaTop, width, height);
    // The surface moves inside the viewport's inner area, clipped by it.
    m_clip = new QWidget(this);
    m_clip->setGeometry(contentsRect());

    m_surface = new PictureBox(m_clip);
    m_surface->setGeometry(twipsRect(0, 0, FirstSurfaceSize.width(), FirstSurfaceSize.height(), window));
    // The page takes the focus, so that a screen reader reads it; its keys
    // are the window's scroll keys.
    m_surface->setFocusPolicy(Qt::StrongFocus);
    m_surface->installEventFilter(this); // the wheel over the page
    connect(m_surface, &PictureBox::mousePressed, this, [this](Qt::MouseButtons, QPointF at) { mouseDown(at); });
    connect(m_surface, &PictureBox::mouseMoved, this, &PageArea::mouseMove);
    connect(m_surface, &PictureBox::mouseReleased, this, &PageArea::mouseUp);

    m_verticalBar = new QScrollBar(Qt::Vertical, window);
    m_horizontalBar = new QScrollBar(Qt::Horizontal, window);
    place(m_verticalBar, AreaLeft + width, AreaTop, BarThickness, height);
    place(m_horizontalBar, AreaLeft, AreaTop + height, width, BarThickness);
    for (QScrollBar *bar : {m_horizontalBar, m_verticalBar}) {
        bar->setRange(0, 0);
        bar->setTracking(false); // the thumb takes effect on release
        bar->setEnabled(false);
        bar->setAttribute(Qt::WA_NoMousePropagation);
    }
    connect(m_horizontalBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_viewport.setHScrollValue(value);
        syncFromViewport();
    });
    connect(m_verticalBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_viewport.setVScrollValue(value);
        syncFromViewport();
    });

    m_designedView = geometry();
    m_designedHorizontalBar = m_horizontalBar->geometry();
    m_designedVerticalBar = m_verticalBar->geometry();

    // Never seen, and never offered to a screen reader.
    m_holder = new PictureBox(window);
    place(m_holder, HolderPlace.left(), HolderPlace.top(), HolderPlace.width(), HolderPlace.height());
    keepFromAssistiveTechnology(m_holder);
    describeParts();
    addScrollKeys(window);
}

void PageArea::addScrollKeys(QWidget *window)
{
    using Axis = Viewport::Axis;
    using Move = Viewport::ScrollMove;
    struct ScrollKey
    {
        Qt::Key key;
        Axis axis;
        Move move;
    };
    constexpr ScrollKey scrollKeys[] = {
            {Qt::Key_Up, Axis::Vertical, Move::LineBack},     {Qt::Key_Down, Axis::Vertical, Move::LineForward},
            {Qt::Key_Left, Axis::Horizontal, Move::LineBack}, {Qt::Key_Right, Axis::Horizontal, Move::LineForward},
            {Qt::Key_PageUp, Axis::Vertical, Move::PageBack}, {Qt::Key_PageDown, Axis::Vertical, Move::PageForward},
            {Qt::Key_Home, Axis::Vertical, Move::ToStart},    {Qt::Key_End, Axis::Vertical, Move::ToEnd},
    };
    for (const ScrollKey &k : scrollKeys) {
        auto *action = new QAction(window);
        action->setShortcut(QKeySequence(k.key));
        connect(action, &QAction::triggered, this, [this, k] { scroll(k.axis, k.move); });
        window->addAction(action);
    }
}

void PageArea::describeParts()
{
    setAccessibleName(tr("Page View"));
    setAccessibleDescription(tr("Shows the letter's page at the chosen zoom"));
    m_clip->setAccessibleName(tr("Visible Area"));
    m_clip->setAccessibleDescription(tr("The part of the view through which the page shows"));
    describePage();
    m_horizontalBar->setAccessibleName(tr("Horizontal Scroll"));
    m_horizontalBar->setAccessibleDescription(tr("Moves the page left and right"));
    m_verticalBar->setAccessibleName(tr("Vertical Scroll"));
    m_verticalBar->setAccessibleDescription(tr("Moves the page up and down"));
}

void PageArea::setPicture(const QImage &picture, const QString &text)
{
    m_surface->setAutoSize(true);
    m_surface->setPicture(picture);
    m_surface->setAccessibleText(text);
    const QSizeF twips = PictureBox::logicalSizeTwips(picture);
    m_viewport.assignPicture(Viewport::nearest(twips.width()), Viewport::nearest(twips.height()));
    m_drawnZoom = Viewport::InitialZoom;
    m_zoomRefusal.clear();
}

void PageArea::setPageOfPages(int number, int count)
{
    m_pageNumber = number;
    m_pageCount = count;
    describePage();
}

void PageArea::setUp(ErrorTrap &activationTrap)
{
    ErrorTrap redrawTrap(m_messenger, location(ReportLocation::Form2_RedrawImage));
    activationTrap.step(102, [&] {
        m_surface->setAutoSize(true);
        m_holder->setVisible(false);
        m_holder->setPicture(m_surface->picture());
    });
    m_viewport.setUp(activationTrap, redrawTrap);
    paintDueDrawing(redrawTrap);
    syncFromViewport();
}

void PageArea::syncFromViewport()
{
    m_syncing = true;
    const Viewport::Box &s = m_viewport.surface();
    m_surface->setGeometry(twipsToPixels(s.left, this), twipsToPixels(s.top, this), twipsToPixels(s.outerWidth, this),
                           twipsToPixels(s.outerHeight, this));
    auto mirror = [](QScrollBar *bar, const Viewport::ScrollBar &state) {
        bar->setRange(0, state.maximum);
        bar->setSingleStep(state.singleStep);
        bar->setPageStep(state.pageStep);
        bar->setValue(state.value);
        bar->setEnabled(state.enabled);
    };
    mirror(m_horizontalBar, m_viewport.hScroll());
    mirror(m_verticalBar, m_viewport.vScroll());
    m_syncing = false;
    describePage();
    emit viewChanged();
}

void PageArea::describePage()
{
    const bool ofPages = m_pageCount > 1;
    const QString name = ofPages ? tr("Letter Page %1 of %2").arg(m_pageNumber).arg(m_pageCount) : tr("Letter Page");
    QString state = tr("Zoom %1%").arg(std::lround(m_drawnZoom * 100));
    if (ofPages)
        state += tr(", page %1 of %2").arg(m_pageNumber).arg(m_pageCount);
    if (!m_zoomRefusal.isEmpty())
        state = tr("%1. %2").arg(m_zoomRefusal, state);
    const QString description
            = tr("%1. A page of the filled letter: the arrow keys, Page Up, Page Down, Home and End scroll it, "
                 "or drag it")
                      .arg(state);
    // Set only when they change (a screen reader hears of every change): a
    // zoom or another page, never a scroll.
    if (m_surface->accessibleName() != name)
        m_surface->setAccessibleName(name);
    if (m_surface->accessibleDescription() != description)
        m_surface->setAccessibleDescription(description);
}

bool PageArea::paintDueDrawing(ErrorTrap &redrawTrap)
{
    const std::optional<Viewport::Drawing> drawing = m_viewport.takeDrawing();
    if (!drawing)
        return false;
    // Another drawing ends what a refused step said.
    m_drawnZoom = m_viewport.mZoom;
    m_zoomRefusal.clear();
    syncFromViewport(); // the surface has its new size before it is drawn on
    redrawTrap.step(104, [&] { m_surface->clearPicture(); });
    redrawTrap.step(108, [&] {
        const QImage &source = m_holder->picture();
        const QSizeF logical = PictureBox::logicalSizeTwips(source);
        const double pxPerTwipX = logical.width() > 0 ? source.width() / logical.width() : 0.0;
        const double pxPerTwipY = logical.height() > 0 ? source.height() / logical.height() : 0.0;
        const double tpp = twipsPerPixel(this);
        m_surface->drawStretched(source,
                                 QRectF(0, 0, drawing->sourceWidth * pxPerTwipX, drawing->sourceHeight * pxPerTwipY),
                                 QRectF(0, 0, drawing->width / tpp, drawing->height / tpp));
    });
    redrawTrap.step(110, [&] { m_pointer.setCode(WindowPointer::Default); });
    return true;
}

void PageArea::zoomStep(Zoom direction)
{
    struct Step
    {
        const char *location; // the zoom button's handler
        int modelDirection;   // Viewport::ZoomStep's: 0 in, 1 out
        const char *refusal;
    };
    static constexpr Step In{ReportLocation::Form2_PushButton1_Click, 0, QT_TR_NOOP("Largest zoom reached")};
    static constexpr Step Out{ReportLocation::Form2_PushButton2_Click, 1, QT_TR_NOOP("Smallest zoom reached")};
    const Step &step = direction == Zoom::In ? In : Out;

    ErrorTrap trap(m_messenger, location(step.location));
    ErrorTrap redrawTrap(m_messenger, location(ReportLocation::Form2_RedrawImage));
    trap.step(100, [&] { m_viewport.ZoomStep(step.modelDirection, redrawTrap); });
    const bool drawn = paintDueDrawing(redrawTrap);
    if (!drawn)
        m_zoomRefusal = tr(step.refusal);
    syncFromViewport();
    // Said again at each refused step, though the page's accessible
    // description says it already.
    if (!drawn) {
        QAccessibleEvent alert(m_surface, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void PageArea::fitPage()
{
    ErrorTrap redrawTrap(m_messenger, location(ReportLocation::Form2_RedrawImage));
    m_viewport.FitPage(redrawTrap);
    paintDueDrawing(redrawTrap);
    syncFromViewport();
}

void PageArea::shrinkView(QSize less)
{
    const int dw = std::max(0, less.width()), dh = std::max(0, less.height());
    setGeometry(m_designedView.adjusted(0, 0, -dw, -dh));
    m_clip->setGeometry(contentsRect());
    m_verticalBar->setGeometry(m_designedVerticalBar.translated(-dw, 0).adjusted(0, 0, 0, -dh));
    m_horizontalBar->setGeometry(m_designedHorizontalBar.translated(0, -dh).adjusted(0, 0, -dw, 0));
    const double tpp = twipsPerPixel(this);
    m_viewport.setViewportSize(Viewport::ViewportOuterWidth - int(std::lround(dw * tpp)),
                               Viewport::ViewportOuterHeight - int(std::lround(dh * tpp)));
    syncFromViewport();
}

void PageArea::scroll(Viewport::Axis axis, Viewport::ScrollMove move)
{
    m_viewport.scroll(axis, move);
    syncFromViewport();
}

bool PageArea::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_surface || watched == this) && event->type() == QEvent::Wheel) {
        wheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void PageArea::wheel(QWheelEvent *event)
{
    constexpr int Notch = QWheelEvent::DefaultDeltasPerStep; // one click of a wheel
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Through the zoom steps, one per whole notch: the limits and the
        // refused step stay theirs.
        m_zoomWheelDelta += angle.y() != 0 ? angle.y() : angle.x();
        for (; m_zoomWheelDelta >= Notch; m_zoomWheelDelta -= Notch)
            zoomStep(Zoom::In);
        for (; m_zoomWheelDelta <= -Notch; m_zoomWheelDelta += Notch)
            zoomStep(Zoom::Out);
        return;
    }
    // Turning the wheel away from the user scrolls towards the top.
    const double linesPerNotch = QApplication::wheelScrollLines();
    auto lines = [&](int delta) { return -double(delta) / Notch * linesPerNotch; };
    if (event->modifiers() & Qt::ShiftModifier) {
        m_viewport.scrollLines(Viewport::Axis::Horizontal, lines(angle.y() != 0 ? angle.y() : angle.x()));
    } else {
        m_viewport.scrollLines(Viewport::Axis::Vertical, lines(angle.y()));
        m_viewport.scrollLines(Viewport::Axis::Horizontal, lines(angle.x()));
    }
    syncFromViewport();
}

QPointF PageArea::toTwips(QPointF innerPixels) const
{
    return innerPixels * twipsPerPixel(this);
}

void PageArea::mouseDown(QPointF innerPixels)
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_picture1_MouseDown));
    const QPointF p = toTwips(innerPixels);
    trap.step(100, [&] { m_viewport.mouseDown(float(p.x()), float(p.y())); });
    // The page is held while the button is down.
    m_surface->setCursor(Qt::ClosedHandCursor);
}

void PageArea::mouseMove(Qt::MouseButtons buttons, QPointF innerPixels)
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_picture1_MouseMove));
    const QPointF p = toTwips(innerPixels);
    trap.step(100, [&] { m_viewport.mouseMove(int(buttons), float(p.x()), float(p.y())); });
    trap.step(102, [&] { syncFromViewport(); });
}

void PageArea::mouseUp()
{
    ErrorTrap trap(m_messenger, location(ReportLocation::Form2_Picture1_MouseUp));
    m_surface->unsetCursor();
    int h = 0, v = 0;
    trap.step(100, [&] { h = m_viewport.releaseValue(Viewport::Axis::Horizontal); });
    trap.step(102, [&] { v = m_viewport.releaseValue(Viewport::Axis::Vertical); });
    trap.step(104, [&] { m_viewport.setHScrollValue(h); });
    trap.step(106, [&] { m_viewport.setVScrollValue(v); });
    syncFromViewport();
}
