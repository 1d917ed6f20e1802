#include "LetterFill.h"

#include "LetterText.h"
#include "LetterWords.h"
#include "Settings.h"
#include "WordAutomation.h"

namespace {
constexpr int RecipientNameField = 7;
} // namespace

FurtherValues storedSenderDetails()
{
    const Settings settings;
    return {{QString::fromLatin1(PhoneKey), settings.phone()},
            {QString::fromLatin1(EmailKey), settings.email()},
            {QString::fromLatin1(CountryKey), settings.country()},
            {QString::fromLatin1(WebKey), settings.web()}};
}

QString noRecipientName(const QLocale &language)
{
    return letterWords(language).noRecipientName.toString();
}

std::vector<std::pair<QString, QString>> placeholderReplacements(const FieldValues &values,
                                                                 const FurtherValues &further, const QLocale &language)
{
    std::vector<std::pair<QString, QString>> replacements;
    replacements.reserve(LetterFields.size() + further.size());
    for (const LetterField &field : LetterFields) {
        QString text = values[size_t(field.index)];
        // "Dear :" greets nobody.
        if (field.index == RecipientNameField && text.trimmed().isEmpty())
            text = noRecipientName(language);
        replacements.emplace_back(QString::fromLatin1(field.placeholder), text);
    }
    for (const auto &[name, text] : further)
        replacements.emplace_back(u'[' + name + u']', text);
    // A signature picture has taken its place before the fill; a letter
    // without one shows no "[Signature]".
    replacements.emplace_back(u'[' + QString::fromLatin1(SignatureKey) + u']', QString());
    return replacements;
}

std::vector<QString> placeholdersOf(const std::vector<std::pair<QString, QString>> &replacements)
{
    std::vector<QString> placeholders;
    placeholders.reserve(replacements.size());
    for (const auto &replacement : replacements)
        placeholders.push_back(replacement.first);
    return placeholders;
}

std::vector<QString> filledTexts(const std::vector<std::pair<QString, QString>> &replacements)
{
    std::vector<QString> texts;
    texts.reserve(replacements.size());
    for (size_t i = 0; i < replacements.size(); ++i) {
        QString text = replacements[i].second;
        // The later replacements run over what this one inserted.
        for (size_t j = i + 1; j < replacements.size(); ++j) {
            if (!replacements[j].first.isEmpty())
                text.replace(replacements[j].first, replacements[j].second, Qt::CaseInsensitive);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

PreparedLetter::PreparedLetter(word::Document &document, std::vector<QString> placeholders)
    : m_placeholders(std::move(placeholders)), m_places(document.findPlaceholders(m_placeholders))
{ }

PreparedLetter::~PreparedLetter() = default;

bool PreparedLetter::hasPlaceholders() const
{
    return m_places->count() > 0;
}

void PreparedLetter::fill(const std::vector<std::pair<QString, QString>> &replacements)
{
    const std::vector<QString> texts = filledTexts(replacements);
    std::vector<QString> byPlaceholder(m_placeholders.size());
    for (size_t i = 0; i < m_placeholders.size(); ++i) {
        // The first replacement of a placeholder is the one that fills it.
        for (size_t k = 0; k < replacements.size(); ++k) {
            if (replacements[k].first.compare(m_placeholders[i], Qt::CaseInsensitive) == 0) {
                byPlaceholder[i] = texts[k];
                break;
            }
        }
    }
    m_places->fill(byPlaceholder);
}

void putLetterText(word::Document &document, const QString &letterText)
{
    document.replaceBody(LetterText::paragraphs(letterText));
    // A body of the user's may run to a second page, whose header must
    // then name this letter's recipient and date, not the template's.
    document.turnHeaderFieldsIntoPlaceholders();
}
