#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "LettersRecord.h"

// The record of letters as a table: one row per entry, the columns of
// LettersListing. The status column is editable; a status set goes into
// the record at once, and one that cannot be kept leaves the row as it
// was and says why (statusNotKept).
class LettersModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { When, Company, Recipient, Position, Format, Status, File, ColumnCount };
    // What the columns sort by: the time itself, not its text.
    static constexpr int SortRole = Qt::UserRole;

    explicit LettersModel(LettersRecord &record, QObject *parent = nullptr);

    // Reads the record again. Throws Failure when it cannot be read (the
    // table is then empty).
    void reload();
    const LetterEntry &entry(int row) const { return m_entries[size_t(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The status column takes a key of LetterStatus (Qt::EditRole).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void statusNotKept(const QString &reason);

private:
    LettersRecord &m_record;
    std::vector<LetterEntry> m_entries;
};
