#include "LetterDate.h"

#include <algorithm>
#include <vector>

#include "Settings.h"

namespace {
// One piece of a date pattern: a field (a run of one of the letters d, M
// and y) or literal text as it stands in the pattern, quotes and all.
struct Piece
{
    QString text;
    bool field = false;
    bool isWeekday() const { return field && text.front() == u'd' && text.size() >= 3; }
};

// Spaces and commas part a weekday from the date, and go with it; a word
// ("de", "年") or a full stop ("d." in German and Hungarian) belongs to
// the date.
bool partsWeekday(QChar c)
{
    return c.isSpace() || QStringLiteral(",;\u060C\u3001\uFF0C").contains(c);
}

std::vector<Piece> piecesOf(const QString &pattern)
{
    std::vector<Piece> pieces;
    auto addLiteral = [&](QChar c) {
        if (pieces.empty() || pieces.back().field)
            pieces.push_back({QString(), false});
        pieces.back().text += c;
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            // A quoted literal, '' standing for one quote, kept as written.
            qsizetype end = i + 1;
            for (; end < pattern.size(); ++end) {
                if (pattern[end] != u'\'')
                    continue;
                if (end + 1 < pattern.size() && pattern[end + 1] == u'\'')
                    ++end;
                else
                    break;
            }
            pieces.push_back({pattern.mid(i, end - i + 1), false});
            i = end;
        } else if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            pieces.push_back({pattern.mid(i, end - i), true});
            i = end - 1;
        } else {
            addLiteral(c);
        }
    }
    return pieces;
}

} // namespace

QString longDatePatternWithoutWeekday(const QLocale &language)
{
    std::vector<Piece> pieces = piecesOf(language.dateFormat(QLocale::LongFormat));
    for (size_t at = 0; at < pieces.size();) {
        if (!pieces[at].isWeekday()) {
            ++at;
            continue;
        }
        const bool first
                = std::none_of(pieces.begin(), pieces.begin() + qsizetype(at), [](const Piece &p) { return p.field; });
        const bool last = std::none_of(pieces.begin() + qsizetype(at) + 1, pieces.end(),
                                       [](const Piece &p) { return p.field; });
        auto trimLiteral = [&](size_t i, bool fromEnd) {
            if (i >= pieces.size() || pieces[i].field || pieces[i].text.startsWith(u'\''))
                return;
            QString &text = pieces[i].text;
            while (!text.isEmpty() && partsWeekday(fromEnd ? text.back() : text.front()))
                text.remove(fromEnd ? text.size() - 1 : 0, 1);
        };
        size_t from = at, to = at + 1;
        if (first) {
            // Whatever leads up to the date goes with a leading weekday
            // ("dddd, ", Thai "ddddที่ ").
            from = 0;
            while (to < pieces.size() && !pieces[to].field)
                ++to;
        } else if (last) {
            trimLiteral(at - 1, true);
        } else {
            trimLiteral(at + 1, false);
        }
        pieces.erase(pieces.begin() + qsizetype(from), pieces.begin() + qsizetype(to));
        at = from;
    }
    QString pattern;
    for (const Piece &piece : pieces)
        pattern += piece.text;
    return pattern.trimmed();
}

QLocale dateLanguage()
{
    QString name;
    for (const char *variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            break;
    }
    // Without a language of the user's the date is written in English; C
    // and POSIX name no language.
    if (name.isEmpty() || name == u"C" || name == u"POSIX" || name.startsWith(QStringLiteral("C.")))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(name);
}

QString letterDate(const QDate &day, const QLocale &language, const QString &pattern)
{
    return language.toString(day, pattern.isEmpty() ? longDatePatternWithoutWeekday(language) : pattern);
}

QString letterDate()
{
    return letterDate(QDate::currentDate(), dateLanguage(), Settings().dateFormat());
}
