#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the Help menu.

// "Placeholders…": every placeholder with what fills it, the line before
// them, and how a template's text is matched (paragraphs of rich text).
struct PlaceholderHelp
{
    QString placeholder;
    QString filledWith;
};
QList<PlaceholderHelp> placeholderHelpRows();
QString placeholdersIntroduction();
QString placeholdersExplanation();

// Every placeholder, in the order the window shows its fields: the
// sender's, the recipient's, the date, the phone, the e-mail and the
// countries.
QStringList placeholdersInReadingOrder();

// "About Tessaline": the version, the office in use (empty: not found),
// the settings file and where the scratch files live.
QString aboutText(const std::optional<QString> &officeVersion, const QString &settingsFile,
                  const QString &scratchFolder);
