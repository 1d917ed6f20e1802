#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// One line of what is worth a look before the letter leaves ("Your Name is
// empty."), with a button that leads to where it is mended. It sits beside
// a window's menu bar, as high as the bar, so that the client area below
// keeps its size and place; with no text it is hidden.
class NoticeLine : public QWidget
{
    Q_OBJECT
public:
    NoticeLine(const QString &buttonText, int height, QWidget *parent = nullptr);

    // Shows the line with this text, or hides it for an empty one. A text
    // longer than the room is cut with an ellipsis; its tooltip and
    // accessible description keep it whole.
    void setText(const QString &text);
    QString text() const { return m_text; }
    // In a window's layout rather than beside a menu bar: the line takes
    // the width the window gives it and never widens the window for a
    // long text.
    void fitWindowWidth();

    QLabel *label = nullptr;
    QToolButton *button = nullptr;

signals:
    void buttonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showText();

    QString m_text;
    bool m_fitsWindowWidth = false;
};
