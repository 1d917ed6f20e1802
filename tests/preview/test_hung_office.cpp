#include <QDirIterator>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "FileInPlace.h"
#include "JobProgress.h"
#include "LetterRun.h"
#include "LibreOfficeAutomation.h"
#include "OfficeDeadline.h"
#include "OfficeJob.h"
#include "SaveBuiltInLetter.h"
#include "ScratchFiles.h"
#include "WindowPointer.h"

namespace {
qint64 self()
{
    return QCoreApplication::applicationPid();
}

// Every file under a folder, the run's scratch folder included, but for
// the page picture of the last letter shown (each letter replaces it).
QStringList filesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (const QString file = it.next(); !file.endsWith(QLatin1String("/temp.bmp")))
            files << file;
    files.sort();
    return files;
}
} // namespace

// The office a job is handed hangs (stopped, as a hung office looks from
// outside): the window goes on answering, shows its progress with Cancel
// as it would for any slow job, and Cancel leaves no file and no office.
class TestHungOffice : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    QString m_letter;

private slots:
    void initTestCase()
    {
        qputenv("temp", QFile::encodeName(m_scratch.path()));
        LibreOfficeAutomation office;
        const MadeLetter made = makeLetter(office, sampleRequest());
        QVERIFY2(made.canShow(), qPrintable(reportTexts(made).join(u'\n')));
        m_letter = made.document;
    }

    void cancelEndsAJobWhoseOfficeHangs_data()
    {
        QTest::addColumn<QString>("job");
        // Stopped while it waits as a spare: the letter, an export, the
        // built-in letter's copy.
        QTest::newRow("the letter") << QStringLiteral("letter");
        QTest::newRow("an export") << QStringLiteral("export");
        QTest::newRow("the built-in letter's copy") << QStringLiteral("built-in");
    }

    void cancelEndsAJobWhoseOfficeHangs()
    {
        QFETCH(QString, job);
        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("letter.docx"));
        const QStringList scratchBefore = filesIn(m_scratch.path());
        std::vector<qint64> spares;
        {
            LibreOfficeAutomation office({.spares = 1});
            office.startSpares();
            QTRY_COMPARE_WITH_TIMEOUT(office.readySpares(), 1, 60000);
            spares = office.spareProcessIds();
            QVERIFY(stopProcess(spares.front()));

            std::unique_ptr<BackgroundJob> work;
            if (job == QLatin1String("letter"))
                work = std::make_unique<LetterEngine>(office, sampleRequest());
            else if (job == QLatin1String("export"))
                work = OfficeJob::exportLetter(office, m_letter, target, word::LetterFormat::WordXml);
            else
                work = std::make_unique<SaveBuiltInLetterJob>(office, target, word::LetterFormat::WordXml,
                                                              PaperSize::Letter, LetterDesign::Classic, std::nullopt);
            QWidget window;
            window.show();
            WindowPointer pointer(&window);
            JobProgress progress(&window, pointer);
            // The user waits for the progress window and cancels; the
            // window's thread must be free to show it in time (before the
            // office's own check of the spare would have given up on it).
            QElapsedTimer sinceClick;
            qint64 shownAfter = -1;
            QTimer cancel;
            connect(&cancel, &QTimer::timeout, this, [&] {
                auto *dialog = window.findChild<QProgressDialog *>();
                if (shownAfter >= 0 || !dialog || !dialog->isVisible())
                    return;
                shownAfter = sinceClick.elapsed();
                QCOMPARE(pointer.code(), WindowPointer::Busy);
                dialog->findChild<QPushButton *>()->click();
            });
            cancel.start(20);
            sinceClick.start();
            QCOMPARE(progress.run(*work, QStringLiteral("Working…")), JobProgress::Outcome::Cancelled);
            QVERIFY2(shownAfter >= 0 && shownAfter < SpareAnswerDeadlineMs,
                     qPrintable(QStringLiteral("progress shown after %1 ms").arg(shownAfter)));
            QVERIFY(!processIsAlive(spares.front()));
        }
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(filesIn(out.path()), QStringList());
        QCOMPARE(filesIn(m_scratch.path()), scratchBefore);
        QVERIFY(childProcesses(self(), QStringLiteral("soffice.bin")).empty());
    }
};

QTEST_MAIN(TestHungOffice)
#include "test_hung_office.moc"
