#include "MessageBoxMessenger.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "AppTitle.h"
#include "ScreenFit.h"

namespace {
QString captionOrTitle(const QString &caption)
{
    return caption.isEmpty() ? appTitle() : caption;
}
} // namespace

void MessageBoxMessenger::showMessage(const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, captionOrTitle(caption), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    keepDialogInsideScreen(&box);
    box.exec();
}

Messenger::Answer MessageBoxMessenger::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    keepDialogInsideScreen(&box);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int MessageBoxMessenger::askChoice(const QString &text, const QStringList &buttons, int safe)
{
    QWidget *over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, appTitle(), text, QMessageBox::NoButton, over);
    std::vector<QAbstractButton *> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const auto role = i == safe ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        added.push_back(box.addButton(buttons[i], role));
    }
    if (safe >= 0 && safe < int(added.size())) {
        box.setDefaultButton(qobject_cast<QPushButton *>(added[size_t(safe)]));
        box.setEscapeButton(added[size_t(safe)]);
    }
    // Only the window it speaks of waits for the answer.
    box.setWindowModality(over ? Qt::WindowModal : Qt::ApplicationModal);
    keepDialogInsideScreen(&box);
    box.exec();
    const auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
    return chosen == added.end() ? safe : int(chosen - added.begin());
}
