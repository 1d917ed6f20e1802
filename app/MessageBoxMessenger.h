#pragma once

#include "Messenger.h"

class QWidget;

// The real messenger: modal QMessageBoxes.
class MessageBoxMessenger : public Messenger
{
public:
    void showMessage(const QString &text, const QString &caption, Icon icon) override;
    Answer askYesNo(const QString &text) override;
    int askChoice(const QString &text, const QStringList &buttons, int safe) override;
};
