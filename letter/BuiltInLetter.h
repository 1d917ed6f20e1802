#pragma once

#include <vector>

#include <QString>

#include "LetterFill.h"
#include "WordAutomation.h"

// The built-in letter's own lines, made to read well for each letter: an
// address line keeps a separator (", " or the two spaces) only between two
// parts that are given, a line with nothing given goes (an empty title
// too), a country is a line of its own under the city when given, and the
// greeting, closing and enclosure line are the user's. A template of the
// user's own keeps its own lines.
namespace BuiltInLetter {

// The lines as the built-in template has them.
inline constexpr char SenderCityLine[] = "[City], [ST]  [ZIPCode]";
inline constexpr char RecipientCityLine[] = "[City2], [ST2]  [ZIPCode2]";
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
// closing or enclosure line is no line.
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
// As the settings keep it; a key that is missing reads as its default.
Wording storedWording();
void storeWording(const Wording &wording);

// The edits that make the built-in letter's lines read well for a letter
// of these values (the further values give Phone, Country and Country2).
// Applied after the letter text and before filling; two letters whose
// edits are the same take the same template.
std::vector<word::ParagraphEdit> edits(const FieldValues &fields, const FurtherValues &further, const Wording &wording);

} // namespace BuiltInLetter
