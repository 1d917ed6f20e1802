#pragma once

// The Alt keys (the letter after '&') of the commands a user reaches
// together: a window's menus, labels and buttons, or the items of one menu.

#include <QSet>
#include <QStringList>

// What is wrong with the Alt keys of `texts`: each text that has none, and
// each that repeats one an earlier text took, which Alt would then not
// reach. A separator ("-") needs none. Empty when every text has its own.
inline QStringList altKeyProblems(const QStringList &texts)
{
    QStringList problems;
    QSet<QChar> taken;
    for (const QString &text : texts) {
        if (text == u"-")
            continue;
        const qsizetype at = text.indexOf(u'&');
        if (at < 0 || at + 1 >= text.size()) {
            problems << text + QStringLiteral(" has no Alt key");
            continue;
        }
        const QChar key = text.at(at + 1).toLower();
        if (taken.contains(key))
            problems << text + QStringLiteral(" repeats an Alt key");
        taken.insert(key);
    }
    return problems;
}
