#include "ScreenFit.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include "WindowAccessibility.h"
#include "WindowPlacement.h"

namespace {
// The room a window's inside has on its screen: the available area less
// the frame, planned until the window manager has given it one.
QSize roomFor(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return {};
    return roomInside(screen->availableGeometry(), plannedFrame(frameOf(window), window->devicePixelRatioF()));
}

// Scrolls one bar so that the stretch from start of the given length shows:
// as little as it takes, or from its start when it is longer than the view.
void scrollToShow(QScrollBar *bar, int start, int length, int view)
{
    int value = bar->value();
    if (start < value || length > view)
        value = start;
    else if (start + length > value + view)
        value = start + length - view;
    bar->setValue(value);
}

void fitDialog(QWidget *dialog)
{
    const QSize room = roomFor(dialog);
    if (room.isEmpty())
        return;
    if (dialog->width() > room.width() || dialog->height() > room.height()) {
        const QSize size = dialog->size().boundedTo(room);
        dialog->setMinimumSize(dialog->minimumSize().boundedTo(size));
        dialog->resize(size);
    }
    if (!isInsideItsScreen(dialog))
        placeInsideScreen(dialog);
}

// Fits its dialog once the dialog has taken its own size for the showing.
class DialogScreenFit : public QObject
{
public:
    explicit DialogScreenFit(QWidget *dialog) : QObject(dialog), m_dialog(dialog) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A message box takes its size again after every layout request;
        // the window manager's frame comes after the showing, with a move.
        const QEvent::Type type = event->type();
        if (watched == m_dialog
            && (type == QEvent::Show || type == QEvent::LayoutRequest
                || (type == QEvent::Move && frameOf(m_dialog) != m_fittedFrame)))
            QTimer::singleShot(0, this, [this] {
                m_fittedFrame = frameOf(m_dialog);
                fitDialog(m_dialog);
            });
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_dialog;
    QMargins m_fittedFrame;
};
} // namespace

ScreenFit *ScreenFit::install(QWidget *window, QMenuBar *menuBar, Shrinking shrinking)
{
    auto *fit = new ScreenFit(window, menuBar);
    fit->m_shrinking = std::move(shrinking);
    window->installEventFilter(fit);
    connect(qApp, &QApplication::focusChanged, fit, [fit](QWidget *, QWidget *now) { fit->bringIntoView(now); });
    fit->fit();
    placeInsideScreen(window);
    return fit;
}

ScreenFit::ScreenFit(QWidget *window, QMenuBar *menuBar)
    : QObject(window), m_window(window), m_menuBar(menuBar), m_designedSize(window->size()),
      m_laidOutSize(m_designedSize)
{ }

int ScreenFit::clientTop() const
{
    return m_menuBar->geometry().bottom() + 1;
}

void ScreenFit::fit()
{
    const QSize room = roomFor(m_window);
    if (room.isEmpty())
        return;
    m_fittedFrame = frameOf(m_window);
    // A window that lays itself out smaller takes the room, down to its
    // least size; once its controls scroll, they keep their places.
    if (m_shrinking.layOut && !m_area) {
        const QSize laidOut = m_designedSize.boundedTo(room).expandedTo(m_shrinking.least.boundedTo(m_designedSize));
        if (laidOut != m_laidOutSize) {
            m_laidOutSize = laidOut;
            m_window->setFixedSize(laidOut);
            m_menuBar->resize(laidOut.width(), m_menuBar->height());
            m_shrinking.layOut(laidOut);
        }
    }
    QSize size = m_laidOutSize;
    if (size.width() > room.width() || size.height() > room.height()) {
        wrapClientArea();
        const int bar = m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
        size = m_laidOutSize.boundedTo(room);
        // Each side's scroll bar takes room across the other side, as far
        // as the screen has it.
        if (size.height() < m_laidOutSize.height())
            size.setWidth(std::min(size.width() + bar, room.width()));
        if (size.width() < m_laidOutSize.width())
            size.setHeight(std::min(size.height() + bar, room.height()));
    }
    if (m_area) {
        m_window->setFixedSize(size);
        m_menuBar->resize(size.width(), m_menuBar->height());
        m_area->setGeometry(0, clientTop(), size.width(), size.height() - clientTop());
    }
    if (!isInsideItsScreen(m_window))
        placeInsideScreen(m_window);
}

void ScreenFit::wrapClientArea()
{
    if (m_area)
        return;
    const int top = clientTop();
    QWidget *focused = m_window->focusWidget();
    auto *content = new QWidget;
    content->setFixedSize(m_laidOutSize.width(), m_laidOutSize.height() - top);
    const QList<QWidget *> children = m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        // What the window keeps from assistive technology is out of sight
        // and stays the window's own, where it stays out of reach.
        if (child == m_menuBar || child->isWindow() || isKeptFromAssistiveTechnology(child))
            continue;
        const bool hidden = child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QPoint place = child->pos() - QPoint(0, top);
        child->setParent(content);
        child->move(place);
        child->setVisible(!hidden);
    }

    m_area = new QScrollArea(m_window);
    m_area->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control, never to the area itself.
    m_area->setFocusPolicy(Qt::NoFocus);
    m_area->setWidget(content);
    m_area->setAccessibleName(tr("Window Contents"));
    m_area->setAccessibleDescription(tr("The window's controls, which scroll where the screen is too small"));
    m_area->verticalScrollBar()->setAccessibleName(tr("Window Vertical Scroll"));
    m_area->verticalScrollBar()->setAccessibleDescription(tr("Moves the window's controls up and down"));
    m_area->horizontalScrollBar()->setAccessibleName(tr("Window Horizontal Scroll"));
    m_area->horizontalScrollBar()->setAccessibleDescription(tr("Moves the window's controls left and right"));
    m_area->setVisible(true);
    if (focused && content->isAncestorOf(focused))
        focused->setFocus(Qt::OtherFocusReason);
}

void ScreenFit::bringIntoView(QWidget *focused)
{
    QWidget *content = m_area ? m_area->widget() : nullptr;
    if (!focused || !content || !content->isAncestorOf(focused))
        return;
    // A control partly hidden inside another counts by the part that can
    // show.
    const QRect shown = shownPart(focused, content);
    const QSize view = m_area->viewport()->size();
    scrollToShow(m_area->horizontalScrollBar(), shown.left(), shown.width(), view.width());
    scrollToShow(m_area->verticalScrollBar(), shown.top(), shown.height(), view.height());
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager's frame comes after the showing, with a move: the
    // room it leaves is taken again. A move by the user changes no frame.
    if (watched == m_window && event->type() == QEvent::Move && frameOf(m_window) != m_fittedFrame)
        QTimer::singleShot(0, this, &ScreenFit::fit);
    if (watched == m_window && event->type() == QEvent::Show) {
        QTimer::singleShot(0, this, &ScreenFit::fit);
        if (!m_followsScreen && m_window->windowHandle()) {
            m_followsScreen = true;
            connect(m_window->windowHandle(), &QWindow::screenChanged, this, &ScreenFit::fit);
        }
    }
    return QObject::eventFilter(watched, event);
}

QRect shownPart(const QWidget *widget, const QWidget *within)
{
    QRect shown = widget->rect();
    for (const QWidget *w = widget; w && w != within; w = w->parentWidget()) {
        shown.translate(w->pos());
        if (const QWidget *parent = w->parentWidget())
            shown &= parent->rect();
    }
    return shown;
}

void keepDialogInsideScreen(QWidget *dialog)
{
    dialog->installEventFilter(new DialogScreenFit(dialog));
}

namespace {
// A scroll area that asks for its content's whole size, so that on a
// screen with room the dialog looks as it would without it.
class ContentScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};
} // namespace

QScrollArea *scrollableContent(QWidget *dialog, QWidget *content)
{
    auto *area = new ContentScrollArea(dialog);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    area->setAccessibleName(QObject::tr("Contents"));
    area->setAccessibleDescription(QObject::tr("Scrolls where the screen is too small for the window"));
    area->verticalScrollBar()->setAccessibleName(QObject::tr("Contents, up and down"));
    area->verticalScrollBar()->setAccessibleDescription(QObject::tr("Scrolls the window's contents up and down"));
    area->horizontalScrollBar()->setAccessibleName(QObject::tr("Contents, sideways"));
    area->horizontalScrollBar()->setAccessibleDescription(QObject::tr("Scrolls the window's contents sideways"));
    // A control the keyboard reaches is scrolled into view.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, content](QWidget *, QWidget *now) {
        if (now && content->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
    keepDialogInsideScreen(dialog);
    return area;
}
