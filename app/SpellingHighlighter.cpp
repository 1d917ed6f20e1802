#include "SpellingHighlighter.h"

#include <QTextCharFormat>

SpellingHighlighter::SpellingHighlighter(QTextDocument *document) : QSyntaxHighlighter(document) { }

void SpellingHighlighter::highlightBlock(const QString &text)
{
    QTextCharFormat misspelled;
    misspelled.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    misspelled.setUnderlineColor(Qt::red);
    for (const SpellChecker::Misspelling &m : m_checker.misspellings(text))
        setFormat(int(m.position), int(m.length), misspelled);
}
