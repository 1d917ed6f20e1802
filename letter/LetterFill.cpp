#include "LetterFill.h"

#include "WordAutomation.h"

std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values)
{
    std::vector<std::pair<QString, QString>> replacements;
    replacements.reserve(LetterFields.size());
    for (const LetterField &field : LetterFields)
        replacements.emplace_back(QString::fromLatin1(field.placeholder), values[size_t(field.index)]);
    return replacements;
}

bool fillLetter(word::Document &document, const FieldValues &values)
{
    return document.replaceEverywhere(placeholderReplacements(values)) > 0;
}
