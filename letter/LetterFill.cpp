#include "LetterFill.h"

#include "LetterText.h"
#include "WordAutomation.h"

namespace {
constexpr int RecipientNameField = 7;
} // namespace

FurtherValues storedSenderDetails()
{
    FurtherValues details;
    for (const char *key : SenderDetailKeys)
        details.emplace_back(QString::fromLatin1(key), readSetting(QString::fromLatin1(key)));
    return details;
}

std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values,
                                                                 const FurtherValues &further)
{
    std::vector<std::pair<QString, QString>> replacements;
    replacements.reserve(LetterFields.size() + further.size());
    for (const LetterField &field : LetterFields) {
        QString text = values[size_t(field.index)];
        // "Dear :" greets nobody.
        if (field.index == RecipientNameField && text.trimmed().isEmpty())
            text = QString::fromLatin1(NoRecipientName);
        replacements.emplace_back(QString::fromLatin1(field.placeholder), text);
    }
    for (const auto &[name, text] : further)
        replacements.emplace_back(u'[' + name + u']', text);
    return replacements;
}

bool fillLetter(word::Document &document, const FieldValues &values, const FurtherValues &further)
{
    return document.replaceEverywhere(placeholderReplacements(values, further)) > 0;
}

void putLetterText(word::Document &document, const QString &letterText)
{
    document.replaceBody(LetterText::paragraphs(letterText));
    // A body of the user's may run to a second page, whose header must
    // then name this letter's recipient and date, not the template's.
    document.turnHeaderFieldsIntoPlaceholders();
}
