#pragma once

#include <QString>
#include <QStringList>

#include "LetterFill.h"

// Placeholder names as people write them. A placeholder is a name in
// square brackets ("[Position]"); filling matches it in any letter case.
// Where a name is given by hand (a list's column, a More Fields entry) it
// may be written as people name things: "Company Name", "company_name" and
// "COMPANY-NAME" all name [CompanyName].
namespace Placeholders {

// The name without brackets, surrounding spaces, inner spaces, underscores
// or hyphens, in lower case: two names that fill the same placeholder have
// the same key ("ZIP Code 2" and "[ZIPCode2]" both give "zipcode2").
QString key(const QString &name);

// The placeholder names a text holds, without brackets, as first written
// and each once (by key), in the order they first stand. A name begins
// with a letter and holds letters, digits, "_" and "-" ("[Position]",
// "[ST2]"); "[1]" or "[ see above ]" are no placeholders.
QStringList namesIn(const QString &text);

// Whether a name is one of the thirteen fields' placeholders (by key).
bool isFieldName(const QString &name);

// Whether a name is one of the sender's details or the recipient's
// country (Phone, Email, Country, Country2), which the Letter Text window
// keeps, not More Fields.
bool isSenderDetail(const QString &name);

// Whether a name is [Signature]'s, which the sender's signature picture
// takes (or nothing): never a value to ask for.
bool isSignature(const QString &name);

// The values the user gave in More Fields for the letter's own
// placeholders, kept in the settings as "Extra_" and the name
// ("Extra_Position"), in the order the settings file keeps them.
FurtherValues storedExtraValues();
// Keeps a value (an empty one too: the user said so). Throws Failure when
// the settings cannot be written.
void storeExtraValue(const QString &name, const QString &value);

// What every letter of the window fills beyond the fields: the sender's
// phone, e-mail and country, the recipient's country, then the More Fields
// values.
FurtherValues storedFurtherValues();

} // namespace Placeholders
