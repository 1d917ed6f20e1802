#pragma once

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QString>

// A picture box: a single border, a white background, a persistent drawing
// buffer that always has the box's inner size, and auto-size (the box fits
// the picture assigned to it, at the picture's logical size). Screen readers
// read it as a document whose text is its accessible text; with the focus,
// it is ringed in the highlight colour where it shows through its parent.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Assigns a picture: the buffer shows it at its logical size and, with
    // auto-size on, the box fits it.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setAutoSize(bool on) { m_autoSize = on; }

    // Blanks the buffer in the background colour and forgets the picture.
    void clearPicture();
    // Draws source (in the picture's pixels) stretched to target (in this
    // box's inner pixels), smoothly.
    void drawStretched(const QImage &source, const QRectF &sourcePixels, const QRectF &target);

    // The words of the picture, in reading order, for assistive technology;
    // a change is announced to it, unless told not to (a page redrawn
    // while the user types elsewhere).
    enum class Announce { Change, Quietly };
    void setAccessibleText(const QString &text, Announce announce = Announce::Change);
    const QString &accessibleText() const { return m_accessibleText; }

    // The box's inner pixels: what the buffer holds.
    const QPixmap &buffer() const { return m_buffer; }

    // A picture's logical size in twips, from its dots per metre (96 dpi
    // when it declares none).
    static QSizeF logicalSizeTwips(const QImage &picture);

signals:
    void mousePressed(Qt::MouseButtons buttons, QPointF innerPos);
    void mouseMoved(Qt::MouseButtons buttons, QPointF innerPos);
    void mouseReleased(Qt::MouseButtons buttons, QPointF innerPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF innerPos(const QMouseEvent *event) const;
    void resizeBuffer();

    QImage m_picture;
    QPixmap m_buffer;
    QString m_accessibleText;
    bool m_autoSize = false;
};
