#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

// The interactive widgets of a window (buttons, text fields, scroll bars and
// anything else that takes the focus) that a screen reader could announce
// only by their kind: those without an accessible name, or without a
// description. Each is listed by its object's class and, for a button, its
// caption.
inline QStringList widgetsScreenReadersCannotName(QWidget *window)
{
    QStringList unnamed;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool interactive = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
                || qobject_cast<QAbstractSlider *>(widget) || widget->focusPolicy() != Qt::NoFocus;
        if (!interactive)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()
            || accessible->text(QAccessible::Description).trimmed().isEmpty()) {
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            unnamed << QString::fromLatin1(widget->metaObject()->className())
                            + (button ? QStringLiteral(" ") + button->text() : QString());
        }
    }
    return unnamed;
}
