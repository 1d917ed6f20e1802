// The command line as scripts and shells meet it: the real program run
// without a display, its exit status, standard output and standard error
// compared whole. Nothing here needs an office: the batches below have no
// row that makes a letter.
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "RunProgram.h"

namespace {
constexpr int RunTimeoutMs = 30000;
const QString Try = QStringLiteral("Try \"tessaline --help\" for more information\\.\n");

// A list of `columns` columns that name no placeholder, and one empty row.
// A list whose columns all have one name: all but the first are ignored.
QByteArray manyRepeatedColumns(int columns)
{
    QByteArrayList names;
    for (int c = 1; c <= columns; ++c)
        names.append("Again");
    return names.join(',') + '\n' + QByteArray(columns - 1, ',') + '\n';
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    ProgramOptions options(bool display) const
    {
        ProgramOptions options;
        options.timeoutMs = RunTimeoutMs;
        options.workingFolder = m_dir.path();
        QProcessEnvironment &env = options.environment;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("temp"), m_dir.path());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // The messages compared here are the English ones, whatever the
        // language of the session the tests run in.
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        // A platform on which the window would open: a refused command line
        // must not open it.
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return options;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "LIST" and "OUT" stand for this row's files
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // regular expressions for the whole text
        QTest::addColumn<QString>("errors");

        const QStringList batch{"--batch", "LIST", "--out", "OUT"};
        QTest::newRow("unknown option") << QStringList{"--bogus"} << QByteArray() << false << 2 << ""
                                        << "tessaline: Unknown option 'bogus'\\.\n" + Try;
        QTest::newRow("unknown option, with a display") << QStringList{"--bogus"} << QByteArray() << true << 2 << ""
                                                        << "tessaline: Unknown option 'bogus'\\.\n" + Try;
        QTest::newRow("batch option without --batch")
                << QStringList{"--format", "pdf"} << QByteArray() << false << 2 << ""
                << "tessaline: --format works only with --batch\n" + Try;
        QTest::newRow("batch option without --batch, with a display")
                << QStringList{"--jobs", "2", "--force"} << QByteArray() << true << 2 << ""
                << "tessaline: --jobs works only with --batch\n" + Try;
        QTest::newRow("--strict without --batch") << QStringList{"--strict"} << QByteArray() << false << 2 << ""
                                                  << "tessaline: --strict works only with --batch\n" + Try;
        QTest::newRow("bad --separator") << batch + QStringList{"--separator", "|"} << QByteArray("RecipientName\n")
                                         << false << 2 << ""
                                         << "tessaline: --separator: \"\\|\" is none of \",\", \";\" and \"tab\"\n"
                        + Try;
        QTest::newRow("bad --paper") << batch + QStringList{"--paper", "a5"} << QByteArray("RecipientName\n") << false
                                     << 2 << ""
                                     << "tessaline: --paper: \"a5\" is neither \"a4\" nor \"letter\"\n" + Try;
        QTest::newRow("--design list") << QStringList{"--design", "list"} << QByteArray() << false << 0
                                       << "classic\nmodern\nletterhead\n"
                                       << "";
        QTest::newRow("--design as people write it")
                << batch + QStringList{"--design", " Modern "} << QByteArray("RecipientName\n,\n") << false << 0
                << "1 row: 0 written, 1 skipped, 0 failed\n"
                << "line 2: skipped: the row is empty\n";
        QTest::newRow("unknown --design")
                << batch + QStringList{"--design", "fancy"} << QByteArray("RecipientName\n") << false << 2 << ""
                << "tessaline: --design: \"fancy\" is no design; the designs are classic, "
                   "modern, letterhead\n"
                        + Try;
        QTest::newRow("--combined not a PDF")
                << batch + QStringList{"--combined", "all.doc"} << QByteArray("RecipientName\n") << false << 2 << ""
                << "tessaline: --combined: \"all\\.doc\" is not a \\.pdf file name\n" + Try;
        QTest::newRow("--format with --combined alone")
                << QStringList{"--batch", "LIST", "--combined", "OUT/all.pdf", "--format", "pdf"}
                << QByteArray("RecipientName\n") << false << 2 << ""
                << "tessaline: --format works only with --out\n" + Try;
        QTest::newRow("--allow-empty without a name")
                << batch + QStringList{"--allow-empty", " , "} << QByteArray("RecipientName\n") << false << 2 << ""
                << "tessaline: --allow-empty: no placeholder named\n" + Try;
        QTest::newRow("semicolons found, a NUL refused with its line")
                << batch << QByteArray("RecipientName;CompanyName\n;\nA\0;x\n", 33) << false << 1
                << "2 rows: 0 written, 1 skipped, 1 failed\n"
                << "The list's columns are separated by semicolons\\.\nline 2: skipped: the row is empty\n"
                   "line 3: failed: the field of column \"RecipientName\" holds a NUL character[^\n]*\n";
        QTest::newRow("--separator tab")
                << batch + QStringList{"--separator", "tab", "--allow-empty", "all", "--strict"}
                << QByteArray("RecipientName\tCompanyName,x\n\t\n") << false << 0
                << "1 row: 0 written, 1 skipped, 0 failed\n"
                << "The list's columns are separated by tabs\\.\nline 2: skipped: the row is empty\n";
        QTest::newRow("stray argument") << QStringList{"letter.doc"} << QByteArray() << true << 2 << ""
                                        << "tessaline: unexpected argument \"letter\\.doc\"\n" + Try;
        QTest::newRow("missing value") << QStringList{"--batch"} << QByteArray() << false << 2 << ""
                                       << "tessaline: Missing value after '--batch'\\.\n" + Try;
        QTest::newRow("no --out") << QStringList{"--batch", "LIST"} << QByteArray("RecipientName\n") << false << 2 << ""
                                  << "tessaline: --out <folder> is missing\n" + Try;
        QTest::newRow("bad --format") << batch + QStringList{"--format", "rtf"} << QByteArray("RecipientName\n")
                                      << false << 2 << ""
                                      << "tessaline: --format: unknown format \"rtf\"[^\n]*\n" + Try;
        QTest::newRow("window without a display") << QStringList{} << QByteArray() << false << 1 << ""
                                                  << "tessaline: no display [^\n]*--batch[^\n]*xvfb-run[^\n]*\n";
        QTest::newRow("help names the program, not its path")
                << QStringList{"--help"} << QByteArray() << false << 0 << "Usage: tessaline \\[options\\]\n[^/]*"
                << "";
        QTest::newRow("version") << QStringList{"-v"} << QByteArray() << false << 0 << "Tessaline 7\\.00\n"
                                 << "";
        QTest::newRow("no letter recorded yet") << QStringList{"--letters"} << QByteArray() << false << 0 << ""
                                                << "No letter is in the record yet\\.\n";
        QTest::newRow("no letter recorded yet, as CSV") << QStringList{"--letters", "--csv"} << QByteArray() << false
                                                        << 0 << "When,Company,Recipient,Position,Format,Status,File\n"
                                                        << "";
        QTest::newRow("--csv without --letters") << QStringList{"--csv"} << QByteArray() << false << 2 << ""
                                                 << "tessaline: --csv works only with --letters\n" + Try;
        QTest::newRow("--letters with a batch's option")
                << QStringList{"--letters", "--no-record"} << QByteArray() << false << 2 << ""
                << "tessaline: --letters takes no other option than --csv\n" + Try;
        QTest::newRow("unreadable list") << QStringList{"--batch", "missing.csv", "--out", "OUT"} << QByteArray()
                                         << false << 2 << ""
                                         << "Cannot read missing\\.csv: No such file or directory\n";
        QTest::newRow("list without a header") << batch << QByteArray("\n") << false << 2 << ""
                                               << "Cannot read LIST: it has no header row naming the columns\n";
        QTest::newRow("empty rows are skipped, and that is no failure")
                << batch << QByteArray("RecipientName,CompanyName\n,\n\n  ,\t\n") << false << 0
                << "3 rows: 0 written, 3 skipped, 0 failed\n"
                << "line 2: skipped: the row is empty\nline 3: skipped: the row is empty\n"
                   "line 4: skipped: the row is empty\n";
        QTest::newRow("a bad row fails") << batch << QByteArray("RecipientName,Title\nAnn\n") << false << 1
                                         << "1 row: 0 written, 0 skipped, 1 failed\n"
                                         << "line 2: failed: the row has 1 fields, the header has 2\n";
        QTest::newRow("ignored columns in one line")
                << batch << QByteArray("Hat,RecipientName,hat,,Title,TITLE\n,,,,,\n") << false << 0
                << "1 row: 0 written, 1 skipped, 0 failed\n"
                << "Columns \"hat\", \"\\(a column without a name\\)\", \"TITLE\" are ignored: they repeat other "
                   "columns or have no name\\.\n"
                   "line 2: skipped: the row is empty\n";
        QTest::newRow("thousands of ignored columns in one line")
                << batch << manyRepeatedColumns(5000) << false << 0 << "1 row: 0 written, 1 skipped, 0 failed\n"
                << "Columns \"Again\", \"Again\", [^\n]*, \"Again\" are ignored[^\n]*\n"
                   "line 2: skipped: the row is empty\n";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, list);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errors);

        const QString row = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        const QString listFile = row + QStringLiteral(".csv");
        const QString outFolder = path(row);
        if (!list.isNull()) {
            QFile file(path(listFile));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(list);
        }
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^LIST$")), listFile);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), outFolder);
        errors.replace(QStringLiteral("LIST"), QRegularExpression::escape(listFile));

        const ProgramRun run = runProgram(QStringLiteral(TESSALINE_PROGRAM), arguments, options(display));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(run.out).hasMatch(),
                 qPrintable(QStringLiteral("stdout: ") + run.out));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(errors)).match(run.errors).hasMatch(),
                 qPrintable(QStringLiteral("stderr: ") + run.errors.left(2000)));
        QCOMPARE(run.exitCode, exitCode);
        // None of these rows makes a letter: no file named after empty fields.
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void firstSignalStopsWhileTheListIsRead_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
    }

    // The list comes from a FIFO whose writer has sent half of it and
    // keeps it open.
    void firstSignalStopsWhileTheListIsRead()
    {
        QFETCH(int, signal);
        const QString fifo = path(QStringLiteral("list-%1.fifo").arg(signal));
        const QString out = path(QStringLiteral("stopped-%1").arg(signal));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess program;
        program.setProcessEnvironment(options(false).environment);
        program.setWorkingDirectory(m_dir.path());
        program.start(QStringLiteral(TESSALINE_PROGRAM),
                      {QStringLiteral("--batch"), fifo, QStringLiteral("--out"), out});
        QVERIFY(program.waitForStarted());

        // Opening without blocking succeeds once the program reads.
        int writer = -1;
        QTRY_VERIFY_WITH_TIMEOUT((writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK)) >= 0,
                                 10000);
        const QByteArray half = "RecipientName,CompanyName\nAnn,Acme\n";
        QCOMPARE(::write(writer, half.constData(), size_t(half.size())), ssize_t(half.size()));
        QTest::qWait(200);
        ::kill(pid_t(program.processId()), signal);
        const ProgramRun run = finishProgram(program, 10000);
        ::close(writer);

        QCOMPARE(run.exitCode, 130);
        QCOMPARE(run.out, QStringLiteral("Stopped before the list was read: no letter written.\n"));
        QVERIFY(!QFileInfo::exists(out));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
