#include "ColumnNames.h"

#include <algorithm>
#include <array>

#include <QHash>
#include <QObject>

#include "Failure.h"
#include "LetterList.h"
#include "Placeholders.h"

namespace ColumnNames {
namespace {
// What a column can stand for, with the placeholder it fills on each side
// of the letter (nullptr: that side has none).
struct Role
{
    const char *sender;
    const char *recipient;
    bool address; // names no side by itself: see place()
    std::vector<const char *> names;
};

// A name alone ("Name", "Nom") says nothing: only with a side
// ("Sender Name", "Recipient Name") does it fill a field.
constexpr int NameRole = 0;

const std::vector<Role> &roles()
{
    static const std::vector<Role> table{
            {"YourName", "RecipientName", false, {"name", "full name", "nom", "nom complet", "nombre", "名前", "氏名"}},
            {nullptr,
             "CompanyName",
             false,
             {"company",
              "company name",
              "employer",
              "organization",
              "organisation",
              "business",
              "firm",
              "firma",
              "firmenname",
              "unternehmen",
              "arbeitgeber",
              "société",
              "nom de la société",
              "entreprise",
              "nom de l'entreprise",
              "employeur",
              "empresa",
              "nombre de la empresa",
              "compañía",
              "会社名",
              "会社",
              "企業名",
              "社名",
              "応募先",
              "応募企業"}},
            {nullptr,
             "RecipientName",
             false,
             {"hiring manager",
              "contact",
              "contact name",
              "contact person",
              "recruiter",
              "recruiter name",
              "ansprechpartner",
              "ansprechpartnerin",
              "ansprechperson",
              "kontaktperson",
              "kontakt",
              "interlocuteur",
              "interlocutrice",
              "nom du contact",
              "recruteur",
              "contacto",
              "persona de contacto",
              "reclutador",
              "担当者",
              "担当者名",
              "採用担当者",
              "宛名"}},
            {nullptr,
             "Title",
             false,
             {"title", "job title", "position title", "contact title", "funktion", "titel", "fonction", "titre",
              "cargo", "役職", "肩書き", "肩書"}},
            {"StreetAddress",
             "StreetAddress2",
             true,
             {"street address", "street", "address", "address 1", "address line 1", "straße", "strasse",
              "straße und hausnummer", "anschrift", "adresse", "rue", "adresse postale", "dirección", "calle",
              "domicilio", "住所", "番地", "所在地"}},
            {"City",
             "City2",
             true,
             {"city", "town", "ort", "stadt", "wohnort", "ville", "commune", "ciudad", "localidad", "población",
              "municipio", "市区町村", "市町村"}},
            {"ST",
             "ST2",
             true,
             {"st", "state", "province", "region", "state province", "county", "bundesland", "kanton", "région",
              "département", "provincia", "estado", "comunidad autónoma", "都道府県"}},
            {"ZIPCode",
             "ZIPCode2",
             true,
             {"zip", "zip code", "postcode", "postal code", "zip postal code", "plz", "postleitzahl", "code postal",
              "cp", "código postal", "郵便番号", "〒"}},
            {"Country", "Country2", true, {"country", "land", "pays", "país", "国", "国名"}},
    };
    return table;
}

// Words before a role's name that say whose it is.
constexpr std::array<const char *, 9> SenderWords
        = {"sender", "senders", "your", "my", "own", "absender", "expéditeur", "remitente", "差出人"};
constexpr std::array<const char *, 8> RecipientWords
        = {"recipient", "recipients", "empfänger", "destinataire", "destinatario", "company", "employer", "宛先"};

const QHash<QString, int> &roleByKey()
{
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> keys;
        for (int r = 0; r < int(roles().size()); ++r) {
            for (const char *name : roles()[size_t(r)].names)
                keys.insert(looseKey(QString::fromUtf8(name)), r);
        }
        return keys;
    }();
    return byKey;
}

enum class Side { Unsaid, Sender, Recipient };

struct Found
{
    int role = -1;
    Side side = Side::Unsaid;
};

// The role a name stands for, and the side it says, if any.
Found roleNamed(const QString &name)
{
    const QString key = looseKey(name);
    if (key.isEmpty())
        return {};
    if (const auto whole = roleByKey().constFind(key); whole != roleByKey().constEnd() && *whole != NameRole)
        return {*whole, Side::Unsaid};
    const auto withSide = [&](const QString &rest, Side side) -> Found {
        const auto role = roleByKey().constFind(rest);
        if (role == roleByKey().constEnd())
            return {};
        const Role &r = roles()[size_t(*role)];
        // "Company Name" named the company above; "Company City" is the
        // recipient's city, and no side has a "Sender Company".
        if ((side == Side::Sender ? r.sender : r.recipient) == nullptr)
            return {};
        return {*role, side};
    };
    if (key.endsWith(u'2'))
        if (const Found found = withSide(key.chopped(1), Side::Recipient); found.role >= 0)
            return found;
    for (const char *word : SenderWords) {
        const QString prefix = looseKey(QString::fromUtf8(word));
        if (key.startsWith(prefix))
            if (const Found found = withSide(key.mid(prefix.size()), Side::Sender); found.role >= 0)
                return found;
    }
    for (const char *word : RecipientWords) {
        const QString prefix = looseKey(QString::fromUtf8(word));
        if (key.startsWith(prefix))
            if (const Found found = withSide(key.mid(prefix.size()), Side::Recipient); found.role >= 0)
                return found;
    }
    return {};
}

bool isTablePlaceholder(const QString &name)
{
    const QString key = Placeholders::key(name);
    return std::any_of(roles().begin(), roles().end(), [&](const Role &role) {
        return (role.sender && key == Placeholders::key(QString::fromLatin1(role.sender)))
                || (role.recipient && key == Placeholders::key(QString::fromLatin1(role.recipient)));
    });
}
} // namespace

QString looseKey(const QString &name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() || c == u'〒')
            key += c.toCaseFolded();
    }
    return key;
}

Mapping parseMapping(const QString &text)
{
    Mapping mapping;
    for (const QString &each : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = each.indexOf(u'=');
        if (equals < 0)
            throw Failure(QObject::tr("\"%1\" has no \"=\" (write COLUMN=PLACEHOLDER)").arg(each.trimmed()));
        const QString column = each.left(equals).trimmed();
        const QString placeholder = placeholderNamed(each.mid(equals + 1));
        if (column.isEmpty())
            throw Failure(QObject::tr("\"%1\" names no column").arg(each.trimmed()));
        if (placeholder.isEmpty())
            throw Failure(QObject::tr("\"%1\" names no placeholder").arg(each.trimmed()));
        mapping.emplace_back(column, placeholder);
    }
    return mapping;
}

std::vector<Placement> place(const QStringList &header, const Mapping &byHand)
{
    std::vector<Placement> placements(size_t(header.size()));
    std::vector<Found> found(size_t(header.size()));
    for (const auto &[column, placeholder] : byHand) {
        const auto at = std::find_if(header.begin(), header.end(), [&, &column = column](const QString &name) {
            return looseKey(name) == looseKey(column);
        });
        if (at == header.end())
            throw Failure(QObject::tr("--columns: the list has no column \"%1\" (its columns: \"%2\")")
                                  .arg(column, header.join(QStringLiteral("\", \""))));
        Placement &placement = placements[size_t(at - header.begin())];
        placement.placeholder = placeholder;
        placement.by = Placement::By::Hand;
    }
    // The recipient's placeholders the list fills by name, by hand or by a
    // name that says the recipient's.
    QStringList recipientsOwn;
    for (qsizetype c = 0; c < header.size(); ++c) {
        Placement &placement = placements[size_t(c)];
        if (placement.by == Placement::By::Hand) {
            recipientsOwn.append(Placeholders::key(placement.placeholder));
            continue;
        }
        found[size_t(c)] = roleNamed(header[c]);
        const Found &f = found[size_t(c)];
        if (f.role < 0) {
            placement.placeholder = placeholderNamed(header[c]);
            continue;
        }
        const Role &role = roles()[size_t(f.role)];
        if (f.side == Side::Sender) {
            placement.placeholder = QString::fromLatin1(role.sender);
        } else if (f.side == Side::Recipient || !role.address) {
            placement.placeholder = QString::fromLatin1(role.recipient);
            recipientsOwn.append(Placeholders::key(placement.placeholder));
        }
        placement.by = Placement::By::Table;
    }
    for (qsizetype c = 0; c < header.size(); ++c) {
        Placement &placement = placements[size_t(c)];
        const Found &f = found[size_t(c)];
        if (placement.by != Placement::By::Table)
            continue;
        if (placement.placeholder.isEmpty()) {
            const Role &role = roles()[size_t(f.role)];
            const QString recipients = QString::fromLatin1(role.recipient);
            placement.placeholder = recipientsOwn.contains(Placeholders::key(recipients))
                    ? QString::fromLatin1(role.sender)
                    : recipients;
            placement.sideChosen = true;
        }
        const QString own = placeholderNamed(header[c]);
        if (Placeholders::key(own) == Placeholders::key(placement.placeholder))
            placement.by = Placement::By::Name;
        else if (!own.isEmpty() && !isTablePlaceholder(own) && fieldNamed(own) < 0)
            placement.alsoFills = own;
    }
    return placements;
}

QString tableText()
{
    QStringList lines;
    for (size_t r = NameRole + 1; r < roles().size(); ++r) {
        const Role &role = roles()[r];
        QStringList names;
        for (const char *name : role.names)
            names.append(QString::fromUtf8(name));
        const QString fills = role.sender
                ? QObject::tr("[%1] (the recipient's; the sender's [%2] when the list has the recipient's own "
                              "column or the name says \"Sender\" or \"Your\")")
                          .arg(QString::fromLatin1(role.recipient), QString::fromLatin1(role.sender))
                : QStringLiteral("[%1]").arg(QString::fromLatin1(role.recipient));
        lines.append(QStringLiteral("  %1: %2").arg(fills, names.join(QStringLiteral(", "))));
    }
    return lines.join(u'\n');
}

} // namespace ColumnNames
