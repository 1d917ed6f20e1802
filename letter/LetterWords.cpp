#include "LetterWords.h"

namespace {

// As a native writer would write them in a cover letter. Where the
// recipient's sex is unknown the greeting names no one ("Madame,
// Monsieur,") or greets in the neutral way ("Guten Tag …,", "Estimado/a").
constexpr LetterWords English{u"Hiring Manager",
                              u"Dear [RecipientName]:",
                              u"Dear Hiring Manager:",
                              u"Sincerely,",
                              u"Enclosure",
                              u"Letter to %1",
                              u"Letter",
                              u"Cover letter",
                              u"Page"};
constexpr LetterWords French{u"Responsable du recrutement",
                             u"Madame, Monsieur,",
                             u"Madame, Monsieur,",
                             u"Je vous prie d'agréer, Madame, Monsieur, l'expression de mes salutations distinguées.",
                             u"Pièces jointes",
                             u"Lettre de motivation - %1",
                             u"Lettre de motivation",
                             u"Lettre de motivation",
                             u"Page"};
constexpr LetterWords German{u"Personalabteilung",
                             u"Guten Tag [RecipientName],",
                             u"Sehr geehrte Damen und Herren,",
                             u"Mit freundlichen Grüßen",
                             u"Anlagen",
                             u"Anschreiben an %1",
                             u"Anschreiben",
                             u"Bewerbungsanschreiben",
                             u"Seite"};
// Switzerland and Liechtenstein write no ß.
constexpr LetterWords SwissGerman{u"Personalabteilung",
                                  u"Guten Tag [RecipientName],",
                                  u"Sehr geehrte Damen und Herren,",
                                  u"Mit freundlichen Grüssen",
                                  u"Anlagen",
                                  u"Anschreiben an %1",
                                  u"Anschreiben",
                                  u"Bewerbungsanschreiben",
                                  u"Seite"};
constexpr LetterWords Spanish{u"Responsable de selección",
                              u"Estimado/a [RecipientName]:",
                              u"Estimado/a responsable de selección:",
                              u"Atentamente,",
                              u"Anexos",
                              u"Carta de presentación - %1",
                              u"Carta de presentación",
                              u"Carta de presentación",
                              u"Página"};
// A Japanese letter opens with 拝啓 and closes with 敬具 whoever reads it;
// the address form puts 様 after the name.
constexpr LetterWords Japanese{u"採用ご担当者",   u"拝啓",   u"拝啓",   u"敬具",  u"同封書類",
                               u"送付状（%1宛）", u"送付状", u"送付状", u"ページ"};

} // namespace

const LetterWords &letterWords(const QLocale &language)
{
    switch (language.language()) {
    case QLocale::French:
        return French;
    case QLocale::German:
        return language.territory() == QLocale::Switzerland || language.territory() == QLocale::Liechtenstein
                ? SwissGerman
                : German;
    case QLocale::Spanish:
        return Spanish;
    case QLocale::Japanese:
        return Japanese;
    default:
        return English;
    }
}
