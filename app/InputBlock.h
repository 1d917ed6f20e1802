#pragma once

#include <QObject>

class QWidget;

// Keeps a window from taking the user's input while it is busy: clicks,
// the wheel, keys, shortcuts and mnemonics, context menus and drops aimed
// at the window or anything in it are dropped, not kept for later (the
// pointer is the window's own business). Other windows, such as a message
// box or a progress window shown meanwhile, keep working.
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
};
