#pragma once

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include <QLocale>
#include <QString>

#include "LetterDate.h"
#include "LetterFields.h"

namespace word {
class Document;
class PlaceholderPlaces;
} // namespace word

// The texts of the thirteen letter fields, by field index (the date is
// field 12).
using FieldValues = std::array<QString, FieldCount>;

// Placeholders beyond the thirteen fields, each by its name without the
// brackets and the text that fills it, in the order they are filled: the
// sender's phone and e-mail ("Phone" fills [Phone]), then a batch list's
// own columns ("Position" fills [Position]).
using FurtherValues = std::vector<std::pair<QString, QString>>;

// What fills [RecipientName] when the recipient's name is empty, in the
// letter's language ("Hiring Manager", "Responsable du recrutement"), so
// that a greeting that names the recipient still greets someone and the
// address block begins with a name.
QString noRecipientName(const QLocale &language);

// The sender's phone, e-mail, country and web page as the settings keep
// them.
FurtherValues storedSenderDetails();

// Each placeholder with the text that replaces it: the fields in order 0
// to 12, then the further values, then [Signature], emptied (a signature
// picture takes its place before the fill). A text that holds a later
// placeholder is filled by it, one that holds an earlier placeholder stays
// as typed. An empty recipient's name is filled in the letter's language.
std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values,
                                                                 const FurtherValues &further = {},
                                                                 const QLocale &language = dateLanguage());

// The placeholders of the replacements, in their order.
std::vector<QString> placeholdersOf(const std::vector<std::pair<QString, QString>> &replacements);

// What each placeholder's places are filled with when the replacements run
// in their order, each inserted literally (case-insensitive): a text that
// holds a later placeholder gets that placeholder's text, one that holds an
// earlier placeholder keeps it as typed. By the replacements' order.
std::vector<QString> filledTexts(const std::vector<std::pair<QString, QString>> &replacements);

// A template, open in the office, with its placeholders found once: every
// placeholder, in any letter case, in every story, table, frame and shape
// text. Filling sets the text of the places found, so one template serves
// letter after letter; the window fills one letter from it, the batch many.
// The one way every letter is filled, whichever road makes it.
class PreparedLetter
{
public:
    PreparedLetter(word::Document &document, std::vector<QString> placeholders);
    ~PreparedLetter();

    // Whether the template held any placeholder at all.
    bool hasPlaceholders() const;
    // Fills the letter. The replacements' placeholders are those the letter
    // was prepared with (any other is ignored).
    void fill(const std::vector<std::pair<QString, QString>> &replacements);

    // For reusing one open template (see word::PlaceholderPlaces).
    word::PlaceholderPlaces &places() { return *m_places; }

private:
    std::vector<QString> m_placeholders;
    std::unique_ptr<word::PlaceholderPlaces> m_places;
};

// Puts the user's letter text (see LetterText.h) in place of the built-in
// letter's body, laid out in the letter's own paragraph and bullet styles,
// and makes the later pages' header name the recipient and the date by
// their placeholders. Done before the letter is filled, so that its
// placeholders are filled too. Throws Failure when the document has no
// body to replace.
void putLetterText(word::Document &document, const QString &letterText);
