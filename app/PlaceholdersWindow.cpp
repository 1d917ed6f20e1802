#include "PlaceholdersWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "AppTitle.h"
#include "HelpTexts.h"
#include "ScreenFit.h"

namespace {
// Room for the explanation at a glance, in average characters and lines.
constexpr int ExplanationColumns = 60;
constexpr int ExplanationLines = 9;
} // namespace

PlaceholdersWindow::PlaceholdersWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(ProductName) + QStringLiteral(" \u2014 ") + tr("Placeholders"));
    auto *intro = new QLabel(placeholdersIntroduction(), this);
    intro->setWordWrap(true);

    const QList<PlaceholderHelp> rows = placeholderHelpRows();
    table = new QTableWidget(int(rows.size()), 2, this);
    table->setHorizontalHeaderLabels({tr("Placeholder"), tr("Filled with")});
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].placeholder));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].filledWith));
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab goes on to the explanation
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    table->setCurrentCell(0, 0);
    table->setAccessibleName(tr("Placeholders"));
    table->setAccessibleDescription(tr("Each placeholder and what fills it, a row each"));
    intro->setBuddy(table);

    explanation = new QTextBrowser(this);
    explanation->setHtml(placeholdersExplanation());
    explanation->setTabChangesFocus(true);
    explanation->setOpenLinks(false);
    explanation->setMinimumSize(explanation->fontMetrics().averageCharWidth() * ExplanationColumns,
                                explanation->fontMetrics().lineSpacing() * ExplanationLines);
    explanation->setAccessibleName(tr("How placeholders are matched"));
    explanation->setAccessibleDescription(tr("Letter case, where placeholders are filled, and your own fields"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleDescription(tr("Closes this window"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table, 1);
    layout->addWidget(explanation, 1);
    layout->addWidget(buttons);
    table->setFocus(Qt::OtherFocusReason);
    keepDialogInsideScreen(this);
}
