#include "LettersWindow.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "AppTitle.h"
#include "CommonDialog.h"
#include "Failure.h"
#include "FileInPlace.h"
#include "LettersListing.h"
#include "LettersModel.h"
#include "LettersRecord.h"
#include "Messenger.h"

namespace {
// Room for the table at a glance, in average characters and lines.
constexpr int TableColumns = 150;
constexpr int TableLines = 16;

// The status column's editor: the statuses in the user's words, each
// keeping its key.
class StatusDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *box = new QComboBox(parent);
        for (const QString &key : LetterStatus::keys())
            box->addItem(LetterStatus::label(key), key);
        box->setAccessibleName(QCoreApplication::translate("StatusDelegate", "Status"));
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *box = static_cast<QComboBox *>(editor);
        box->setCurrentIndex(std::max(0, box->findData(index.data(Qt::EditRole))));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentData(), Qt::EditRole);
    }
};
} // namespace

LettersWindow::LettersWindow(LettersRecord &record, Messenger &messenger, QWidget *parent)
    : QWidget(parent, Qt::Window), m_record(record), m_messenger(messenger),
      m_dialog(std::make_unique<FileDialogCommonDialog>(this))
{
    setWindowTitle(QString::fromLatin1(ProductName) + QStringLiteral(" \u2014 ") + tr("Letters Sent"));

    auto *searchLabel = new QLabel(tr("&Search:"), this);
    search = new QLineEdit(this);
    search->setClearButtonEnabled(true);
    search->setPlaceholderText(tr("Company, recipient, position, status or file"));
    search->setAccessibleName(tr("Search"));
    search->setAccessibleDescription(tr("Shows only the letters whose row holds these words"));
    searchLabel->setBuddy(search);

    model = new LettersModel(m_record, this);
    shown = new QSortFilterProxyModel(this);
    shown->setSourceModel(model);
    shown->setSortRole(LettersModel::SortRole);
    shown->setFilterKeyColumn(-1);
    shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(search, &QLineEdit::textChanged, shown, &QSortFilterProxyModel::setFilterFixedString);

    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->hide();

    table = new QTableView(this);
    table->setModel(shown);
    table->setItemDelegateForColumn(LettersModel::Status, new StatusDelegate(table));
    table->setSortingEnabled(true);
    table->sortByColumn(LettersModel::When, Qt::DescendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::SelectedClicked);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(tr("Letters"));
    table->setAccessibleDescription(tr("Each letter written, a row each; F2 sets its status"));
    table->setWordWrap(false);
    table->setMinimumHeight(table->fontMetrics().lineSpacing() * TableLines);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, &LettersWindow::updateButtons);
    connect(shown, &QAbstractItemModel::modelReset, this, &LettersWindow::updateButtons);
    connect(model, &LettersModel::statusNotKept, this,
            [this](const QString &reason) { m_messenger.showMessage(reason, QString(), Messenger::Icon::Warning); });

    openLetterButton = new QPushButton(tr("&Open Letter"), this);
    openLetterButton->setAccessibleDescription(tr("Opens the chosen letter's file"));
    openFolderButton = new QPushButton(tr("Open &Folder"), this);
    openFolderButton->setAccessibleDescription(tr("Opens the folder that holds the chosen letter"));
    exportButton = new QPushButton(tr("&Export CSV…"), this);
    exportButton->setAccessibleDescription(tr("Writes the letters shown to a CSV file"));
    auto *closeButton = new QPushButton(tr("&Close"), this);
    connect(openLetterButton, &QPushButton::clicked, this, &LettersWindow::openLetter);
    connect(openFolderButton, &QPushButton::clicked, this, &LettersWindow::openFolder);
    connect(exportButton, &QPushButton::clicked, this, &LettersWindow::exportCsv);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(table, &QTableView::activated, this, [this](const QModelIndex &index) {
        if (index.column() != LettersModel::Status)
            openLetter();
    });

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(openLetterButton);
    buttons->addWidget(openFolderButton);
    buttons->addWidget(exportButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(problem);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * TableColumns, sizeHint().height());
    reload();
}

LettersWindow::~LettersWindow() = default;

void LettersWindow::setCommonDialog(std::unique_ptr<CommonDialog> dialog)
{
    m_dialog = std::move(dialog);
}

void LettersWindow::reload()
{
    try {
        model->reload();
        problem->hide();
    } catch (const Failure &failure) {
        problem->setText(tr("The record of letters cannot be read: %1.").arg(failure.description()));
        problem->show();
    }
    table->resizeColumnsToContents();
    if (shown->rowCount() > 0 && !table->currentIndex().isValid())
        table->setCurrentIndex(shown->index(0, 0));
    updateButtons();
}

void LettersWindow::showEvent(QShowEvent *event)
{
    // Letters written since it was last shown are in it.
    reload();
    QWidget::showEvent(event);
}

QString LettersWindow::currentFile() const
{
    const QModelIndex current = shown->mapToSource(table->currentIndex());
    return current.isValid() ? model->entry(current.row()).file : QString();
}

void LettersWindow::updateButtons()
{
    const bool hasFile = !currentFile().isEmpty();
    openLetterButton->setEnabled(hasFile);
    openFolderButton->setEnabled(hasFile);
    exportButton->setEnabled(shown->rowCount() > 0);
}

void LettersWindow::openLetter()
{
    const QString file = currentFile();
    if (file.isEmpty())
        return;
    if (!QFileInfo::exists(file))
        return m_messenger.showMessage(
                tr("The letter %1 is no longer there: it was moved or deleted.").arg(QDir::toNativeSeparators(file)),
                QString(), Messenger::Icon::Warning);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        m_messenger.showMessage(tr("No program could be started to open %1.").arg(QDir::toNativeSeparators(file)),
                                QString(), Messenger::Icon::Warning);
}

void LettersWindow::openFolder()
{
    const QString file = currentFile();
    if (file.isEmpty())
        return;
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir())
        return m_messenger.showMessage(tr("The folder %1 is no longer there.").arg(QDir::toNativeSeparators(folder)),
                                       QString(), Messenger::Icon::Warning);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        m_messenger.showMessage(tr("No program could be started to open %1.").arg(QDir::toNativeSeparators(folder)),
                                QString(), Messenger::Icon::Warning);
}

void LettersWindow::exportCsv()
{
    m_dialog->DialogTitle = tr("Export CSV");
    m_dialog->Filter = tr("CSV Files (*.csv)") + QStringLiteral("|*.csv");
    m_dialog->DefaultExt = QStringLiteral("csv");
    m_dialog->FileName = tr("Letters Sent") + QStringLiteral(".csv");
    m_dialog->ShowSave();
    const QString target = withDefaultSuffix(m_dialog->FileName, QStringLiteral("csv"));
    if (target.isEmpty())
        return;
    if (QFileInfo::exists(target)
        && m_messenger.askYesNo(tr("%1 exists. Replace it?").arg(QDir::toNativeSeparators(target)))
                != Messenger::Answer::Yes)
        return;
    // The rows shown, in the order shown.
    std::vector<LetterEntry> rows;
    for (int row = 0; row < shown->rowCount(); ++row)
        rows.push_back(model->entry(shown->mapToSource(shown->index(row, 0)).row()));
    try {
        writeFileInPlace(LettersListing::csv(rows), target);
    } catch (const Failure &failure) {
        m_messenger.showMessage(failure.description(), QString(), Messenger::Icon::Warning);
    }
}
