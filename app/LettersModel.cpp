#include "LettersModel.h"

#include "Failure.h"
#include "LettersListing.h"

LettersModel::LettersModel(LettersRecord &record, QObject *parent) : QAbstractTableModel(parent), m_record(record) { }

void LettersModel::reload()
{
    beginResetModel();
    m_entries.clear();
    try {
        m_entries = m_record.entries();
    } catch (const Failure &) {
        endResetModel();
        throw;
    }
    endResetModel();
}

int LettersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int LettersModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LettersModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LetterEntry &letter = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return LettersListing::cells(letter).value(index.column());
    case Qt::EditRole:
        return index.column() == Status ? QVariant(letter.status) : data(index, Qt::DisplayRole);
    case SortRole:
        return index.column() == When ? QVariant(letter.when) : data(index, Qt::DisplayRole);
    case Qt::ToolTipRole:
        return index.column() == File ? QVariant(letter.file) : QVariant();
    default:
        return {};
    }
}

QVariant LettersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return LettersListing::columnTitles().value(section);
}

Qt::ItemFlags LettersModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Status)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool LettersModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Status || role != Qt::EditRole)
        return false;
    const QString status = value.toString();
    LetterEntry &letter = m_entries[size_t(index.row())];
    if (!LetterStatus::isKnown(status) || status == letter.status)
        return false;
    try {
        m_record.setStatus(letter.id, status);
    } catch (const Failure &failure) {
        emit statusNotKept(tr("The status could not be kept: %1.").arg(failure.description()));
        return false;
    }
    letter.status = status;
    emit dataChanged(index, index);
    return true;
}
