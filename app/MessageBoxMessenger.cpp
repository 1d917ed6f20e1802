#include "MessageBoxMessenger.h"

#include <QApplication>
#include <QMessageBox>

#include "AppTitle.h"

namespace {
QString captionOrTitle(const QString &caption)
{
    return caption.isEmpty() ? appTitle() : caption;
}
} // namespace

void MessageBoxMessenger::showMessage(const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    captionOrTitle(caption), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

Messenger::Answer MessageBoxMessenger::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
