// The letter in other formats and on paper, from the preview, through the
// real office: export to PDF, .docx and .odt, the overwrite question, a
// read-only target, a name without extension, Cancel, print to a PDF file,
// the name proposed from the letter's title, the PDF's tags, PDF/A
// identity, properties and bullets, and the save dialog's remembered
// folder.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "CommonDialog.h"
#include "DocumentReader.h"
#include "Form2.h"
#include "JobProgress.h"
#include "LetterFields.h"
#include "LetterOutput.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "OfficeJob.h"
#include "PrintDialog.h"
#include "LetterRun.h"
#include "RecordingMessenger.h"
#include "RunProgram.h"
#include "TestFiles.h"
#include "ScriptedAutomation.h"
#include "Settings.h"
#include "SmallDisk.h"

namespace {

class ScriptedDialog : public CommonDialog
{
public:
    QString answer;
    QStringList namesShown, titles, filters, extensions;
    void ShowOpen() override { QFAIL("the preview window opens no file"); }
    void ShowSave() override
    {
        namesShown << FileName;
        titles << DialogTitle;
        filters << Filter;
        extensions << DefaultExt;
        FileName = answer;
    }
};

class ScriptedPrintDialog : public PrintDialog
{
public:
    std::optional<PrintChoice> answer;
    std::optional<PrintChoice> ask() override { return answer; }
};

// What a tool of the distribution prints about a file.
QString toolOutput(const QString &tool, const QStringList &args)
{
    const ProgramRun run = runProgram(tool, args);
    return run.exitCode == 0 ? run.out : QString();
}

QString pdfText(const QString &path)
{
    return toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// What pdfinfo tells of a PDF, by its names ("Tagged": "yes").
QMap<QString, QString> pdfInfo(const QString &path)
{
    QMap<QString, QString> info;
    for (const QString &line : toolOutput(QStringLiteral("pdfinfo"), {path}).split(u'\n'))
        info.insert(line.section(u':', 0, 0), line.section(u':', 1).trimmed());
    return info;
}

// The line of the PDF's text that holds `words`, its spaces as a reader
// sees them (one between words, none at either end).
QString pdfLineWith(const QString &path, const QString &words)
{
    for (const QString &line : pdfText(path).split(u'\n')) {
        if (line.contains(words))
            return line.simplified();
    }
    return QString();
}

// Every font that pdffonts lists, and whether each is embedded.
QStringList fontsNotEmbedded(const QString &path, int *fontCount)
{
    const QStringList lines = toolOutput(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    QStringList missing;
    *fontCount = 0;
    // Two header lines; then one line a font, "emb" the fourth column from
    // the right: emb sub uni object ID.
    for (const QString &line : lines.mid(2)) {
        const QStringList cols = line.simplified().split(QLatin1Char(' '));
        if (cols.size() < 7)
            continue;
        ++*fontCount;
        if (cols.at(cols.size() - 5) != QLatin1String("yes"))
            missing << cols.front();
    }
    return missing;
}

// The names of the fonts embedded in a PDF, without the subset tag
// ("ABCDEF+").
QStringList embeddedFonts(const QString &path)
{
    QStringList names;
    const QStringList lines = toolOutput(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList cols = line.simplified().split(QLatin1Char(' '));
        if (cols.size() >= 7 && cols.at(cols.size() - 5) == QLatin1String("yes"))
            names << cols.front().section(QLatin1Char('+'), -1);
    }
    return names;
}

// The PostScript names of the installed fonts that have every character of
// the text.
QStringList fontsWithGlyphsFor(const QString &text)
{
    QStringList codes;
    for (const QChar c : text)
        codes << QString::number(c.unicode(), 16);
    QStringList names;
    const QString listed
            = toolOutput(QStringLiteral("fc-list"),
                         {QStringLiteral(":charset=") + codes.join(u' '), QStringLiteral("postscriptname")});
    for (const QString &line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        names << line.section(QLatin1Char('='), 1).trimmed();
    return names;
}

QStringList typedFields()
{
    QStringList values;
    for (int i = 0; i < VisibleFieldCount; ++i)
        values << QString::fromUtf8(LetterFields[size_t(i)].sampleValue);
    return values;
}

bool contains(const std::vector<qint64> &ids, qint64 id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

QStringList filesBeside(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestLetterOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratchFolder;
    std::unique_ptr<QTemporaryDir> m_dir;
    LibreOfficeAutomation m_office{{.spares = 1}};
    std::unique_ptr<DocumentReader> m_reader;
    QString m_letter;
    QString m_title;
    RecordingMessenger m_messenger;
    ScriptedDialog *m_dialog = nullptr;
    ScriptedPrintDialog *m_printDialog = nullptr;

    std::unique_ptr<Form2> makeForm(word::Automation &office)
    {
        auto form = std::make_unique<Form2>(m_messenger);
        auto dialog = std::make_unique<ScriptedDialog>();
        m_dialog = dialog.get();
        form->setCommonDialog(std::move(dialog));
        auto print = std::make_unique<ScriptedPrintDialog>();
        m_printDialog = print.get();
        form->setPrintDialog(std::move(print));
        form->setOffice(office);
        form->Form_Load();
        form->mWordFile = m_letter;
        form->setLetterTitle(m_title);
        return form;
    }

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void initTestCase()
    {
        // The sample letter, generated as the main window does.
        qputenv("temp", QFile::encodeName(m_scratchFolder.path()));
        m_office.startSpares(1);
        const MadeLetter made = makeLetter(m_office, sampleRequest());
        QVERIFY2(made.reports.empty(), qPrintable(reportTexts(made).join(QLatin1Char('\n'))));
        m_letter = made.document;
        m_title = made.title;
        QVERIFY(FileExists(m_letter));
        m_reader = std::make_unique<DocumentReader>();
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_messenger = RecordingMessenger();
    }

    void everyFormatHoldsTheTypedLetter_data()
    {
        QTest::addColumn<word::LetterFormat>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::newRow("pdf") << word::LetterFormat::Pdf << "letter.pdf"
                             << "Export as PDF"
                             << "PDF Documents (*.pdf)|*.pdf";
        QTest::newRow("docx") << word::LetterFormat::WordXml << "letter.docx"
                              << "Export as Word 2007-365 (.docx)"
                              << "Word 2007-365 Documents (*.docx)|*.docx";
        QTest::newRow("odt") << word::LetterFormat::OpenDocument << "letter.odt"
                             << "Export as OpenDocument (.odt)"
                             << "OpenDocument Text (*.odt)|*.odt";
    }

    void everyFormatHoldsTheTypedLetter()
    {
        QFETCH(word::LetterFormat, format);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        auto form = makeForm(m_office);
        const QString target = path(name);
        m_dialog->answer = target;
        form->exportLetter(format);
        QCOMPARE(m_messenger.texts(), QStringList{QStringLiteral("Done.")});
        QCOMPARE(m_dialog->namesShown,
                 QStringList{QStringLiteral("Letter to Vuvodud Arudaziz Inc.") + QFileInfo(name).suffix()});
        QCOMPARE(m_dialog->titles, QStringList{title});
        QCOMPARE(m_dialog->filters, QStringList{filter});
        QCOMPARE(m_dialog->extensions, QStringList{QFileInfo(name).suffix()});
        QCOMPARE(filesBeside(m_dir->path()), QStringList{name}); // nothing left beside it

        const QByteArray bytes = readAll(target);
        QString text;
        if (format == word::LetterFormat::Pdf) {
            QVERIFY(bytes.startsWith("%PDF-"));
            text = pdfText(target);
            int fonts = 0;
            QCOMPARE(fontsNotEmbedded(target, &fonts), QStringList());
            QVERIFY(fonts > 0); // text, not a picture of it
            // Tagged for screen readers and portals, PDF/A-2b for archives,
            // and saying whose letter it is and to whom.
            const QMap<QString, QString> info = pdfInfo(target);
            QCOMPARE(info.value(QStringLiteral("Tagged")), QStringLiteral("yes"));
            QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Letter to Vuvodud Arudaziz Inc."));
            QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Dorian Vell"));
            QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Cover letter"));
            const QString meta = toolOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), target}).simplified();
            QVERIFY2(meta.contains(QStringLiteral("<pdfaid:part>2</pdfaid:part>"))
                             && meta.contains(QStringLiteral("<pdfaid:conformance>B</pdfaid:conformance>")),
                     qPrintable(meta));
        } else {
            const DocumentReader::Document read = m_reader->read(target);
            text = read.bodyText();
            // The list stays a list an editor can go on with.
            const auto item = std::find_if(read.paragraphs.begin(), read.paragraphs.end(), [](const auto &p) {
                return p.text.startsWith(QStringLiteral("A design study"));
            });
            QVERIFY(item != read.paragraphs.end() && item->inList);
            QVERIFY(bytes.startsWith("PK\x03\x04"));
            if (format == word::LetterFormat::WordXml) {
                QCOMPARE(read.filterName, QStringLiteral("MS Word 2007 XML"));
                QVERIFY(bytes.contains("[Content_Types].xml"));
                QVERIFY(bytes.contains("word/document.xml"));
            } else {
                QCOMPARE(read.filterName, QStringLiteral("writer8"));
                // The package's first entry is its mimetype, stored as is.
                QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
                QCOMPARE(bytes.mid(38, 39), QByteArray("application/vnd.oasis.opendocument.text"));
            }
        }
        for (const QString &field : typedFields())
            QVERIFY2(text.contains(field), qPrintable(field + QStringLiteral(" missing from:\n") + text));
    }

    void aPdfsBulletIsABulletCharacterBeforeItsItem_data()
    {
        QTest::addColumn<QString>("letterText"); // empty: the built-in body
        QTest::addColumn<QString>("item");
        QTest::newRow("built-in body") << QString() << "A design study for a small community library";
        QTest::newRow("letter text") << "My recent work:\n\n- A study of light in reading rooms.\n- A bridge.\n"
                                     << "A study of light in reading rooms.";
    }

    void aPdfsBulletIsABulletCharacterBeforeItsItem()
    {
        QFETCH(QString, letterText);
        QFETCH(QString, item);
        auto form = makeForm(m_office);
        MadeLetter made;
        if (!letterText.isEmpty()) {
            LetterRequest request = sampleRequest();
            request.letterTextFile = path(QStringLiteral("letter.txt"));
            writeFile(request.letterTextFile, letterText.toUtf8());
            made = makeLetter(m_office, request);
            QVERIFY(made.canShow() && made.letterText);
            form->mWordFile = made.document;
        }
        const QString target = path(QStringLiteral("bullets.pdf"));
        m_dialog->answer = target;
        form->exportLetter(word::LetterFormat::Pdf);
        const QString line = pdfLineWith(target, item);
        QVERIFY2(line.startsWith(QStringLiteral("\u2022 ") + item), qPrintable(line));
        QVERIFY(!pdfText(target).contains(QChar(0xF0B7))); // the Symbol font's private bullet
        DeleteFileQuietly(made.document);
    }

    void theProposedNameIsTheLettersTitleFitForAFile_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("name");
        QTest::newRow("company") << "Brightwater Analytics"
                                 << "Mia Chen"
                                 << "Letter to Brightwater Analytics.pdf";
        QTest::newRow("only the recipient") << " "
                                            << "Mia Chen"
                                            << "Letter to Mia Chen.pdf";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "Letter.pdf";
        QTest::newRow("slash and colon") << "AC/DC: Live"
                                         << ""
                                         << "Letter to AC_DC_ Live.pdf";
        QTest::newRow("a dot at the end") << "Acme Co. Ltd."
                                          << ""
                                          << "Letter to Acme Co. Ltd.pdf";
    }

    void theProposedNameIsTheLettersTitleFitForAFile()
    {
        QFETCH(QString, company);
        QFETCH(QString, recipient);
        QFETCH(QString, name);
        FieldValues fields;
        fields[11] = company;
        fields[7] = recipient;
        QCOMPARE(suggestedFileName(letterProperties(fields, QDateTime()).title, QStringLiteral("pdf")), name);
    }

    void aChineseNameIsPrintedInAnEmbeddedFontThatHasItsGlyphs()
    {
        const QString name = QStringLiteral("王小明");
        LetterRequest request = sampleRequest();
        request.fields[7] = name;
        const MadeLetter made = makeLetter(m_office, request);
        QVERIFY(made.canShow());
        auto form = makeForm(m_office);
        form->mWordFile = made.document;
        const QString target = path(QStringLiteral("chinese.pdf"));
        m_dialog->answer = target;
        form->exportLetter(word::LetterFormat::Pdf);

        QVERIFY2(pdfText(target).contains(QStringLiteral("Dear ") + name), qPrintable(pdfText(target)));
        const QStringList embedded = embeddedFonts(target);
        const QStringList covering = fontsWithGlyphsFor(name);
        QVERIFY2(!covering.isEmpty(), "no installed font has the glyphs: scripts/install-deps installs one");
        // The office may add to the name of a font it embeds ("-VKana").
        const auto covers = [&](const QString &font) {
            return std::any_of(covering.begin(), covering.end(),
                               [&](const QString &c) { return font == c || font.startsWith(c + u'-'); });
        };
        QVERIFY2(std::any_of(embedded.begin(), embedded.end(), covers), qPrintable(embedded.join(u',')));
        DeleteFileQuietly(made.document);
    }

    void anExistingFileIsAskedAboutNoKeepsItYesReplacesIt()
    {
        auto form = makeForm(m_office);
        const QString target = path(QStringLiteral("existing.pdf"));
        writeFile(target, "old letter");
        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::No, Messenger::Answer::Yes};
        form->exportLetter(word::LetterFormat::Pdf);
        QCOMPARE(readAll(target), QByteArray("old letter"));
        QVERIFY(m_messenger.messages.empty());
        form->exportLetter(word::LetterFormat::Pdf);
        QVERIFY(readAll(target).startsWith("%PDF-"));
        const QString question = QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?");
        QCOMPARE(m_messenger.questions, (QStringList{question, question}));
        QCOMPARE(m_messenger.texts(), QStringList{QStringLiteral("Done.")});
    }

    void aReadOnlyTargetIsKeptAndTheMessageNamesIt()
    {
        auto form = makeForm(m_office);
        const QString target = path(QStringLiteral("kept.docx"));
        writeFile(target, "old letter");
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::Yes};
        form->exportLetter(word::LetterFormat::WordXml);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY2(m_messenger.messages[0].text.contains(target), qPrintable(m_messenger.messages[0].text));
        QCOMPARE(m_messenger.messages[0].icon, Messenger::Icon::Warning);
        QCOMPARE(readAll(target), QByteArray("old letter"));
        QCOMPARE(filesBeside(m_dir->path()), QStringList{QStringLiteral("kept.docx")});
    }

    void aFailedExportKeepsTheOldFile()
    {
        auto form = makeForm(m_office);
        form->mWordFile = path(QStringLiteral("gone.doc")); // removed behind the program's back
        const QString target = path(QStringLiteral("kept.odt"));
        writeFile(target, "old letter");
        m_dialog->answer = target;
        m_messenger.answers = {Messenger::Answer::Yes};
        form->exportLetter(word::LetterFormat::OpenDocument);
        QCOMPARE(m_messenger.messages.size(), size_t(1));
        QVERIFY(m_messenger.messages[0].text.startsWith(QStringLiteral("The letter could not be exported to ")
                                                        + target));
        QCOMPARE(readAll(target), QByteArray("old letter"));
        QCOMPARE(filesBeside(m_dir->path()), QStringList{QStringLiteral("kept.odt")});
    }

    void aNameWithoutExtensionGetsTheFormats()
    {
        auto form = makeForm(m_office);
        m_dialog->answer = path(QStringLiteral("My Letter"));
        form->exportLetter(word::LetterFormat::OpenDocument);
        QCOMPARE(filesBeside(m_dir->path()), QStringList{QStringLiteral("My Letter.odt")});
    }

    void cancellingTheDialogWritesAndSaysNothing()
    {
        auto form = makeForm(m_office);
        m_dialog->answer = QString();
        form->exportLetter(word::LetterFormat::Pdf);
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(filesBeside(m_dir->path()).isEmpty());
    }

    void cancellingTheExportEndsTheOfficeAndLeavesNoFile()
    {
        const QString target = path(QStringLiteral("cancelled.pdf"));
        writeFile(target, "old letter");
        // The job takes the ready spare on its worker.
        QTRY_COMPARE_WITH_TIMEOUT(m_office.readySpares(), 1, 60000);
        const qint64 office = m_office.spareProcessIds().front();
        auto job = OfficeJob::exportLetter(m_office, m_letter, target, word::LetterFormat::Pdf);
        job->start();
        QTRY_VERIFY(!contains(m_office.spareProcessIds(), office));
        job->cancel();
        QVERIFY(!job->isRunning());
        QTRY_VERIFY(!processIsAlive(office));
        QCOMPARE(readAll(target), QByteArray("old letter"));
        QCOMPARE(filesBeside(m_dir->path()), QStringList{QStringLiteral("cancelled.pdf")});
    }

    // Only a print job's office may reach the print service: a print asks
    // for an office of its own, an export for any letter office.
    void eachJobAsksForTheOfficeItNeeds_data()
    {
        QTest::addColumn<bool>("print");
        QTest::newRow("export") << false;
        QTest::newRow("print") << true;
    }

    void eachJobAsksForTheOfficeItNeeds()
    {
        QFETCH(bool, print);
        ScriptedAutomation office;
        office.files[m_letter] = {{{QStringLiteral("main"), QStringLiteral("the letter")}}, {}};
        auto job = print
                ? OfficeJob::printLetter(office, m_letter, {})
                : OfficeJob::exportLetter(office, m_letter, path(QStringLiteral("any.pdf")), word::LetterFormat::Pdf);
        job->start();
        job->waitForWorker();
        QCOMPARE(office.createdFor, std::vector{print ? word::OfficeUse::Printing : word::OfficeUse::Letter});
        QCOMPARE(office.printed.size(), size_t(print ? 1 : 0));
    }

    void aHungOfficeShowsProgressAndCancelLeavesNoFile()
    {
        // The office hangs in the export until it is killed.
        ScriptedAutomation hung;
        hung.files[m_letter] = {{{QStringLiteral("main"), QStringLiteral("the letter")}}, {}};
        hung.hangs.insert(QStringLiteral("Document.Export"));
        auto form = makeForm(hung);
        form->progress().setDelays(0, 0);
        form->show();
        const QString target = path(QStringLiteral("never.pdf"));
        m_dialog->answer = target;
        WindowPointer::Code pointerWhileWorking = WindowPointer::Default;
        bool dialogShown = false;
        // Cancel as the user would, once the dialog shows.
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            auto *dialog = form->findChild<QProgressDialog *>();
            if (!dialog || !dialog->isVisible())
                return;
            dialogShown = true;
            pointerWhileWorking = form->pointer().code();
            dialog->findChild<QPushButton *>()->click();
        });
        cancel.start(10);
        form->exportLetter(word::LetterFormat::Pdf);
        QVERIFY(dialogShown);
        QCOMPARE(pointerWhileWorking, WindowPointer::Busy);
        QCOMPARE(form->pointer().code(), WindowPointer::Default);
        QVERIFY(hung.calls.contains(QStringLiteral("Application.Kill")));
        QVERIFY(m_messenger.messages.empty());
        QVERIFY(filesBeside(m_dir->path()).isEmpty());
    }

    void printingToAFileWritesTheLetterAsPdf()
    {
        auto form = makeForm(m_office);
        PrintChoice choice;
        choice.toFile = path(QStringLiteral("printed"));
        m_printDialog->answer = choice;
        form->printLetter();
        QVERIFY2(m_messenger.messages.empty(), qPrintable(m_messenger.texts().join(QLatin1Char('\n'))));
        const QString printed = path(QStringLiteral("printed.pdf"));
        QVERIFY(readAll(printed).startsWith("%PDF-"));
        const QString text = pdfText(printed);
        for (const QString &field : typedFields())
            QVERIFY2(text.contains(field), qPrintable(field));
    }

    void aFullDiskIsNamedByExportAndPrintToFile_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("failed");
        QTest::newRow("export") << false << "The letter could not be exported to %1.";
        QTest::newRow("print to a file") << true << "The letter could not be printed to %1.";
    }

    void aFullDiskIsNamedByExportAndPrintToFile()
    {
        QFETCH(bool, print);
        QFETCH(QString, failed);
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        disk.fillUpTo(4096);
        const QStringList before = filesBeside(disk.path());
        auto form = makeForm(m_office);
        const QString target = disk.filePath(QStringLiteral("letter.pdf"));
        if (print) {
            PrintChoice choice;
            choice.toFile = target;
            m_printDialog->answer = choice;
            form->printLetter();
        } else {
            m_dialog->answer = target;
            form->exportLetter(word::LetterFormat::Pdf);
        }
        QCOMPARE(m_messenger.texts(),
                 QStringList{failed.arg(QDir::toNativeSeparators(target))
                             + QStringLiteral("\n\nThe disk that holds %1 is full (No space left on device).")
                                       .arg(QDir::toNativeSeparators(disk.path()))});
        QCOMPARE(filesBeside(disk.path()), before); // nothing half-written, nothing hidden
    }

    void theSaveDialogOpensInDocumentsThenInTheLastFolderAfterARestart()
    {
        // A user of our own: settings and Documents in a fresh folder.
        const QString config = path(QStringLiteral("config"));
        const QString documents = path(QStringLiteral("Documents"));
        const QString chosen = path(QStringLiteral("letters"));
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(documents) && QDir().mkpath(chosen));
        writeFile(config + QStringLiteral("/user-dirs.dirs"),
                  "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents) + "\"\n");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        // The settings' folder is taken once, when they are first read (the
        // letter's date reads them): it is set here as a restart would find it.
        const QString oldSettingsFolder = QFileInfo(Settings().fileName()).absolutePath();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);

        // Answers the real file dialog with a name typed without extension.
        QStringList opened, proposed;
        auto answerWith = [&](const QString &name) {
            QTimer::singleShot(0, this, [&opened, &proposed, name] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                opened << dialog->directory().absolutePath();
                auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(field);
                proposed << field->text();
                field->setText(name);                     // as typed
                static_cast<QDialog *>(dialog)->accept(); // as the Save button does
            });
        };
        {
            FileDialogCommonDialog dialog(nullptr);
            dialog.DefaultExt = QStringLiteral("doc");
            answerWith(chosen + QStringLiteral("/letter"));
            dialog.ShowSave();
            QCOMPARE(dialog.FileName, chosen + QStringLiteral("/letter.doc"));
        }
        {
            FileDialogCommonDialog restarted(nullptr); // as after a restart
            restarted.FileName = QStringLiteral("Letter to Brightwater Analytics.doc");
            answerWith(chosen + QStringLiteral("/second.doc"));
            restarted.ShowSave();
        }
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, oldSettingsFolder);
        QCOMPARE(opened, (QStringList{documents, chosen}));
        // A proposed name shows in the folder last used, not instead of it.
        QCOMPARE(proposed, (QStringList{QString(), QStringLiteral("Letter to Brightwater Analytics.doc")}));
        QVERIFY(readAll(config + QStringLiteral("/Marrowfen.conf")).contains("SaveFolder="));
    }
};

QTEST_MAIN(TestLetterOutput)
#include "test_letter_output.moc"
