#include "LetterCheck.h"

#include <algorithm>

#include <QObject>

#include "LetterFields.h"
#include "LetterText.h"
#include "Placeholders.h"
#include "Spelling.h"

namespace {
constexpr int YourNameField = 0;
constexpr int CompanyNameField = 11;

const QString *valueOf(const FurtherValues &further, const QString &name)
{
    const QString wanted = Placeholders::key(name);
    for (const auto &[known, value] : further) {
        if (Placeholders::key(known) == wanted)
            return &value;
    }
    return nullptr;
}

// The names of both lists, each once (by key), in order.
QStringList namesOnce(const QStringList &names)
{
    QStringList once;
    for (const QString &name : names) {
        const bool listed = std::any_of(once.begin(), once.end(), [&](const QString &n) {
            return Placeholders::key(n) == Placeholders::key(name);
        });
        if (!listed)
            once.append(name);
    }
    return once;
}

} // namespace

QStringList extraPlaceholderNames(const QString &ownLetterText, const QStringList &ownTemplateNames)
{
    QStringList names;
    for (const QString &name : namesOnce(Placeholders::namesIn(ownLetterText) + ownTemplateNames)) {
        if (!Placeholders::isFieldName(name) && !Placeholders::isSenderDetail(name) && !Placeholders::isSignature(name))
            names.append(name);
    }
    return names;
}

namespace {
// Whether a letter text says what the built-in body says, line endings
// and surrounding spaces aside.
bool isBuiltInBody(const QString &text)
{
    return LetterText::paragraphs(text) == LetterText::paragraphs(LetterText::builtInText());
}
} // namespace

LetterCheckInput checkInputFor(const LetterRequest &request, const MadeLetter &made, const SpellChecker *spelling)
{
    LetterCheckInput input;
    input.fields = request.fields;
    input.further = request.further;
    input.spelling = spelling;
    if (request.templateFile.isEmpty())
        input.ownWording = request.wording.text();
    if (!request.templateFile.isEmpty()) {
        input.ownTemplateNames = made.ownTemplateNames;
    } else if (made.letterText && !isBuiltInBody(*made.letterText)) {
        input.ownLetterText = *made.letterText;
    } else {
        input.builtInWords = true;
    }
    return input;
}

LetterCheckResult checkLetter(const LetterCheckInput &input)
{
    LetterCheckResult result;
    const QString ownWords = input.ownLetterText + u'\n' + input.ownWording;
    for (const QString &name : namesOnce(Placeholders::namesIn(ownWords) + input.ownTemplateNames)) {
        if (Placeholders::isFieldName(name) || Placeholders::isSignature(name))
            continue;
        const QString *value = valueOf(input.further, name);
        if (!value) {
            result.problems.append(QObject::tr("[%1] has no value").arg(name));
            result.unfilledNames.append(name);
        } else if (value->trimmed().isEmpty()) {
            result.problems.append(QObject::tr("[%1] is empty").arg(name));
            if (!Placeholders::isSenderDetail(name))
                result.unfilledNames.append(name);
        }
    }
    QStringList worthALook;
    if (input.spelling && !input.ownLetterText.isEmpty()) {
        // One line for many words: the question below them stays on the
        // screen.
        constexpr qsizetype Named = 8;
        const QStringList words = input.spelling->misspelledWords(input.ownLetterText);
        if (words.size() > Named)
            result.problems.append(QObject::tr("'%1' and %2 more words may be misspelled")
                                           .arg(words.mid(0, Named).join(QStringLiteral("', '")))
                                           .arg(words.size() - Named));
        else
            for (const QString &word : words)
                result.problems.append(QObject::tr("'%1' may be misspelled").arg(word));
        if (!input.spelling->missingNotice().isEmpty())
            worthALook.append(input.spelling->missingNotice().chopped(1));
    }

    if (input.builtInWords)
        worthALook.append(QObject::tr("the letter's body is still the sample text"));
    if (input.fields[YourNameField].trimmed().isEmpty())
        worthALook.append(QObject::tr("Your Name is empty"));
    if (input.fields[CompanyNameField].trimmed().isEmpty())
        worthALook.append(QObject::tr("Recipient Company Name is empty"));
    if (!worthALook.isEmpty()) {
        QString line = worthALook.join(QStringLiteral("; "));
        line[0] = line[0].toUpper();
        result.notice = line + u'.';
    }
    return result;
}
