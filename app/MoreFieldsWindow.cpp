#include "MoreFieldsWindow.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "AppTitle.h"
#include "Messenger.h"
#include "Placeholders.h"
#include <QScrollArea>

#include "ScreenFit.h"

namespace {
// Room for a value at a glance, in average characters.
constexpr int ValueColumns = 40;
} // namespace

QStringList moreFieldsNames(const QStringList &used)
{
    QStringList names = used;
    for (const auto &[name, value] : Placeholders::storedExtraValues()) {
        Q_UNUSED(value);
        const bool listed = std::any_of(names.begin(), names.end(), [&](const QString &n) {
            return Placeholders::key(n) == Placeholders::key(name);
        });
        if (!listed)
            names.append(name);
    }
    return names;
}

MoreFieldsWindow::MoreFieldsWindow(Messenger &messenger, const QStringList &names, QWidget *parent)
    : QDialog(parent), m_messenger(messenger), m_names(names)
{
    setWindowTitle(QString::fromLatin1(ProductName) + QStringLiteral(" \u2014 ") + tr("More Fields"));
    auto *intro = new QLabel(tr("Values for the placeholders your letter uses beyond the fields, [Phone] and "
                                "[Email]. Each fills every letter you make here, and a list's column of the "
                                "same name takes its place in a batch."),
                             this);
    intro->setWordWrap(true);
    noneNote = new QLabel(tr("Your letter text uses no such placeholder. Put one such as [Position] in it "
                             "(Letter > Edit Letter Text…), and it is listed here. Those of your own template "
                             "are listed once a letter has been made from it."),
                          this);
    noneNote->setWordWrap(true);
    noneNote->setVisible(names.isEmpty());

    auto *form = new QFormLayout;
    FurtherValues kept = Placeholders::storedExtraValues();
    for (const QString &name : names) {
        auto *value = new QLineEdit(this);
        const auto found = std::find_if(kept.begin(), kept.end(), [&](const auto &k) {
            return Placeholders::key(k.first) == Placeholders::key(name);
        });
        if (found != kept.end())
            value->setText(found->second);
        value->setMinimumWidth(value->fontMetrics().averageCharWidth() * ValueColumns);
        value->setAccessibleName(u'[' + name + u']');
        value->setAccessibleDescription(tr("What fills [%1] in your letters").arg(name));
        auto *label = new QLabel(u'[' + name + QStringLiteral("]:"), this);
        label->setBuddy(value);
        form->addRow(label, value);
        values.push_back(value);
    }

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // A letter with many placeholders scrolls where the screen is too small.
    auto *content = new QWidget(this);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(intro);
    contentLayout->addWidget(noneNote);
    contentLayout->addLayout(form);
    contentLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scrollableContent(this, content), 1);
    layout->addWidget(buttons);
}

void MoreFieldsWindow::accept()
{
    try {
        for (size_t i = 0; i < values.size(); ++i) {
            // A value kept under another spelling of the name is replaced.
            Placeholders::storeExtraValue(m_names[qsizetype(i)], values[i]->text());
        }
    } catch (const std::exception &e) {
        m_messenger.showMessage(tr("%1\n\nYour values were not all kept; the window stays open so that "
                                   "nothing you typed is lost.")
                                        .arg(QString::fromUtf8(e.what())),
                                QString(), Messenger::Icon::Warning);
        return;
    }
    QDialog::accept();
}
