#include "AddressForm.h"

#include <QHash>

#include "Logging.h"

namespace AddressForms {
namespace {

// A country whose addresses are not laid out city first, with what the
// office's locale data does not give: its three-letter ISO code, and its
// names in French, German, Spanish and Japanese and the other names people
// give it, "|" between them. Its two-letter code, English name and own
// names come from the locale data.
struct KnownCountry
{
    QLocale::Territory territory;
    AddressForm form;
    const char16_t *alpha3;
    const char16_t *otherNames;
};

constexpr AddressForm PostcodeFirst = AddressForm::PostcodeFirst;
const KnownCountry KnownCountries[] = {
        {QLocale::Austria, PostcodeFirst, u"AUT", u"Autriche|Österreich|Austria|オーストリア"},
        {QLocale::Belgium, PostcodeFirst, u"BEL", u"Belgique|Belgien|Bélgica|ベルギー|België"},
        {QLocale::Croatia, PostcodeFirst, u"HRV", u"Croatie|Kroatien|Croacia|クロアチア"},
        {QLocale::Czechia, PostcodeFirst, u"CZE",
         u"Tchéquie|République tchèque|Tschechien|Tschechische Republik|Chequia|República Checa|チェコ|Czech Republic"},
        {QLocale::Denmark, PostcodeFirst, u"DNK", u"Danemark|Dänemark|Dinamarca|デンマーク"},
        {QLocale::Estonia, PostcodeFirst, u"EST", u"Estonie|Estland|Estonia|エストニア"},
        {QLocale::Finland, PostcodeFirst, u"FIN", u"Finlande|Finnland|Finlandia|フィンランド"},
        {QLocale::France, PostcodeFirst, u"FRA", u"France|Frankreich|Francia|フランス|République française"},
        {QLocale::Germany, PostcodeFirst, u"DEU",
         u"Allemagne|Deutschland|Alemania|ドイツ|Germania|BRD|Bundesrepublik Deutschland|Federal Republic of Germany"},
        {QLocale::Greece, PostcodeFirst, u"GRC", u"Grèce|Griechenland|Grecia|ギリシャ"},
        {QLocale::Hungary, PostcodeFirst, u"HUN", u"Hongrie|Ungarn|Hungría|ハンガリー"},
        {QLocale::Iceland, PostcodeFirst, u"ISL", u"Islande|Island|Islandia|アイスランド"},
        {QLocale::Italy, PostcodeFirst, u"ITA", u"Italie|Italien|Italia|イタリア"},
        {QLocale::Liechtenstein, PostcodeFirst, u"LIE", u"Liechtenstein|リヒテンシュタイン"},
        {QLocale::Lithuania, PostcodeFirst, u"LTU", u"Lituanie|Litauen|Lituania|リトアニア"},
        {QLocale::Luxembourg, PostcodeFirst, u"LUX", u"Luxembourg|Luxemburg|Luxemburgo|ルクセンブルク"},
        {QLocale::Monaco, PostcodeFirst, u"MCO", u"Monaco|Mónaco|モナコ"},
        {QLocale::Netherlands, PostcodeFirst, u"NLD",
         u"Pays-Bas|Niederlande|Países Bajos|オランダ|Holland|Hollande|Holanda|Nederland"},
        {QLocale::Norway, PostcodeFirst, u"NOR", u"Norvège|Norwegen|Noruega|ノルウェー"},
        {QLocale::Poland, PostcodeFirst, u"POL", u"Pologne|Polen|Polonia|ポーランド"},
        {QLocale::Portugal, PostcodeFirst, u"PRT", u"Portugal|ポルトガル"},
        {QLocale::Romania, PostcodeFirst, u"ROU", u"Roumanie|Rumänien|Rumanía|ルーマニア"},
        {QLocale::Slovakia, PostcodeFirst, u"SVK", u"Slovaquie|Slowakei|Eslovaquia|スロバキア"},
        {QLocale::Slovenia, PostcodeFirst, u"SVN", u"Slovénie|Slowenien|Eslovenia|スロベニア"},
        {QLocale::Spain, PostcodeFirst, u"ESP", u"Espagne|Spanien|España|スペイン"},
        {QLocale::Sweden, PostcodeFirst, u"SWE", u"Suède|Schweden|Suecia|スウェーデン"},
        {QLocale::Switzerland, PostcodeFirst, u"CHE", u"Suisse|Schweiz|Suiza|スイス|Svizzera"},
        {QLocale::Japan, AddressForm::Japanese, u"JPN", u"Japon|Japan|Japón|日本|日本国|Nippon|Nihon"},
};

// A name as it is compared: "Österreich", "österreich" and "Osterreich"
// alike, and "U.S.A." as "USA"; the full-width "ＤＥ" as "DE". Japanese
// keeps its voicing marks (ド is not ト).
QString comparable(const QString &name)
{
    QString text = name.normalized(QString::NormalizationForm_KD);
    text.removeIf([](QChar c) { return (c.unicode() >= 0x0300 && c.unicode() <= 0x036F) || c == u'.'; });
    text = text.toCaseFolded().simplified();
    if (text.startsWith(QStringLiteral("the ")))
        text.remove(0, 4);
    return text;
}

const QHash<QString, const KnownCountry *> &countriesByName()
{
    static const QHash<QString, const KnownCountry *> byName = [] {
        QHash<QString, const KnownCountry *> names;
        for (const KnownCountry &country : KnownCountries) {
            auto add = [&](const QString &name) {
                if (!name.trimmed().isEmpty()) // some locales have no name of their own for it
                    names.insert(comparable(name), &country);
            };
            add(QLocale::territoryToCode(country.territory));
            add(QString::fromUtf16(country.alpha3));
            add(QLocale::territoryToString(country.territory));
            for (const QLocale &locale :
                 QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, country.territory))
                add(locale.nativeTerritoryName());
            for (const QString &name : QString::fromUtf16(country.otherNames).split(u'|'))
                add(name);
        }
        return names;
    }();
    return byName;
}

} // namespace

std::optional<QLocale::Territory> countryNamed(const QString &written)
{
    const KnownCountry *country = countriesByName().value(comparable(written));
    return country ? std::optional(country->territory) : std::nullopt;
}

AddressForm formOf(QLocale::Territory country)
{
    for (const KnownCountry &known : KnownCountries) {
        if (known.territory == country)
            return known.form;
    }
    return AddressForm::CityFirst;
}

AddressForm formFor(const QString &writtenCountry, const QLocale &letterLocale)
{
    if (writtenCountry.trimmed().isEmpty())
        return formOf(letterLocale.territory());
    if (const std::optional<QLocale::Territory> country = countryNamed(writtenCountry))
        return formOf(*country);
    qCDebug(lcLetter) << "no address form known for the country" << writtenCountry << "- the city comes first";
    return AddressForm::CityFirst;
}

} // namespace AddressForms
