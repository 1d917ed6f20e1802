#pragma once

#include "PaperName.h"

namespace word {
class Document;
}

namespace Paper {

// A page's width and height in hundredths of a millimetre, as the office
// measures pages: A4 is 21000 × 29700, US Letter 21590 × 27940.
struct Dimensions
{
    int width = 0;
    int height = 0;
};
Dimensions dimensionsOf(PaperSize paper);

// Lays the built-in letter (or its starter copy) out on this paper: its
// margins stay, and its text takes the width and height the paper gains
// or loses. It fits one page on either with the sample entries.
void layOut(word::Document &letter, PaperSize paper);

// The paper of a locale's country: the first of these values (LC_PAPER,
// LC_ALL, LANG, in that order) that names a country ("de_DE.UTF-8": DE)
// decides; US Letter in the countries that print on it, A4 in every other.
PaperSize forLocale(const QString &lcPaper, const QString &lcAll, const QString &lang);
// The same, from this process's environment.
PaperSize localeDefault();

// The paper chosen in the window, else the locale's (a settings file
// without the choice, or with a value that is no paper).
PaperSize stored();
// Remembers the choice. Throws Failure when the settings file cannot be
// written.
void store(PaperSize paper);

} // namespace Paper
