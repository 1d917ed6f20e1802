#pragma once

#include <QStringList>

// Why the window cannot open here, as one line, or an empty text when it
// can. Asked before the QApplication is made: without a display Qt ends the
// program with an abort rather than an error.
QString displayProblem(const QStringList &arguments);
