#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "LetterFormat.h"
#include "PublishFile.h"

// What "tessaline --batch LIST.csv --out FOLDER ..." asks for.
struct BatchOptions
{
    QString listPath;
    QString outFolder;
    QString templatePath;                  // empty: the window's choice, else the built-in one
    std::vector<word::LetterFormat> formats;
    QString namePattern;
    int jobs = 1;                          // office processes working at once
    Overwrite overwrite = Overwrite::Never;
};

// The command line's verdict: options to run with, or text to print and
// the program's exit status (help, version, or an error naming the option).
struct BatchCommandLine
{
    std::optional<BatchOptions> options;
    QString message;
    int exitStatus = 0;
};

inline constexpr int ExitAllWritten = 0;
inline constexpr int ExitSomeNotWritten = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitInterrupted = 130;

// Whether the arguments ask for the command-line road (a batch, help or
// the version) rather than the window.
bool wantsCommandLine(const QStringList &arguments);

// Parses the arguments (the program's name first). Needs a
// QCoreApplication for the version.
BatchCommandLine parseBatchCommandLine(const QStringList &arguments);
