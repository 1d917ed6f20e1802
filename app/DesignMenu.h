#pragma once

#include <map>

#include <QMenu>

#include "LetterDesign.h"

class QAction;

// Letter ▸ Design: "Classic", "Modern" and "Letterhead", each with a small
// picture of its first page, one of them checked: the design the built-in
// letter is made in (a template of the user's own keeps its own looks). It
// opens on the design stored under the settings key "Design" and stores
// each choice.
class DesignMenu : public QMenu
{
    Q_OBJECT
public:
    explicit DesignMenu(QWidget *parent = nullptr);

    // The design checked now: a choice the settings file could not keep
    // still holds for this run.
    LetterDesign chosen() const;
    QAction *actionFor(LetterDesign design) const { return m_actions.at(design); }

signals:
    // A choice that cannot be remembered for the next start, and why.
    void notStored(const QString &reason);

private:
    std::map<LetterDesign, QAction *> m_actions;
};
