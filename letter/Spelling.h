#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

// The spelling of the user's own words, checked against the system's
// Hunspell dictionary of the letter's language and the user's personal
// word list. Placeholders ("[Position]"), e-mail and web addresses,
// numbers, words holding digits and words of scripts written without
// spaces (Chinese, Japanese: no dictionary parts them into words) are
// never flagged.
//
// Not shared between threads: each user (the Letter Text window, the
// check before a letter, a batch) makes its own.
class SpellChecker
{
public:
    // The dictionary chosen in the Letter Text window (the setting
    // "SpellingLanguage") while it is installed; else the dictionary of the
    // language of LC_ALL, LC_MESSAGES or LANG (the
    // first that names one, "C" and "POSIX" do not), else English; with
    // none installed at all, or none of a language other than English that
    // the locale names (see missingLanguage()), available() is false and
    // nothing is flagged.
    // The personal word list is personalListPath()'s.
    SpellChecker();
    // The dictionary of a language such as "fr_FR", "fr_FR.UTF-8" or "de"
    // (the exact one, else the language alone, else any of its countries),
    // or English when there is none for a name that is no known language;
    // and the personal word list of
    // that file (an empty path: words are added for this checker alone).
    // A list that cannot be read, is not a file or is larger than 1 MB is
    // left alone: its words are not known and none is added to it.
    SpellChecker(const QString &language, const QString &personalListPath);
    ~SpellChecker();

    bool available() const;
    // The language of the dictionary in use ("en_US"); empty without one.
    QString language() const;
    // The language asked for ("fr_FR") when it is a language other than
    // English that no installed dictionary has: its words are then not
    // checked at all, rather than every one of them flagged by the English
    // dictionary. Empty otherwise.
    QString missingLanguage() const;
    // For a missing language, one sentence for the user: which language is
    // not checked and which package would check it. Empty otherwise.
    QString missingNotice() const;

    struct Misspelling
    {
        qsizetype position = 0; // in the text checked, in UTF-16 units
        qsizetype length = 0;
        QString word;
        bool operator==(const Misspelling &) const = default;
    };
    // The misspelled words of a text, in order.
    std::vector<Misspelling> misspellings(const QString &text) const;
    // Each misspelled word once, in the order it first stands.
    QStringList misspelledWords(const QString &text) const;
    // What the dictionary offers instead, best first.
    QStringList suggestions(const QString &word) const;
    // Adds the word to the personal word list, kept at once (written whole
    // through a file beside it, making its folder), and knows it from then
    // on. Throws Failure naming the file when it cannot be written; the
    // word is then not known.
    void addToDictionary(const QString &word);

    // The dictionaries installed, by name ("de_DE", "en_US", "fr"), in
    // order.
    static QStringList installedLanguages();

    // $XDG_DATA_HOME/Tessaline/words.txt (by default
    // ~/.local/share/Tessaline/words.txt): one word a line, UTF-8.
    static QString personalListPath();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
