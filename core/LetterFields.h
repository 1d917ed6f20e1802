#pragma once

#include <array>

#include <QString>
#include <QStringList>

// The thirteen letter fields Text1(0..12). Each carries the placeholder it
// replaces in the template; field 12 holds the letter's date and is never
// shown.
struct LetterField
{
    int index;
    const char *placeholder;
    const char *sampleValue; // nullptr for the date field
};

inline constexpr int FieldCount = 13;
inline constexpr int VisibleFieldCount = 12;
inline constexpr int DateFieldIndex = 12;

inline constexpr std::array<LetterField, FieldCount> LetterFields = {{
        {0, "[YourName]", "Dorian Vell"},
        {1, "[City]", "Boise"},
        {2, "[ZIPCode2]", "90250"},
        {3, "[ST2]", "CA"},
        {4, "[StreetAddress2]", "123 Garage St"},
        {5, "[City2]", "Hawthorne"},
        {6, "[StreetAddress]", "1234 East Main Street"},
        {7, "[RecipientName]", "Vore Vurud"},
        {8, "[ST]", "ID"},
        {9, "[ZIPCode]", "91002"},
        {10, "[Title]", "Contractor"},
        {11, "[CompanyName]", "Vuvodud Arudaziz Inc."},
        {12, "[CurrentDate]", nullptr},
}};

// "Load Sample/Example Data" fills the fields in reading order: the sender's
// name, street, city, state and zip, then the recipient's name, title,
// company, street, city, state and zip.
inline constexpr std::array<int, VisibleFieldCount> SampleOrder = {0, 6, 1, 8, 9, 7, 10, 11, 4, 5, 3, 2};

// The sender's own fields: name, street, city, state and zip. A batch list
// that leaves them out takes them from the settings; the recipient's fields
// never come from there.
inline constexpr std::array<int, 5> SenderFields = {0, 6, 1, 8, 9};

// Beside the thirteen fields, the sender's phone, e-mail and country: kept
// under the settings keys "Phone", "Email" and "Country" (set in the Letter
// Text window) and filled as the placeholders of the same names, [Phone],
// [Email] and [Country], in every template. The recipient's country,
// "Country2", is the window's alone: a batch takes it from its list.
inline constexpr char PhoneKey[] = "Phone";
inline constexpr char EmailKey[] = "Email";
inline constexpr char CountryKey[] = "Country";
inline constexpr char RecipientCountryKey[] = "Country2";
inline constexpr std::array<const char *, 3> SenderDetailKeys = {PhoneKey, EmailKey, CountryKey};

// The settings key of a field: "Text1_" and its index.
QString settingsKey(int index);

// One value of the settings group "Tessaline" in the per-user settings
// file; a missing key reads as empty. Every write is flushed at once and
// throws Failure when the file cannot be written. A settings file that is
// no regular file (a named pipe, a device, a folder) is never read: every
// key reads as empty, and a write throws Failure naming what it is.
QString readSetting(const QString &key);
void writeSetting(const QString &key, const QString &value);
// Removes a key. Throws Failure when the file cannot be written.
void removeSetting(const QString &key);
// The settings file's path.
QString settingsFileName();
// Every key of the settings group "Tessaline", in the order the file
// keeps them.
QStringList settingKeys();

// Where the fields' texts live between runs.
class FieldStore
{
public:
    virtual ~FieldStore() = default;
    // The stored text of a field; a missing key reads as empty.
    virtual QString read(int index) const = 0;
    // Stores a field's whole text at once. Throws Failure when it cannot.
    virtual void write(int index, const QString &text) = 0;
    // Checks, without writing, that values written from now on can be
    // kept. Throws Failure with the reason when they cannot.
    virtual void checkWritable() const { }
};

// The per-user settings store in the platform's native form (on Linux an
// INI file named after the company, "Marrowfen.conf" in the user's
// configuration folder), group "Tessaline".
// Every write is flushed to disk at once, so that a value survives any way
// the program ends.
class SettingsStore : public FieldStore
{
public:
    SettingsStore();
    QString read(int index) const override;
    void write(int index, const QString &text) override;
    // The file must be a file (or not yet there) in a folder that can be
    // written. A file holding lines it cannot read is no obstacle: its
    // values are read as far as they go and writing replaces it whole.
    void checkWritable() const override;
    QString fileName() const;
};
