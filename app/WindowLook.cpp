#include "WindowLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

#include "Failure.h"

QFont controlFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

QFont buttonFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor buttonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

void ApplyButtonFaceColors(QWidget *window)
{
    const QColor face = buttonFaceColour();
    setBackground(window, face);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child)
            || qobject_cast<QCheckBox *>(child) || qobject_cast<QRadioButton *>(child))
            setBackground(child, face);
    }
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tessaline-%1.png").arg(size), QSize(size, size));
    if (icon.availableSizes().isEmpty())
        throw Failure(QObject::tr("The application icon is missing from the program"));
    return icon;
}
