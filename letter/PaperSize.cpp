#include "PaperSize.h"

#include <algorithm>
#include <array>

#include "Settings.h"
#include "WordAutomation.h"

namespace Paper {

namespace {
// The countries where US Letter is the paper sold and printed on: those
// the Unicode locale data (CLDR) and the system's own locale data give
// Letter, and the Dominican Republic, whose offices use it too.
constexpr std::array<const char *, 16> LetterCountries
        = {"BO", "BZ", "CA", "CL", "CO", "CR", "DO", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"};

// The country of a locale name, "language_COUNTRY.codeset@modifier";
// empty when it names none ("C", "POSIX", "C.UTF-8", "fr").
QString countryOf(const QString &locale)
{
    const qsizetype underscore = locale.indexOf(u'_');
    if (underscore < 0)
        return {};
    QString country = locale.mid(underscore + 1);
    for (QChar end : {u'.', u'@'}) {
        const qsizetype at = country.indexOf(end);
        if (at >= 0)
            country.truncate(at);
    }
    return country.toUpper();
}
} // namespace

Dimensions dimensionsOf(PaperSize paper)
{
    return paper == PaperSize::A4 ? Dimensions{21000, 29700} : Dimensions{21590, 27940};
}

void layOut(word::Document &letter, PaperSize paper)
{
    const Dimensions page = dimensionsOf(paper);
    letter.setPaperSize(page.width, page.height);
}

PaperSize forLocale(const QString &lcPaper, const QString &lcAll, const QString &lang)
{
    // LC_PAPER first: it is the one a desktop's region settings set for
    // the paper alone, apart from the language.
    for (const QString &locale : {lcPaper, lcAll, lang}) {
        const QString country = countryOf(locale);
        if (country.isEmpty())
            continue;
        const bool letter = std::any_of(LetterCountries.begin(), LetterCountries.end(),
                                        [&](const char *c) { return country == QLatin1String(c); });
        return letter ? PaperSize::Letter : PaperSize::A4;
    }
    // No country at all: the built-in letter was drawn on US Letter, and
    // every letter before the paper could be chosen was made on it.
    return PaperSize::Letter;
}

PaperSize localeDefault()
{
    return forLocale(qEnvironmentVariable("LC_PAPER"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LANG"));
}

PaperSize stored()
{
    return Settings().paperSize().value_or(localeDefault());
}

void store(PaperSize paper)
{
    Settings().setPaperSize(paper);
}

} // namespace Paper
