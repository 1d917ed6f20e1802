#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "LetterFill.h"
#include "LetterList.h"

// What a batch finds out before its first letter, from the placeholders
// its letter holds (Placeholders::namesIn of the document as the batch
// fills it) and the list: what would be printed as written, what is empty
// in every letter, and what the list gives that nothing uses. Names are
// matched by Placeholders::key.
struct ListCheck
{
    // Placeholders of the letter that nothing fills and --allow-empty does
    // not let be empty: the run stops, as each letter would show them
    // as written ("[Position]").
    QStringList unfilled;
    // Placeholders nothing fills that --allow-empty lets be empty.
    QStringList allowedEmpty;
    // The letter's fields, Phone, Email and stored values that are empty
    // in every letter: the list has no column for them, and the window
    // stores nothing for them (a recipient's field it never takes from there).
    QStringList emptyEverywhere;
    // Of the twelve fields' placeholders, those the user's own words use
    // (the letter text, the greeting, closing and enclosure line, a
    // template of the user's own) that are empty in every letter and that
    // --allow-empty does not let be: the run stops, as every letter would
    // read wrong ("the Data Analyst role at , which").
    QStringList emptyInOwnWords;
    // Columns mapped by hand (--columns) to a placeholder that neither the
    // letter nor the name pattern uses: "COLUMN=PLACEHOLDER" each. Stops.
    QStringList uselessMappings;
    // Columns, as the header names them, whose placeholder the letter does
    // not hold and the name pattern does not use.
    QStringList unusedColumns;
    // The letter's placeholders that a More Fields value fills alike in
    // every letter while some column of the list fills nothing: the value
    // may be a past letter's, and the column the one meant.
    std::vector<std::pair<QString, QString>> storedOverColumns;

    // Whether the run stops before its first letter (see refusal()).
    bool stops() const { return !unfilled.isEmpty() || !emptyInOwnWords.isEmpty() || !uselessMappings.isEmpty(); }

    // One line each, in the batch's words; empty when there is nothing to
    // say. The refusal names the list's columns, so that a misspelling
    // shows.
    QString refusal(const LetterList &list) const;
    // The refusal's line for `unfilled`; `has` names the list's columns.
    QString unfilledRefusal(const QString &has) const;
    QString emptyNote() const;
    QStringList warnings() const;
};

// What may fill a letter beyond the list: the window's stored texts of the
// sender's fields and the stored further values (Phone, Email, More Fields).
// `allowEmpty` holds names with or without brackets; `allowEveryEmpty` lets
// every placeholder be empty.
struct ListCheckInputs
{
    FieldValues stored;
    FurtherValues storedFurther;
    QStringList patternPlaceholders;
    // The placeholders the user's own words use (see emptyInOwnWords).
    QStringList ownPlaceholders;
    // Columns mapped by hand: the column's name and the placeholder's.
    ColumnNames::Mapping byHand;
    QStringList allowEmpty;
    bool allowEveryEmpty = false;
};

ListCheck checkList(const QStringList &letterPlaceholders, const LetterList &list, const ListCheckInputs &inputs);

// The replacements, and for each of the letter's placeholders that one of
// them fills under another spelling ("[Job_Title]" for a column "Job
// Title", "[Company-Name]"), the same text under the letter's own: filling
// matches placeholders in any letter case, not by key.
std::vector<std::pair<QString, QString>> spelledAsTheLetter(std::vector<std::pair<QString, QString>> replacements,
                                                            const QStringList &letterPlaceholders);
