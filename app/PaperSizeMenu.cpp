#include "PaperSizeMenu.h"

#include <QActionGroup>

#include "Failure.h"

PaperSizeMenu::PaperSizeMenu(QWidget *parent) : QMenu(tr("&Paper Size"), parent)
{
    setAccessibleDescription(tr("The paper the built-in letter is laid out on"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    a4Action = addAction(tr("&A4"));
    a4Action->setStatusTip(tr("Lay the built-in letter out on A4 paper (210 × 297 mm)"));
    letterAction = addAction(tr("US &Letter"));
    letterAction->setStatusTip(tr("Lay the built-in letter out on US Letter paper (8.5 × 11 in)"));
    for (QAction *action : {a4Action, letterAction}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (Paper::stored() == PaperSize::A4 ? a4Action : letterAction)->setChecked(true);
    connect(group, &QActionGroup::triggered, this, [this] {
        try {
            Paper::store(chosen());
        } catch (const Failure &failure) {
            emit notStored(failure.description());
        }
    });
}

PaperSize PaperSizeMenu::chosen() const
{
    return a4Action->isChecked() ? PaperSize::A4 : PaperSize::Letter;
}
