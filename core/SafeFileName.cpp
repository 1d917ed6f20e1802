#include "SafeFileName.h"

#include <algorithm>

namespace {
// Leaves room for the extension and the scratch name's additions within
// the 255 bytes a file name may have.
constexpr int MaxNameBytes = 200;

bool unfitForFileName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
}
} // namespace

QString safeFileName(QString name)
{
    for (QChar &c : name) {
        if (unfitForFileName(c))
            c = u'_';
    }
    auto trimmable = [](QChar c) { return c.isSpace() || c == u'.'; };
    while (!name.isEmpty() && trimmable(name.front()))
        name.remove(0, 1);
    while (!name.isEmpty() && trimmable(name.back()))
        name.chop(1);
    while (name.toUtf8().size() > MaxNameBytes)
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    if (std::none_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        return QString();
    return name;
}
