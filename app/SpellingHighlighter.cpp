#include "SpellingHighlighter.h"

#include <QTextCharFormat>

SpellingHighlighter::SpellingHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document), m_checker(std::make_unique<SpellChecker>())
{ }

void SpellingHighlighter::useLanguage(const QString &language)
{
    m_checker = language.isEmpty() ? std::make_unique<SpellChecker>()
                                   : std::make_unique<SpellChecker>(language, SpellChecker::personalListPath());
    rehighlight();
}

void SpellingHighlighter::highlightBlock(const QString &text)
{
    QTextCharFormat misspelled;
    misspelled.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    misspelled.setUnderlineColor(Qt::red);
    for (const SpellChecker::Misspelling &m : m_checker->misspellings(text))
        setFormat(int(m.position), int(m.length), misspelled);
}
