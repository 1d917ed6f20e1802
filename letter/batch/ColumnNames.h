#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

// The names people give the columns of their lists of applications, in the
// languages the program's users write them (English, French, German,
// Spanish, Japanese), and the placeholder each fills: "Company", "Firma",
// "Société" and "会社名" fill [CompanyName]; "Hiring Manager" and
// "Ansprechpartner" fill [RecipientName]; "PLZ", "Code postal" and
// "郵便番号" a postcode.
//
// A list is a list of recipients, so an address column that says nothing
// of whose address it is ("Street Address", "City", "PLZ", and the
// program's own "StreetAddress" or "City") fills the recipient's, unless
// the list also has the recipient's own column for it ("City2",
// "Recipient City"): then it is the sender's, as in the lists the program
// writes itself. A name may say whose it is: "Sender City", "Your Street"
// and "Absender PLZ" are the sender's; "Recipient City", "Empfänger Ort"
// and "City2" the recipient's.
namespace ColumnNames {

// What a column of the header fills.
struct Placement
{
    // The placeholder it fills, without brackets ("CompanyName",
    // "ZIPCode2", "Position"); empty when it fills none (no name, or
    // brackets inside it).
    QString placeholder;
    // Its own name, when the table gave it another placeholder and its
    // own can stand as one too: a "Company" column also fills [Company].
    QString alsoFills;
    enum class By {
        Name,  // its name is the placeholder's
        Table, // the table of the names people give
        Hand,  // --columns
    };
    By by = By::Name;
    // An address column that names no side, placed by the list's other
    // columns (see above).
    bool sideChosen = false;
};

// Columns mapped by hand ("Where I saw it" to "Source"), as --columns
// gives them: the column's name and the placeholder's.
using Mapping = std::vector<std::pair<QString, QString>>;

// Parses --columns' text: "Where I saw it=Source,Company=CompanyName".
// Throws Failure naming what is wrong (no "=", no name on a side).
Mapping parseMapping(const QString &text);

// Where each column of the header goes, in its order. Throws Failure
// when a column mapped by hand is not in the header, naming the header's
// columns.
std::vector<Placement> place(const QStringList &header, const Mapping &byHand);

// The key two names that people mean alike share: letter case, accents,
// spaces and punctuation aside ("Société" and "societe", "Zip/Postal Code"
// and "zippostalcode").
QString looseKey(const QString &name);

// The table, one line per placeholder, for --help and the README.
QString tableText();

} // namespace ColumnNames
