#pragma once

#include <memory>

#include <QSyntaxHighlighter>

#include "Spelling.h"

// Underlines the misspelled words of a text document with the red wavy
// line the user knows from other programs, as they type. It has its own
// checker (the user's language and personal word list), which the
// document's other helpers ask for suggestions and add words to; after
// adding one, rehighlight() takes its underline away.
class SpellingHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit SpellingHighlighter(QTextDocument *document);

    SpellChecker &checker() { return *m_checker; }
    // Checks with the dictionary of `language` from now on (empty: the
    // one the settings or the user's language give), the personal word
    // list the same.
    void useLanguage(const QString &language);

protected:
    void highlightBlock(const QString &text) override;

private:
    std::unique_ptr<SpellChecker> m_checker;
};
