#include "Spelling.h"

#include <algorithm>
#include <optional>

#include <QDir>
#include <QLocale>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

#include "LetterText.h"
#include "Settings.h"
#include "Failure.h"
#include "FileInPlace.h"

namespace {
// Where Debian's hunspell-* packages put their dictionaries.
constexpr char DictionaryFolder[] = "/usr/share/hunspell";
// A word list is typed by hand, a word at a time: one larger than this is
// not one, and is left alone rather than read whole.
constexpr qint64 MaxListBytes = 1024 * 1024;

// What looks like a word: letters, with apostrophes and hyphens inside
// ("don't", "I’m", "well-known"). Digits belong to the word so that "3rd"
// and "A4" are seen whole, and left alone.
const QRegularExpression &wordPattern()
{
    static const QRegularExpression pattern(QStringLiteral("[\\p{L}\\p{M}\\p{N}]+(?:['’-][\\p{L}\\p{M}\\p{N}]+)*"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// What is not the user's prose: placeholders ("[Position]", filled later),
// e-mail addresses and web addresses.
const QRegularExpression &notProsePattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\[[^\\[\\]\\n]*\\]"
                                                           "|[\\w.+'-]+@[\\w-]+(?:\\.[\\w-]+)*"
                                                           "|(?:https?://|ftp://|www\\.)[^\\s<>\"]+"),
                                            QRegularExpression::UseUnicodePropertiesOption
                                                    | QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

struct Span
{
    qsizetype start, end;
};

// The locale name of a language ("fr_FR.UTF-8@euro", "fr-FR") as
// dictionaries are named ("fr_FR").
QString dictionaryName(QString language)
{
    language = language.section(u'.', 0, 0).section(u'@', 0, 0);
    return language.replace(u'-', u'_');
}

// The dictionaries to try for a language, best first: the exact one, the
// language alone, its home country's ("de_DE" for "de_AT"), then any of its
// countries.
QStringList candidates(const QString &language)
{
    const QString name = dictionaryName(language);
    const QString base = name.section(u'_', 0, 0);
    if (base.isEmpty())
        return {};
    QStringList result{name, base, base + u'_' + base.toUpper()};
    const QStringList others = QDir(QString::fromLatin1(DictionaryFolder))
                                       .entryList({base + QStringLiteral("_*.dic")}, QDir::Files, QDir::Name);
    for (const QString &file : others)
        result << file.chopped(4);
    result.removeDuplicates();
    return result;
}

// The language of the user's locale: the first of LC_ALL, LC_MESSAGES and
// LANG that names one.
QString localeLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        const QString name = dictionaryName(value);
        if (!name.isEmpty() && name != QStringLiteral("C") && name != QStringLiteral("POSIX"))
            return value;
    }
    return {};
}

// Hunspell's names of encodings ("ISO8859-1") as Qt knows them.
QByteArray qtEncodingName(const std::string &hunspellName)
{
    QByteArray name = QByteArray::fromStdString(hunspellName);
    if (name.startsWith("ISO8859"))
        name.insert(3, '-');
    return name;
}

// The package that brings a language's dictionary on Debian and its
// derivatives: "hunspell-fr"; German has one a country.
QString dictionaryPackage(const QString &name)
{
    const QString base = name.section(u'_', 0, 0).toLower();
    QString country = name.section(u'_', 1, 1).toLower();
    if (base == QStringLiteral("de") || base == QStringLiteral("en") || base == QStringLiteral("pt"))
        return QStringLiteral("hunspell-%1-%2").arg(base, country.isEmpty() ? base : country);
    return QStringLiteral("hunspell-") + base;
}
} // namespace

struct SpellChecker::Impl
{
    std::unique_ptr<Hunspell> hunspell;
    QString language;
    QString missing;     // the language asked for, when no dictionary has it
    QByteArray encoding; // the dictionary's, as Qt names it
    QString listPath;
    QString listText;    // the personal list as read, kept as it is
    QString listProblem; // why the list was not read, when it was not
    QSet<QString> personalWords;

    bool load(const QString &name)
    {
        const QString stem = QString::fromLatin1(DictionaryFolder) + u'/' + name;
        if (!QFileInfo(stem + QStringLiteral(".aff")).isFile() || !QFileInfo(stem + QStringLiteral(".dic")).isFile())
            return false;
        auto loaded = std::make_unique<Hunspell>(QFile::encodeName(stem + QStringLiteral(".aff")).constData(),
                                                 QFile::encodeName(stem + QStringLiteral(".dic")).constData());
        const QByteArray qtName = qtEncodingName(loaded->get_dict_encoding());
        if (!QStringEncoder(qtName.constData()).isValid())
            return false; // an encoding this program cannot write words in
        hunspell = std::move(loaded);
        encoding = qtName;
        language = name;
        return true;
    }

    bool isUtf8() const { return encoding.compare("UTF-8", Qt::CaseInsensitive) == 0; }

    // The word in the dictionary's encoding; nullopt when it has letters
    // that encoding lacks, so the dictionary cannot judge it.
    std::optional<std::string> encode(const QString &word) const
    {
        if (isUtf8())
            return word.toStdString();
        QStringEncoder encoder(encoding.constData(), QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(word);
        if (encoder.hasError())
            return std::nullopt;
        return bytes.toStdString();
    }

    QString decode(const std::string &bytes) const
    {
        if (isUtf8())
            return QString::fromStdString(bytes);
        QStringDecoder decoder(encoding.constData(), QStringConverter::Flag::Stateless);
        return decoder.decode(QByteArray::fromStdString(bytes));
    }

    void addToHunspell(const QString &word)
    {
        if (hunspell) {
            if (const std::optional<std::string> encoded = encode(word))
                hunspell->add(*encoded);
        }
    }

    bool isKnown(const QString &word) const
    {
        if (personalWords.contains(word))
            return true;
        if (!hunspell)
            return true;
        const std::optional<std::string> encoded = encode(word);
        if (!encoded || hunspell->spell(*encoded))
            return true;
        // A dictionary without typographic apostrophes knows "I'm" only.
        QString plain = word;
        plain.replace(u'’', u'\'');
        return plain != word && isKnown(plain);
    }

    void readList()
    {
        const QFileInfo info(listPath);
        if (listPath.isEmpty() || (!info.exists() && !info.isSymLink()))
            return;
        if (!info.isFile()) {
            listProblem = QObject::tr("it is not a file");
            return;
        }
        QFile file(listPath);
        if (!file.open(QIODevice::ReadOnly)) {
            listProblem = file.errorString();
            return;
        }
        const QByteArray bytes = file.read(MaxListBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            listProblem = file.errorString();
            return;
        }
        if (bytes.size() > MaxListBytes) {
            listProblem = QObject::tr("it is larger than 1 MB");
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        listText = utf8.decode(bytes);
        if (utf8.hasError()) {
            listText.clear();
            listProblem = QObject::tr("it is not UTF-8 text");
            return;
        }
        for (const QString &line : listText.split(u'\n')) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !personalWords.contains(word)) {
                personalWords.insert(word);
                addToHunspell(word);
            }
        }
    }
};

namespace {
// The dictionary the user chose, while it is there; else the locale's.
QString chosenLanguage()
{
    const QString chosen = Settings().spellingLanguage();
    return !chosen.isEmpty() && SpellChecker::installedLanguages().contains(chosen) ? chosen : localeLanguage();
}
} // namespace

SpellChecker::SpellChecker() : SpellChecker(chosenLanguage(), personalListPath()) { }

QStringList SpellChecker::installedLanguages()
{
    QStringList names;
    for (const QString &file :
         QDir(QString::fromLatin1(DictionaryFolder)).entryList({QStringLiteral("*.dic")}, QDir::Files, QDir::Name)) {
        if (QFileInfo::exists(QString::fromLatin1(DictionaryFolder) + u'/' + file.chopped(4) + QStringLiteral(".aff")))
            names << file.chopped(4);
    }
    return names;
}

SpellChecker::SpellChecker(const QString &language, const QString &personalListPath) : d(std::make_unique<Impl>())
{
    bool loaded = false;
    for (const QString &name : candidates(language)) {
        if ((loaded = d->load(name)))
            break;
    }
    // A language the user writes in, without its dictionary, is not checked
    // with the English one: every word of it would be flagged.
    const QLocale::Language asked = QLocale(dictionaryName(language)).language();
    if (!loaded && asked != QLocale::C && asked != QLocale::AnyLanguage && asked != QLocale::English)
        d->missing = dictionaryName(language);
    const QStringList english{QStringLiteral("en_US"), QStringLiteral("en_GB")};
    for (const QString &name :
         d->missing.isEmpty() && !loaded ? english + candidates(QStringLiteral("en")) : QStringList()) {
        if (d->load(name))
            break;
    }
    // The program's own words are never the user's mistakes: the built-in
    // body ("résumé", "two-storey") reads as written in every dictionary.
    for (const QString &word : misspelledWords(LetterText::builtInText()))
        d->addToHunspell(word);
    d->listPath = personalListPath;
    d->readList();
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::available() const
{
    return d->hunspell != nullptr;
}

QString SpellChecker::language() const
{
    return d->language;
}

QString SpellChecker::missingLanguage() const
{
    return d->missing;
}

QString SpellChecker::missingNotice() const
{
    if (d->missing.isEmpty())
        return {};
    return QObject::tr("Spelling is not checked: no %1 dictionary is installed (the package %2 has one).")
            .arg(QLocale::languageToString(QLocale(d->missing).language()), dictionaryPackage(d->missing));
}

std::vector<SpellChecker::Misspelling> SpellChecker::misspellings(const QString &text) const
{
    std::vector<Span> notProse;
    for (QRegularExpressionMatchIterator it = notProsePattern().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        notProse.push_back({match.capturedStart(), match.capturedEnd()});
    }
    std::vector<Misspelling> result;
    for (QRegularExpressionMatchIterator it = wordPattern().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString word = match.captured();
        if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); }))
            continue;
        if (std::any_of(word.cbegin(), word.cend(),
                        [](QChar c) { return c.isHighSurrogate() || LetterText::writtenWithoutSpaces(c.unicode()); }))
            continue;
        // A word touching a placeholder or an address is part of it
        // ("[CompanyName]'s"), even across an apostrophe.
        qsizetype start = match.capturedStart();
        if (start > 0 && (text[start - 1] == u'\'' || text[start - 1] == u'’'))
            --start;
        const qsizetype end = match.capturedEnd();
        if (std::any_of(notProse.cbegin(), notProse.cend(),
                        [&](const Span &span) { return span.start <= end && span.end >= start; }))
            continue;
        if (!d->isKnown(word))
            result.push_back({match.capturedStart(), match.capturedLength(), word});
    }
    return result;
}

QStringList SpellChecker::misspelledWords(const QString &text) const
{
    QStringList words;
    for (const Misspelling &misspelling : misspellings(text))
        words << misspelling.word;
    words.removeDuplicates();
    return words;
}

QStringList SpellChecker::suggestions(const QString &word) const
{
    QStringList result;
    const std::optional<std::string> encoded = d->hunspell ? d->encode(word) : std::nullopt;
    if (encoded) {
        for (const std::string &suggestion : d->hunspell->suggest(*encoded))
            result << d->decode(suggestion);
    }
    return result;
}

void SpellChecker::addToDictionary(const QString &word)
{
    const QString added = word.trimmed();
    if (added.isEmpty() || d->personalWords.contains(added))
        return;
    if (!d->listPath.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(d->listPath);
        if (!d->listProblem.isEmpty())
            throw Failure(QObject::tr("Cannot add \u201c%1\u201d to your word list %2: %3.")
                                  .arg(added, shown, d->listProblem));
        QString text = d->listText;
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            text += u'\n';
        text += added + u'\n';
        if (!QDir().mkpath(QFileInfo(d->listPath).absolutePath()))
            throw Failure(QObject::tr("Cannot write %1: its folder cannot be made").arg(shown));
        writeFileInPlace(text.toUtf8(), d->listPath);
        d->listText = text;
    }
    d->personalWords.insert(added);
    d->addToHunspell(added);
}

QString SpellChecker::personalListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/Tessaline/words.txt");
}
