#pragma once

#include <memory>
#include <vector>

#include <QLocale>
#include <QString>

class QTranslator;

// The interface in the user's language: the program's own translation and
// Qt's base one (its dialogs' buttons, the command line's help lines),
// installed in the application object while this lives. The languages are
// tried in the order the locale prefers them (LANGUAGE, then LC_ALL,
// LC_MESSAGES, LANG); the first the program speaks wins, and English, the
// language it is written in, is the rest's.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language shown ("fr"), or empty for English.
    QString language() const { return m_language; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_language;
};
