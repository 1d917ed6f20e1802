#pragma once

#include <vector>

#include <QLocale>
#include <QString>

#include "LetterDate.h"
#include "LetterDesign.h"
#include "LetterFill.h"
#include "WordAutomation.h"

// The built-in letter's own lines, made to read well for each letter: each
// address in its country's form (see AddressForm.h), an address line keeps
// a separator (", " or the two spaces) only between two parts that are
// given, a line with nothing given goes (an empty title too), a country is
// a line of its own under the city when given, the designs' contact line
// has a "·" only between a phone and an e-mail that are both given and
// their web line goes when there is no web page, and the greeting, closing
// and enclosure line are the user's, else the letter's language's. A
// template of the user's own keeps its own lines.
namespace BuiltInLetter {

// The lines as the built-in template has them.
inline constexpr char SenderCityLine[] = "[City], [ST]  [ZIPCode]";
inline constexpr char RecipientCityLine[] = "[City2], [ST2]  [ZIPCode2]";
// The designs' lines of the sender's phone and e-mail, and web page (the
// classic letter has neither).
inline constexpr char ContactLine[] = "[Phone] \u00b7 [Email]";
inline constexpr char WebLine[] = "[Web]";
inline constexpr char GreetingLine[] = "Dear [RecipientName]:";
inline constexpr char ClosingLine[] = "Sincerely,";
inline constexpr char EnclosureLine[] = "Enclosure";
// The built-in body's last paragraph, which gives the sender's phone, and
// the words it has when there is none.
inline constexpr char PhoneParagraph[]
        = "If you have any questions, or would like to see further samples, please call me at [Phone]. "
          "Thank you for your time and consideration.";
inline constexpr char NoPhoneParagraph[]
        = "If you have any questions, or would like to see further samples, please contact me. "
          "Thank you for your time and consideration.";

// The greeting (when the recipient's name is given, and when it is not),
// closing and enclosure line; placeholders work inside them. An empty
// closing or enclosure line is no line. As it comes, the English wording.
struct Wording
{
    QString greeting = QString::fromLatin1(GreetingLine);
    QString greetingNoName = QStringLiteral("Dear Hiring Manager:");
    QString closing = QString::fromLatin1(ClosingLine);
    QString enclosure = QString::fromLatin1(EnclosureLine);
    bool operator==(const Wording &) const = default;
    // All four lines, one a line: the user's own words, where placeholders
    // may stand as in the letter text.
    QString text() const { return QStringList{greeting, greetingNoName, closing, enclosure}.join(u'\n'); }
};
// The wording a letter in this language has when the user has set none
// (see LetterWords.h).
Wording defaultWording(const QLocale &language);
// As the settings keep it; a key that is missing reads as the letter's
// language's default, so that it follows the language.
Wording storedWording(const QLocale &language = dateLanguage());
// Keeps the user's wording. A line left as the language's default, and
// never kept before, is not kept: it goes on following the language. A
// line kept before is always written, whatever it now says.
void storeWording(const Wording &wording, const QLocale &language = dateLanguage());

// The edits that make the built-in letter's lines read well for a letter
// of these values (the further values give Phone, Country and Country2).
// An address without its country takes the form of the letter locale's
// country (the user's, whose language the date is in). Applied after the
// letter text and before filling; two letters whose edits are the same
// take the same template. An unsigned letter has no signature paragraph,
// so it reads as it did before letters could be signed. The contact lines
// are edited in the designs that have them only: in the classic letter a
// paragraph of the user's body that reads "[Web]" is the user's.
std::vector<word::ParagraphEdit> edits(const FieldValues &fields, const FurtherValues &further, const Wording &wording,
                                       const QLocale &letterLocale = dateLanguage(), bool signedLetter = false,
                                       LetterDesign design = LetterDesign::Classic);

// Writes the word before the page number in the header of the pages after
// the first (the template's "Page") in the letter's language.
void nameHeaderPages(word::Document &document, const QLocale &letterLocale = dateLanguage());

} // namespace BuiltInLetter
