#include "BuiltInLetter.h"

#include "LetterFields.h"
#include "Settings.h"
#include "Placeholders.h"

namespace BuiltInLetter {

namespace {
// The fields by index, as LetterFields has them.
constexpr int YourName = 0, City = 1, Zip2 = 2, St2 = 3, Street2 = 4, City2 = 5, Street = 6, RecipientName = 7, St = 8,
              Zip = 9, Title = 10, Company = 11;

QString further(const FurtherValues &values, const char *name)
{
    for (const auto &[key, value] : values) {
        if (Placeholders::key(key) == Placeholders::key(QString::fromLatin1(name)))
            return value;
    }
    return {};
}

bool given(const QString &value)
{
    return !value.trimmed().isEmpty();
}

// "[City], [ST]  [ZIPCode]" with the parts that are given: the two spaces
// only between state and zip, the comma only after a city that something
// follows.
QString cityLine(const FieldValues &fields, int city, int st, int zip)
{
    const auto placeholder = [](int field) { return QString::fromLatin1(LetterFields[size_t(field)].placeholder); };
    QString rest;
    if (given(fields[size_t(st)]))
        rest = placeholder(st);
    if (given(fields[size_t(zip)]))
        rest += (rest.isEmpty() ? QString() : QStringLiteral("  ")) + placeholder(zip);
    if (!given(fields[size_t(city)]))
        return rest;
    return rest.isEmpty() ? placeholder(city) : placeholder(city) + QStringLiteral(", ") + rest;
}

// A line of one field: kept as it is when given, else gone.
word::ParagraphEdit fieldLine(const FieldValues &fields, int field)
{
    const QString line = QString::fromLatin1(LetterFields[size_t(field)].placeholder);
    return {line, given(fields[size_t(field)]) ? std::optional<QString>(line) : std::nullopt, {}};
}

// A city line, gone when nothing of it is given, and the country under it.
word::ParagraphEdit cityEdit(const char *templateLine, const QString &composed, const char *countryPlaceholder,
                             const QString &country)
{
    word::ParagraphEdit edit{QString::fromLatin1(templateLine),
                             composed.isEmpty() ? std::nullopt : std::optional<QString>(composed),
                             {}};
    if (given(country))
        edit.after << QString::fromLatin1(countryPlaceholder);
    return edit;
}

std::optional<QString> lineOrNone(const QString &text)
{
    return given(text) ? std::optional<QString>(text) : std::nullopt;
}

} // namespace

Wording storedWording()
{
    const Wording defaults;
    const Settings settings;
    return {settings.greeting().value_or(defaults.greeting),
            settings.greetingNoName().value_or(defaults.greetingNoName), settings.closing().value_or(defaults.closing),
            settings.enclosureLine().value_or(defaults.enclosure)};
}

void storeWording(const Wording &wording)
{
    Settings settings;
    settings.setGreeting(wording.greeting);
    settings.setGreetingNoName(wording.greetingNoName);
    settings.setClosing(wording.closing);
    settings.setEnclosureLine(wording.enclosure);
}

std::vector<word::ParagraphEdit> edits(const FieldValues &fields, const FurtherValues &values, const Wording &wording)
{
    // In the order the letter has its lines.
    std::vector<word::ParagraphEdit> result;
    result.push_back(fieldLine(fields, YourName));
    result.push_back(fieldLine(fields, Street));
    result.push_back(
            cityEdit(SenderCityLine, cityLine(fields, City, St, Zip), "[Country]", further(values, CountryKey)));
    result.push_back(fieldLine(fields, Title));
    result.push_back(fieldLine(fields, Company));
    result.push_back(fieldLine(fields, Street2));
    result.push_back(cityEdit(RecipientCityLine, cityLine(fields, City2, St2, Zip2), "[Country2]",
                              further(values, RecipientCountryKey)));
    const QString greeting = given(fields[RecipientName]) ? wording.greeting : wording.greetingNoName;
    result.push_back({QString::fromLatin1(GreetingLine), lineOrNone(greeting), {}});
    if (!given(further(values, PhoneKey)))
        result.push_back({QString::fromLatin1(PhoneParagraph), QString::fromLatin1(NoPhoneParagraph), {}});
    result.push_back({QString::fromLatin1(ClosingLine), lineOrNone(wording.closing), {}});
    result.push_back({QString::fromLatin1(EnclosureLine), lineOrNone(wording.enclosure), {}});
    return result;
}

} // namespace BuiltInLetter
