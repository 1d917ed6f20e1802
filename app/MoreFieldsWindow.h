#pragma once

#include <vector>

#include <QDialog>
#include <QStringList>

class Messenger;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// "Tessaline — More Fields": a value for each placeholder the letter uses
// beyond the twelve fields, [Phone] and [Email] ("[Position]"), kept in the
// settings (see Placeholders::storeExtraValue) and filled in every letter
// the window makes. OK keeps every value; Cancel keeps nothing. Values that
// cannot be kept are told and the window stays open.
class MoreFieldsWindow : public QDialog
{
    Q_OBJECT
public:
    // `names`: the placeholders to offer, by name without brackets; each
    // shows its kept value.
    MoreFieldsWindow(Messenger &messenger, const QStringList &names, QWidget *parent = nullptr);

    void accept() override;

    QStringList names() const { return m_names; }
    // One entry per name, in the names' order.
    std::vector<QLineEdit *> values;
    // Says that the letter has no such placeholder, when it has none.
    QLabel *noneNote = nullptr;
    QDialogButtonBox *buttons = nullptr;

private:
    Messenger &m_messenger;
    QStringList m_names;
};

// The names More Fields offers for a letter: those its own words use
// (`used`), then every value kept before, each once.
QStringList moreFieldsNames(const QStringList &used);
