#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QCursor>
#include <QPointer>
#include <QString>

class QWidget;

// The mouse pointer of a window, by the codes both windows share: 0 the
// default arrow, 11 the busy hourglass, 99 the window's mouse icon (the
// hand cursor, or the arrow when the window has none). The hourglass shows
// over the whole window, its text fields included.
class WindowPointer
{
public:
    enum Code { Default = 0, Busy = 11, Custom = 99 };

    explicit WindowPointer(QWidget *window);

    Code code() const { return m_code; }
    void setCode(Code code);

    void setMouseIcon(const QCursor &cursor);
    bool hasMouseIcon() const { return m_mouseIcon.has_value(); }

    // The hover rule: over a push button the hand, over the window's
    // background or a frame the arrow; the hourglass is never overridden.
    void overButton();
    void overBackground();

private:
    void overrideOwnPointers(bool busy);

    QWidget *m_window;
    Code m_code = Default;
    std::optional<QCursor> m_mouseIcon;
    // Widgets with a pointer of their own, and that pointer, while busy.
    std::vector<std::pair<QPointer<QWidget>, QCursor>> m_ownPointers;
};

// Loads a Windows cursor file (".cur") with the hot spot that it declares.
// Throws Failure when the file cannot be read as a cursor.
QCursor loadCursorFile(const QString &path);
