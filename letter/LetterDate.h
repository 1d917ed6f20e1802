#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The date a letter shows: the long date of the user's language without
// the weekday, "December 7, 2026" in (American) English, "7 décembre 2026"
// in French, "7. Dezember 2026" in German. The language is the one the
// environment gives dates in (LC_ALL, else LC_TIME, else LANG); the C and
// POSIX locales, which name no language, give the English date. The
// settings key "DateFormat", a QDate pattern ("yyyy-MM-dd", "d MMMM
// yyyy"), replaces the language's pattern when set; month names stay in
// the user's language.

// Today's date as the letter shows it.
QString letterDate();

// Any day's, in the given language, with the given pattern (empty: the
// language's own).
QString letterDate(const QDate &day, const QLocale &language, const QString &pattern = QString());

// The language dates are given in, as the environment names it.
QLocale dateLanguage();

// The language's long date pattern with its weekday and the separators
// around it taken out: "dddd, MMMM d, yyyy" becomes "MMMM d, yyyy".
QString longDatePatternWithoutWeekday(const QLocale &language);
