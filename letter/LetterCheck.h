#pragma once

#include <QString>
#include <QStringList>

#include "LetterEngine.h"

class SpellChecker;

// The check before a letter leaves: what in the user's own words would
// come out wrong. It needs no office and takes well under a millisecond
// for a letter (spelling included).
struct LetterCheckInput
{
    // The twelve visible fields (the date is not looked at).
    FieldValues fields;
    // Phone, Email and the More Fields values (see Placeholders.h).
    FurtherValues further;
    // The user's own letter text when the built-in letter takes it and it
    // is not the built-in body; empty otherwise.
    QString ownLetterText;
    // The built-in letter's greeting, closing and enclosure line, where
    // placeholders stand as in the letter text ("[Anrede],"); empty for a
    // template of the user's own.
    QString ownWording;
    // The placeholder names a template of the user's own holds (see
    // word::Document::bracketedTexts); empty for the built-in letter.
    QStringList ownTemplateNames;
    // Whether the letter is the built-in one with its own words.
    bool builtInWords = false;
    // Checks the own letter text's spelling; nullptr for none.
    const SpellChecker *spelling = nullptr;
};

struct LetterCheckResult
{
    // What would come out wrong, one plain sentence each ("[Position] has
    // no value", "'recieve' may be misspelled"): the user decides.
    QStringList problems;
    // The placeholders of the user's own words that no value fills, by
    // name without brackets: More Fields can give them one.
    QStringList unfilledNames;
    // What is merely worth a look, in one line; empty when nothing is.
    QString notice;

    bool needsDecision() const { return !problems.isEmpty(); }
};

// A placeholder the user's own text or template uses that nothing fills
// comes out as written; one beyond the visible fields (Phone, Email, a
// More Fields value) whose value is empty comes out empty. The twelve
// fields are in plain sight in the window, so an empty one is only worth a
// look (Your Name, Recipient Company Name), as is the built-in body still
// in its sample words.
LetterCheckResult checkLetter(const LetterCheckInput &input);

// What the check looks at for a letter the engine made from a request:
// the request's fields and further values, and the letter text or own
// template's names the letter took.
LetterCheckInput checkInputFor(const LetterRequest &request, const MadeLetter &made, const SpellChecker *spelling);

// The placeholders a letter's own words use beyond the thirteen fields,
// Phone and Email: the names More Fields offers, each once, in order.
QStringList extraPlaceholderNames(const QString &ownLetterText, const QStringList &ownTemplateNames);
