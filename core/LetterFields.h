#pragma once

#include <array>

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

// Beside the thirteen fields, the sender's phone, e-mail, country and web
// page: kept in the settings under these names (set in the Letter Text
// window) and filled as the placeholders of the same names, [Phone],
// [Email], [Country] and [Web], in every template. The recipient's country, "Country2", is
// the window's alone: a batch takes it from its list.
inline constexpr char PhoneKey[] = "Phone";
inline constexpr char EmailKey[] = "Email";
inline constexpr char CountryKey[] = "Country";
inline constexpr char RecipientCountryKey[] = "Country2";
inline constexpr char WebKey[] = "Web";
inline constexpr std::array<const char *, 4> SenderDetailKeys = {PhoneKey, EmailKey, CountryKey, WebKey};
// The place of the sender's signature picture, [Signature]: the picture
// takes it when the sender has one, else it is emptied.
inline constexpr char SignatureKey[] = "Signature";
