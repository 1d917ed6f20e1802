#include "Settings.h"

#include "LetterFields.h"
#include "SettingsStore.h"

namespace {
constexpr char TemplateKey[] = "Template";
constexpr char DesignKey[] = "Design";
constexpr char DateFormatKey[] = "DateFormat";
constexpr char SaveFolderKey[] = "SaveFolder";
constexpr char PaperSizeKey[] = "PaperSize";
constexpr char WholePageKey[] = "WholePage";
constexpr char LivePageKey[] = "LivePage";
constexpr char RequireJailKey[] = "RequireJail";
constexpr char KeepRecordKey[] = "KeepRecord";
constexpr char GreetingKey[] = "Greeting";
constexpr char SpellingLanguageKey[] = "SpellingLanguage";
constexpr char EmailSubjectKey[] = "EmailSubject";
constexpr char GreetingNoNameKey[] = "GreetingNoName";
constexpr char ClosingKey[] = "Closing";
constexpr char EnclosureLineKey[] = "EnclosureLine";
constexpr char ExtraKeyPrefix[] = "Extra_";

// The window's switches have always been written "1" and "0".
QString switchText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Earlier versions kept the fields under these keys, after the boxes'
// names.
QString fieldKey(int index)
{
    return QStringLiteral("Text1_") + QString::number(index);
}

QString extraKey(const QString &name)
{
    return QString::fromLatin1(ExtraKeyPrefix) + name;
}

// The one store behind every Settings() of the program.
SettingsStore &userStore()
{
    static UserSettingsStore store;
    return store;
}

} // namespace

Settings::Settings() : m_store(&userStore()) { }

Settings::Settings(SettingsStore &store) : m_store(&store) { }

std::optional<QString> Settings::textIfSet(const char *key) const
{
    if (!m_store->keys().contains(QString::fromLatin1(key)))
        return std::nullopt;
    return m_store->value(QString::fromLatin1(key));
}

QString Settings::text(const char *key) const
{
    return m_store->value(QString::fromLatin1(key));
}

void Settings::setText(const char *key, const QString &value)
{
    m_store->setValue(QString::fromLatin1(key), value);
}

QString Settings::field(int index) const
{
    return m_store->value(fieldKey(index));
}

void Settings::setField(int index, const QString &text)
{
    m_store->setValue(fieldKey(index), text);
}

QString Settings::templatePath() const
{
    return text(TemplateKey);
}

void Settings::setTemplatePath(const QString &path)
{
    setText(TemplateKey, path);
}

QString Settings::dateFormat() const
{
    return text(DateFormatKey);
}

void Settings::setDateFormat(const QString &pattern)
{
    setText(DateFormatKey, pattern);
}

QString Settings::saveFolder() const
{
    return text(SaveFolderKey);
}

void Settings::setSaveFolder(const QString &folder)
{
    setText(SaveFolderKey, folder);
}

QString Settings::phone() const
{
    return text(PhoneKey);
}

void Settings::setPhone(const QString &text)
{
    setText(PhoneKey, text);
}

QString Settings::email() const
{
    return text(EmailKey);
}

void Settings::setEmail(const QString &text)
{
    setText(EmailKey, text);
}

QString Settings::country() const
{
    return text(CountryKey);
}

void Settings::setCountry(const QString &text)
{
    setText(CountryKey, text);
}

QString Settings::recipientCountry() const
{
    return text(RecipientCountryKey);
}

void Settings::setRecipientCountry(const QString &text)
{
    setText(RecipientCountryKey, text);
}

QString Settings::spellingLanguage() const
{
    return text(SpellingLanguageKey).trimmed();
}

void Settings::setSpellingLanguage(const QString &name)
{
    setText(SpellingLanguageKey, name);
}

QString Settings::web() const
{
    return text(WebKey);
}

void Settings::setWeb(const QString &text)
{
    setText(WebKey, text);
}

QString Settings::design() const
{
    return text(DesignKey);
}

void Settings::setDesign(const QString &name)
{
    setText(DesignKey, name);
}

QString Settings::signature() const
{
    return text(SignatureKey).trimmed();
}

void Settings::setSignature(const QString &path)
{
    setText(SignatureKey, path);
}

QString Settings::emailSubject() const
{
    return text(EmailSubjectKey).trimmed();
}

std::optional<PaperSize> Settings::paperSize() const
{
    return Paper::parse(text(PaperSizeKey));
}

void Settings::setPaperSize(PaperSize paper)
{
    setText(PaperSizeKey, Paper::nameOf(paper));
}

namespace {
// A switch as people write it by hand in the file: 1/0, true/false,
// yes/no, on/off, in any letter case; anything else is `otherwise`. A
// switch that protects (RequireJail) read as off because it was written
// "yes" would be a protection lost unseen.
bool switchOn(const QString &written, bool otherwise = false)
{
    const QString value = written.trimmed().toLower();
    for (const char *on : {"1", "true", "yes", "on"}) {
        if (value == QLatin1String(on))
            return true;
    }
    for (const char *off : {"0", "false", "no", "off"}) {
        if (value == QLatin1String(off))
            return false;
    }
    return otherwise;
}
} // namespace

bool Settings::wholePage() const
{
    return switchOn(text(WholePageKey));
}

void Settings::setWholePage(bool on)
{
    setText(WholePageKey, switchText(on));
}

bool Settings::livePage() const
{
    return switchOn(text(LivePageKey));
}

void Settings::setLivePage(bool on)
{
    setText(LivePageKey, switchText(on));
}

// Written by hand in the file, so read as loosely as people write it.
bool Settings::requireJail() const
{
    return switchOn(text(RequireJailKey));
}

void Settings::setRequireJail(bool on)
{
    setText(RequireJailKey, on ? QStringLiteral("true") : QStringLiteral("false"));
}

bool Settings::keepRecord() const
{
    return switchOn(text(KeepRecordKey), true);
}

std::optional<QString> Settings::greeting() const
{
    return textIfSet(GreetingKey);
}

void Settings::setGreeting(const QString &text)
{
    setText(GreetingKey, text);
}

std::optional<QString> Settings::greetingNoName() const
{
    return textIfSet(GreetingNoNameKey);
}

void Settings::setGreetingNoName(const QString &text)
{
    setText(GreetingNoNameKey, text);
}

std::optional<QString> Settings::closing() const
{
    return textIfSet(ClosingKey);
}

void Settings::setClosing(const QString &text)
{
    setText(ClosingKey, text);
}

std::optional<QString> Settings::enclosureLine() const
{
    return textIfSet(EnclosureLineKey);
}

void Settings::setEnclosureLine(const QString &text)
{
    setText(EnclosureLineKey, text);
}

std::vector<std::pair<QString, QString>> Settings::extraValues() const
{
    std::vector<std::pair<QString, QString>> values;
    const QString prefix = QString::fromLatin1(ExtraKeyPrefix);
    for (const QString &key : m_store->keys()) {
        if (key.startsWith(prefix) && key.size() > prefix.size())
            values.emplace_back(key.mid(prefix.size()), m_store->value(key));
    }
    return values;
}

void Settings::setExtraValue(const QString &name, const QString &value)
{
    m_store->setValue(extraKey(name), value);
}

void Settings::removeExtraValue(const QString &name)
{
    m_store->remove(extraKey(name));
}

void Settings::checkWritable() const
{
    m_store->checkWritable();
}

QString Settings::fileName() const
{
    return m_store->fileName();
}
