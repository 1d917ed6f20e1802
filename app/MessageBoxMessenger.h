#pragma once

#include "Messenger.h"

class QWidget;

// The real messenger: modal QMessageBoxes, and for a choice a dialog of
// the same look. A choice's last paragraph (after its last blank line) is
// its question: it stays in sight while what comes before it (the list a
// check found) scrolls where the screen is too small.
class MessageBoxMessenger : public Messenger
{
public:
    void showMessage(const QString &text, const QString &caption, Icon icon) override;
    Answer askYesNo(const QString &text) override;
    int askChoice(const QString &text, const QStringList &buttons, int safe) override;
};
