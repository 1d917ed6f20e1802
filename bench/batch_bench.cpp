// Many letters at once, all measured in one run on the same list and the
// same letter: the office's own mail merge and the batch in turns, at least
// three rounds, each round and the medians; then every format, one and two
// offices, and the batch's cost per further letter from 10 to 200 to 1,000
// rows, with the memory of its offices and of the program. Whole jobs,
// office start-up included, and what the user waits for of them (first and
// last letter in place). The first argument asks for more rounds;
// "start [rounds]" measures the start-up and the whole job alone.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "BenchSupport.h"
#include "DocumentReader.h"
#include "LetterFields.h"
#include "LetterTemplate.h"
#include "MailMergePeer.h"
#include "ScratchFiles.h"

namespace {
constexpr int ListRows = 200;
// How often a watched job's memory is read. The peaks are high-water
// marks, so a rare look loses nothing; a frequent one (reading every
// process of the machine) would take a core's time from the job itself.
constexpr int MemoryPollMs = 250;
constexpr int JobTimeoutMs = 30 * 60 * 1000;
// How often an unwatched job's output folder is counted.
constexpr int LetterPollMs = 10;

const char *const FirstNames[] = {"Ada", "Bram", "Chloé", "Dmitri", "Eun-ji", "Farah", "Gustav", "Hana", "Ivo", "Jun"};
const char *const LastNames[]
        = {"Okafor", "Lindqvist", "Moreau", "Petrov", "Kim", "Haddad", "Berg", "Sato", "Novak", "Li"};
const char *const Companies[] = {"Northwind",         "Bluefin Labs", "Oak & Ash",        "Kestrel Works",
                                 "Harbor Freight Co", "Lumen Studio", "Granite Partners", "Vela Systems"};
const char *const Titles[] = {"Hiring Manager", "Director", "Head of Design", "Recruiter", "CTO"};

QString csvField(const QString &text)
{
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The sample letter's values for every field, recipients varied by row.
std::array<QString, FieldCount> rowValues(int row)
{
    std::array<QString, FieldCount> v;
    for (const LetterField &field : LetterFields)
        v[size_t(field.index)] = field.sampleValue ? QString::fromUtf8(field.sampleValue) : QString();
    v[7] = QStringLiteral("%1 %2").arg(QString::fromUtf8(FirstNames[row % 10]),
                                       QString::fromUtf8(LastNames[row / 10 % 10]));
    v[10] = QString::fromUtf8(Titles[row % 5]);
    v[11] = QStringLiteral("%1 %2").arg(QString::fromUtf8(Companies[row % 8])).arg(row + 1);
    v[4] = QStringLiteral("%1 Harbour Road").arg(10 + row);
    v[2] = QString::number(90000 + row);
    v[12] = QStringLiteral("December 7, 2026");
    return v;
}

// Every placeholder a column, named without brackets.
void writeList(const QString &path, int rows)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QStringList header;
    for (const LetterField &field : LetterFields) {
        const QString p = QString::fromLatin1(field.placeholder);
        header.append(p.mid(1, p.size() - 2));
    }
    file.write(header.join(u',').toUtf8() + "\n");
    for (int r = 0; r < rows; ++r) {
        QStringList fields;
        for (const QString &value : rowValues(r))
            fields.append(csvField(value));
        file.write(fields.join(u',').toUtf8() + "\n");
    }
}

struct JobRun
{
    double ms = 0;            // start to the process's end
    double firstLetterMs = 0; // start to the first letter in place
    double lastLetterMs = 0;  // start to the last letter in place
    int written = 0;
    long officePeakKb = 0; // the largest office seen
    long programPeakKb = 0;
    int exitCode = -1;
};

int countFiles(const QString &dir, const QString &pattern)
{
    return int(QDir(dir).entryList({pattern}, QDir::Files).size());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Memory { Watched, Unwatched };

// A batch run; jobs 0 leaves --jobs to the batch's own choice. Unwatched,
// it runs as the mail merge does, with nothing else reading the machine.
JobRun runBatch(const QString &work, const QString &list, int jobs, const QString &format = QStringLiteral("doc"),
                Memory memory = Memory::Watched)
{
    static int runs = 0;
    const QString out = work + QStringLiteral("/batch-%1").arg(++runs);
    QStringList arguments{QStringLiteral("--batch"),  list,  QStringLiteral("--out"), out,
                          QStringLiteral("--format"), format};
    if (jobs > 0)
        arguments << QStringLiteral("--jobs") << QString::number(jobs);
    QProcess batch;
    batch.setStandardErrorFile(work + QStringLiteral("/batch.log"), QIODevice::Append);
    QElapsedTimer timer;
    timer.start();
    // Another build's program may stand in (TESSALINE_BENCH_PROGRAM), so
    // that a change is measured before and after in one run.
    batch.start(qEnvironmentVariable("TESSALINE_BENCH_PROGRAM", QStringLiteral(TESSALINE_PROGRAM)), arguments);
    JobRun run;
    batch.waitForStarted();
    if (memory == Memory::Unwatched) {
        // Letters are moved into place whole: a count of the folder's
        // letters, now and then, sees each as the user would.
        const QString pattern = QStringLiteral("*.") + format;
        const int rows = QString::fromUtf8(readAll(list)).count(u'\n') - 1;
        while (!batch.waitForFinished(LetterPollMs)) {
            const int written = countFiles(out, pattern);
            if (written > 0 && run.firstLetterMs == 0)
                run.firstLetterMs = timer.nsecsElapsed() / 1e6;
            if (written >= rows && run.lastLetterMs == 0)
                run.lastLetterMs = timer.nsecsElapsed() / 1e6;
            if (timer.elapsed() > JobTimeoutMs)
                batch.kill();
        }
    }
    while (memory == Memory::Watched && !batch.waitForFinished(MemoryPollMs)) {
        run.programPeakKb = std::max(run.programPeakKb, procStatusKb(batch.processId(), "VmHWM"));
        for (qint64 office : childProcesses(batch.processId(), QStringLiteral("soffice.bin")))
            run.officePeakKb = std::max(run.officePeakKb, procStatusKb(office, "VmHWM"));
        if (timer.elapsed() > JobTimeoutMs)
            batch.kill();
    }
    run.ms = timer.nsecsElapsed() / 1e6;
    for (double *moment : {&run.firstLetterMs, &run.lastLetterMs})
        if (*moment == 0)
            *moment = run.ms; // in place only as the process ended
    run.exitCode = batch.exitCode();
    run.written = countFiles(out, QStringLiteral("*.") + format);
    QDir(out).removeRecursively();
    return run;
}

void printRow(const char *road, int rows, double ms, int written, const QString &extra = {})
{
    std::printf("%-34s %5d rows %9.0f ms %8.1f ms/letter %7.1f letters/s  %4d written  %s\n", road, rows, ms, ms / rows,
                rows / (ms / 1000), written, qPrintable(extra));
}

QString memoryText(const JobRun &run)
{
    return QStringLiteral("office peak %1 MB, program peak %2 MB")
            .arg(run.officePeakKb / 1024.0, 0, 'f', 0)
            .arg(run.programPeakKb / 1024.0, 0, 'f', 0);
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll()).section(u' ', 0, 2);
}
double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
// What the user waits for, the office's own mail merge beside the batch,
// both from the start: the first letter in place (for the merge, its
// office up), the last letter in place, and the process's end; with no
// ready office profile yet and with one, the same state for both.
void startUpAndWholeJob(QTemporaryDir &work, const QString &list, const QString &letterTemplate, int rounds)
{
    const QString cache = work.filePath(QStringLiteral("cache"));
    for (const bool profile : {false, true}) {
        std::printf("Word 97, %d rows, %d rounds, %s ready office profile, from the start (ms):\n", ListRows, rounds,
                    profile ? "with a" : "without a");
        std::printf("%-7s %12s %12s %12s   %12s %12s %12s  %s\n", "round", "merge: up", "last letter", "ended",
                    "batch: first", "last letter", "ended", "load");
        std::vector<double> up, mergeLast, mergeEnd, first, last, end;
        for (int round = 1; round <= rounds; ++round) {
            auto fresh = [&] {
                if (!profile)
                    for (const QString &name :
                         QDir(cache).entryList({QStringLiteral("tessaline-office-profile-*")}, QDir::Dirs))
                        QDir(cache + u'/' + name).removeRecursively();
            };
            fresh();
            const QString out = work.filePath(QStringLiteral("start-merge-%1").arg(round));
            QDir().mkpath(out);
            const MailMergeRun merge = runMailMerge(list, letterTemplate, out);
            QDir(out).removeRecursively();
            fresh();
            const JobRun batch = runBatch(work.path(), list, 0, QStringLiteral("doc"), Memory::Unwatched);
            up.push_back(merge.officeStartMs);
            mergeLast.push_back(merge.lastLetterMs);
            mergeEnd.push_back(merge.wholeJobMs);
            first.push_back(batch.firstLetterMs);
            last.push_back(batch.lastLetterMs);
            end.push_back(batch.ms);
            std::printf("%-7d %12.0f %12.0f %12.0f   %12.0f %12.0f %12.0f  %s%s\n", round, merge.officeStartMs,
                        merge.lastLetterMs, merge.wholeJobMs, batch.firstLetterMs, batch.lastLetterMs, batch.ms,
                        qPrintable(loadAverage()), merge.failure.isEmpty() ? "" : " (merge failed)");
        }
        std::printf("%-7s %12.0f %12.0f %12.0f   %12.0f %12.0f %12.0f\n", "median", median(up), median(mergeLast),
                    median(mergeEnd), median(first), median(last), median(end));
        std::printf("batch first letter / merge office up %.2f (goal 1.10); batch last letter / merge last letter "
                    "%.2f (goal 0.80)\n\n",
                    median(first) / median(up), median(last) / median(mergeLast));
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // "start [rounds]" measures the start-up and whole job alone.
    const bool startOnly = argc > 1 && qstrcmp(argv[1], "start") == 0;
    const int roundsArgument = startOnly ? 2 : 1;
    const int rounds = std::max(3, argc > roundsArgument ? QString::fromLocal8Bit(argv[roundsArgument]).toInt() : 3);
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    // The ready office profile lives here, where the bench can remove it.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(work.filePath(QStringLiteral("cache"))));
    qputenv("temp", QFile::encodeName(work.path()));
    const int cores = QThread::idealThreadCount();

    const QString list = work.filePath(QStringLiteral("list.csv"));
    writeList(list, ListRows);
    const QString letterTemplate = work.filePath(QStringLiteral("template.doc"));
    QFile templateFile(letterTemplate);
    templateFile.open(QIODevice::WriteOnly);
    templateFile.write(templateBytes(LetterDesign::Classic));
    templateFile.close();

    std::printf("Many letters at once, %d rows with varied recipients, this machine (%d cores), whole jobs\n"
                "including office start-up, all measured in this run (load average at start %s)\n\n",
                ListRows, cores, qPrintable(loadAverage()));
    // Not measured: makes the office's ready profile once, as any first
    // run of a user does.
    {
        const QString warm = work.filePath(QStringLiteral("warm.csv"));
        writeList(warm, 2);
        runBatch(work.path(), warm, 1);
    }

    if (startOnly) {
        startUpAndWholeJob(work, list, letterTemplate, rounds);
        return 0;
    }

    // The mail merge and the batch in turns, so that a change of load
    // falls on both alike.
    std::printf("Word 97, %d rounds, mail merge and batch (default --jobs) alternating\n", rounds);
    std::vector<double> merges, batches, ratios;
    for (int round = 1; round <= rounds; ++round) {
        auto mergeRun = [&] {
            const QString out = work.filePath(QStringLiteral("merge-%1").arg(round));
            QDir().mkpath(out);
            const MailMergeRun merge = runMailMerge(list, letterTemplate, out);
            if (!merge.failure.isEmpty())
                std::printf("mail merge failed: %s\n", qPrintable(merge.failure));
            QDir(out).removeRecursively();
            return merge;
        };
        MailMergeRun merge;
        JobRun batch;
        if (round % 2) {
            merge = mergeRun();
            batch = runBatch(work.path(), list, 0, QStringLiteral("doc"), Memory::Unwatched);
        } else {
            batch = runBatch(work.path(), list, 0, QStringLiteral("doc"), Memory::Unwatched);
            merge = mergeRun();
        }
        merges.push_back(merge.wholeJobMs);
        batches.push_back(batch.ms);
        ratios.push_back(batch.ms / merge.wholeJobMs);
        std::printf("round %d: mail merge %6.0f ms (%d written), batch %6.0f ms (%d written), batch/merge %.2f, "
                    "load %s\n",
                    round, merge.wholeJobMs, merge.lettersWritten, batch.ms, batch.written, batch.ms / merge.wholeJobMs,
                    qPrintable(loadAverage()));
    }
    std::printf("median:  mail merge %6.0f ms, batch %6.0f ms, batch/merge %.2f\n\n", median(merges), median(batches),
                median(ratios));

    startUpAndWholeJob(work, list, letterTemplate, rounds);

    // The office's own OpenDocument writer sets a floor under every .odt
    // letter: the mail merge writes its letters through it too.
    {
        const QString out = work.filePath(QStringLiteral("merge-odt"));
        QDir().mkpath(out);
        const MailMergeRun merge = runMailMerge(list, letterTemplate, out, true);
        if (!merge.failure.isEmpty())
            std::printf("mail merge to .odt failed: %s\n", qPrintable(merge.failure));
        QDir(out).removeRecursively();
        const JobRun batch = runBatch(work.path(), list, 1, QStringLiteral("odt"), Memory::Unwatched);
        std::printf("OpenDocument, one office each: mail merge %6.0f ms (%d written, the merge alone %.1f ms a "
                    "letter), batch --jobs 1 %6.0f ms (%d written)\n\n",
                    merge.wholeJobMs, merge.lettersWritten, merge.mergeMs / std::max(1, merge.lettersWritten), batch.ms,
                    batch.written);
    }

    std::printf("Whole %d-row jobs by format and office count\n", ListRows);
    for (const char *format : {"doc", "docx", "odt", "pdf"}) {
        const JobRun run = runBatch(work.path(), list, 0, QString::fromLatin1(format));
        printRow(qPrintable(QStringLiteral("--format %1").arg(QString::fromLatin1(format))), ListRows, run.ms,
                 run.written, memoryText(run));
    }
    for (int jobs = 1; jobs <= std::min(cores, 2); ++jobs) {
        const JobRun run = runBatch(work.path(), list, jobs);
        printRow(qPrintable(QStringLiteral("--format doc --jobs %1").arg(jobs)), ListRows, run.ms, run.written,
                 memoryText(run));
    }

    // The whole job's cost per letter falls as the start-up spreads; what
    // each further letter costs (the slope between two sizes) stays flat,
    // and so does the memory.
    for (const char *format : {"doc", "docx", "odt"}) {
        std::printf("\nCost per letter as the list grows, --format %s (default --jobs)\n", format);
        int previousRows = 0;
        double previousMs = 0;
        for (int rows : {10, 200, 1000}) {
            const QString sized = work.filePath(QStringLiteral("list%1.csv").arg(rows));
            writeList(sized, rows);
            const JobRun run = runBatch(work.path(), sized, 0, QString::fromLatin1(format));
            QString extra = memoryText(run);
            if (previousRows > 0)
                extra += QStringLiteral(", each further letter %1 ms")
                                 .arg((run.ms - previousMs) / (rows - previousRows), 0, 'f', 1);
            printRow("tessaline --batch", rows, run.ms, run.written, extra);
            previousRows = rows;
            previousMs = run.ms;
        }
    }
    std::printf("\nload average at end %s\n", qPrintable(loadAverage()));
    return 0;
}
