#pragma once

#include <optional>

#include <QString>

namespace word {
class Document;
}

// The paper the built-in letter and its starter copy are laid out on. A
// template of the user's own keeps its own paper, whatever is chosen here.
enum class PaperSize { A4, Letter };

namespace Paper {

// The choice lives in the settings group under this key, as "A4" or
// "Letter"; a missing key or any other value means the paper of the
// user's locale.
inline constexpr char SettingsKey[] = "PaperSize";

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

// "A4" or "Letter", as the settings file keeps it.
QString nameOf(PaperSize paper);
// "A4" or "Letter" in any letter case, as the settings file and --paper
// write it; nullopt for anything else.
std::optional<PaperSize> parse(const QString &text);

// The paper of a locale's country: the first of these values (LC_PAPER,
// LC_ALL, LANG, in that order) that names a country ("de_DE.UTF-8": DE)
// decides; US Letter in the countries that print on it, A4 in every other.
PaperSize forLocale(const QString &lcPaper, const QString &lcAll, const QString &lang);
// The same, from this process's environment.
PaperSize localeDefault();

// The paper chosen in the window, else the locale's.
PaperSize stored();
// Remembers the choice. Throws Failure when the settings file cannot be
// written.
void store(PaperSize paper);

} // namespace Paper
