#pragma once

#include <memory>
#include <vector>

#include <QLocale>

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

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};
