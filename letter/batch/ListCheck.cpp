#include "ListCheck.h"

#include <algorithm>

#include <QObject>

#include "LetterFields.h"
#include "Placeholders.h"

namespace {
// Filled with the letter's word for nobody when empty (see noRecipientName).
constexpr int RecipientNameField = 7;

bool isSenderField(int field)
{
    return std::find(SenderFields.begin(), SenderFields.end(), field) != SenderFields.end();
}

bool holdsKey(const QStringList &names, const QString &name)
{
    const QString wanted = Placeholders::key(name);
    return std::any_of(names.begin(), names.end(), [&](const QString &n) { return Placeholders::key(n) == wanted; });
}

QString bracketed(const QStringList &names)
{
    QStringList placeholders;
    for (const QString &name : names)
        placeholders.append(u'[' + name + u']');
    return placeholders.join(QStringLiteral(", "));
}

QString quoted(const QStringList &names)
{
    return u'"' + names.join(QStringLiteral("\", \"")) + u'"';
}
} // namespace

ListCheck checkList(const QStringList &letterPlaceholders, const LetterList &list, const ListCheckInputs &inputs)
{
    ListCheck check;
    for (const QString &name : letterPlaceholders) {
        if (Placeholders::isSignature(name))
            continue;
        const int field = fieldNamed(name);
        if (field >= 0) {
            if (field == DateFieldIndex || field == RecipientNameField || list.hasColumn[size_t(field)])
                continue;
            if (isSenderField(field) && !inputs.stored[size_t(field)].trimmed().isEmpty())
                continue;
            if (!holdsKey(inputs.ownPlaceholders, name))
                check.emptyEverywhere.append(name);
            else if (inputs.allowEveryEmpty || holdsKey(inputs.allowEmpty, name))
                check.allowedEmpty.append(name);
            else
                check.emptyInOwnWords.append(name);
            continue;
        }
        const auto column = std::find_if(list.columns.begin(), list.columns.end(), [&](const ListColumn &c) {
            return (c.field < 0 && Placeholders::key(c.further) == Placeholders::key(name))
                    || (!c.alsoFills.isEmpty() && Placeholders::key(c.alsoFills) == Placeholders::key(name));
        });
        if (column != list.columns.end())
            continue;
        const auto stored
                = std::find_if(inputs.storedFurther.begin(), inputs.storedFurther.end(), [&](const auto &value) {
                      return Placeholders::key(value.first) == Placeholders::key(name);
                  });
        if (stored != inputs.storedFurther.end()) {
            if (stored->second.trimmed().isEmpty())
                check.emptyEverywhere.append(name);
            else if (!Placeholders::isSenderDetail(name))
                check.storedOverColumns.emplace_back(name, stored->second);
        } else if (inputs.allowEveryEmpty || holdsKey(inputs.allowEmpty, name)) {
            check.allowedEmpty.append(name);
        } else {
            check.unfilled.append(name);
        }
    }
    for (const ListColumn &column : list.columns) {
        const QString filled = column.field >= 0 ? QString::fromLatin1(LetterFields[size_t(column.field)].placeholder)
                                                 : column.further;
        const auto used = [&](const QString &placeholder) {
            return holdsKey(letterPlaceholders, placeholder) || holdsKey(inputs.patternPlaceholders, placeholder);
        };
        if (!used(filled) && (column.alsoFills.isEmpty() || !used(column.alsoFills)))
            check.unusedColumns.append(column.name);
    }
    for (const auto &[column, placeholder] : inputs.byHand) {
        if (!holdsKey(letterPlaceholders, placeholder) && !holdsKey(inputs.patternPlaceholders, placeholder))
            check.uselessMappings.append(column + u'=' + placeholder);
    }
    if (check.unusedColumns.isEmpty())
        check.storedOverColumns.clear();
    return check;
}

QString ListCheck::refusal(const LetterList &list) const
{
    QStringList columns;
    for (const ListColumn &column : list.columns)
        columns.append(column.name);
    const QString has = columns.isEmpty() ? QObject::tr("the list has no column that fills a placeholder")
                                          : QObject::tr("the list's columns: %1").arg(quoted(columns));
    QStringList lines;
    for (const QString &mapping : uselessMappings)
        lines.append(QObject::tr("--columns \"%1\": neither the letter nor the name pattern uses [%2], so the "
                                 "column would fill nothing.")
                             .arg(mapping, mapping.section(u'=', -1)));
    if (emptyInOwnWords.size() == 1)
        lines.append(QObject::tr("%1 would be empty in every letter: your own words use it, and no column of the "
                                 "list fills it (%2). Add the column, map one to it with --columns "
                                 "\"COLUMN=%3\", or let it be empty with --allow-empty %3.")
                             .arg(bracketed(emptyInOwnWords), has, emptyInOwnWords.front()));
    else if (!emptyInOwnWords.isEmpty())
        lines.append(QObject::tr("%1 would be empty in every letter: your own words use them, and no column of the "
                                 "list fills them (%2). Add the columns, map them with --columns, or let them be "
                                 "empty with --allow-empty %3.")
                             .arg(bracketed(emptyInOwnWords), has, emptyInOwnWords.join(u',')));
    if (!unfilled.isEmpty())
        lines.append(unfilledRefusal(has));
    return lines.join(u'\n');
}

QString ListCheck::unfilledRefusal(const QString &has) const
{
    if (unfilled.size() == 1)
        return QObject::tr("The letter's %1 would stand as written in every letter: no column of the list fills it "
                           "and nothing is stored for it (%2). Add the column, or let it be empty with "
                           "--allow-empty %3.")
                .arg(bracketed(unfilled), has, unfilled.front());
    return QObject::tr("The letter's %1 would stand as written in every letter: no column of the list fills them "
                       "and nothing is stored for them (%2). Add the columns, or let them be empty with "
                       "--allow-empty %3.")
            .arg(bracketed(unfilled), has, unfilled.join(u','));
}

QString ListCheck::emptyNote() const
{
    if (emptyEverywhere.isEmpty())
        return QString();
    return emptyEverywhere.size() == 1
            ? QObject::tr("%1 will be empty in every letter: the list has no column for it and nothing is stored "
                          "for it.")
                      .arg(bracketed(emptyEverywhere))
            : QObject::tr("%1 will be empty in every letter: the list has no column for them and nothing is stored "
                          "for them.")
                      .arg(bracketed(emptyEverywhere));
}

QStringList ListCheck::warnings() const
{
    QStringList lines;
    if (!allowedEmpty.isEmpty())
        lines.append(allowedEmpty.size() == 1
                             ? QObject::tr("%1 will be empty in every letter (--allow-empty): nothing fills it.")
                                       .arg(bracketed(allowedEmpty))
                             : QObject::tr("%1 will be empty in every letter (--allow-empty): nothing fills them.")
                                       .arg(bracketed(allowedEmpty)));
    if (!unusedColumns.isEmpty())
        lines.append(unusedColumns.size() == 1
                             ? QObject::tr("Column %1 fills nothing: the letter has no such placeholder and the "
                                           "name pattern does not use it.")
                                       .arg(quoted(unusedColumns))
                             : QObject::tr("Columns %1 fill nothing: the letter has no such placeholders and the "
                                           "name pattern uses none of them.")
                                       .arg(quoted(unusedColumns)));
    for (const auto &[name, value] : storedOverColumns)
        lines.append(unusedColumns.size() == 1
                             ? QObject::tr("[%1] is \"%2\" in every letter, from More Fields, while the list's "
                                           "column %3 fills nothing (--columns \"%4=%1\" fills it from the list).")
                                       .arg(name, value, quoted(unusedColumns), unusedColumns.front())
                             : QObject::tr("[%1] is \"%2\" in every letter, from More Fields, while the list's "
                                           "columns %3 fill nothing (--columns \"%4=%1\" fills it from one).")
                                       .arg(name, value, quoted(unusedColumns), unusedColumns.front()));
    return lines;
}

std::vector<std::pair<QString, QString>> spelledAsTheLetter(std::vector<std::pair<QString, QString>> replacements,
                                                            const QStringList &letterPlaceholders)
{
    const size_t given = replacements.size();
    for (const QString &name : letterPlaceholders) {
        const QString placeholder = u'[' + name + u']';
        const auto begin = replacements.begin(), end = replacements.begin() + qsizetype(given);
        if (std::any_of(begin, end,
                        [&](const auto &r) { return r.first.compare(placeholder, Qt::CaseInsensitive) == 0; }))
            continue;
        const auto sameKey = std::find_if(
                begin, end, [&](const auto &r) { return Placeholders::key(r.first) == Placeholders::key(name); });
        if (sameKey != end) {
            const QString text = sameKey->second; // the vector may grow under it
            replacements.emplace_back(placeholder, text);
        }
    }
    return replacements;
}
