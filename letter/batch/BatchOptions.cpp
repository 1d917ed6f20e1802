#include "BatchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include "AppTitle.h"
#include "LetterNames.h"

namespace {
constexpr int MaxJobs = 64;

QString formatNames()
{
    QStringList names;
    for (const word::LetterFormatInfo &info : word::letterFormats())
        names.append(QString::fromLatin1(info.name));
    return names.join(u'|');
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own window options keep their single dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            QCoreApplication::translate(
                    "batch",
                    "Writes cover letters. Without options it opens the window; with --batch it writes one "
                    "letter per row of a list (CSV, or the first sheet of an .xlsx or .ods file), without a window.\n\n"
                    "The list's first row names the columns by placeholder, with or without brackets, ignoring letter "
                    "case, spaces, underscores and hyphens (\"Company Name\" fills [CompanyName]): YourName, "
                    "StreetAddress, "
                    "City, ST, ZIPCode, RecipientName, Title, CompanyName, StreetAddress2, City2, ST2, ZIPCode2, "
                    "CurrentDate, "
                    "Phone, Email; or by the names people give such columns, in English, French, German, Spanish or "
                    "Japanese (below); a column of any other name fills the placeholder of that name ([Position] from "
                    "a "
                    "column Position), and --columns maps any column by hand. An address column whose name does not "
                    "say "
                    "whose address it is (\"City\", \"PLZ\") is the recipient's, unless the list also has the "
                    "recipient's own column for it (\"City2\"); a line says so before the first letter, and another "
                    "when columns fill your own fields in place of what the window stores. Its fields are separated by "
                    "commas, semicolons or tabs, whichever its first row holds most. "
                    "Your own fields (YourName, StreetAddress, City, ST, ZIPCode), Phone, Email and the values of More "
                    "Fields, "
                    "when the list has no column for them, are taken from the window's settings; a recipient's field "
                    "the list "
                    "has no column for is empty. Without a CurrentDate column the date is today's. A row whose fields "
                    "are all "
                    "empty is skipped; a row whose file name would be empty is named \"Letter\" and its line "
                    "number.\n\n"
                    "Before the first letter the batch checks the letter: a placeholder that nothing fills stops it, "
                    "naming "
                    "the placeholder and the list's columns, and so does one of the twelve fields that your own words "
                    "(the "
                    "letter text, greeting, closing or enclosure line, or your template) use and that would be empty "
                    "in "
                    "every letter, unless --allow-empty lets it be empty; the placeholders empty in every letter, the "
                    "columns that fill nothing, a More Fields value that fills a placeholder in every letter while a "
                    "column "
                    "fills nothing, and the words of your letter text that may be misspelled are named.\n\n"
                    "The names of columns it knows:\n%1\n\n"
                    "The summary goes to standard output; progress and the report of each row to standard error.\n\n"
                    "Exit status: 0 when no row failed (a row skipped because its letter exists counts as done), "
                    "1 when some row failed (or --strict found a warning), 2 for a bad command line, list or template "
                    "or a "
                    "placeholder nothing fills, 130 when interrupted.")
                    .arg(ColumnNames::tableText()));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption batch(
            QStringLiteral("batch"),
            QCoreApplication::translate(
                    "batch", "Write one letter per row of <list>: a CSV file, or an .xlsx or .ods spreadsheet."),
            QStringLiteral("list"));
    const QCommandLineOption out(
            QStringLiteral("out"),
            QCoreApplication::translate("batch", "Write the letters into <folder> (made when missing)."),
            QStringLiteral("folder"));
    const QCommandLineOption templateFile(
            QStringLiteral("template"),
            QCoreApplication::translate("batch",
                                        "Fill <file> rather than the template chosen in the window "
                                        "(or the built-in one)."),
            QStringLiteral("file"));
    const QCommandLineOption signature(
            QStringLiteral("signature"),
            QCoreApplication::translate("batch",
                                        "Sign each letter with the picture <file> (PNG, JPEG or SVG) above the "
                                        "typed name, rather than the signature chosen in the window."),
            QStringLiteral("file"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QCoreApplication::translate("batch",
                                                                "Write each letter as <format>: %1 (default doc; "
                                                                "give it more than once for several).")
                                            .arg(formatNames()),
                                    QStringLiteral("format"));
    const QCommandLineOption name(
            QStringLiteral("name"),
            QCoreApplication::translate("batch",
                                        "Name each file after <pattern> (default \"%1\"); "
                                        "characters that cannot stand in a file name become \"_\".")
                    .arg(QString::fromLatin1(LetterNames::DefaultPattern)),
            QStringLiteral("pattern"), QString::fromLatin1(LetterNames::DefaultPattern));
    const QCommandLineOption jobs(
            QStringLiteral("jobs"),
            QCoreApplication::translate("batch",
                                        "Run <n> office processes at once (default: one, and one "
                                        "more per %1 letters up to the number of cores, %2 here).")
                    .arg(RowsPerOffice)
                    .arg(QThread::idealThreadCount()),
            QStringLiteral("n"));
    const QCommandLineOption force(
            QStringLiteral("force"),
            QCoreApplication::translate("batch",
                                        "Replace existing files, keeping their permissions (a read-only "
                                        "file is never replaced); without it an existing file is never "
                                        "touched and its row is reported as skipped."));
    const QCommandLineOption separator(
            QStringLiteral("separator"),
            QCoreApplication::translate("batch",
                                        "The list's fields are separated by <separator>: \",\", \";\" or "
                                        "\"tab\" (default: the one its first row holds most, else a comma)."),
            QStringLiteral("separator"));
    const QCommandLineOption allowEmpty(
            QStringLiteral("allow-empty"),
            QCoreApplication::translate("batch",
                                        "Let the placeholders <names> (separated by commas, or \"all\") be "
                                        "empty in the letters when nothing fills them, rather than stop."),
            QStringLiteral("names"));
    const QCommandLineOption strict(
            QStringLiteral("strict"),
            QCoreApplication::translate("batch",
                                        "Stop before the first letter, with status 1, when the checks warn "
                                        "(a word that may be misspelled, a column that fills nothing, a "
                                        "placeholder let empty)."));
    const QCommandLineOption columns(
            QStringLiteral("columns"),
            QCoreApplication::translate("batch",
                                        "Map the list's columns to placeholders by hand: <map> is "
                                        "\"COLUMN=PLACEHOLDER\" pairs separated by commas (\"Where I saw "
                                        "it=Source,Company=CompanyName\"). A placeholder the letter does not use "
                                        "is an error."),
            QStringLiteral("map"));
    const QCommandLineOption dryRun(
            QStringLiteral("dry-run"),
            QCoreApplication::translate("batch",
                                        "Write nothing: print every column and what it fills, what comes from the "
                                        "settings and from More Fields, every warning, and the first row's letter "
                                        "as text; exit as the run would."));
    const QCommandLineOption sheet(
            QStringLiteral("sheet"),
            QCoreApplication::translate("batch",
                                        "Read the sheet <name> of an .xlsx or .ods list (default: the first)."),
            QStringLiteral("name"));
    const QCommandLineOption requireJail(
            QStringLiteral("require-jail"),
            QCoreApplication::translate("batch",
                                        "Stop, with status 2, when the offices cannot run in their jail "
                                        "(bubblewrap), as the setting RequireJail=true does."));
    const QCommandLineOption paper(
            QStringLiteral("paper"),
            QCoreApplication::translate("batch",
                                        "Lay the built-in letter out on <paper>: a4 or letter (default: the "
                                        "one chosen in the window, else your locale's). A template of your "
                                        "own keeps its own paper."),
            QStringLiteral("paper"));
    const QCommandLineOption design(
            QStringLiteral("design"),
            QCoreApplication::translate("batch",
                                        "Make the built-in letter in the design <name>: %1 (default: the one "
                                        "chosen in the window, else classic); \"--design list\" prints the "
                                        "designs' names. A template of your own keeps its own looks.")
                    .arg(LetterDesigns::names().join(u'|')),
            QStringLiteral("name"));
    const QCommandLineOption noRecord(
            QStringLiteral("no-record"),
            QCoreApplication::translate("batch",
                                        "Keep no record of the letters written (as the setting KeepRecord=false "
                                        "does)."));
    const QCommandLineOption letters(
            QStringLiteral("letters"),
            QCoreApplication::translate("batch", "Print the record of the letters written, oldest first, and exit."));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QCoreApplication::translate("batch", "With --letters: print the record as CSV."));
    const QCommandLineOption combined(
            QStringLiteral("combined"),
            QCoreApplication::translate("batch",
                                        "Also write every letter, in the list's order and each from a new page, "
                                        "into the one PDF <file>; without --out, only that file is written."),
            QStringLiteral("file"));
    parser.addOptions({batch,       out,       templateFile, signature, format,  name,   jobs,
                       force,       separator, allowEmpty,   strict,    columns, dryRun, sheet,
                       requireJail, paper,     design,       noRecord,  letters, csv,    combined});
    const std::vector<QCommandLineOption> batchOnly{out,   templateFile, signature,  format, name,     jobs,
                                                    force, separator,    allowEmpty, strict, columns,  dryRun,
                                                    sheet, requireJail,  paper,      design, noRecord, combined};
    // What QApplication itself takes (for the window; the batch ignores
    // them), so that a session manager's or a user's "-style fusion" works.
    QStringList qtOptions;
    for (const char *withValue : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
                                  "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet"}) {
        QCommandLineOption qtOption(QString::fromLatin1(withValue), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
        qtOptions.append(u'-' + qtOption.names().front() + QStringLiteral(" <value>"));
    }
    for (const char *flag : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtOption(QString::fromLatin1(flag));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
        qtOptions.append(u'-' + qtOption.names().front());
    }

    CommandLine result;
    result.road = CommandLine::Road::Print;
    const QString command = QString::fromLatin1(CommandName);
    auto usageError = [&](const QString &text) {
        result.message = command + QStringLiteral(": ") + text + u'\n'
                + QCoreApplication::translate("batch", "Try \"%1 --help\" for more information.").arg(command);
        result.exitStatus = ExitUsage;
        return result;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll) {
        // Qt's usage line names the path the program was started by.
        result.message = parser.helpText();
        result.message.replace(0, result.message.indexOf(u'\n'),
                               QCoreApplication::translate("batch", "Usage: %1 [options]").arg(command));
        if (helpAll)
            result.message += u'\n'
                    + QCoreApplication::translate("batch", "Qt's options for the window: %1")
                              .arg(qtOptions.join(QStringLiteral(", ")));
        return result;
    }
    if (parser.isSet(version)) {
        result.message = QString::fromLatin1(ProductName) + u' ' + QString::fromLatin1(VersionText);
        return result;
    }
    // The names, for a script or the completion to choose from.
    if (parser.value(design).trimmed().compare(QStringLiteral("list"), Qt::CaseInsensitive) == 0) {
        result.message = LetterDesigns::names().join(u'\n');
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("batch", "unexpected argument \"%1\"")
                                  .arg(parser.positionalArguments().first()));
    if (parser.isSet(csv) && !parser.isSet(letters))
        return usageError(QCoreApplication::translate("batch", "--csv works only with --letters"));
    if (parser.isSet(letters)) {
        if (parser.optionNames().size() > 1 + int(parser.isSet(csv)))
            return usageError(QCoreApplication::translate("batch", "--letters takes no other option than --csv"));
        result.road = CommandLine::Road::Letters;
        result.lettersAsCsv = parser.isSet(csv);
        return result;
    }
    if (!parser.isSet(batch)) {
        for (const QString &given : parser.optionNames()) {
            for (const QCommandLineOption &option : batchOnly) {
                if (option.names().contains(given))
                    return usageError(QCoreApplication::translate("batch", "--%1 works only with --batch").arg(given));
            }
        }
        result.road = CommandLine::Road::Window;
        return result;
    }
    if (!parser.isSet(out) && !parser.isSet(dryRun) && !parser.isSet(combined))
        return usageError(QCoreApplication::translate("batch", "--out <folder> is missing"));

    BatchOptions options;
    options.listPath = parser.value(batch);
    options.outFolder = parser.value(out);
    options.templatePath = parser.value(templateFile);
    options.signaturePath = parser.value(signature);
    options.namePattern = parser.value(name);
    options.overwrite = parser.isSet(force) ? Overwrite::Replace : Overwrite::Never;
    for (const QString &value : parser.values(format)) {
        for (const QString &each : value.split(u',', Qt::SkipEmptyParts)) {
            const std::optional<word::LetterFormat> f = word::letterFormatNamed(each.trimmed());
            if (!f)
                return usageError(QCoreApplication::translate("batch",
                                                              "--format: unknown format \"%1\" "
                                                              "(known: %2)")
                                          .arg(each, formatNames()));
            if (std::find(options.formats.begin(), options.formats.end(), *f) == options.formats.end())
                options.formats.push_back(*f);
        }
    }
    if (parser.isSet(combined)) {
        const QFileInfo file(parser.value(combined));
        if (file.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0 || file.fileName().isEmpty())
            return usageError(QCoreApplication::translate("batch", "--combined: \"%1\" is not a .pdf file name")
                                      .arg(parser.value(combined)));
        options.combinedPath = file.absoluteFilePath();
        if (!parser.isSet(out) && parser.isSet(format))
            return usageError(QCoreApplication::translate("batch", "--format works only with --out"));
        if (!parser.isSet(out))
            options.outFolder = file.absolutePath();
    }
    if (options.formats.empty() && (parser.isSet(out) || options.combinedPath.isEmpty()))
        options.formats.push_back(word::LetterFormat::Word97);
    options.jobs = 0; // chosen from the letters and the cores
    if (parser.isSet(jobs)) {
        bool ok = false;
        options.jobs = parser.value(jobs).toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > MaxJobs)
            return usageError(QCoreApplication::translate("batch", "--jobs: \"%1\" is not a number from 1 to %2")
                                      .arg(parser.value(jobs))
                                      .arg(MaxJobs));
    }
    if (parser.isSet(separator)) {
        const QString given = parser.value(separator);
        if (given == QStringLiteral(",") || given == QStringLiteral(";") || given == QStringLiteral("\t"))
            options.separator = char(given.front().unicode());
        else if (given.compare(QStringLiteral("tab"), Qt::CaseInsensitive) == 0)
            options.separator = '\t';
        else
            return usageError(QCoreApplication::translate("batch",
                                                          "--separator: \"%1\" is none of \",\", \";\" "
                                                          "and \"tab\"")
                                      .arg(given));
    }
    for (const QString &value : parser.values(allowEmpty)) {
        for (const QString &each : value.split(u',', Qt::SkipEmptyParts)) {
            const QString placeholder = each.trimmed();
            if (placeholder.compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0)
                options.allowEveryEmpty = true;
            else if (!placeholder.isEmpty())
                options.allowEmpty.append(placeholder);
        }
    }
    if (parser.isSet(allowEmpty) && options.allowEmpty.isEmpty() && !options.allowEveryEmpty)
        return usageError(QCoreApplication::translate("batch", "--allow-empty: no placeholder named"));
    options.strict = parser.isSet(strict);
    options.dryRun = parser.isSet(dryRun);
    options.sheet = parser.value(sheet);
    for (const QString &value : parser.values(columns)) {
        try {
            for (auto &mapping : ColumnNames::parseMapping(value))
                options.columns.push_back(std::move(mapping));
        } catch (const std::exception &e) {
            return usageError(QStringLiteral("--columns: ") + QString::fromUtf8(e.what()));
        }
    }
    options.requireJail = parser.isSet(requireJail);
    options.keepRecord = !parser.isSet(noRecord);
    if (parser.isSet(paper)) {
        options.paper = Paper::parse(parser.value(paper));
        if (!options.paper)
            return usageError(QCoreApplication::translate("batch", "--paper: \"%1\" is neither \"a4\" nor \"letter\"")
                                      .arg(parser.value(paper)));
    }
    if (parser.isSet(design)) {
        options.design = LetterDesigns::fromName(parser.value(design));
        if (!options.design)
            return usageError(QCoreApplication::translate("batch", "--design: \"%1\" is no design; the designs are %2")
                                      .arg(parser.value(design), LetterDesigns::names().join(QStringLiteral(", "))));
    }
    try {
        LetterNames check(options.namePattern);
    } catch (const std::exception &e) {
        return usageError(QStringLiteral("--name: ") + QString::fromUtf8(e.what()));
    }
    result.road = CommandLine::Road::Batch;
    result.batch = options;
    return result;
}
