#pragma once

#include <QString>
#include <QStringList>

// Every message box and question of the program goes through this interface,
// so that tests can read each message and answer each question without a
// modal loop. The real implementation shows QMessageBoxes.
class Messenger
{
public:
    enum class Icon { None, Warning };
    // Message-box result codes, as the commands store them.
    enum class Answer { Ok = 1, Yes = 6, No = 7 };

    virtual ~Messenger() = default;

    // Shows a message with a single OK button and waits for it. An empty
    // caption shows the application title.
    virtual void showMessage(const QString &text, const QString &caption, Icon icon) = 0;

    // Asks a question with the buttons Yes and No (Yes the default) and no
    // icon; the caption is the application title.
    virtual Answer askYesNo(const QString &text) = 0;

    // Asks, over the active window only, with buttons of the caller's in
    // their order, and answers the index of the one chosen. `safe` is the
    // default button and Escape's answer; the caption is the application
    // title.
    virtual int askChoice(const QString &text, const QStringList &buttons, int safe) = 0;
};
