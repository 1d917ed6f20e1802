#include "PaperName.h"

namespace Paper {

QString nameOf(PaperSize paper)
{
    return paper == PaperSize::A4 ? QStringLiteral("A4") : QStringLiteral("Letter");
}

std::optional<PaperSize> parse(const QString &text)
{
    for (PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        if (text.trimmed().compare(nameOf(paper), Qt::CaseInsensitive) == 0)
            return paper;
    }
    return std::nullopt;
}

} // namespace Paper
