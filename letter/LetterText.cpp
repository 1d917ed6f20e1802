#include "LetterText.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include "Failure.h"
#include "FileInPlace.h"
#include "Main.h"
#include "RegularFile.h"

namespace LetterText {

namespace {
constexpr char BulletMark[] = "- ";

// The built-in letter's body, paragraph by paragraph, as its template
// (resources/template/template.fodt) has it.
constexpr char BuiltInBody[]
        = "As I promised when we spoke last week, I have enclosed my r\u00e9sum\u00e9 for your review.\n"
          "\n"
          "I have also enclosed copies of three recent pieces of work:\n"
          "\n"
          "- A design study for a small community library, prepared for a regional competition.\n"
          "- A renovation plan for a two-storey family home, with a cost estimate for each phase.\n"
          "- A set of site drawings for a corner shop, completed with a team of three.\n"
          "\n"
          "If you have any questions, or would like to see further samples, please call me at [Phone]. "
          "Thank you for your time and consideration.\n";

FileProblem unreadable(const QString &path, const QString &why)
{
    return FileProblem(QObject::tr("Your letter text %1 cannot be read: %2.\n\nThe letter has the built-in "
                                   "text instead. Letter > Edit Letter Text… writes your text anew.")
                               .arg(QDir::toNativeSeparators(path), why));
}
} // namespace

QString filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/Tessaline/letter.txt");
}

QString builtInText()
{
    return QString::fromUtf8(BuiltInBody);
}

bool writtenWithoutSpaces(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
        return true;
    default:
        // CJK punctuation and the full-width forms ("。", "、", "！").
        return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF);
    }
}

namespace {
char32_t lastCodePoint(const QString &text)
{
    const qsizetype n = text.size();
    if (n >= 2 && text[n - 1].isLowSurrogate() && text[n - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[n - 2], text[n - 1]);
    return text[n - 1].unicode();
}

char32_t firstCodePoint(const QString &text)
{
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return text[0].unicode();
}

// Two lines of one paragraph as one text: a line break between
// characters of a script written without spaces joins them directly
// ("申し上げます。このたび").
QString runOn(const QString &before, const QString &line)
{
    if (writtenWithoutSpaces(lastCodePoint(before)) || writtenWithoutSpaces(firstCodePoint(line)))
        return before + line;
    return before + u' ' + line;
}
} // namespace

std::vector<word::BodyParagraph> paragraphs(const QString &text)
{
    std::vector<word::BodyParagraph> result;
    bool open = false; // whether the next line runs on in the last paragraph
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString &rawLine : normalised.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty()) {
            open = false;
        } else if (line.startsWith(QLatin1String(BulletMark))) {
            result.push_back({line.mid(1).trimmed(), true});
            open = true;
        } else if (open) {
            result.back().text = runOn(result.back().text, line);
        } else {
            result.push_back({line, false});
            open = true;
        }
    }
    return result;
}

std::optional<QString> read(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = RegularFile::read(path, MaximumBytes);
    } catch (const RegularFile::Refusal &refusal) {
        switch (refusal.reason()) {
        case RegularFile::Refusal::Reason::Missing:
            // A link to nowhere is no letter text either.
            if (!QFileInfo(path).isSymLink())
                return std::nullopt;
            throw unreadable(path, QObject::tr("it is a link to a file that does not exist"));
        case RegularFile::Refusal::Reason::NotRegular:
        case RegularFile::Refusal::Reason::TooLarge:
            throw unreadable(path, QObject::tr("it %1").arg(refusal.description()));
        case RegularFile::Refusal::Reason::Unreadable:
            break;
        }
        throw unreadable(path, refusal.description());
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw unreadable(path, QObject::tr("it is not UTF-8 text"));
    return text;
}

void write(const QString &path, const QString &text)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Failure(QObject::tr("Cannot write %1: its folder cannot be made").arg(QDir::toNativeSeparators(path)));
    writeFileInPlace(text.toUtf8(), path);
}

} // namespace LetterText
