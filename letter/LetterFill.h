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

// Each placeholder with the text that replaces it, in field order 0 to 12:
// a field's text that holds a later field's placeholder is filled by that
// later field, one that holds an earlier field's placeholder stays as typed.
std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values);

// Fills the open letter: every placeholder, in any letter case, in every
// story, table, frame and shape text, becomes its field's text, inserted
// literally. The one way every letter is filled, whichever road makes it.
// Answers whether the template held any placeholder at all.
bool fillLetter(word::Document &document, const FieldValues &values);
