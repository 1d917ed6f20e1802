#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

// Fonts of both windows: Arial (Liberation Sans on Linux), bold.
QFont controlFont();   // labels, frames and fields: 9 pt
QFont buttonFont();    // push buttons: 11.25 pt

// The application icon (32, 48, 128 and 256 pixels). Throws Failure when
// it is missing from the program.
QIcon applicationIcon();

// Gives a widget a plain background colour of its own.
void setBackground(QWidget *widget, const QColor &colour);

// The system's button-face colour.
QColor buttonFaceColour();

// Gives a window and its frames, labels, check boxes and option buttons the
// button-face colour.
void ApplyButtonFaceColors(QWidget *window);
