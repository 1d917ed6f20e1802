#include "LetterFormat.h"

#include <array>

#include <QtGlobal>

namespace word {

namespace {

constexpr std::array<LetterFormatInfo, 4> Formats{{
        {LetterFormat::Word97, "doc", "doc", "MS Word 97", QT_TRANSLATE_NOOP("LetterFormat", "Word Files (*.doc)")},
        {LetterFormat::WordXml, "docx", "docx", "MS Word 2007 XML",
         QT_TRANSLATE_NOOP("LetterFormat", "Word 2007-365 Documents (*.docx)")},
        {LetterFormat::OpenDocument, "odt", "odt", "writer8",
         QT_TRANSLATE_NOOP("LetterFormat", "OpenDocument Text (*.odt)")},
        {LetterFormat::Pdf, "pdf", "pdf", "writer_pdf_Export",
         QT_TRANSLATE_NOOP("LetterFormat", "PDF Documents (*.pdf)")},
}};

} // namespace

std::span<const LetterFormatInfo> letterFormats()
{
    return Formats;
}

const LetterFormatInfo &letterFormatInfo(LetterFormat format)
{
    for (const LetterFormatInfo &info : Formats)
        if (info.format == format)
            return info;
    return Formats.front();
}

std::optional<LetterFormat> letterFormatNamed(const QString &name)
{
    for (const LetterFormatInfo &info : Formats)
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0)
            return info.format;
    return std::nullopt;
}

} // namespace word
