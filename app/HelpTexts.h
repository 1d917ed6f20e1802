#pragma once

#include <QString>
#include <QStringList>

// The texts of the Help menu.

// "Placeholders…": the placeholders, what fills each, and how a template's
// text is matched.
QString placeholdersHelp();

// Every placeholder, in the order the window shows its fields: the
// sender's, the recipient's, the date, the phone and the e-mail.
QStringList placeholdersInReadingOrder();

// "About Tessaline": the version, the office in use (empty: not found),
// the settings file and where the scratch files live.
QString aboutText(const QString &officeVersion, const QString &settingsFile, const QString &scratchFolder);
