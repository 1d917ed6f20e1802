#pragma once

class QMenuBar;
class QWidget;

// What assistive technology (a screen reader on the accessibility bus)
// sees of the program's own windows.

// Presents every top-level window built on a plain QWidget as a window
// (a dialog-type one as a dialog), where Qt would present it as a mere
// filler, and leaves out of it what a window keeps from assistive
// technology (below). Safe to call more than once.
void installWindowAccessibility();

// Leaves a direct child of a window out of that window's accessible
// children: for a control that exists for the program's bookkeeping only
// and lies outside the window, which a screen reader would otherwise offer
// as if it could be reached.
void keepFromAssistiveTechnology(QWidget *child);
bool isKeptFromAssistiveTechnology(const QWidget *widget);

// Gives every menu of the bar (and their submenus) its title, without the
// mnemonic's "&", as its accessible name: a popup menu has none of its own.
void nameMenusAfterTheirTitles(QMenuBar *bar);
