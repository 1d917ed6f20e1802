#include "PictureBox.h"

#include <utility>

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "PictureBoxAccessible.h"
#include "Twips.h"

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    installPictureBoxAccessibility();
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    resizeBuffer();
}

QSizeF PictureBox::logicalSizeTwips(const QImage &picture)
{
    constexpr double MetresPerInch = 0.0254;
    const double dpiX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() * MetresPerInch : 96.0;
    const double dpiY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() * MetresPerInch : 96.0;
    return QSizeF(picture.width() * TwipsPerInch / dpiX, picture.height() * TwipsPerInch / dpiY);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    const QSizeF twips = logicalSizeTwips(picture);
    const QSize inner(twipsToPixels(twips.width(), this), twipsToPixels(twips.height(), this));
    if (m_autoSize)
        resize(inner + QSize(2 * frameWidth(), 2 * frameWidth()));
    resizeBuffer();
    m_buffer.fill(Qt::white);
    drawStretched(picture, QRectF(picture.rect()), QRectF(QPointF(0, 0), QSizeF(inner)));
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    m_buffer.fill(Qt::white);
    update();
}

void PictureBox::setAccessibleText(const QString &text, Announce announce)
{
    if (text == m_accessibleText)
        return;
    const QString before = std::exchange(m_accessibleText, text);
    if (announce == Announce::Quietly)
        return;
    QAccessibleTextUpdateEvent event(this, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

namespace {
// Scales with an area filter: the page is rendered denser than the screen,
// and a plain bilinear shrink would break up its text.
QImage resampled(const QImage &source, const QRectF &sourcePixels, QSize targetPixels)
{
    const QImage region = source.copy(sourcePixels.toAlignedRect());
    if (region.isNull() || targetPixels.isEmpty())
        return {};
    return region.scaled(targetPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
} // namespace

void PictureBox::drawStretched(const QImage &source, const QRectF &sourcePixels, const QRectF &target)
{
    const qreal ratio = m_buffer.devicePixelRatio();
    QImage scaled = resampled(source, sourcePixels, (target.size() * ratio).toSize());
    scaled.setDevicePixelRatio(ratio);
    QPainter painter(&m_buffer);
    painter.drawImage(target.topLeft(), scaled);
    update();
}

void PictureBox::resizeBuffer()
{
    const QSize inner = contentsRect().size().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    if (m_buffer.size() == inner * ratio)
        return;
    // The buffer keeps what was drawn as far as it still fits.
    QPixmap resized(inner * ratio);
    resized.setDevicePixelRatio(ratio);
    resized.fill(Qt::white);
    if (!m_buffer.isNull()) {
        QPainter painter(&resized);
        painter.drawPixmap(0, 0, m_buffer);
    }
    m_buffer = resized;
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    resizeBuffer();
}

void PictureBox::moveEvent(QMoveEvent *event)
{
    QFrame::moveEvent(event);
    if (hasFocus())
        update(); // the ring follows the part that shows
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_buffer);
    if (hasFocus()) {
        // A box larger than its parent is ringed where it shows, or the
        // ring would lie out of sight.
        constexpr qreal RingWidth = 2;
        const QRect shown = parentWidget() ? rect() & parentWidget()->rect().translated(-pos()) : rect();
        painter.setPen(QPen(palette().color(QPalette::Highlight), RingWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(shown).adjusted(RingWidth / 2, RingWidth / 2, -RingWidth / 2, -RingWidth / 2));
    }
}

QPointF PictureBox::innerPos(const QMouseEvent *event) const
{
    return event->position() - QPointF(contentsRect().topLeft());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->buttons() | event->button(), innerPos(event));
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), innerPos(event));
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), innerPos(event));
    event->accept();
}
