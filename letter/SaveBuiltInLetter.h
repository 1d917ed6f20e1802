#pragma once

#include <optional>

#include <QString>

#include "LetterFormat.h"
#include "PaperSize.h"

namespace word { class Automation; }

// "Save Built-in Letter As…": writes the built-in letter template,
// placeholders and all, at target in the given format through the office's
// own filter, so that the user can write their own text around the
// placeholders and choose the file as their template. The copy has the
// user's letter text as its body when there is one, and its later pages'
// header holds [RecipientName] and [CurrentDate] (beside the page number),
// so that it fills as the rest of the letter does. It is laid out on the
// given paper, which a letter made from it then keeps.
//
// The letter is exported in the temporary folder and then written beside
// the target and moved into place: an existing file is replaced whole or
// not at all. Throws Failure when it cannot be done; the office instance
// and the scratch files are gone either way.
void saveBuiltInLetter(word::Automation &automation, const QString &target, word::LetterFormat format,
                       PaperSize paper, const std::optional<QString> &letterText = std::nullopt);

// The formats the built-in letter can be saved in, the default first:
// .docx, .odt, .doc.
inline constexpr word::LetterFormat BuiltInLetterFormats[] = {
    word::LetterFormat::WordXml, word::LetterFormat::OpenDocument, word::LetterFormat::Word97};

// The path and format a name chosen in the save dialog stands for: a name
// ending in one of the formats' suffixes (any letter case) is saved in that
// format; any other name gets the suffix of the format chosen in the dialog.
struct SaveTarget
{
    QString path;
    word::LetterFormat format;
};
SaveTarget saveTargetFor(const QString &chosenPath, word::LetterFormat chosenFormat);
