#include "Placeholders.h"

#include <algorithm>

#include <QRegularExpression>
#include <QSet>

#include "LetterFields.h"
#include "Settings.h"

namespace Placeholders {

QString key(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (c.isSpace() || c == u'_' || c == u'-' || c == u'[' || c == u']')
            continue;
        result += c.toLower();
    }
    return result;
}

QStringList namesIn(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("\\[([A-Za-z][A-Za-z0-9_-]{0,63})\\]"));
    QStringList names;
    QSet<QString> seen;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text)) {
        const QString name = match.captured(1);
        if (!seen.contains(key(name))) {
            seen.insert(key(name));
            names.append(name);
        }
    }
    return names;
}

bool isFieldName(const QString &name)
{
    const QString wanted = key(name);
    for (const LetterField &field : LetterFields) {
        if (key(QString::fromLatin1(field.placeholder)) == wanted)
            return true;
    }
    return false;
}

bool isSenderDetail(const QString &name)
{
    for (const char *detail : SenderDetailKeys) {
        if (key(name) == key(QString::fromLatin1(detail)))
            return true;
    }
    return key(name) == key(QString::fromLatin1(RecipientCountryKey));
}

bool isSignature(const QString &name)
{
    return key(name) == key(QString::fromLatin1(SignatureKey));
}

FurtherValues storedExtraValues()
{
    return Settings().extraValues();
}

void storeExtraValue(const QString &name, const QString &value)
{
    Settings settings;
    settings.setExtraValue(name, value);
    // One value a placeholder: one kept under another spelling of its name
    // ("Extra_position") would fill it too.
    for (const auto &[storedName, storedValue] : settings.extraValues()) {
        if (storedName != name && key(storedName) == key(name))
            settings.removeExtraValue(storedName);
    }
}

FurtherValues storedFurtherValues()
{
    FurtherValues values = storedSenderDetails();
    values.emplace_back(QString::fromLatin1(RecipientCountryKey), Settings().recipientCountry());
    for (auto &extra : storedExtraValues()) {
        const bool known = std::any_of(values.begin(), values.end(),
                                       [&](const auto &v) { return key(v.first) == key(extra.first); });
        if (!known)
            values.push_back(std::move(extra));
    }
    return values;
}

} // namespace Placeholders
