#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "ColumnNames.h"
#include "LetterFields.h"
#include "LetterFill.h"

// One letter of a list: the texts of the thirteen fields and of the further
// placeholders, and where the row starts in the file.
struct LetterRow
{
    int line = 0; // 1-based line of the file
    std::array<QString, FieldCount> texts;
    FurtherValues further; // Phone, Email, then the list's own columns
    QString problem;       // why no letter can be made; empty when one can
    bool empty = false;    // no field holds text: nothing to write, the row is skipped
};

// A column of a list that fills a placeholder: its name as the header
// writes it, and the field or further placeholder it fills.
struct ListColumn
{
    QString name;
    int field = -1;  // -1: a further placeholder
    QString further; // its name, as the list's furtherNames has it
    // Its own name as a further placeholder too, when the table of the
    // names people give columns placed it ("Company" fills [Company] too).
    QString alsoFills;
    ColumnNames::Placement::By by = ColumnNames::Placement::By::Name;
    // An address column that names no side, given to the sender or the
    // recipient by the list's other columns (see ColumnNames.h).
    bool sideChosen = false;
};

// A list of letters read from a CSV file (RFC 4180: quoted fields,
// separators and line breaks inside quotes; UTF-8 with or without a
// byte-order mark), its fields separated by commas, semicolons or tabs, as
// spreadsheets write them in different languages.
// The header row names the columns by placeholder, as people write names
// (see Placeholders::key: "Company Name", "company_name" and
// "[CompanyName]" name one), or by the names people give such columns in
// their own lists (ColumnNames.h: "Company", "PLZ", "Hiring Manager"); a
// column of any other name fills the placeholder of that name ("Position"
// fills [Position]), unless --columns maps it by hand.
struct LetterList
{
    std::vector<LetterRow> rows;
    // Header entries without a name, or that repeat another: ignored.
    QStringList unknownColumns;
    // The columns that fill a placeholder, in the header's order.
    std::vector<ListColumn> columns;
    std::array<bool, FieldCount> hasColumn{};
    // The further placeholders every row fills, by name: the stored ones
    // (Phone, Email, the More Fields values) and the list's own columns.
    QStringList furtherNames;
    char separator = ',';
};

// The field a column or a name pattern names by its placeholder, with or
// without brackets, as people write names ("Recipient Name", "[title]"),
// or -1 for none.
int fieldNamed(const QString &name);

// The separator a list's header line uses: of comma, semicolon and tab the
// one it holds most often outside quotes; a comma when none is more
// frequent than the others.
char separatorOf(const QByteArray &data);

// The name of the placeholder a column or a name pattern names, without
// brackets or surrounding spaces ("[Position] " names "Position"); empty
// when it can name none (no name, or brackets inside).
QString placeholderNamed(const QString &name);

// Parses a list, its fields separated by `separator` (0: the one
// separatorOf finds). A sender's field (SenderFields) the list has no column
// for takes its text from `stored` (the texts stored by the window), and so
// does every further placeholder of `storedDetails` (Phone, Email, the
// More Fields values); a recipient's field the list has
// no column for is empty, never another letter's; the date field, when the
// list has no column for it, is `today`. A row with too many or too few
// fields, or with a NUL character in a field, is kept with its problem, and
// an empty line or a row whose fields
// are all blank is kept marked empty, so that each is reported with its
// line; empty lines at the very end are ignored.
// Throws Failure when the data as a whole cannot be read: not UTF-8, a
// quote left open, no header row.
// Columns mapped by hand (`byHand`) go where they are mapped; throws
// Failure when one of them names no column of the header.
LetterList parseLetterList(const QByteArray &data, const std::array<QString, FieldCount> &stored,
                           const FurtherValues &storedDetails, const QString &today, char separator = 0,
                           const ColumnNames::Mapping &byHand = {});

// The lines that say where the columns went that people may read
// otherwise: address columns given to the recipient because they name no
// side, and columns that fill the sender's own fields in place of what the
// window stores (`stored`). Empty when there is nothing to say.
QStringList placementNotes(const LetterList &list, const std::array<QString, FieldCount> &stored);

// Reads and parses the file, which may also be a pipe or FIFO that is
// still being written. Reading gives up, returning nullopt, as soon as
// `stopFd` turns readable (a batch's Ctrl+C writes to it); -1 for none.
// Throws Failure naming the file when it cannot be read, is a folder, or
// holds more than 100 MB (a device that never ends, such as /dev/zero).
std::optional<LetterList> readLetterList(const QString &path, const std::array<QString, FieldCount> &stored,
                                         const FurtherValues &storedDetails, const QString &today, char separator,
                                         int stopFd, const ColumnNames::Mapping &byHand = {});
