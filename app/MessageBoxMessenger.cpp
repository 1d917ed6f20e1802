#include "MessageBoxMessenger.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

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
    QDialog box(over);
    box.setWindowTitle(appTitle());
    const qsizetype split = text.lastIndexOf(QStringLiteral("\n\n"));
    auto *question = new QLabel(split < 0 ? text : text.mid(split + 2), &box);
    question->setWordWrap(true);
    auto *icon = new QLabel(&box);
    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &box).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto *row = new QHBoxLayout;
    row->addStretch();
    int chosen = safe;
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = new QPushButton(buttons[i], &box);
        button->setAutoDefault(false);
        button->setDefault(i == safe);
        QObject::connect(button, &QPushButton::clicked, &box, [&box, &chosen, i] {
            chosen = i;
            box.done(QDialog::Accepted);
        });
        row->addWidget(button);
    }
    auto *layout = new QGridLayout(&box);
    layout->addWidget(icon, 0, 0, 2, 1);
    if (split < 0) {
        keepDialogInsideScreen(&box);
    } else {
        auto *list = new QLabel(text.left(split));
        list->setWordWrap(true);
        list->setTextInteractionFlags(Qt::TextSelectableByMouse);
        list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        list->setAccessibleName(QObject::tr("What the question is about"));
        layout->addWidget(scrollableContent(&box, list), 0, 1);
    }
    layout->addWidget(question, 1, 1);
    layout->addLayout(row, 2, 0, 1, 2);
    layout->setRowStretch(0, 1);
    // Only the window it speaks of waits for the answer; Escape and the
    // close button answer the safe choice.
    box.setWindowModality(over ? Qt::WindowModal : Qt::ApplicationModal);
    return box.exec() == QDialog::Accepted ? chosen : safe;
}
