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

void setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, text);
    // Disabled text stays readable, halfway to the background.
    const QColor disabled
            = QColor::fromRgbF((text.redF() + background.redF()) / 2, (text.greenF() + background.greenF()) / 2,
                               (text.blueF() + background.blueF()) / 2);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
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
    const QColor text = QApplication::palette().color(QPalette::ButtonText);
    setColours(window, face, text);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child) || qobject_cast<QCheckBox *>(child)
            || qobject_cast<QRadioButton *>(child))
            setColours(child, face, text);
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
