#pragma once

#include <utility>
#include <vector>

#include <QCursor>
#include <QObject>
#include <QPointer>

class QWidget;

// Keeps a window from taking the user's input while it is busy: clicks,
// the wheel, keys, shortcuts and mnemonics, context menus and drops aimed
// at the window or anything in it are dropped, and its text fields show the
// busy pointer instead of their own (the window's own pointer is the
// caller's). Other windows, such as a message box shown meanwhile, keep
// working.
class InputBlock : public QObject
{
public:
    explicit InputBlock(QWidget *window);
    ~InputBlock() override;

    void setBlocked(bool blocked);
    bool isBlocked() const { return m_blocked; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_blocked = false;
    // Widgets with a pointer of their own, and that pointer, while blocked.
    std::vector<std::pair<QPointer<QWidget>, QCursor>> m_ownPointers;
};
