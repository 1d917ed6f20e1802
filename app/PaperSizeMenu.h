#pragma once

#include <QMenu>

#include "PaperSize.h"

class QAction;

// Letter ▸ Paper Size: "A4" and "US Letter", one of them checked, the
// paper the built-in letter and its starter copy are laid out on (a
// template of the user's own keeps its own). It opens on the paper stored
// under the settings key "PaperSize", else on the locale's, and stores
// each choice.
class PaperSizeMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PaperSizeMenu(QWidget *parent = nullptr);

    // The paper checked now: a choice the settings file could not keep
    // still holds for this run.
    PaperSize chosen() const;

    QAction *a4Action = nullptr;
    QAction *letterAction = nullptr;

signals:
    // A choice that cannot be remembered for the next start, and why.
    void notStored(const QString &reason);
};
