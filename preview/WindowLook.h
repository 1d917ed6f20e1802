#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

// Fonts of both windows: Arial (Liberation Sans on Linux), bold.
QFont controlFont(); // labels, frames and fields: 9 pt
QFont buttonFont();  // push buttons: 11.25 pt

// The application icon (32, 48, 128 and 256 pixels). Throws Failure when
// it is missing from the program.
QIcon applicationIcon();

// The dark text of the white design, whatever the colour scheme.
inline const QColor DesignText{Qt::black};

// Gives a widget a plain background colour of its own and the text colour
// that is read on it (labels and frame captions), so that a colour scheme
// whose text is light never writes it on a light background.
void setColours(QWidget *widget, const QColor &background, const QColor &text);

// The system's button-face colour.
QColor buttonFaceColour();

// Gives a window and its frames, labels, check boxes and option buttons the
// button-face colour, with the colour scheme's own text on it.
void ApplyButtonFaceColors(QWidget *window);
