#include "AppTitle.h"

namespace {
constexpr qsizetype MaxTitleLength = 40;
QString &storedTitle()
{
    static QString title;
    return title;
}
} // namespace

QString shortenedTitle(QString title)
{
    while (title.size() > MaxTitleLength) {
        const qsizetype lastSpace = title.lastIndexOf(QLatin1Char(' '));
        if (lastSpace < 0)
            break; // no space left to cut at: keep the text whole
        title.truncate(lastSpace);
    }
    return title;
}

void SetAppTitle()
{
    storedTitle() = shortenedTitle(QString::fromLatin1(ProductName));
}

QString appTitle()
{
    return storedTitle();
}
