#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QString>

#include "LetterFields.h"

namespace word { class Document; }

// The texts of the thirteen letter fields, by field index (the date is
// field 12).
using FieldValues = std::array<QString, FieldCount>;

// Placeholders beyond the thirteen fields, each by its name without the
// brackets and the text that fills it, in the order they are filled: the
// sender's phone and e-mail ("Phone" fills [Phone]), then a batch list's
// own columns ("Position" fills [Position]).
using FurtherValues = std::vector<std::pair<QString, QString>>;

// What fills [RecipientName] when the recipient's name is empty, so that
// the letter reads "Dear Hiring Manager:" and its address block begins
// with a name.
inline constexpr char NoRecipientName[] = "Hiring Manager";

// The sender's phone and e-mail as the settings keep them.
FurtherValues storedSenderDetails();

// Each placeholder with the text that replaces it: the fields in order 0
// to 12, then the further values. A text that holds a later placeholder is
// filled by it, one that holds an earlier placeholder stays as typed.
std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values,
                                                                 const FurtherValues &further = {});

// Fills the open letter: every placeholder, in any letter case, in every
// story, table, frame and shape text, becomes its text, inserted
// literally. The one way every letter is filled, whichever road makes it.
// Answers whether the template held any placeholder at all.
bool fillLetter(word::Document &document, const FieldValues &values, const FurtherValues &further = {});

// Puts the user's letter text (see LetterText.h) in place of the built-in
// letter's body, laid out in the letter's own paragraph and bullet styles,
// and makes the later pages' header name the recipient and the date by
// their placeholders. Done before the letter is filled, so that its
// placeholders are filled too. Throws Failure when the document has no
// body to replace.
void putLetterText(word::Document &document, const QString &letterText);
