#pragma once

#include <QStringList>

struct xcb_connection_t;

// Whether the window can open here, asked before the QApplication is made:
// without a display Qt ends the program with an abort rather than an error.
// The check's connection to the X server stays open as long as this object
// lives, so that the server, which resets when its last client leaves,
// does not reset just as Qt connects.
class DisplayCheck
{
public:
    explicit DisplayCheck(const QStringList &arguments);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // Why the window cannot open, as one line; empty when it can.
    QString problem() const { return m_problem; }

private:
    QString m_problem;
    xcb_connection_t *m_connection = nullptr;
};
