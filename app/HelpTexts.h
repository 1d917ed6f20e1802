#pragma once

#include <QString>

// The texts of the Help menu.

// "Placeholders…": the thirteen placeholders, what fills each, and how a
// template's text is matched.
QString placeholdersHelp();

// "About Tessaline": the version, the office in use (empty: not found),
// the settings file and where the scratch files live.
QString aboutText(const QString &officeVersion, const QString &settingsFile, const QString &scratchFolder);
