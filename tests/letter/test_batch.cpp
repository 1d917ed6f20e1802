// The command-line batch, run as a user runs it: the real program without a
// display, a real settings file, the real office; every letter read back
// through an office of the test's own. Which office makes which row, a
// full disk, existing files and colliding names are tried with a scripted
// office in test_batch_run.
#include <csignal>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "DocumentReader.h"
#include "LetterEngine.h"
#include "LetterRun.h"
#include "RunProgram.h"
#include "TestFiles.h"
#include "LibreOfficeAutomation.h"

namespace {
constexpr int BatchTimeoutMs = 300000;

// The sender's details, as the window stored them, which the lists below
// leave out; and the last recipient typed in the window, whom no letter of
// a list may carry.
constexpr char StoredSettings[] = "[Tessaline]\n"
                                  "Text1_0=Dorian Vell\n"
                                  "Text1_6=1234 East Main Street\n"
                                  "Text1_1=Boise\n"
                                  "Text1_8=ID\n"
                                  "Text1_9=91002\n"
                                  "Phone=555-0100\n"
                                  "Email=dorian@example.org\n"
                                  "Text1_7=Old Recipient\n"
                                  "Text1_4=9 Old Street\n"
                                  "Text1_5=Oldtown\n"
                                  "Extra_Position=Engineer\n"; // from More Fields, for lists without Position
constexpr char StoredPosition[] = "Extra_Position=Engineer\n";

// The user's own words for the built-in letter's body.
constexpr char LetterTextFile[] = "I would like to be your [Position].\n\n"
                                  "- I am reliable\n"
                                  "- I learn fast\n\n"
                                  "Call [Phone] or write to [Email].\n";

// A byte-order mark, CR LF line ends, quoted commas and quotes, a line
// break inside a field, non-Latin names, a column of the list's own, a
// repeated column and a short row.
constexpr char MixedList[]
        = "\xEF\xBB\xBFRecipientName,[companyname],Title,StreetAddress2,City2,ST2,ZIPCode2,Position,title\r\n"
          "\"Smith, Jane\",\"Acme, Inc.\",Director,1 First St,Springfield,IL,62701,Designer,x\r\n"
          "\"\xC3\x93lafur\n\xC3\x9E\xC3\xB3rsson\",\xC3\x8Dsfell hf.,Forstj\xC3\xB3ri,Laugavegur "
          "1,Reykjav\xC3\xADk,IS,101,Smi\xC3\xB0ur,x\r\n"
          "Short,Row\r\n"
          "\xE5\xBC\xA0\xE4\xBC\x9F,\xE5\x8D\x8E\xE4\xB8\xBA\xE6\x8A\x80\xE6\x9C\xAF,\xE7\xBB\x8F\xE7\x90\x86,"
          "\"No. 2 \"\"Main\"\" Rd\",\xE6\xB7\xB1\xE5\x9C\xB3,GD,518000,\xE5\xB7\xA5\xE7\xA8\x8B\xE5\xB8\x88,x\r\n";

struct Run
{
    int exitCode = -1;
    QString out;    // the summary
    QString errors; // progress and the rows' reports
};

// Offices started by a program, found by the pipe name that carries its
// process id, whoever their parent is now: each as its process id, state
// and command, so that a failure names what was left running.
QStringList officesOf(qint64 program)
{
    const QByteArray mark = "pipe,name=tessaline-" + QByteArray::number(program) + '-';
    QStringList offices;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray command = cmdline.readAll();
        if (command.contains(mark) && processIsAlive(entry.toLongLong()))
            offices << entry + u' ' + QString::fromUtf8(readAll(QStringLiteral("/proc/%1/stat").arg(entry))).left(60)
                            + u' ' + QString::fromUtf8(command.left(200)).replace(u'\0', u' ');
    }
    return offices;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray longList(int rows)
{
    QByteArray list = "RecipientName,CompanyName\n";
    for (int r = 1; r <= rows; ++r)
        list += "Person " + QByteArray::number(r) + ",Company " + QByteArray::number(r) + '\n';
    return list;
}
} // namespace

class TestBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DocumentReader> m_reader;
    Run m_mixed;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("temp"), path(QStringLiteral("scratch")));
        // The batch needs no display.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

    void start(QProcess &batch, const QStringList &arguments) const
    {
        batch.setProcessEnvironment(environment());
        batch.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
        QVERIFY(batch.waitForStarted());
    }

    Run finish(QProcess &batch) const
    {
        Run run;
        if (!batch.waitForFinished(BatchTimeoutMs))
            batch.kill();
        run.exitCode = batch.exitStatus() == QProcess::NormalExit ? batch.exitCode() : -1;
        run.out = QString::fromUtf8(batch.readAllStandardOutput());
        run.errors = QString::fromUtf8(batch.readAllStandardError());
        return run;
    }

    // Starts a batch of `rows` letters into the folder `out` and returns
    // once the first letters are there.
    void startLongBatch(QProcess &batch, const QString &out, int rows, int jobs) const
    {
        constexpr int LettersBeforeGoingOn = 3;
        const QString list = out + QStringLiteral(".csv");
        writeFile(list, longList(rows));
        start(batch,
              {QStringLiteral("--batch"), list, QStringLiteral("--out"), out, QStringLiteral("--jobs"),
               QString::number(jobs)});
        QTRY_VERIFY_WITH_TIMEOUT(filesIn(out).filter(QStringLiteral(".doc")).size() >= LettersBeforeGoingOn, 120000);
    }

    Run runBatch(const QStringList &arguments, const QProcessEnvironment &env = {}) const
    {
        QProcess batch;
        if (!env.isEmpty()) {
            batch.setProcessEnvironment(env);
            batch.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
            if (!batch.waitForStarted())
                return {};
        } else {
            start(batch, arguments);
        }
        return finish(batch);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
        QVERIFY(QDir().mkpath(path(QStringLiteral("scratch"))));
        writeFile(path(QStringLiteral("config/Marrowfen.conf")), StoredSettings);
        QVERIFY(QDir().mkpath(path(QStringLiteral("data/Tessaline"))));
        writeFile(path(QStringLiteral("data/Tessaline/letter.txt")), LetterTextFile);
        writeFile(path(QStringLiteral("mixed.csv")), MixedList);
        m_mixed = runBatch({QStringLiteral("--batch"), path(QStringLiteral("mixed.csv")), QStringLiteral("--out"),
                            path(QStringLiteral("mixed"))});
        m_reader = std::make_unique<DocumentReader>();
    }

    void mixedListWritesExactlyTheGoodRows()
    {
        QCOMPARE(filesIn(path(QStringLiteral("mixed"))),
                 QStringList({QStringLiteral("Acme, Inc. - Smith, Jane.doc"),
                              QStringLiteral("Ísfell hf. - Ólafur_Þórsson.doc"),
                              QStringLiteral("华为技术 - 张伟.doc")}));
        QCOMPARE(m_mixed.exitCode, 1); // a row was not written
        QVERIFY2(m_mixed.errors.contains(QStringLiteral("line 5: failed: the row has 2 fields, the header has 9")),
                 qPrintable(m_mixed.errors));
        QVERIFY2(m_mixed.errors.contains(QStringLiteral("Column \"title\" is ignored: it repeats another column")),
                 qPrintable(m_mixed.errors));
        QVERIFY2(!m_mixed.errors.contains(QStringLiteral("Position")), qPrintable(m_mixed.errors));
        QCOMPARE(m_mixed.out, QStringLiteral("4 rows: 3 written, 0 skipped, 1 failed\n"));
    }

    void theWindowMakesTheSameLetterFromTheSameValues()
    {
        // The first row of the list, typed into the window instead.
        LetterRequest request;
        const std::pair<int, const char *> values[]
                = {{0, "Dorian Vell"}, {6, "1234 East Main Street"}, {1, "Boise"},       {8, "ID"},
                   {9, "91002"},       {7, "Smith, Jane"},           {11, "Acme, Inc."}, {10, "Director"},
                   {4, "1 First St"},  {5, "Springfield"},           {3, "IL"},          {2, "62701"}};
        for (const auto &[field, text] : values)
            request.fields[size_t(field)] = QString::fromUtf8(text);
        request.further = {{QStringLiteral("Phone"), QStringLiteral("555-0100")},
                           {QStringLiteral("Email"), QStringLiteral("dorian@example.org")},
                           {QStringLiteral("Position"), QStringLiteral("Designer")}};
        request.letterTextFile = path(QStringLiteral("data/Tessaline/letter.txt"));
        request.date = letterDate();
        qputenv("temp", QFile::encodeName(path(QStringLiteral("scratch"))));
        LibreOfficeAutomation office;
        const DocumentReader::Document window = makeAndRead(office, request, *m_reader);
        const DocumentReader::Document batch
                = m_reader->read(path(QStringLiteral("mixed/Acme, Inc. - Smith, Jane.doc")));
        QCOMPARE(window.everyText(), batch.everyText());
        QCOMPARE(window.title, batch.title);
        QCOMPARE(window.author, batch.author);
    }

    void eachLetterHoldsItsRow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("paragraphs");
        const QString sender = QStringLiteral("Dorian Vell");
        const QString senderCity = QStringLiteral("Boise, ID  91002");
        QTest::newRow("quoted commas") << QStringLiteral("Acme, Inc. - Smith, Jane.doc")
                                       << QStringList{sender,
                                                      senderCity,
                                                      QStringLiteral("Smith, Jane"),
                                                      QStringLiteral("Director"),
                                                      QStringLiteral("Acme, Inc."),
                                                      QStringLiteral("Springfield, IL  62701"),
                                                      QStringLiteral("Dear Smith, Jane:"),
                                                      QStringLiteral("I would like to be your Designer."),
                                                      QStringLiteral("I am reliable\nI learn fast"),
                                                      QStringLiteral("Call 555-0100 or write to dorian@example.org.")};
        QTest::newRow("line break in a field") << QStringLiteral("Ísfell hf. - Ólafur_Þórsson.doc")
                                               << QStringList{sender,
                                                              QStringLiteral("Ólafur"),
                                                              QStringLiteral("Þórsson"),
                                                              QStringLiteral("Ísfell hf."),
                                                              QStringLiteral("Reykjavík, IS  101"),
                                                              QStringLiteral("I would like to be your Smiður.")};
        QTest::newRow("non-Latin, quotes") << QStringLiteral("华为技术 - 张伟.doc")
                                           << QStringList{sender,
                                                          QStringLiteral("张伟"),
                                                          QStringLiteral("经理"),
                                                          QStringLiteral("No. 2 \"Main\" Rd"),
                                                          QStringLiteral("深圳, GD  518000"),
                                                          QStringLiteral("Dear 张伟:"),
                                                          QStringLiteral("I would like to be your 工程师.")};
    }

    void eachLetterHoldsItsRow()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, paragraphs);
        const DocumentReader::Document letter = m_reader->read(path(QStringLiteral("mixed/") + file));
        QCOMPARE(letter.filterName, QStringLiteral("MS Word 97"));
        const QString body = letter.bodyText();
        for (const QString &expected : paragraphs)
            QVERIFY2(body.contains(expected), qPrintable(expected + QStringLiteral(" missing from:\n") + body));
        QVERIFY2(body.contains(letterDate()), qPrintable(body));
        QVERIFY2(!body.contains(u'['), qPrintable(body)); // every placeholder filled
        // The user's words, not the built-in ones.
        QVERIFY2(!body.contains(QStringLiteral("As I promised")) && !body.contains(QStringLiteral("555-0142")),
                 qPrintable(body));
    }

    void aListWithoutAddressesGetsTheDateOfTheLanguageAndNoOldAddress_data()
    {
        QTest::addColumn<QString>("variable"); // of the environment, or the settings key "DateFormat"
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("date");
        // The paper: --paper, else the locale's (LANG here; US Letter
        // when it names no country).
        QTest::addColumn<QStringList>("paper");
        QTest::addColumn<QSize>("millimetres");
        // The language's words, and the sender's address (no country
        // given) in the form of the locale's country.
        QTest::addColumn<QString>("senderCity");
        QTest::addColumn<QString>("greeting");
        const QDate today = QDate::currentDate();
        QTest::newRow("French, --paper a4")
                << "LC_TIME"
                << "fr_FR.UTF-8" << QLocale(QStringLiteral("fr_FR")).toString(today, QStringLiteral("d MMMM yyyy"))
                << QStringList{"--paper", "a4"} << QSize(210, 297) << "91002 Boise ID"
                << "Madame, Monsieur,";
        QTest::newRow("German, A4 of the locale")
                << "LANG"
                << "de_DE.UTF-8" << QLocale(QStringLiteral("de_DE")).toString(today, QStringLiteral("d. MMMM yyyy"))
                << QStringList{} << QSize(210, 297) << "91002 Boise ID"
                << "Guten Tag Jane Roe,";
        QTest::newRow("a pattern of the user's own, --paper letter")
                << "DateFormat"
                << "yyyy-MM-dd" << today.toString(QStringLiteral("yyyy-MM-dd")) << QStringList{"--paper", "LETTER"}
                << QSize(216, 279) << "Boise, ID  91002"
                << "Dear Jane Roe:";
    }

    void aListWithoutAddressesGetsTheDateOfTheLanguageAndNoOldAddress()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, date);
        QFETCH(QStringList, paper);
        QFETCH(QSize, millimetres);
        QFETCH(QString, senderCity);
        QFETCH(QString, greeting);
        const QString out = path(QStringLiteral("short-") + variable);
        const QString config = out + QStringLiteral("-config");
        QVERIFY(QDir().mkpath(config));
        writeFile(config + QStringLiteral("/Marrowfen.conf"),
                  QByteArray(StoredSettings)
                          + (variable == QStringLiteral("DateFormat") ? "DateFormat=" + value.toUtf8() + '\n' : ""));
        writeFile(out + QStringLiteral(".csv"), "RecipientName,CompanyName\nJane Roe,Acme\n");
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_PAPER"));
        // The program speaks English here; the letter keeps the locale's.
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        if (variable != QStringLiteral("DateFormat"))
            env.insert(variable, value);
        const Run run = runBatch(
                QStringList{QStringLiteral("--batch"), out + QStringLiteral(".csv"), QStringLiteral("--out"), out}
                        + paper,
                env);
        QCOMPARE(run.exitCode, 0);

        const DocumentReader::Document letter = m_reader->read(out + QStringLiteral("/Acme - Jane Roe.doc"));
        QCOMPARE(letter.pageSizeMm(), millimetres);
        QStringList lines;
        for (size_t i = 0; i < 7; ++i)
            lines << letter.paragraphs.at(i).text;
        // The sender's address from the settings; the recipient's only as
        // the list has it, never the window's last one, and no line of it
        // left blank.
        QCOMPARE(lines,
                 (QStringList{"Dorian Vell", "1234 East Main Street", senderCity, date, "Jane Roe", "Acme", greeting}));
        // The built-in letter leaves those lines out, and one line says which
        // of the recipient's fields no letter has.
        QVERIFY2(run.errors.contains(QStringLiteral(
                         "[Title], [StreetAddress2], [City2], [ST2], [ZIPCode2] will be empty in every letter")),
                 qPrintable(run.errors));
        QVERIFY2(letter.bodyText().contains(QStringLiteral("I would like to be your Engineer.")),
                 qPrintable(letter.bodyText())); // the stored More Fields value
    }

    // The office takes its file names' encoding from the character type:
    // under the C locale, or one the machine lacks (minimal installs, cron,
    // many ssh sessions), names outside ASCII could not be written.
    void namesInEveryScriptAreWrittenUnderAnyLocale_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("format");
        QTest::newRow("LANG=C") << "LANG"
                                << "C"
                                << "doc";
        QTest::newRow("LC_ALL=POSIX, PDF") << "LC_ALL"
                                           << "POSIX"
                                           << "pdf";
        QTest::newRow("a locale the machine lacks") << "LANG"
                                                    << "xx_YY.UTF-8"
                                                    << "odt";
    }

    void namesInEveryScriptAreWrittenUnderAnyLocale()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, format);
        const QString out = path(QStringLiteral("locale-") + value);
        writeFile(out + QStringLiteral(".csv"),
                  QStringLiteral("RecipientName,CompanyName\nJane Roe,Bäckerei Größer GmbH\nAnne Ito,株式会社\n"
                                 "Eleni,Ελαίο\n")
                          .toUtf8());
        QProcessEnvironment env = environment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LANG"));
        env.insert(variable, value);
        const Run run = runBatch({QStringLiteral("--batch"), out + QStringLiteral(".csv"), QStringLiteral("--out"), out,
                                  QStringLiteral("--format"), format},
                                 env);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QString extension = u'.' + format;
        QCOMPARE(filesIn(out),
                 (QStringList{QStringLiteral("Bäckerei Größer GmbH - Jane Roe") + extension,
                              QStringLiteral("Ελαίο - Eleni") + extension,
                              QStringLiteral("株式会社 - Anne Ito") + extension}));
    }

    // The letter text's [Position], with no column and nothing stored for
    // it, would stand as written in every letter.
    void aPlaceholderNothingFillsStopsTheRunUnlessLetEmpty_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("stopped") << QStringList{} << 2 << QStringList{};
        QTest::newRow("--allow-empty") << QStringList{"--allow-empty", "[position]"} << 0
                                       << QStringList{"Acme - Ann Lee.doc", "Letter 3.doc"};
    }

    void aPlaceholderNothingFillsStopsTheRunUnlessLetEmpty()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QStringList, files);
        const QString out = path(QStringLiteral("unfilled-%1").arg(exitCode));
        const QString config = out + QStringLiteral("-config");
        QVERIFY(QDir().mkpath(config));
        writeFile(config + QStringLiteral("/Marrowfen.conf"), QByteArray(StoredSettings).replace(StoredPosition, ""));
        // Column names as a spreadsheet in another language writes them.
        writeFile(out + QStringLiteral(".csv"), "Recipient Name;company_name;Title\nAnn Lee;Acme;Boss\n;;Clerk\n");
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        const Run run = runBatch(
                QStringList{QStringLiteral("--batch"), out + QStringLiteral(".csv"), QStringLiteral("--out"), out}
                        + options,
                env);

        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(filesIn(out), files);
        if (files.isEmpty()) {
            QVERIFY2(run.errors.contains(QStringLiteral("The letter's [Position] would stand as written"))
                             && run.errors.contains(QStringLiteral("\"Recipient Name\", \"company_name\", \"Title\"")),
                     qPrintable(run.errors));
            return;
        }
        QVERIFY2(run.errors.contains(QStringLiteral("[Position] will be empty in every letter (--allow-empty)")),
                 qPrintable(run.errors));
        const QString named = m_reader->read(out + QStringLiteral("/Acme - Ann Lee.doc")).bodyText();
        QVERIFY2(named.contains(QStringLiteral("Boss")) && named.contains(QStringLiteral("I would like to be your ."))
                         && !named.contains(u'['),
                 qPrintable(named));
        QVERIFY(m_reader->read(out + QStringLiteral("/Letter 3.doc")).bodyText().contains(QStringLiteral("Clerk")));
    }

    // A job tracker's export, as it comes: its address columns are the
    // recipient's, "Company" fills the company, and a dry run shows that
    // and writes nothing.
    void aTrackersExportFillsTheRecipientAndADryRunWritesNothing_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("said"); // in the letter, else on stdout and stderr
        const QStringList letter{"Dorian Vell", "1234 East Main Street", "Boise, ID  91002",
                                 "12 Dock Rd",  "Memphis, TN  38103",    "Cardinal Freight Co."};
        QTest::newRow("written") << QStringList{} << 0 << QStringList{"Cardinal Freight Co.doc"} << letter;
        QTest::newRow("--dry-run") << QStringList{"--dry-run"} << 0 << QStringList{}
                                   << letter
                        + QStringList{"Where I saw it  fills nothing", "Cardinal Freight Co.doc",
                                      "[Position] \"Engineer\"", "nothing written"};
        QTest::newRow("--dry-run, a column mapped to what the letter lacks")
                << QStringList{"--dry-run", "--columns", "Where I saw it=Source"} << 2 << QStringList{}
                << QStringList{"--columns \"Where I saw it=Source\""};
    }

    void aTrackersExportFillsTheRecipientAndADryRunWritesNothing()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QStringList, files);
        QFETCH(QStringList, said);
        const QString out = path(QStringLiteral("tracker-%1-%2").arg(options.size()).arg(exitCode));
        writeFile(out + QStringLiteral(".csv"),
                  "Company,Hiring Manager,Job Title,Street Address,City,State,ZIP,Where I saw it\n"
                  "Cardinal Freight Co.,,,12 Dock Rd,Memphis,TN,38103,Indeed\n");
        const Run run = runBatch(
                QStringList{QStringLiteral("--batch"), out + QStringLiteral(".csv"), QStringLiteral("--out"), out}
                + options);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(filesIn(out), files);
        if (!files.isEmpty()) {
            QStringList lines;
            for (const auto &paragraph : m_reader->read(out + u'/' + files.front()).paragraphs)
                lines << paragraph.text;
            said.removeAll(QStringLiteral("Cardinal Freight Co.doc"));
            for (const QString &text : said)
                QVERIFY2(lines.contains(text), qPrintable(lines.join(u'|')));
            return;
        }
        QVERIFY2(!QFileInfo::exists(out), "a dry run writes nothing, not even the folder");
        for (const QString &text : said)
            QVERIFY2((run.out + run.errors).contains(text), qPrintable(run.out + run.errors));
    }

    // A spreadsheet list, read by the run's first office, which then makes
    // the letters: its cells as the sheet shows them.
    void aSpreadsheetsSheetMakesItsLetters()
    {
        const QString out = path(QStringLiteral("sheet"));
        const Run run
                = runBatch({QStringLiteral("--batch"),
                            QStringLiteral(TESSALINE_SOURCE_DIR "/tests/letter/data/sheet-list/letters.ods"),
                            QStringLiteral("--sheet"), QStringLiteral("Second round"), QStringLiteral("--out"), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(filesIn(out), QStringList{"Lima & Filhos - Ana Lima.doc"});
        QStringList lines;
        for (const auto &paragraph : m_reader->read(out + QStringLiteral("/Lima & Filhos - Ana Lima.doc")).paragraphs)
            lines << paragraph.text;
        QVERIFY2(lines.contains(QStringLiteral("01310")), qPrintable(lines.join(u'|'))); // its zero kept
    }

    // One office makes every letter from one loaded template, in every
    // format: rows that empty places and rows that fill them again, in
    // turns. Each letter holds its own row's texts, in the template's
    // formatting, no other row's text and no field.
    void theBuiltInLettersLinesFollowEachRowAndTheUsersWording()
    {
        // The user's own wording and country, and no letter text: the
        // built-in body.
        QVERIFY(QDir().mkpath(path(QStringLiteral("wording/config"))));
        writeFile(path(QStringLiteral("wording/config/Marrowfen.conf")),
                  QByteArray(StoredSettings)
                          + "Greeting=\"Bonjour [RecipientName],\"\nClosing=\"Cordialement,\"\n"
                            "EnclosureLine=\nCountry=USA\n");
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("wording/config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("wording/data")));
        const QString listPath = path(QStringLiteral("wording/list.csv"));
        writeFile(listPath,
                  "RecipientName,Title,CompanyName,StreetAddress2,City2,ST2,ZIPCode2,Country2\n"
                  "Ana Ruiz,CTO,Acme,1 Rue,Paris,,75005,France\n"
                  "Ben Levi,,Beta,2 Road,Tel Aviv,,,\n"
                  "Cy Moss,Dev,Gamma,3 Road,Boston,MA,02110,\n");
        const QString out = path(QStringLiteral("wording/out"));
        const Run run
                = runBatch({QStringLiteral("--batch"), listPath, QStringLiteral("--out"), out, QStringLiteral("--name"),
                            QStringLiteral("{RecipientName}"), QStringLiteral("--jobs"), QStringLiteral("1")},
                           env);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

        const QString sender = QStringLiteral("Dorian Vell|1234 East Main Street|Boise, ID  91002|USA|") + letterDate();
        const QString end = QStringLiteral("|Cordialement,|Dorian Vell");
        const std::pair<const char *, QString> expected[] = {
                // Her address in France's form; the sender's in the USA's.
                {"Ana Ruiz", sender + "|Ana Ruiz|CTO|Acme|1 Rue|75005 Paris|France|Bonjour Ana Ruiz," + end},
                {"Ben Levi", sender + "|Ben Levi|Beta|2 Road|Tel Aviv|Bonjour Ben Levi," + end},
                {"Cy Moss", sender + "|Cy Moss|Dev|Gamma|3 Road|Boston, MA  02110|Bonjour Cy Moss," + end},
        };
        for (const auto &[name, lines] : expected) {
            const DocumentReader::Document letter
                    = m_reader->read(out + u'/' + QLatin1String(name) + QStringLiteral(".doc"));
            QStringList shown;
            for (const DocumentReader::Paragraph &p : letter.paragraphs) {
                if (p.style != QStringLiteral("Text body") && p.style != QStringLiteral("Body Text") && !p.inList)
                    shown << p.text;
                else
                    QVERIFY(!p.text.contains(QStringLiteral("555-0142")));
            }
            QCOMPARE(shown.join(u'|'), lines);
        }
    }

    void everyLetterOfAVariedListHoldsItsOwnRowInEveryFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("doc") << QStringLiteral("doc");
        QTest::newRow("docx") << QStringLiteral("docx");
        QTest::newRow("odt") << QStringLiteral("odt");
        QTest::newRow("pdf") << QStringLiteral("pdf");
    }

    void everyLetterOfAVariedListHoldsItsOwnRowInEveryFormat()
    {
        QFETCH(QString, format);
        constexpr int Rows = 6;
        // Odd rows fill every place, even rows leave all but the name empty.
        auto value = [](const char *what, int row) {
            return row % 2 ? QStringLiteral("%1%2x").arg(QLatin1String(what)).arg(row) : QString();
        };
        QByteArray list = "RecipientName,CompanyName,StreetAddress2,Title,City2,ST2,ZIPCode2\n";
        for (int row = 1; row <= Rows; ++row) {
            QStringList cells{QStringLiteral("Name%1x").arg(row)};
            for (const char *what : {"Co", "St", "Ti", "Ci", "Sa", "Zi"})
                cells << value(what, row);
            list += cells.join(u',').toUtf8() + '\n';
        }
        const QString listPath = path(QStringLiteral("varied.csv"));
        writeFile(listPath, list);
        const QString out = path(QStringLiteral("varied-") + format);
        const Run run = runBatch({QStringLiteral("--batch"), listPath, QStringLiteral("--out"), out,
                                  QStringLiteral("--template"), QFINDTESTDATA("data/formatted.fodt"),
                                  QStringLiteral("--name"), QStringLiteral("{RecipientName}"),
                                  QStringLiteral("--format"), format, QStringLiteral("--jobs"), QStringLiteral("1")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QCOMPARE(filesIn(out).size(), Rows);

        for (int row = 1; row <= Rows; ++row) {
            const QString file = out + QStringLiteral("/Name%1x.").arg(row) + format;
            if (format == QStringLiteral("pdf")) {
                const QByteArray pdf = readAll(file);
                QVERIFY2(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"), qPrintable(file));
                continue;
            }
            const DocumentReader::Document letter = m_reader->read(file);
            QStringList marked;
            for (const auto &paragraph : letter.paragraphs)
                marked << paragraph.marked;
            const QStringList expected{
                    QStringLiteral("Dear <b>Name%1x</b>, from Dorian Vell.").arg(row),
                    (row % 2 ? QStringLiteral("<u>%1</u>").arg(value("Co", row)) : QString())
                            + QStringLiteral(" is at %1.").arg(value("St", row)),
                    value("Ti", row) + (row % 2 ? QStringLiteral("<b>%1</b>").arg(value("Ci", row)) : QString())
                            + value("Sa", row),
                    QStringLiteral("<b>Re:</b> %1 end").arg(value("Zi", row)),
            };
            QCOMPARE(marked, expected);
        }
    }

    // One PDF of the whole list, alone or beside the letters: each letter
    // on its own first page, in the list's order, whichever office made it.
    void theCombinedPdfHoldsEveryLetterInListOrder_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::newRow("alone") << false;
        QTest::newRow("beside the letters") << true;
    }

    void theCombinedPdfHoldsEveryLetterInListOrder()
    {
        QFETCH(bool, beside);
        const QStringList names{QStringLiteral("Ann Ash"), QStringLiteral("Bo Birch"), QStringLiteral("Cy Cedar")};
        const QString folder = path(QStringLiteral("combined-%1").arg(beside));
        writeFile(folder + QStringLiteral(".csv"), "RecipientName\n" + names.join(u'\n').toUtf8() + '\n');
        const QString combined = folder + QStringLiteral("/all.pdf");
        const Run run
                = runBatch(QStringList{QStringLiteral("--batch"), folder + QStringLiteral(".csv"),
                                       QStringLiteral("--combined"), combined, QStringLiteral("--name"),
                                       QStringLiteral("{RecipientName}"), QStringLiteral("--jobs"), QStringLiteral("2")}
                           + (beside ? QStringList{QStringLiteral("--out"), folder, QStringLiteral("--format"),
                                                   QStringLiteral("pdf")}
                                     : QStringList()));
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors + run.out));
        QCOMPARE(filesIn(folder),
                 (beside ? names.join(QStringLiteral(".pdf|")) + QStringLiteral(".pdf|all.pdf")
                         : QStringLiteral("all.pdf"))
                         .split(u'|'));
        QCOMPARE(pdfPageSizes(combined).size(), size_t(3));
        for (int page = 1; page <= 3; ++page) {
            const QString text = runProgram(QStringLiteral("pdftotext"),
                                            {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                             QString::number(page), combined, QStringLiteral("-")})
                                         .out;
            // Each its own first page, not a letter's later page.
            QVERIFY2(text.contains(QStringLiteral("Dear %1:").arg(names[page - 1]))
                             && !text.contains(QStringLiteral("Page 2")),
                     qPrintable(text));
        }
    }

    // Two runs into one folder would mix their letters: a row's .doc from
    // one and its .pdf from the other. The second stops at once.
    void aSecondBatchIntoTheSameFolderStops()
    {
        const QString out = path(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(out));
        // Long enough to be still writing when the second starts, however
        // slowly that one starts on a busy machine.
        constexpr int Rows = 300;
        QProcess first;
        startLongBatch(first, out, Rows, 1);
        const Run second = runBatch(
                {QStringLiteral("--batch"), path(QStringLiteral("mixed.csv")), QStringLiteral("--out"), out});
        QCOMPARE(second.exitCode, 2);
        QCOMPARE(second.errors,
                 QStringLiteral("Another batch is writing into %1 (process %2); wait for it to end.\n")
                         .arg(out)
                         .arg(first.processId()));
        QCOMPARE(finish(first).exitCode, 0);
        QCOMPARE(filesIn(out).size(), Rows);
    }

    void aTemplateWithoutPlaceholdersMakesEveryLetterWithOneNotice()
    {
        const QString plain = path(QStringLiteral("plain.rtf"));
        writeFile(plain, "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0 To whom it may concern.\\par}");
        writeFile(path(QStringLiteral("three.csv")), "RecipientName,CompanyName\nAda,One\nBram,Two\nCleo,Three\n");
        const QString out = path(QStringLiteral("plain"));
        const Run run
                = runBatch({QStringLiteral("--batch"), path(QStringLiteral("three.csv")), QStringLiteral("--out"), out,
                            QStringLiteral("--template"), plain, QStringLiteral("--jobs"), QStringLiteral("1")});

        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.count(QStringLiteral("holds none of the placeholders")), 1);
        QVERIFY2(run.errors.contains(QDir::toNativeSeparators(plain)), qPrintable(run.errors));
        QVERIFY2(!run.errors.contains(QStringLiteral("trying again")), qPrintable(run.errors)); // one office did it all
        QCOMPARE(filesIn(out),
                 (QStringList{QStringLiteral("One - Ada.doc"), QStringLiteral("Three - Cleo.doc"),
                              QStringLiteral("Two - Bram.doc")}));
        for (const QString &file : filesIn(out))
            QCOMPARE(m_reader->read(out + u'/' + file).bodyText(), QStringLiteral("To whom it may concern."));
    }

    void aTemplateTheBatchCannotUseEndsItBeforeAnyLetter_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::addColumn<bool>("needsOffice");
        QTest::addColumn<QString>("expected");
        // Without an office to ask: the batch must tell before any office work.
        QTest::newRow("empty") << QByteArray("", 0) << false << "is an empty file, not a document";
        QTest::newRow("gone") << QByteArray() << false << "is gone";
        QTest::newRow("not a document") << QByteArray("PK\x03\x04 this zip is cut short", 30) << true
                                        << "is not a document the word processor can open";
    }

    void aTemplateTheBatchCannotUseEndsItBeforeAnyLetter()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, needsOffice);
        QFETCH(QString, expected);
        const QString mine = path(QStringLiteral("my-letter.docx"));
        QFile::remove(mine);
        if (!contents.isNull())
            writeFile(mine, contents);
        const QString out = path(QStringLiteral("unusable-") + QString::fromLatin1(QTest::currentDataTag()));
        QProcess batch;
        batch.setProcessEnvironment(environment());
        const QStringList arguments{QStringLiteral("--batch"),    path(QStringLiteral("mixed.csv")),
                                    QStringLiteral("--out"),      out,
                                    QStringLiteral("--template"), mine};
        // Without an office, on a computer that has none.
        if (needsOffice)
            batch.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
        else
            batch.start(QStringLiteral(WITHOUT_OFFICE), QStringList{QStringLiteral(TESSALINE_PROGRAM)} + arguments);
        const Run run = finish(batch);

        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(
                         QStringLiteral("The letter template %1 %2").arg(QDir::toNativeSeparators(mine), expected)),
                 qPrintable(run.errors));
        QVERIFY2(!run.errors.contains(QStringLiteral("tessaline-batch-")), qPrintable(run.errors)); // never the copy
        QCOMPARE(filesIn(out), QStringList());
    }

    void interruptLeavesWholeLettersAndNoOffice()
    {
        constexpr int Rows = 400;
        QProcess batch;
        const QString out = path(QStringLiteral("interrupted"));
        startLongBatch(batch, out, Rows, 2);
        if (QTest::currentTestFailed())
            return;
        const qint64 program = batch.processId();
        ::kill(pid_t(program), SIGINT);
        const Run run = finish(batch);

        QCOMPARE(run.exitCode, 130);
        QVERIFY2(run.out.startsWith(QStringLiteral("Stopped. 400 rows: ")), qPrintable(run.out));
        QCOMPARE(officesOf(program), QStringList());
        const QStringList files = filesIn(out);
        QVERIFY2(files.size() < Rows, "the batch ran to its end before the interruption");
        QCOMPARE(files.filter(QStringLiteral(".part")), QStringList()); // no partial file
        for (const QString &file : files) {
            const QString who = file.section(QStringLiteral(" - "), 1).chopped(4);
            QVERIFY2(m_reader->read(out + u'/' + file).bodyText().contains(QStringLiteral("Dear %1:").arg(who)),
                     qPrintable(file));
        }
    }

    void theNextRunRemovesWhatAKilledBatchLeft_data()
    {
        QTest::addColumn<bool>("reaped");
        QTest::newRow("its parent reaps it") << true;
        // A zombie: its process id still answers as if it ran.
        QTest::newRow("its parent does not reap it") << false;
    }

    void theNextRunRemovesWhatAKilledBatchLeft()
    {
        QFETCH(bool, reaped);
        const QString out = path(QStringLiteral("killed-") + QString::fromLatin1(QTest::currentDataTag()));
        writeFile(out + QStringLiteral(".csv"), longList(400));
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("cache")));
        const QStringList arguments{QStringLiteral("--batch"), out + QStringLiteral(".csv"), QStringLiteral("--out"),
                                    out};
        // A parent that does not reap: a shell that starts the batch and
        // then becomes a "sleep", which never waits for its children.
        QProcess parent;
        parent.setProcessEnvironment(env);
        if (reaped)
            parent.start(QStringLiteral(TESSALINE_PROGRAM), arguments);
        else
            parent.start(QStringLiteral("sh"),
                         QStringList{QStringLiteral("-c"),
                                     QStringLiteral("\"$0\" \"$@\" 2>/dev/null & echo $!; exec sleep 300"),
                                     QStringLiteral(TESSALINE_PROGRAM)}
                                 + arguments);
        QVERIFY(parent.waitForStarted());
        qint64 batch = parent.processId();
        if (!reaped) {
            QVERIFY(parent.waitForReadyRead(10000));
            batch = parent.readLine().trimmed().toLongLong();
        }
        QTRY_VERIFY_WITH_TIMEOUT(filesIn(out).filter(QStringLiteral(".doc")).size() >= 3, 120000);
        // An office of the batch that its death did not reach (its jail
        // was still being set up): a stand-in with the batch's mark, which
        // is not the batch's child.
        QProcess unreached;
        QProcessEnvironment marked = QProcessEnvironment::systemEnvironment();
        marked.insert(QStringLiteral("TESSALINE_OFFICE_OF"), QString::number(batch));
        unreached.setProcessEnvironment(marked);
        unreached.start(QStringLiteral("sleep"), {QStringLiteral("300")});
        QVERIFY(unreached.waitForStarted());
        ::kill(pid_t(batch), SIGKILL);
        QVERIFY(unreached.waitForFinished(10000)); // ended by the batch's guard
        if (reaped)
            QVERIFY(parent.waitForFinished(10000));
        else
            QTRY_VERIFY(readAll(QStringLiteral("/proc/%1/stat").arg(batch)).contains(") Z "));

        // What it left: its staging folder, scratch folder, office profiles
        // and pipes.
        auto leftBehind = [&] {
            const QString pid = QString::number(batch);
            return QDir(out).entryList({QStringLiteral(".tessaline-*")}, QDir::Dirs | QDir::Hidden)
                    + QDir(path(QStringLiteral("scratch/tessaline-%1").arg(::getuid()))).entryList({pid}, QDir::Dirs)
                    + QDir(path(QStringLiteral("cache")))
                              .entryList({QStringLiteral("tessaline-office-%1-*").arg(pid)}, QDir::Dirs)
                    + QDir(QStringLiteral("/tmp"))
                              .entryList({QStringLiteral("OSL_PIPE_%1_tessaline-%2-*").arg(::getuid()).arg(pid)},
                                         QDir::System);
        };
        QTRY_COMPARE_WITH_TIMEOUT(officesOf(batch), QStringList(), 10000);
        QVERIFY2(leftBehind().size() >= 4, qPrintable(leftBehind().join(u' ')));
        // An office the killed run left running on one of its pipes (its
        // jail's parent-death signal comes a moment after it starts): a
        // stand-in that carries the pipe in its command line as an office does.
        const QStringList profiles
                = QDir(path(QStringLiteral("cache")))
                          .entryList({QStringLiteral("tessaline-office-%1-*").arg(batch)}, QDir::Dirs);
        QVERIFY(!profiles.isEmpty());
        const QByteArray pipe = readAll(path(QStringLiteral("cache/%1/connection-pipe").arg(profiles.front())));
        QVERIFY(!pipe.isEmpty());
        QProcess orphan;
        orphan.start(QStringLiteral("sh"),
                     {QStringLiteral("-c"), QStringLiteral("sleep 300; :"),
                      QStringLiteral("--accept=pipe,name=%1;urp;").arg(QString::fromUtf8(pipe))});
        QVERIFY(orphan.waitForStarted());

        writeFile(path(QStringLiteral("one.csv")), "RecipientName,CompanyName\nNext Run,Later\n");
        QProcess next;
        next.setProcessEnvironment(env);
        next.start(QStringLiteral(TESSALINE_PROGRAM),
                   {QStringLiteral("--batch"), path(QStringLiteral("one.csv")), QStringLiteral("--out"), out});
        QCOMPARE(finish(next).exitCode, 0);
        QCOMPARE(leftBehind(), QStringList());
        QVERIFY(orphan.waitForFinished(10000)); // killed by the next run
        parent.kill();
        parent.waitForFinished();
    }

    void killedOfficeRowIsRetriedAndTheBatchCompletes()
    {
        constexpr int Rows = 150;
        QProcess batch;
        const QString out = path(QStringLiteral("killed"));
        startLongBatch(batch, out, Rows, 1);
        if (QTest::currentTestFailed())
            return;
        const std::vector<qint64> offices = childProcesses(batch.processId(), QStringLiteral("soffice.bin"));
        QCOMPARE(int(offices.size()), 1);
        ::kill(pid_t(offices.front()), SIGKILL);
        const Run run = finish(batch);

        QVERIFY2(run.errors.contains(QStringLiteral("trying again on a fresh one")), qPrintable(run.errors));
        QCOMPARE(run.exitCode, 0);
        const QStringList files = filesIn(out);
        QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^(?!Company \\d+ - Person \\d+\\.doc$)"))),
                 QStringList()); // nothing half written, no office's leftovers
        QCOMPARE(files.size(), Rows);
        QVERIFY(m_reader->read(out + QStringLiteral("/Company 150 - Person 150.doc"))
                        .bodyText()
                        .contains(QStringLiteral("Dear Person 150:")));
    }
};

QTEST_GUILESS_MAIN(TestBatch)
#include "test_batch.moc"
