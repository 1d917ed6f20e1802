// The batch's run with a scripted office: which office makes which row, a
// lost office's row tried again, a full disk and a stop. The real office's
// runs (what the letters hold, the formats, the list's oddities) are in
// test_batch.
#include <csignal>
#include <cstdio>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "BatchOptions.h"
#include "LetterBatch.h"
#include "LettersListing.h"
#include "ScriptedAutomation.h"
#include "SmallDisk.h"
#include "TestFiles.h"

namespace {

// What a batch wrote to its two streams.
class CapturedStream
{
public:
    CapturedStream() : m_file(std::tmpfile()) { }
    ~CapturedStream() { std::fclose(m_file); }
    std::FILE *file() const { return m_file; }
    QString text() const
    {
        std::fflush(m_file);
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
            bytes.append(buffer, qsizetype(n));
        return QString::fromUtf8(bytes);
    }

private:
    std::FILE *m_file;
};

struct Run
{
    int exitCode = -1;
    QString summary;
    QString reports;
};

// The letter as the scripted office holds it: the recipient's greeting in
// the body, the company in a shape.
ScriptedAutomation::DocumentData letterTemplate()
{
    ScriptedAutomation::DocumentData data;
    data.stories = {{QStringLiteral("Main"), QStringLiteral("[YourName]\nDear [RecipientName]:\nSincerely")}};
    data.shapes = {QStringLiteral("[CompanyName]")};
    return data;
}

QByteArray list(int rows)
{
    QByteArray text = "RecipientName,CompanyName\n";
    for (int r = 1; r <= rows; ++r)
        text += "Person " + QByteArray::number(r) + ",Company " + QByteArray::number(r) + '\n';
    return text;
}

QString letterName(int row)
{
    return QStringLiteral("Company %1 - Person %1.doc").arg(row);
}

// Every entry of a folder, hidden ones too.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Each file named after its row and holding that row's recipient, whole.
void checkWholeLetters(const QString &folder)
{
    for (const QString &file : entriesOf(folder)) {
        const QString row = file.section(u' ', 1, 1);
        QVERIFY2(file == letterName(row.toInt()), qPrintable(file));
        const QString text = QString::fromUtf8(readAll(folder + u'/' + file));
        QVERIFY2(text.contains(QStringLiteral("Dear Person %1:\nSincerely").arg(row)), qPrintable(file));
    }
}

} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedAutomation m_office;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    Run runBatch(int rows, const QString &out, const QStringList &more = {}) { return runBatch(list(rows), out, more); }

    Run runBatch(const QByteArray &listText, const QString &out, const QStringList &more = {})
    {
        const QString listPath = path(QStringLiteral("list.csv"));
        writeFile(listPath, listText);
        const CommandLine command = parseCommandLine(QStringList{QStringLiteral("tessaline"), QStringLiteral("--batch"),
                                                                 listPath, QStringLiteral("--out"), out}
                                                     + more);
        Run run;
        if (!command.batch) {
            run.reports = command.message;
            return run;
        }
        const CapturedStream reports, summary;
        run.exitCode
                = ::runBatch(*command.batch, BatchProgress::Output::Plain, m_office, {reports.file(), summary.file()});
        run.summary = summary.text();
        run.reports = reports.text();
        return run;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // A settings file, letter text and scratch folder of the test's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
        QVERIFY(QDir().mkpath(path(QStringLiteral("scratch"))));
        qputenv("temp", QFile::encodeName(path(QStringLiteral("scratch"))));
    }

    void init()
    {
        m_office = ScriptedAutomation();
        m_office.anyOtherFile = letterTemplate();
    }

    // Lists as people keep them, header and one row, against the letter
    // they make: the recipient's block, then the sender's street and city
    // (stored in the window as "1 Home Rd", "Hometown").
    void listsAsPeopleKeepThemFillTheRecipientsPlaces_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("letter");
        QTest::newRow("a job tracker's export")
                << QByteArray("Company,Hiring Manager,Job Title,Street Address,City,State,ZIP,Position\n"
                              "Acme,Ann Lee,HR Lead,5 Canal St,Boston,MA,02108,Analyst\n")
                << "Acme|Ann Lee|HR Lead|5 Canal St|Boston|MA|02108|1 Home Rd|Hometown";
        QTest::newRow("German") << QByteArray("Firma;Ansprechpartner;Funktion;Straße;PLZ;Ort\n"
                                              "Müller GmbH;Frau Roth;Leitung;Kö 1;40212;Düsseldorf\n")
                                << "Müller GmbH|Frau Roth|Leitung|Kö 1|Düsseldorf||40212|1 Home Rd|Hometown";
        QTest::newRow("French") << QByteArray("Entreprise;Interlocuteur;Adresse;Code postal;Ville\n"
                                              "Société Lyon;M. Petit;2 rue Neuve;69002;Lyon\n")
                                << "Société Lyon|M. Petit||2 rue Neuve|Lyon||69002|1 Home Rd|Hometown";
        QTest::newRow("Spanish") << QByteArray("Empresa,Contacto,Dirección,Ciudad,Provincia,Código postal\n"
                                               "Olivos SA,Sr. Ruiz,Calle 3,Sevilla,Sevilla,41001\n")
                                 << "Olivos SA|Sr. Ruiz||Calle 3|Sevilla|Sevilla|41001|1 Home Rd|Hometown";
        QTest::newRow("Japanese") << QByteArray("会社名,担当者,役職,郵便番号,都道府県,市区町村,住所\n"
                                                "山田商事,山田太郎,人事部長,150-0001,東京都,渋谷区,神宮前1-2-3\n")
                                  << "山田商事|山田太郎|人事部長|神宮前1-2-3|渋谷区|東京都|150-0001|1 Home Rd|Hometown";
        QTest::newRow("both addresses: the unsuffixed ones stay yours")
                << QByteArray("CompanyName,StreetAddress,City,StreetAddress2,City2\nAcme,9 Own St,Owntown,5 Canal St,"
                              "Boston\n")
                << "Acme|Hiring Manager||5 Canal St|Boston|||9 Own St|Owntown";
    }

    void listsAsPeopleKeepThemFillTheRecipientsPlaces()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, letter);
        const QString config = path(QStringLiteral("config/Marrowfen.conf"));
        QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
        writeFile(config, "[Tessaline]\nText1_6=1 Home Rd\nText1_1=Hometown\n");
        const auto removeSettings = qScopeGuard([&] { QFile::remove(config); });
        ScriptedAutomation::DocumentData data;
        data.stories = {{QStringLiteral("Main"),
                         QStringLiteral("[CompanyName]|[RecipientName]|[Title]|[StreetAddress2]|[City2]|[ST2]|"
                                        "[ZIPCode2]|[StreetAddress]|[City]")}};
        m_office.anyOtherFile = data;
        const QString out = path(QStringLiteral("people-") + QString::fromLatin1(QTest::currentDataTag()));
        const Run run = runBatch(list, out, {QStringLiteral("--allow-empty"), QStringLiteral("all")});
        QCOMPARE(run.exitCode, ExitNothingFailed);
        const QStringList files = entriesOf(out);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QString::fromUtf8(readAll(out + u'/' + files.front())).trimmed(), letter);
    }

    void everyRowIsMadeOnceByNoMoreOfficesThanLetters_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("offices");
        QTest::newRow("one office") << 1 << 5 << 1;
        QTest::newRow("two offices share the rows") << 2 << 7 << 2;
        QTest::newRow("never more offices than letters") << 4 << 2 << 2;
        QTest::newRow("a short list needs one of its own choosing") << 0 << 3 << 1;
    }

    void everyRowIsMadeOnceByNoMoreOfficesThanLetters()
    {
        QFETCH(int, jobs);
        QFETCH(int, rows);
        QFETCH(int, offices);
        const QString out = path(QStringLiteral("made-") + QString::fromLatin1(QTest::currentDataTag()));
        const Run run = runBatch(
                rows, out, jobs > 0 ? QStringList{QStringLiteral("--jobs"), QString::number(jobs)} : QStringList());

        QCOMPARE(run.exitCode, ExitNothingFailed);
        QCOMPARE(run.summary, QStringLiteral("%1 rows: %1 written, 0 skipped, 0 failed\n").arg(rows));
        QCOMPARE(m_office.created, offices);
        QCOMPARE(int(m_office.exports.size()), rows); // no row made twice
        QCOMPARE(entriesOf(out).size(), rows);
        checkWholeLetters(out);
        QCOMPARE(m_office.quits, offices); // every office ended with the run
    }

    void aLostOfficesRowIsTriedOnceMoreOnAFreshOne_data()
    {
        QTest::addColumn<QList<int>>("failingUses");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("report");
        QTest::newRow("lost once") << QList<int>{1} << ExitNothingFailed << 4
                                   << QStringLiteral("line 2: the office failed");
        QTest::newRow("lost again on the fresh one")
                << QList<int>{1, 2} << ExitSomeFailed << 3 << QStringLiteral("line 2: failed: the office could not");
    }

    void aLostOfficesRowIsTriedOnceMoreOnAFreshOne()
    {
        QFETCH(QList<int>, failingUses);
        QFETCH(int, exitCode);
        QFETCH(int, written);
        QFETCH(QString, report);
        // The office dies as it writes the first row: it no longer answers.
        for (int use : failingUses) {
            m_office.failAt(QStringLiteral("Document.Export"), use);
            m_office.failAt(QStringLiteral("Document.Range"), use);
        }
        const QString out = path(QStringLiteral("lost-%1").arg(failingUses.size()));
        const Run run = runBatch(4, out, {QStringLiteral("--jobs"), QStringLiteral("1")});

        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.reports.contains(QStringLiteral("line 2: the office failed")), qPrintable(run.reports));
        QVERIFY2(run.reports.contains(QStringLiteral("trying again on a fresh one")), qPrintable(run.reports));
        QVERIFY2(run.reports.contains(report), qPrintable(run.reports));
        QCOMPARE(m_office.created, 1 + failingUses.size()); // a fresh office for each loss
        QCOMPARE(entriesOf(out).size(), written);
        checkWholeLetters(out);
    }

    void aFullDiskStopsNewLettersAndLeavesOnlyWholeOnes()
    {
        SmallDisk disk(256);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        const QString out = disk.filePath(QStringLiteral("letters"));
        QVERIFY(QDir().mkpath(out));
        // Room for a few letters: each takes at least a block of its own.
        disk.fillUpTo(3 * 4096 + 2048);
        constexpr int Rows = 40;
        const Run run = runBatch(Rows, out, {QStringLiteral("--jobs"), QStringLiteral("2")});

        QCOMPARE(run.exitCode, ExitSomeFailed);
        QVERIFY2(run.reports.contains(QStringLiteral("The disk that holds %1 is full").arg(out)),
                 qPrintable(run.reports));
        QVERIFY2(run.reports.contains(QStringLiteral("No new letter is started")), qPrintable(run.reports));
        QVERIFY2(run.summary.startsWith(QStringLiteral("Stopped: the disk is full. ")), qPrintable(run.summary));
        const QRegularExpression counts(QStringLiteral("(\\d+) written, 0 skipped, (\\d+) failed, (\\d+) not done"));
        const QRegularExpressionMatch match = counts.match(run.summary);
        QVERIFY2(match.hasMatch(), qPrintable(run.summary));
        QCOMPARE(match.captured(1).toInt() + match.captured(2).toInt() + match.captured(3).toInt(), Rows);
        QVERIFY(match.captured(3).toInt() > 0); // no row started after the disk was full
        // Whole letters only, and nothing hidden left behind.
        QCOMPARE(entriesOf(out).size(), match.captured(1).toInt());
        checkWholeLetters(out);
    }

    void aStopEndsTheLetterInProgressAndStartsNoOther()
    {
        // The first letter is being written when the user presses Ctrl+C.
        m_office.holds.insert(QStringLiteral("Document.Export"));
        std::thread user([this] {
            auto writing = [this] {
                bool entered = false;
                m_office.update([&] { entered = m_office.calls.contains(QStringLiteral("Document.Export")); });
                return entered;
            };
            while (!writing())
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            ::kill(::getpid(), SIGINT);
            m_office.release();
        });
        const QString out = path(QStringLiteral("stopped"));
        const Run run = runBatch(5, out, {QStringLiteral("--jobs"), QStringLiteral("1")});
        user.join();

        QCOMPARE(run.exitCode, ExitInterrupted);
        QVERIFY2(run.reports.contains(QStringLiteral("Stopping: the letters in progress are finished")),
                 qPrintable(run.reports));
        QCOMPARE(run.summary, QStringLiteral("Stopped. 5 rows: 1 written, 0 skipped, 0 failed, 4 not done\n"));
        QCOMPARE(entriesOf(out), QStringList{letterName(1)});
        checkWholeLetters(out);
        QCOMPARE(m_office.quits, 1);
    }

    void anExistingFileIsKeptWithoutForceAndReplacedWithIt()
    {
        const QString out = path(QStringLiteral("existing"));
        QVERIFY(QDir().mkpath(out));
        const QString kept = out + QStringLiteral("/Company 1 - Person 1.doc");
        writeFile(kept, "the user's own file");

        const Run keep = runBatch(2, out);
        QCOMPARE(keep.exitCode, ExitNothingFailed); // a kept letter is no failure
        QCOMPARE(readAll(kept), QByteArray("the user's own file"));
        QVERIFY2(keep.reports.contains(QStringLiteral("line 2: skipped: Company 1 - Person 1.doc: it already exists "
                                                      "(--force replaces it)")),
                 qPrintable(keep.reports));
        QCOMPARE(keep.summary, QStringLiteral("2 rows: 1 written, 1 skipped, 0 failed\n"));

        const Run force = runBatch(2, out, {QStringLiteral("--force")});
        QCOMPARE(force.exitCode, ExitNothingFailed);
        QCOMPARE(force.summary, QStringLiteral("2 rows: 2 written, 0 skipped, 0 failed\n"));

        // A second run finds every letter there: all skipped, nothing failed.
        const Run again = runBatch(2, out);
        QCOMPARE(again.exitCode, ExitNothingFailed);
        QCOMPARE(again.summary, QStringLiteral("2 rows: 0 written, 2 skipped, 0 failed\n"));
        QCOMPARE(entriesOf(out).size(), 2);
        checkWholeLetters(out);
    }

    // The combined PDF holds the letters made, in list order; a row that
    // failed is left out and named; a combined file that cannot be written,
    // or is there already without --force, is an error.
    void theCombinedFileHoldsTheLettersMadeOrFails_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("failingExport"); // 0: none fails
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("letters"); // in the combined file, in order
        QTest::addColumn<QString>("said");
        QTest::newRow("every row") << list(3) << false << 0 << ExitNothingFailed
                                   << QStringList{"Person 1", "Person 2", "Person 3"} << "Written ";
        QTest::newRow("a failed row left out")
                << QByteArray("RecipientName,CompanyName\nPerson 1,Company 1\nBad,Row,Extra\nPerson 3,Company 3\n")
                << false << 0 << ExitSomeFailed << QStringList{"Person 1", "Person 3"}
                << "without the rows that made no letter (list lines: 3)";
        // Each row exports its PDF and its part: the seventh is the combined.
        QTest::newRow("its export fails")
                << list(3) << false << 7 << ExitSomeFailed << QStringList{} << "all.pdf is not written: ";
        QTest::newRow("a letter of its name")
                << QByteArray("RecipientName,CompanyName\nall,\nPerson 2,Company 2\n") << false << 0
                << ExitNothingFailed << QStringList{"all", "Person 2"} << "line 2: written all (2).pdf";
        QTest::newRow("there already") << list(3) << true << 0 << ExitUsage << QStringList{}
                                       << "all.pdf already exists; --force replaces it.";
    }

    void theCombinedFileHoldsTheLettersMadeOrFails()
    {
        QFETCH(QByteArray, list);
        QFETCH(bool, existing);
        QFETCH(int, failingExport);
        QFETCH(int, exitCode);
        QFETCH(QStringList, letters);
        QFETCH(QString, said);
        const QString out = path(QStringLiteral("combined-") + QString::fromLatin1(QTest::currentDataTag()));
        const QString combined = out + QStringLiteral("/all.pdf");
        QVERIFY(QDir().mkpath(out));
        if (existing)
            writeFile(combined, "the user's own file");
        if (failingExport > 0)
            m_office.failAt(QStringLiteral("Document.Export"), failingExport);
        const Run run = runBatch(list, out, {QStringLiteral("--combined"), combined, QStringLiteral("--format=pdf")});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.summary + run.reports).contains(said), qPrintable(run.summary + run.reports));
        QStringList found;
        const QString text = QString::fromUtf8(readAll(combined));
        for (auto it = QRegularExpression(QStringLiteral("Dear ([^:\\n]+):")).globalMatch(text); it.hasNext();)
            found << it.next().captured(1);
        QCOMPARE(found, letters);
        QCOMPARE(QFileInfo::exists(combined), existing || !letters.isEmpty()); // the user's own file stays
        QCOMPARE(entriesOf(out).filter(QStringLiteral(".part")), QStringList());
    }

    // --force replaces a letter the way the window's export does: keeping
    // its mode, and never one marked read-only.
    void forceKeepsTheModeAndNeverReplacesAReadOnlyLetter_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("writable by its owner alone") << 0640 << true;
        QTest::newRow("read-only") << 0444 << false;
    }

    void forceKeepsTheModeAndNeverReplacesAReadOnlyLetter()
    {
        QFETCH(int, mode);
        QFETCH(bool, replaced);
        const QString out = path(QStringLiteral("forced-%1").arg(mode, 0, 8));
        QVERIFY(QDir().mkpath(out));
        const QString existing = out + u'/' + letterName(1);
        writeFile(existing, "the user's own file");
        QCOMPARE(::chmod(QFile::encodeName(existing).constData(), mode_t(mode)), 0);

        const Run force = runBatch(2, out, {QStringLiteral("--force")});

        struct stat info
        { };
        QCOMPARE(::stat(QFile::encodeName(existing).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
        if (replaced) {
            QCOMPARE(force.exitCode, ExitNothingFailed);
            QCOMPARE(force.summary, QStringLiteral("2 rows: 2 written, 0 skipped, 0 failed\n"));
            checkWholeLetters(out);
        } else {
            QCOMPARE(force.exitCode, ExitSomeFailed);
            QCOMPARE(force.summary, QStringLiteral("2 rows: 1 written, 0 skipped, 1 failed\n"));
            QVERIFY2(force.reports.contains(QStringLiteral("the file is read-only")), qPrintable(force.reports));
            QCOMPARE(readAll(existing), QByteArray("the user's own file"));
        }
        // The other row's letter is written either way, and nothing else is left.
        QVERIFY(readAll(out + u'/' + letterName(2)).contains("Dear Person 2:"));
        QCOMPARE(entriesOf(out).size(), 2);
    }

    void collidingNamesNeverReplaceOrSkipALetterOfTheRun_data()
    {
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("present"); // a file of the user's there before the run
        // Every file the folder holds afterwards: "name|recipient" (none: the user's file, untouched).
        QTest::addColumn<QStringList>("files");
        const QStringList three{"X (2).doc|Ivan", "X (3).doc|Hugo", "X.doc|Gil"};
        QTest::newRow("without --force") << false << QString() << three;
        QTest::newRow("with --force") << true << QString() << three;
        QTest::newRow("a number a file of the user's has")
                << true << "X (3).doc" << QStringList{"X (2).doc|Ivan", "X (3).doc|", "X (4).doc|Hugo", "X.doc|Gil"};
    }

    void collidingNamesNeverReplaceOrSkipALetterOfTheRun()
    {
        QFETCH(bool, force);
        QFETCH(QString, present);
        QFETCH(QStringList, files);
        const QString out = path(QStringLiteral("colliding-") + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(out));
        if (!present.isEmpty())
            writeFile(out + u'/' + present, "the user's own file");
        QStringList arguments{QStringLiteral("--name"), QStringLiteral("{CompanyName}")};
        if (force)
            arguments << QStringLiteral("--force");
        const Run run = runBatch("RecipientName,CompanyName\nGil,X\nHugo,X\nIvan,X (2)\n", out, arguments);

        QCOMPARE(run.exitCode, ExitNothingFailed);
        QVERIFY2(!run.reports.contains(QStringLiteral("skipped:")), qPrintable(run.reports));
        QStringList found;
        for (const QString &file : entriesOf(out)) {
            const QString text = QString::fromUtf8(readAll(out + u'/' + file));
            found << file + u'|' + text.section(QStringLiteral("Dear "), 1).section(u':', 0, 0);
        }
        QCOMPARE(found, files);
    }

    // A record that cannot be kept never stops a letter: every letter of
    // the run is written and counted, and the record's failure is said
    // once, however many letters it missed.
    void theRecordsFailureNeverStopsALetter_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("reason"); // empty: the record is kept
        QTest::newRow("locked by another program") << "locked"
                                                   << "is in use by another program";
        QTest::newRow("not a database") << "corrupt"
                                        << "is damaged or is not a record of letters";
        QTest::newRow("read-only folder") << "read-only"
                                          << "cannot be written";
        QTest::newRow("full disk") << "full"
                                   << "is full";
        QTest::newRow("an earlier version's, upgraded in place") << "earlier"
                                                                 << "";
    }

    void theRecordsFailureNeverStopsALetter()
    {
        QFETCH(QString, state);
        QFETCH(QString, reason);
        SmallDisk disk(256);
        QString data = path(QStringLiteral("record-") + state);
        if (state == u"read-only" || state == u"full") {
            if (!disk.isMounted())
                QSKIP(SmallDisk::skipReason());
            data = disk.path();
        }
        const QString database = data + QStringLiteral("/Tessaline/letters.sqlite");
        QVERIFY(QDir().mkpath(data + QStringLiteral("/Tessaline")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        // Another program's connection to the record.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        const auto restore = qScopeGuard([&] {
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
            qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
        });
        other.setDatabaseName(database);
        auto sql = [&](const char *statement) {
            QVERIFY2(QSqlQuery(other).exec(QString::fromLatin1(statement)), statement);
        };
        if (state == u"locked") {
            QVERIFY(LettersRecord(database).add({letterEntry({}, {}, QStringLiteral("doc"), {})}).isEmpty());
            QVERIFY(other.open());
            sql("BEGIN IMMEDIATE");
            sql("INSERT INTO letters (written_at, format) VALUES ('2026-01-01T00:00:00Z', 'doc')");
        } else if (state == u"corrupt") {
            writeFile(database, QByteArray(8192, 'x'));
        } else if (state == u"read-only") {
            QVERIFY(disk.makeReadOnly());
        } else if (state == u"full") {
            disk.fillUpTo(0);
        } else {
            // The first version's table, holding a letter of its own.
            QVERIFY(other.open());
            sql("CREATE TABLE letters (id INTEGER PRIMARY KEY, written_at TEXT NOT NULL, company TEXT NOT NULL "
                "DEFAULT '', recipient TEXT NOT NULL DEFAULT '', position TEXT NOT NULL DEFAULT '', format TEXT NOT "
                "NULL, file TEXT NOT NULL DEFAULT '', status TEXT NOT NULL DEFAULT 'written')");
            sql("INSERT INTO letters (written_at, company, format, status) VALUES ('2025-05-05T09:00:00Z', 'Old Co', "
                "'pdf', 'interview')");
            sql("PRAGMA user_version = 1");
            other.close();
        }
        constexpr int Rows = 3;
        const QString out = path(QStringLiteral("recorded-") + state);
        const Run run = runBatch(Rows, out);

        QCOMPARE(run.exitCode, ExitNothingFailed);
        QVERIFY2(run.summary.contains(QStringLiteral("3 rows: 3 written, 0 skipped, 0 failed")),
                 qPrintable(run.summary));
        QCOMPARE(entriesOf(out).size(), Rows);
        checkWholeLetters(out);
        const QString failure = QStringLiteral("The letter was written, but the record of letters could not be kept: ");
        QCOMPARE(run.reports.count(failure), reason.isEmpty() ? 0 : 1);
        QVERIFY2(run.reports.contains(reason), qPrintable(run.reports));
        if (state == u"earlier") {
            const std::vector<LetterEntry> entries = LettersRecord(database).entries();
            QCOMPARE(entries.size(), size_t(1 + Rows));
            QCOMPARE(entries.front().company + u'|' + entries.front().status, QStringLiteral("Old Co|interview"));
            QCOMPARE(entries.back().company, QStringLiteral("Company %1").arg(Rows));
        }
    }

    // Each file a batch writes is an entry: its row's company, recipient
    // and position, its format and path; none when the record is off.
    void eachLetterWrittenIsAnEntryOfTheRecord_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("formats"); // of each row's entries; none: no record
        QTest::newRow("two formats") << QStringList{QStringLiteral("--format"), QStringLiteral("pdf,doc")}
                                     << QByteArray() << QStringList{QStringLiteral("pdf"), QStringLiteral("doc")};
        QTest::newRow("--no-record") << QStringList{QStringLiteral("--no-record")} << QByteArray() << QStringList();
        QTest::newRow("KeepRecord=no in the settings")
                << QStringList() << QByteArray("KeepRecord=no\n") << QStringList();
        QTest::newRow("KeepRecord=On in the settings")
                << QStringList() << QByteArray("KeepRecord=On\n") << QStringList{QStringLiteral("doc")};
    }

    void eachLetterWrittenIsAnEntryOfTheRecord()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, formats);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        const QString data = path(QStringLiteral("entries-data-") + tag);
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        const QString config = path(QStringLiteral("config/Marrowfen.conf"));
        QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
        writeFile(config, "[Tessaline]\n" + settings);
        const auto restore = qScopeGuard([&] {
            QFile::remove(config);
            qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
        });
        constexpr int Rows = 4;
        QByteArray listText = "RecipientName,CompanyName,Position\n";
        for (int r = 1; r <= Rows; ++r)
            listText += QStringLiteral("Person %1,Company %1,Job %1\n").arg(r).toUtf8();
        const QString out = path(QStringLiteral("entries-") + tag);
        const Run run = runBatch(listText, out, arguments);
        QCOMPARE(run.exitCode, ExitNothingFailed);

        const QString database = data + QStringLiteral("/Tessaline/letters.sqlite");
        QStringList found, expected;
        for (const LetterEntry &entry : LettersRecord(database).entries())
            found << QStringList{entry.company, entry.recipient, entry.position, entry.format, entry.file, entry.status}
                             .join(u'|');
        for (int r = 1; r <= Rows; ++r) {
            for (const QString &format : formats)
                expected << QStringLiteral("Company %1|Person %1|Job %1|%2|%3/Company %1 - Person %1.%2|written")
                                    .arg(r)
                                    .arg(format, out);
        }
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
        QCOMPARE(QFileInfo::exists(database), !formats.isEmpty());
        if (formats.isEmpty())
            return;
        // The user's alone.
        QCOMPARE(QFileInfo(database).permissions() & 0x0077, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(data + QStringLiteral("/Tessaline")).permissions() & 0x0077, QFileDevice::Permissions());
    }
};

QTEST_GUILESS_MAIN(TestBatchRun)
#include "test_batch_run.moc"
