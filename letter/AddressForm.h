#pragma once

#include <optional>

#include <QLocale>
#include <QString>

// How an address is laid out for the readers of its country. The built-in
// letter lays out the sender's address by the sender's country and the
// recipient's by the recipient's; a template of the user's own keeps its
// own lines.
enum class AddressForm {
    // "Boise, ID  91002": the United States, Canada, the United Kingdom,
    // Australia, and every country not known here, as the letter always was.
    CityFirst,
    // "69002 Lyon", "50667 Köln": the postcode before the city (a state or
    // province after it), as most of continental Europe writes it.
    PostcodeFirst,
    // "〒150-0001", then prefecture, city and street in one line; the
    // recipient's company, department and name with 様 after it.
    Japanese,
};

namespace AddressForms {

// The country a person wrote, in any of the ways people write it: its ISO
// code ("DE", "DEU"), its English name, its own names ("Deutschland",
// "Schweiz", "Suisse"), its names in French, German, Spanish and Japanese
// ("Allemagne", "Alemania", "ドイツ") and a few common others ("Holland");
// letter case, accents, full stops and a leading "the" aside. Only the
// countries whose form is not CityFirst are known: nullopt for any other,
// which keeps CityFirst.
std::optional<QLocale::Territory> countryNamed(const QString &written);

// The form a country's addresses take.
AddressForm formOf(QLocale::Territory country);

// The form of an address in the country written for it; where none is
// written, of the letter's locale's country (the user's own, see
// dateLanguage()). A country written but not known keeps CityFirst.
AddressForm formFor(const QString &writtenCountry, const QLocale &letterLocale);

} // namespace AddressForms
