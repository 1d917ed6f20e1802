#include "NoticeLine.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

NoticeLine::NoticeLine(const QString &buttonText, int height, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 2, 0);
    layout->setSpacing(6);
    label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    button = new QToolButton(this);
    button->setText(buttonText);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(label, 1);
    layout->addWidget(button);
    setFixedHeight(height);
    connect(button, &QToolButton::clicked, this, &NoticeLine::buttonClicked);
    hide();
}

void NoticeLine::setText(const QString &text)
{
    m_text = text;
    label->setToolTip(text);
    label->setAccessibleName(tr("Worth a look"));
    label->setAccessibleDescription(text);
    showText();
    setVisible(!text.isEmpty());
}

void NoticeLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showText();
}

void NoticeLine::fitWindowWidth()
{
    m_fitsWindowWidth = true;
    label->setMinimumWidth(1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    showText();
}

// Beside a menu bar, the line asks for its text's width (the menu bar gives
// a corner widget what it asks for), up to the room it has beside its
// button; in a window's layout, the text fits the width the line has.
void NoticeLine::showText()
{
    const QMargins margins = layout()->contentsMargins();
    const int room = (m_fitsWindowWidth ? width() : maximumWidth()) - button->sizeHint().width() - layout()->spacing()
            - margins.left() - margins.right();
    const QString shown = label->fontMetrics().elidedText(m_text, Qt::ElideRight, std::max(0, room));
    if (label->text() != shown) {
        label->setText(shown);
        if (m_fitsWindowWidth)
            return;
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(shown));
        adjustSize();
    }
}
