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

    bool canOpen() const { return m_kind == Problem::None; }
    // Why the window cannot open, as one line in the language of the
    // translations installed when asked; empty when it can.
    QString problem() const;

private:
    enum class Problem { None, NoDisplay, CannotOpen };
    Problem m_kind = Problem::None;
    QString m_display;
    xcb_connection_t *m_connection = nullptr;
};
