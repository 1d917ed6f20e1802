// What a batch does before its first letter: reads the list and the
// template, names the letters, checks the letter against the list, and
// makes the output folder.
#include "BatchRun.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "Failure.h"
#include "ListCheck.h"
#include "LetterDate.h"
#include "LetterEngine.h"
#include "LetterNames.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "Main.h"
#include "Placeholders.h"
#include "RegularFile.h"
#include "ScratchFiles.h"
#include "SignaturePicture.h"
#include "SheetList.h"
#include "Spelling.h"
#include "Settings.h"
#include "StopSignals.h"

namespace batch {
namespace {
// One line however many there are: a list of thousands of columns is no
// screenful of notes.
QString unknownColumnsNote(const QStringList &columns)
{
    if (columns.size() == 1)
        return QObject::tr("Column \"%1\" is ignored: it repeats another column or has no name.").arg(columns.front());
    return QObject::tr("Columns \"%1\" are ignored: they repeat other columns or have no name.")
            .arg(columns.join(QStringLiteral("\", \"")));
}

QString separatorNote(char separator)
{
    switch (separator) {
    case ';':
        return QObject::tr("The list's columns are separated by semicolons.");
    case '\t':
        return QObject::tr("The list's columns are separated by tabs.");
    default:
        return QString();
    }
}

// Every row's further placeholders, without their texts.
FurtherValues furtherPlaceholders(const QStringList &names)
{
    FurtherValues values;
    for (const QString &name : names)
        values.emplace_back(name, QString());
    return values;
}
} // namespace

QString Batch::targetPath(const QString &name, word::LetterFormat format) const
{
    return QDir(m_options.outFolder).filePath(name + u'.' + QString::fromLatin1(word::letterFormatInfo(format).suffix));
}

// Reads the list and the template and names the letters. Returns an exit
// status when the batch cannot run at all.
int Batch::prepare()
{
    const Settings settings;
    for (int i = 0; i < FieldCount; ++i)
        m_stored[size_t(i)] = settings.field(i);
    m_storedFurther = Placeholders::storedFurtherValues();
    // What ended runs left in the temporary folder goes first.
    ScratchFiles::removeLeftoversOfDeadRuns();
    const QString scratch = ScratchFiles::folder();
    m_scratch = scratch;
    std::optional<LetterList> list;
    if (isSpreadsheetList(m_options.listPath)) {
        // Read by the office that then makes the first letters: it was
        // starting while the program did.
        m_listOffice = m_offices.createApplication();
        list = parseLetterList(sheetAsCsv(*m_listOffice, m_options.listPath, m_options.sheet, scratch), m_stored,
                               m_storedFurther, letterDate(), ',', m_options.columns);
    } else if (!m_options.sheet.isEmpty()) {
        throw Refusal{ExitUsage,
                      QObject::tr("--sheet: %1 is no spreadsheet (.xlsx, .xls or .ods)")
                              .arg(QDir::toNativeSeparators(m_options.listPath))};
    } else {
        list = readLetterList(m_options.listPath, m_stored, m_storedFurther, letterDate(), m_options.separator,
                              StopSignals::wakeFd(), m_options.columns);
    }
    if (!list)
        return ExitInterrupted;
    m_list = std::move(*list);
    m_progress
            = std::make_unique<BatchProgress>(m_streams.reports, m_streams.summary, m_output, int(m_list.rows.size()));
    if (!separatorNote(m_list.separator).isEmpty())
        m_progress->note(separatorNote(m_list.separator));
    if (!m_list.unknownColumns.isEmpty())
        m_progress->note(unknownColumnsNote(m_list.unknownColumns));
    for (const QString &line : placementNotes(m_list, m_stored))
        m_progress->note(line);

    // The template: the one asked for, else the window's choice, else the
    // built-in one; copied once into the private scratch folder, where
    // every office opens it read-only.
    QString source
            = m_options.templatePath.isEmpty() ? QString() : QFileInfo(m_options.templatePath).absoluteFilePath();
    if (source.isEmpty()) {
        source = LetterTemplate::storedChoice();
        const QString kind = source.isEmpty() ? QString() : RegularFile::specialKind(source);
        if (!kind.isEmpty()) {
            m_progress->note(QObject::tr("The template chosen in the window, %1, is %2, not a regular file; the "
                                         "built-in one is used.")
                                     .arg(QDir::toNativeSeparators(source), kind));
            source.clear();
        } else if (!source.isEmpty() && !QFileInfo::exists(source)) {
            m_progress->note(QObject::tr("The template chosen in the window, %1, is missing; the built-in one is used.")
                                     .arg(QDir::toNativeSeparators(source)));
            source.clear();
        }
    }
    m_source = source;
    m_paper = m_options.paper.value_or(Paper::stored());
    if (m_options.paper && !source.isEmpty())
        m_progress->note(
                QObject::tr("--paper: the template %1 keeps its own paper.").arg(QDir::toNativeSeparators(source)));
    if (m_options.design && !source.isEmpty())
        m_progress->note(
                QObject::tr("--design: the template %1 keeps its own looks.").arg(QDir::toNativeSeparators(source)));
    m_design = m_options.design.value_or(LetterDesigns::stored());
    const QByteArray bytes = LetterTemplate::readChosen(source, m_design);
    m_template = source.isEmpty() ? ScratchFiles::templateCopyPath(scratch)
                                  : scratch + QStringLiteral("/template.") + QFileInfo(source).suffix();
    SaveBytesToFile(bytes, m_template);
    // The built-in letter in the user's words, as the window makes it; a
    // letter text that cannot be read leaves the built-in body.
    if (source.isEmpty()) {
        m_wording = BuiltInLetter::storedWording();
        try {
            m_letterText = LetterText::read(LetterText::filePath());
        } catch (const FileProblem &problem) {
            m_progress->note(problem.description());
        }
    }
    // The signature asked for, else the window's; one that cannot sign
    // ends the run here, before any letter goes out unsigned.
    const QString signature = m_options.signaturePath.isEmpty() ? Settings().signature()
                                                                : QFileInfo(m_options.signaturePath).absoluteFilePath();
    if (!signature.isEmpty())
        m_signatureCopy = SignaturePicture::copyInto(signature, scratch);

    const LetterNames names(m_options.namePattern);
    try {
        names.check(m_list.furtherNames);
    } catch (const Failure &failure) {
        throw Failure(QStringLiteral("--name: ") + failure.description());
    }
    std::vector<size_t> good;
    std::vector<QString> wanted;
    for (size_t i = 0; i < m_list.rows.size(); ++i) {
        const LetterRow &row = m_list.rows[i];
        if (row.empty || !row.problem.isEmpty()) {
            m_unusableRows.push_back(i);
            continue;
        }
        good.push_back(i);
        QString name = names.nameFor(row.texts, row.further);
        if (name.isEmpty()) {
            name = LetterNames::forLine(row.line);
            if (m_namedByLine++ == 0)
                m_firstNamedByLine = name;
        }
        wanted.push_back(name);
    }
    // The combined PDF among the letters has its name first: a row of that
    // name is numbered as another row of it would be.
    const QFileInfo combined(m_options.combinedPath);
    const bool combinedAmongLetters = !m_options.combinedPath.isEmpty()
            && QFileInfo(targetPath(combined.completeBaseName(), word::LetterFormat::Pdf)).absoluteFilePath()
                    == combined.absoluteFilePath()
            && std::count(m_options.formats.begin(), m_options.formats.end(), word::LetterFormat::Pdf) > 0;
    if (combinedAmongLetters)
        wanted.insert(wanted.begin(), combined.completeBaseName());
    // Every name is decided now and given once, so that no letter of the
    // run replaces another, or is skipped for one the run has written.
    std::vector<QString> unique = LetterNames::unique(wanted, [&](const QString &name) {
        return std::any_of(m_options.formats.begin(), m_options.formats.end(),
                           [&](word::LetterFormat format) { return QFileInfo::exists(targetPath(name, format)); });
    });
    if (combinedAmongLetters)
        unique.erase(unique.begin());
    for (size_t k = 0; k < good.size(); ++k)
        m_pending.push_back({good[k], unique[k]});
    return ExitNothingFailed;
}

// The letter as the first office has it open, before any row: what it
// holds that nothing fills stops the run (Refusal), and so does a warning
// with --strict. Also decides the placeholders every letter fills.
void Batch::checkList(word::Document &letter)
{
    m_letterPlaceholders = Placeholders::namesIn(letter.bracketedTexts().join(u' '));
    // Every name once, in the letter's spelling first.
    const auto bracketed = [](const QStringList &names) {
        return names.isEmpty() ? QString() : u'[' + names.join(QStringLiteral("] [")) + QStringLiteral("] ");
    };
    QString checked = bracketed(m_letterPlaceholders);
    ListCheckInputs inputs;
    inputs.stored = m_stored;
    inputs.storedFurther = m_storedFurther;
    inputs.patternPlaceholders = LetterNames(m_options.namePattern).placeholders();
    if (m_source.isEmpty()) {
        // The first copy has the first row's lines: those of the fields it
        // leaves empty are gone from it, not from the letter.
        for (int field : SampleOrder)
            checked += QString::fromLatin1(LetterFields[size_t(field)].placeholder) + u' ';
        const bool ownText = m_letterText && *m_letterText != LetterText::builtInText();
        inputs.ownPlaceholders
                = Placeholders::namesIn((ownText ? *m_letterText : QString()) + u'\n' + m_wording.text());
        checked += bracketed(inputs.ownPlaceholders);
    } else {
        inputs.ownPlaceholders = m_letterPlaceholders;
    }
    inputs.byHand = m_options.columns;
    inputs.allowEmpty = m_options.allowEmpty;
    inputs.allowEveryEmpty = m_options.allowEveryEmpty;
    m_checkedPlaceholders = Placeholders::namesIn(checked);
    m_check = ::checkList(m_checkedPlaceholders, m_list, inputs);
    const ListCheck &check = m_check;
    if (check.stops())
        throw Refusal{ExitUsage, check.refusal(m_list)};
    if (!check.emptyNote().isEmpty())
        m_progress->note(check.emptyNote());
    const QStringList warnings = check.warnings() + spellingWarnings();
    for (const QString &warning : warnings)
        m_progress->note(warning);
    if (m_options.strict && !warnings.isEmpty())
        throw Refusal{ExitSomeFailed, QObject::tr("--strict: no letter is written, for the warnings above.")};

    // What --allow-empty lets be empty is filled with nothing, not left
    // as written.
    for (const QString &name : check.allowedEmpty) {
        m_list.furtherNames.append(name);
        for (LetterRow &row : m_list.rows)
            row.further.emplace_back(name, QString());
    }
    m_placeholders = placeholdersOf(spelledAsTheLetter(
            placeholderReplacements(FieldValues{}, furtherPlaceholders(m_list.furtherNames)), m_letterPlaceholders));
}

// The user's own letter text, once per run: a template of the user's, or
// the built-in body unchanged, is not the user's writing to check.
QStringList Batch::spellingWarnings() const
{
    if (!m_letterText || *m_letterText == LetterText::builtInText())
        return {};
    const SpellChecker checker;
    if (!checker.missingNotice().isEmpty())
        return {checker.missingNotice()};
    const QStringList words = checker.misspelledWords(*m_letterText);
    if (words.isEmpty())
        return {};
    // A line, not a screenful: a text in another language than the
    // dictionary's would name every word.
    constexpr qsizetype Named = 10;
    if (words.size() > Named)
        return {QObject::tr("Spelling: '%1' and %2 more words may be misspelled in your letter text.")
                        .arg(words.mid(0, Named).join(QStringLiteral("', '")))
                        .arg(words.size() - Named)};
    return {QObject::tr("Spelling: '%1' may be misspelled in your letter text.")
                    .arg(words.join(QStringLiteral("', '")))};
}

// The rows that make no letter, and the letters named after their line,
// once the letter has passed its checks.
void Batch::reportUnusableRows()
{
    for (size_t i : m_unusableRows) {
        const LetterRow &row = m_list.rows[i];
        if (row.empty) {
            ++m_skipped;
            m_progress->rowDone(QObject::tr("line %1: skipped: the row is empty").arg(row.line),
                                BatchProgress::Kind::Notable);
        } else {
            ++m_failed;
            m_progress->rowDone(QObject::tr("line %1: failed: %2").arg(row.line).arg(row.problem),
                                BatchProgress::Kind::Notable);
        }
    }
    if (m_namedByLine == 1)
        m_progress->note(QObject::tr("1 row has nothing for its file name: its letter is named after its line "
                                     "in the list, \"%1\".")
                                 .arg(m_firstNamedByLine));
    else if (m_namedByLine > 1)
        m_progress->note(QObject::tr("%1 rows have nothing for their file names: each letter is named after its "
                                     "line in the list, such as \"%2\".")
                                 .arg(m_namedByLine)
                                 .arg(m_firstNamedByLine));
}

// Made only once a letter is to be written: a run that stops before has
// written nothing.
void Batch::makeOutFolder()
{
    if (!QDir().mkpath(m_options.outFolder) || !QFileInfo(m_options.outFolder).isDir())
        throw Failure(QObject::tr("Cannot make the folder %1").arg(QDir::toNativeSeparators(m_options.outFolder)));
    if (const QString another = lockOutFolder(); !another.isEmpty())
        throw Refusal{ExitUsage, another};
    // What ended batches left in this folder goes first.
    const QDir out(m_options.outFolder);
    for (const QString &name :
         out.entryList({QStringLiteral(".tessaline-??????")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
        RunMark::removeIfAbandoned(out.filePath(name));
    m_staging = std::make_unique<MarkedFolder>(out.filePath(QStringLiteral(".tessaline-XXXXXX")));
    if (!m_staging->isValid())
        throw Failure(QObject::tr("Cannot write in %1: %2")
                              .arg(QDir::toNativeSeparators(m_options.outFolder), m_staging->errorString()));
}

QString Batch::lockOutFolder()
{
    if (m_outLock)
        return {};
    auto lock = std::make_unique<WriterLock>(m_options.outFolder);
    if (lock->isHeld()) {
        m_outLock = std::move(lock);
        return {};
    }
    const QString folder = QDir::toNativeSeparators(m_options.outFolder);
    if (!lock->otherOwner().isEmpty())
        return QObject::tr("Cannot write into %1: its lock file .tessaline-writer belongs to the user %2. Choose "
                           "another folder, or have %2 remove it.")
                .arg(folder, lock->otherOwner());
    if (lock->holder() > 0)
        return QObject::tr("Another batch is writing into %1 (process %2); wait for it to end.")
                .arg(folder)
                .arg(lock->holder());
    return QObject::tr("Another batch is writing into %1; wait for it to end.").arg(folder);
}

} // namespace batch
