#include <csignal>

#include <QProcess>
#include <QtTest>

#include "Failure.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "DocumentReader.h"
#include "ScratchFiles.h"

namespace {
constexpr int Spares = LibreOfficeAutomation::ProgramSpares;

qint64 self()
{
    return QCoreApplication::applicationPid();
}

std::vector<qint64> offices(qint64 parent)
{
    return childProcesses(parent, QStringLiteral("soffice.bin"));
}

bool contains(const std::vector<qint64> &v, qint64 x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

void waitUntilReady(LibreOfficeAutomation &automation)
{
    QTRY_COMPARE_WITH_TIMEOUT(automation.readySpares(), Spares, 60000);
}
} // namespace

// Spare offices: started ahead of need, each handed out once, replaced at
// once, and never outliving the program.
class TestSpares : public QObject
{
    Q_OBJECT

private slots:
    void eachCreateTakesAFreshSpareAndReplacesIt()
    {
        LibreOfficeAutomation automation({.spares = Spares});
        automation.startSpares();
        waitUntilReady(automation);
        const std::vector<qint64> before = automation.spareProcessIds();
        QCOMPARE(int(before.size()), Spares);

        auto first = automation.createApplication();
        const qint64 firstPid = automation.lastInstanceProcessId();
        QVERIFY(contains(before, firstPid));                            // a spare, already running
        QTRY_COMPARE(int(automation.spareProcessIds().size()), Spares); // replaced at once
        QVERIFY(!contains(automation.spareProcessIds(), firstPid));
        first->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(firstPid), LibreOfficeAutomation::QuitTimeoutMs + 5000);

        auto second = automation.createApplication();
        const qint64 secondPid = automation.lastInstanceProcessId();
        QVERIFY(secondPid != firstPid); // never a used one
        QVERIFY(contains(before, secondPid));
        second->quit();
        QTRY_COMPARE(int(automation.spareProcessIds().size()), Spares);
    }

    // A print job's office reaches the print service: it is started for
    // the job, and the spares stay for the letters.
    void aPrintJobStartsItsOwnOfficeAndLeavesTheSpares()
    {
        LibreOfficeAutomation automation({.spares = Spares});
        automation.startSpares();
        waitUntilReady(automation);
        const std::vector<qint64> spares = automation.spareProcessIds();

        auto printing = automation.createApplication(nullptr, word::OfficeUse::Printing);
        const qint64 printer = automation.lastInstanceProcessId();
        QVERIFY(!contains(spares, printer));
        QCOMPARE(automation.spareProcessIds(), spares);
        auto document = printing->documents().open(QFINDTESTDATA("data/stories.fodt"), {.readOnly = true});
        document->close();
        printing->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(printer), LibreOfficeAutomation::QuitTimeoutMs + 5000);
        QCOMPARE(automation.spareProcessIds(), spares);
    }

    void aSpareDoesTheWorkOfAnInstance_data()
    {
        QTest::addColumn<bool>("warmedUp");
        QTest::newRow("fresh") << false;
        // Its own document, opened and closed before, stays out of the way.
        QTest::newRow("warmed up with the template") << true;
    }

    void aSpareDoesTheWorkOfAnInstance()
    {
        QFETCH(bool, warmedUp);
        LibreOfficeAutomation automation(
                {.spares = Spares, .warmUpDocument = warmedUp ? templateBytes(LetterDesign::Classic) : QByteArray()});
        automation.startSpares();
        waitUntilReady(automation);
        auto office = automation.createApplication();
        QTemporaryDir dir;
        const QString source = QFINDTESTDATA("data/stories.fodt");
        auto document = office->documents().open(source, {.readOnly = true});
        QCOMPARE(office->activeDocument(), document);
        document->saveAs(dir.filePath(QStringLiteral("out.doc")));
        document->close();
        QVERIFY_THROWS_EXCEPTION(Failure, office->activeDocument()); // nothing else is open
        office->quit();
        QVERIFY(DocumentReader().read(dir.filePath(QStringLiteral("out.doc"))).bodyText().contains(u'['));
    }

    void sparesEndWithTheProgram()
    {
        const size_t before = offices(self()).size();
        {
            LibreOfficeAutomation automation({.spares = Spares});
            automation.startSpares();
            // An office in its jail appears once the jail has started it.
            QTRY_COMPARE(offices(self()).size(), before + Spares);
            // Half started or ready, they all go.
        }
        QCOMPARE(offices(self()).size(), before);
    }

    void sparesDieWithAProgramKilledBySigkill()
    {
        QProcess child;
        child.start(QStringLiteral(OFFICE_CHILD_PROGRAM), {QStringLiteral("--spares")});
        QVERIFY(child.waitForReadyRead(90000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        const auto spares = offices(child.processId());
        QCOMPARE(int(spares.size()), Spares);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        for (qint64 pid : spares)
            QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(pid), 10000);
    }

    void aSpareThatHungWhileIdleIsKilledAndNotHandedOut()
    {
        LibreOfficeAutomation automation({.spares = Spares});
        automation.startSpares();
        waitUntilReady(automation);
        const std::vector<qint64> spares = automation.spareProcessIds();
        QVERIFY(stopProcess(spares.front()));

        auto office = automation.createApplication();
        const qint64 handedOut = automation.lastInstanceProcessId();
        QVERIFY(handedOut != spares.front());
        QVERIFY(!processIsAlive(spares.front())); // checked, found silent, killed
        auto document = office->documents().open(QFINDTESTDATA("data/stories.fodt"), {.readOnly = true});
        document->close();
        office->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(handedOut), LibreOfficeAutomation::QuitTimeoutMs + 5000);
    }

    void aSpareThatHangsBeforeItIsReadyIsReplacedNotHandedOut()
    {
        // Stopped as it starts or warms up: its deadline ends it, and the
        // office handed out is another that works.
        const std::vector<qint64> before = offices(self());
        LibreOfficeAutomation automation(
                {.spares = 1, .warmUpDocument = templateBytes(LetterDesign::Classic), .callDeadlineMs = 3000});
        automation.startSpares();
        QTRY_COMPARE_WITH_TIMEOUT(offices(self()).size(), before.size() + 1, 30000);
        qint64 hung = 0;
        for (qint64 pid : offices(self()))
            hung = contains(before, pid) ? hung : pid;
        QVERIFY(stopProcess(hung));

        auto office = automation.createApplication();
        QVERIFY(automation.lastInstanceProcessId() != hung);
        QTRY_VERIFY(!processIsAlive(hung));
        auto document = office->documents().open(QFINDTESTDATA("data/stories.fodt"), {.readOnly = true});
        document->close();
        office->quit();
    }

    void aHungSpareDoesNotHoldUpTheProgramsEnd()
    {
        std::vector<qint64> spares;
        {
            LibreOfficeAutomation automation({.spares = Spares});
            automation.startSpares();
            waitUntilReady(automation);
            spares = automation.spareProcessIds();
            for (qint64 pid : spares)
                QVERIFY(stopProcess(pid));
        } // a request to a stopped office would never be answered
        for (qint64 pid : spares)
            QVERIFY(!processIsAlive(pid));
    }

    void withoutAnOfficeThereAreNoSparesAndCreateFails()
    {
        LibreOfficeAutomation automation(
                {.spares = Spares, .officeProgram = QStringLiteral("/nonexistent/soffice.bin")});
        automation.startSpares();
        QVERIFY(automation.spareProcessIds().empty());
        QVERIFY_THROWS_EXCEPTION(Failure, automation.createApplication());
    }
};

QTEST_GUILESS_MAIN(TestSpares)
#include "test_spares.moc"
