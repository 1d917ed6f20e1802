#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QString>

#include "PaperName.h"

class SettingsStore;

// The user's settings, one typed accessor for each key of the settings
// group "Tessaline". The keys and the way each value is written are those
// every earlier version wrote, so that their files keep working. A key
// never written reads as its default; so does a value of the wrong kind
// (WholePage=banana reads as off, PaperSize=Q9 as no paper chosen).
// Every setter writes at once and throws Failure when the value cannot be
// kept. A Settings holds no value itself: it reads its store each time.
class Settings
{
public:
    // The user's own settings file (`UserSettingsStore`).
    Settings();
    // The settings kept in `store`, which outlives this object.
    explicit Settings(SettingsStore &store);

    // The text of letter field `index` (0..12, see LetterFields), key
    // "Text1_<index>".
    QString field(int index) const;
    void setField(int index, const QString &text);

    // The user's own template, "Template": its absolute path; empty for
    // the built-in one.
    QString templatePath() const;
    void setTemplatePath(const QString &path);
    // "Design": the built-in letter's design by its name ("classic",
    // "modern", "letterhead"), as written; empty or missing: the classic
    // one (see LetterDesign.h, which reads it).
    QString design() const;
    void setDesign(const QString &name);
    // "DateFormat": the pattern of the letter's date; empty for the
    // language's own.
    QString dateFormat() const;
    void setDateFormat(const QString &pattern);
    // "SaveFolder": the folder the file dialogs last saved in.
    QString saveFolder() const;
    void setSaveFolder(const QString &folder);

    // The sender's "Phone", "Email" and "Country", and the recipient's
    // country, "Country2".
    QString phone() const;
    void setPhone(const QString &text);
    QString email() const;
    void setEmail(const QString &text);
    QString country() const;
    void setCountry(const QString &text);
    QString recipientCountry() const;
    void setRecipientCountry(const QString &text);
    // The sender's "Web": a web page or profile address.
    QString web() const;
    void setWeb(const QString &text);
    // "SpellingLanguage": the dictionary the letter text is checked with
    // ("fr_FR"); empty or missing: the one of the user's language.
    QString spellingLanguage() const;
    void setSpellingLanguage(const QString &name);
    // "Signature": the picture (PNG, JPEG or SVG) signed above the typed
    // name, by its path; empty or missing: no signature.
    QString signature() const;
    void setSignature(const QString &path);
    // "EmailSubject": the subject of a letter sent by e-mail; empty or
    // missing: "Application: " and the letter's position.
    QString emailSubject() const;

    // "PaperSize", "A4" or "Letter"; nullopt when none is chosen (the
    // locale's paper then).
    std::optional<PaperSize> paperSize() const;
    void setPaperSize(PaperSize paper);
    // "WholePage" ("1" or "0"): the preview opens showing the whole page.
    // Off by default.
    bool wholePage() const;
    void setWholePage(bool on);
    // "LivePage" ("1" or "0"): the page follows the fields as they are
    // typed. Off by default.
    bool livePage() const;
    void setLivePage(bool on);
    // "RequireJail" ("true" or "false"): no office runs without its jail.
    // Off by default.
    bool requireJail() const;
    void setRequireJail(bool on);
    // "KeepRecord", written by hand: off ("false", "0", "no", "off") keeps
    // no record of the letters written. On by default.
    bool keepRecord() const;

    // The built-in letter's wording: "Greeting", "GreetingNoName",
    // "Closing" and "EnclosureLine". nullopt when the user never set it
    // (the built-in wording then); an empty text is a choice of its own.
    std::optional<QString> greeting() const;
    void setGreeting(const QString &text);
    std::optional<QString> greetingNoName() const;
    void setGreetingNoName(const QString &text);
    std::optional<QString> closing() const;
    void setClosing(const QString &text);
    std::optional<QString> enclosureLine() const;
    void setEnclosureLine(const QString &text);

    // The More Fields values of further placeholders, kept as "Extra_" and
    // the name ("Extra_Position"): name and value, in the order the store
    // keeps them.
    std::vector<std::pair<QString, QString>> extraValues() const;
    void setExtraValue(const QString &name, const QString &value);
    void removeExtraValue(const QString &name);

    // Throws Failure with the reason when values written from now on
    // cannot be kept.
    void checkWritable() const;
    // The file the settings are kept in, for the user to be told.
    QString fileName() const;

private:
    std::optional<QString> textIfSet(const char *key) const;
    QString text(const char *key) const;
    void setText(const char *key, const QString &value);

    SettingsStore *m_store;
};
