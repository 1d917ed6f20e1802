#include "BuiltInLetter.h"

#include "AddressForm.h"
#include "LetterFields.h"
#include "LetterText.h"
#include "LetterWords.h"
#include "Settings.h"
#include "Placeholders.h"
#include "SignaturePicture.h"

namespace BuiltInLetter {

namespace {
// The fields by index, as LetterFields has them.
constexpr int YourName = 0, City = 1, Zip2 = 2, St2 = 3, Street2 = 4, City2 = 5, Street = 6, RecipientName = 7, St = 8,
              Zip = 9, Title = 10, Company = 11;

// The fields and lines of one of the letter's two addresses.
struct AddressPart
{
    int street, city, st, zip;
    const char *cityLine;    // the template's line of city, state and zip
    const char *countryKey;  // the further value that names the country
    const char *countryLine; // the placeholder that fills it in
};
constexpr AddressPart SenderAddress{Street, City, St, Zip, SenderCityLine, CountryKey, "[Country]"};
constexpr AddressPart RecipientAddress{Street2, City2, St2, Zip2, RecipientCityLine, RecipientCountryKey, "[Country2]"};

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

QString placeholder(int field)
{
    return QString::fromLatin1(LetterFields[size_t(field)].placeholder);
}

// "[City], [ST]  [ZIPCode]" with the parts that are given: the two spaces
// only between state and zip, the comma only after a city that something
// follows.
QString cityFirstLine(const FieldValues &fields, const AddressPart &address)
{
    QString rest;
    if (given(fields[size_t(address.st)]))
        rest = placeholder(address.st);
    if (given(fields[size_t(address.zip)]))
        rest += (rest.isEmpty() ? QString() : QStringLiteral("  ")) + placeholder(address.zip);
    if (!given(fields[size_t(address.city)]))
        return rest;
    return rest.isEmpty() ? placeholder(address.city) : placeholder(address.city) + QStringLiteral(", ") + rest;
}

// "[ZIPCode] [City] [ST]" with the parts that are given: "69002 Lyon",
// "20121 Milano MI".
QString postcodeFirstLine(const FieldValues &fields, const AddressPart &address)
{
    QStringList parts;
    for (int field : {address.zip, address.city, address.st}) {
        if (given(fields[size_t(field)]))
            parts << placeholder(field);
    }
    return parts.join(u' ');
}

// "[ST][City][StreetAddress]": prefecture, city and street in one line.
QString japaneseAddressLine(const FieldValues &fields, const AddressPart &address)
{
    QString line, lastValue;
    for (int field : {address.st, address.city, address.street}) {
        const QString value = fields[size_t(field)].trimmed();
        if (value.isEmpty())
            continue;
        // Japanese runs on without spaces; a space parts two words of
        // Latin letters or digits ("Tokyo Shibuya-ku").
        if (!lastValue.isEmpty() && !LetterText::writtenWithoutSpaces(lastValue.toUcs4().back())
            && !LetterText::writtenWithoutSpaces(value.toUcs4().front()))
            line += u' ';
        line += placeholder(field);
        lastValue = value;
    }
    return line;
}

// "〒150-0001", or the postcode as written when it has its mark.
QString japanesePostcodeLine(const FieldValues &fields, const AddressPart &address)
{
    const QString zip = fields[size_t(address.zip)].trimmed();
    if (zip.isEmpty())
        return {};
    return (zip.startsWith(u'〒') ? QString() : QStringLiteral("〒")) + placeholder(address.zip);
}

// A line of one field: kept as it is when given, else gone.
word::ParagraphEdit fieldLine(const FieldValues &fields, int field)
{
    const QString line = placeholder(field);
    return {line, given(fields[size_t(field)]) ? std::optional<QString>(line) : std::nullopt, {}};
}

std::optional<QString> lineOrNone(const QString &text)
{
    return given(text) ? std::optional<QString>(text) : std::nullopt;
}

// A template's paragraph that takes these lines, or goes when there are none.
word::ParagraphEdit linesInPlaceOf(const QString &templateLine, QStringList lines)
{
    if (lines.isEmpty())
        return {templateLine, std::nullopt, {}};
    const QString first = lines.takeFirst();
    return {templateLine, first, lines};
}

// The postcode, the address in one line and the country, those given.
QStringList japaneseAddressLines(const FieldValues &fields, const FurtherValues &values, const AddressPart &address)
{
    QStringList lines{japanesePostcodeLine(fields, address), japaneseAddressLine(fields, address)};
    if (given(further(values, address.countryKey)))
        lines << QString::fromLatin1(address.countryLine);
    lines.removeAll(QString());
    return lines;
}

// The street line and the city line, as the address's form has them.
void addAddress(std::vector<word::ParagraphEdit> &result, const FieldValues &fields, const FurtherValues &values,
                const AddressPart &address, AddressForm form)
{
    const QString cityLine = QString::fromLatin1(address.cityLine);
    if (form == AddressForm::Japanese) {
        // In place of the street; the city line goes.
        result.push_back(linesInPlaceOf(placeholder(address.street), japaneseAddressLines(fields, values, address)));
        result.push_back({cityLine, std::nullopt, {}});
        return;
    }
    const bool countryGiven = given(further(values, address.countryKey));
    result.push_back(fieldLine(fields, address.street));
    const QString composed
            = form == AddressForm::PostcodeFirst ? postcodeFirstLine(fields, address) : cityFirstLine(fields, address);
    word::ParagraphEdit edit{cityLine, lineOrNone(composed), {}};
    if (countryGiven)
        edit.after << QString::fromLatin1(address.countryLine);
    result.push_back(edit);
}

// A Japanese recipient block: the address, then company, department and
// the name with 様, all in place of the name's line; the template's other
// lines of the block go.
void addJapaneseRecipient(std::vector<word::ParagraphEdit> &result, const FieldValues &fields,
                          const FurtherValues &values, const QLocale &letterLocale)
{
    QStringList lines = japaneseAddressLines(fields, values, RecipientAddress);
    for (int field : {Company, Title}) {
        if (given(fields[size_t(field)]))
            lines << placeholder(field);
    }
    // A name written with its honorific keeps the one it has.
    QString name = fields[RecipientName].trimmed();
    if (name.isEmpty())
        name = noRecipientName(letterLocale);
    const bool honoured
            = name.endsWith(u"様") || name.endsWith(u"殿") || name.endsWith(u"御中") || name.endsWith(u"さま");
    lines << placeholder(RecipientName) + (honoured ? QString() : QStringLiteral(" 様"));
    result.push_back(linesInPlaceOf(placeholder(RecipientName), lines));
    for (int field : {Title, Company, Street2})
        result.push_back({placeholder(field), std::nullopt, {}});
    result.push_back({QString::fromLatin1(RecipientCityLine), std::nullopt, {}});
}

// The designs' contact line with the parts that are given, and their web
// line when a web page is: a line with nothing given goes.
void addContact(std::vector<word::ParagraphEdit> &result, const FurtherValues &values)
{
    QStringList parts;
    for (const char *key : {PhoneKey, EmailKey}) {
        if (given(further(values, key)))
            parts << u'[' + QString::fromLatin1(key) + u']';
    }
    result.push_back({QString::fromUtf8(ContactLine),
                      parts.isEmpty() ? std::nullopt : std::optional<QString>(parts.join(QStringLiteral(" \u00b7 "))),
                      {}});
    const QString web = QString::fromLatin1(WebLine);
    result.push_back({web, given(further(values, WebKey)) ? std::optional<QString>(web) : std::nullopt, {}});
}

} // namespace

Wording defaultWording(const QLocale &language)
{
    const LetterWords &words = letterWords(language);
    return {words.greeting.toString(), words.greetingNoName.toString(), words.closing.toString(),
            words.enclosure.toString()};
}

Wording storedWording(const QLocale &language)
{
    const Wording defaults = defaultWording(language);
    const Settings settings;
    return {settings.greeting().value_or(defaults.greeting),
            settings.greetingNoName().value_or(defaults.greetingNoName), settings.closing().value_or(defaults.closing),
            settings.enclosureLine().value_or(defaults.enclosure)};
}

void storeWording(const Wording &wording, const QLocale &language)
{
    const Wording defaults = defaultWording(language);
    Settings settings;
    auto keep = [&](const std::optional<QString> &kept, const QString &text, const QString &theDefault,
                    void (Settings::*set)(const QString &)) {
        if (kept || text != theDefault)
            (settings.*set)(text);
    };
    keep(settings.greeting(), wording.greeting, defaults.greeting, &Settings::setGreeting);
    keep(settings.greetingNoName(), wording.greetingNoName, defaults.greetingNoName, &Settings::setGreetingNoName);
    keep(settings.closing(), wording.closing, defaults.closing, &Settings::setClosing);
    keep(settings.enclosureLine(), wording.enclosure, defaults.enclosure, &Settings::setEnclosureLine);
}

std::vector<word::ParagraphEdit> edits(const FieldValues &fields, const FurtherValues &values, const Wording &wording,
                                       const QLocale &letterLocale, bool signedLetter, LetterDesign design)
{
    const AddressForm senderForm = AddressForms::formFor(further(values, CountryKey), letterLocale);
    const AddressForm recipientForm = AddressForms::formFor(further(values, RecipientCountryKey), letterLocale);
    // In the order the letter has its lines.
    std::vector<word::ParagraphEdit> result;
    result.push_back(fieldLine(fields, YourName));
    addAddress(result, fields, values, SenderAddress, senderForm);
    if (design != LetterDesign::Classic)
        addContact(result, values);
    if (recipientForm == AddressForm::Japanese) {
        addJapaneseRecipient(result, fields, values, letterLocale);
    } else {
        result.push_back(fieldLine(fields, Title));
        result.push_back(fieldLine(fields, Company));
        addAddress(result, fields, values, RecipientAddress, recipientForm);
    }
    const QString greeting = given(fields[RecipientName]) ? wording.greeting : wording.greetingNoName;
    result.push_back({QString::fromLatin1(GreetingLine), lineOrNone(greeting), {}});
    if (!given(further(values, PhoneKey)))
        result.push_back({QString::fromLatin1(PhoneParagraph), QString::fromLatin1(NoPhoneParagraph), {}});
    result.push_back({QString::fromLatin1(ClosingLine), lineOrNone(wording.closing), {}});
    // The paragraph between the closing and the typed name that a
    // signature picture takes.
    if (!signedLetter)
        result.push_back(SignaturePicture::unsignedParagraph());
    result.push_back({QString::fromLatin1(EnclosureLine), lineOrNone(wording.enclosure), {}});
    return result;
}

void nameHeaderPages(word::Document &document, const QLocale &letterLocale)
{
    const QString english = QStringLiteral("Page"), word = letterWords(letterLocale).page.toString();
    if (word == english)
        return;
    const std::vector<std::shared_ptr<word::Range>> stories = document.storyRanges();
    // The first story is the letter's own text, where the word is the user's.
    for (size_t i = 1; i < stories.size(); ++i)
        stories[i]->find().execute({.findText = english,
                                    .matchCase = true,
                                    .matchWholeWord = true,
                                    .replaceWith = word,
                                    .replace = word::WdReplace::All});
}

} // namespace BuiltInLetter
