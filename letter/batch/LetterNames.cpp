#include "LetterNames.h"

#include <algorithm>
#include <set>

#include <QObject>

#include "Failure.h"
#include "LetterList.h"
#include "Placeholders.h"
#include "SafeFileName.h"

LetterNames::LetterNames(const QString &pattern)
{
    qsizetype at = 0;
    while (at < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'{', at);
        if (open < 0) {
            m_parts.push_back({pattern.mid(at), -1, QString()});
            break;
        }
        if (open > at)
            m_parts.push_back({pattern.mid(at, open - at), -1, QString()});
        const qsizetype close = pattern.indexOf(u'}', open);
        if (close < 0)
            throw Failure(QObject::tr("the name pattern has a \"{\" without its \"}\""));
        const QString name = pattern.mid(open + 1, close - open - 1);
        const int field = fieldNamed(name);
        const QString further = field < 0 ? placeholderNamed(name) : QString();
        if (field < 0 && further.isEmpty())
            throw Failure(QObject::tr("the name pattern's {%1} names no placeholder").arg(name));
        m_parts.push_back({QString(), field, further});
        at = close + 1;
    }
}

void LetterNames::check(const QStringList &furtherNames) const
{
    for (const Part &part : m_parts) {
        const auto named
                = [&](const QString &name) { return Placeholders::key(name) == Placeholders::key(part.further); };
        if (!part.further.isEmpty() && std::none_of(furtherNames.begin(), furtherNames.end(), named))
            throw Failure(QObject::tr("the name pattern's {%1} names no field of the letter and no column of "
                                      "the list")
                                  .arg(part.further));
    }
}

QStringList LetterNames::placeholders() const
{
    QStringList names;
    for (const Part &part : m_parts) {
        if (part.field >= 0)
            names.append(QString::fromLatin1(LetterFields[size_t(part.field)].placeholder).chopped(1).mid(1));
        else if (!part.further.isEmpty())
            names.append(part.further);
    }
    return names;
}

QString LetterNames::forLine(int line)
{
    return QObject::tr("Letter %1").arg(line);
}

std::vector<QString> LetterNames::unique(const std::vector<QString> &wanted,
                                         const std::function<bool(const QString &)> &present)
{
    auto key = [](const QString &name) { return name.toCaseFolded(); };
    // Every row's own name is its own: numbers go around them.
    std::set<QString> taken;
    for (const QString &name : wanted)
        taken.insert(key(name));
    std::set<QString> given;
    std::vector<QString> names;
    for (const QString &name : wanted) {
        QString chosen = name;
        for (int n = 2; given.count(key(chosen)); ++n) {
            const QString numbered = QStringLiteral("%1 (%2)").arg(name).arg(n);
            if (!taken.count(key(numbered)) && !present(numbered))
                chosen = numbered;
        }
        given.insert(key(chosen));
        names.push_back(chosen);
    }
    return names;
}

namespace {
// Whether a pattern's literal text only joins what stands around it
// (" - ", ", "): without a value on each side it would dangle.
bool onlyJoins(const QString &literal)
{
    return std::none_of(literal.begin(), literal.end(), [](QChar c) { return c.isLetterOrNumber(); });
}
} // namespace

QString LetterNames::nameFor(const std::array<QString, FieldCount> &texts, const FurtherValues &further) const
{
    // Each part's text first; a joining literal is kept only between two
    // values that are there ("Cardinal Freight Co.", not "… Co. -").
    std::vector<QString> values(m_parts.size());
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const Part &part = m_parts[i];
        if (part.field >= 0) {
            values[i] = texts[size_t(part.field)].trimmed();
        } else if (!part.further.isEmpty()) {
            for (const auto &[placeholder, text] : further) {
                if (Placeholders::key(placeholder) == Placeholders::key(part.further))
                    values[i] += text.trimmed();
            }
        }
    }
    const auto isValue = [&](size_t i) { return m_parts[i].field >= 0 || !m_parts[i].further.isEmpty(); };
    QString name;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (isValue(i)) {
            name += values[i];
            continue;
        }
        if (!onlyJoins(m_parts[i].literal)) {
            name += m_parts[i].literal;
            continue;
        }
        // The nearest values on each side, over other literals.
        const auto filled = [&](size_t from, int step) {
            for (auto j = qsizetype(from) + step; j >= 0 && j < qsizetype(m_parts.size()); j += step) {
                if (isValue(size_t(j)))
                    return !values[size_t(j)].isEmpty();
                if (!onlyJoins(m_parts[size_t(j)].literal))
                    return true;
            }
            return false;
        };
        if (filled(i, -1) && filled(i, +1))
            name += m_parts[i].literal;
    }
    return safeFileName(name.trimmed());
}
