#pragma once

#include <QLocale>
#include <QStringView>

// The built-in letter's own words in the letter's language: the language
// its date is written in (see dateLanguage()), so that date, words and
// address agree. They belong to the letter, which may be written in
// another language than the window speaks: they are kept here by language
// rather than translated with the window's texts. English for a language
// without words of its own here.
struct LetterWords
{
    // What fills [RecipientName] when the recipient's name is empty: the
    // address block then begins with it.
    QStringView noRecipientName;
    // The built-in letter's greeting (placeholders work in it), greeting
    // when the recipient's name is empty, closing and enclosure line, when
    // the user has set none.
    QStringView greeting;
    QStringView greetingNoName;
    QStringView closing;
    QStringView enclosure;
    // The saved letter's title, "%1" the company or recipient, and its
    // title without either; they name the files it is saved to.
    QStringView titleTo;
    QStringView title;
    // The saved letter's subject.
    QStringView subject;
    // The word before the page number in the header of the pages after the
    // first.
    QStringView page;
};

// French, German (as Switzerland writes it there), Spanish, Japanese, else
// English.
const LetterWords &letterWords(const QLocale &language);
