// Many letters at once, all measured in one run on the same list and the
// same letter: the batch with one office and with one per core, beside two
// peers run here: the office's own mail merge and a loop of
// "soffice --headless --convert-to" per letter. Whole jobs, office start-up
// included; then the batch's cost per letter at 10, 200 and 1,000 rows, with
// the memory of its offices and of the program.
#include <cstdio>

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
#include "MailMergePeer.h"
#include "ScratchFiles.h"

namespace {
constexpr int ListRows = 200;
constexpr int ConvertLetters = 10; // the convert-to loop is slow: a sample
constexpr int PollMs = 20;
constexpr int JobTimeoutMs = 30 * 60 * 1000;

const char *const FirstNames[] = {"Ada", "Bram", "Chloé", "Dmitri", "Eun-ji", "Farah", "Gustav", "Hana", "Ivo", "Jun"};
const char *const LastNames[] = {"Okafor", "Lindqvist", "Moreau", "Petrov", "Kim", "Haddad", "Berg", "Sato", "Novak", "Li"};
const char *const Companies[] = {"Northwind", "Bluefin Labs", "Oak & Ash", "Kestrel Works", "Harbor Freight Co",
                                 "Lumen Studio", "Granite Partners", "Vela Systems"};
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
    v[7] = QStringLiteral("%1 %2").arg(QString::fromUtf8(FirstNames[row % 10]), QString::fromUtf8(LastNames[row / 10 % 10]));
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
    double ms = 0;
    int written = 0;
    long officePeakKb = 0;  // the largest office seen
    long programPeakKb = 0;
    int exitCode = -1;
};

int countFiles(const QString &dir, const QString &pattern)
{
    return int(QDir(dir).entryList({pattern}, QDir::Files).size());
}

JobRun runBatch(const QString &work, const QString &list, int jobs)
{
    const QString out = work + QStringLiteral("/batch-%1-%2").arg(QFileInfo(list).completeBaseName()).arg(jobs);
    QProcess batch;
    batch.setStandardErrorFile(work + QStringLiteral("/batch.log"), QIODevice::Append);
    QElapsedTimer timer;
    timer.start();
    batch.start(QStringLiteral(TESSALINE_PROGRAM), {QStringLiteral("--batch"), list, QStringLiteral("--out"), out,
                                                   QStringLiteral("--jobs"), QString::number(jobs)});
    JobRun run;
    batch.waitForStarted();
    while (!batch.waitForFinished(PollMs)) {
        run.programPeakKb = std::max(run.programPeakKb, procStatusKb(batch.processId(), "VmHWM"));
        for (qint64 office : childProcesses(batch.processId(), QStringLiteral("soffice.bin")))
            run.officePeakKb = std::max(run.officePeakKb, procStatusKb(office, "VmHWM"));
        if (timer.elapsed() > JobTimeoutMs)
            batch.kill();
    }
    run.ms = timer.nsecsElapsed() / 1e6;
    run.exitCode = batch.exitCode();
    run.written = countFiles(out, QStringLiteral("*.doc"));
    return run;
}

// The plain loop: each letter's filled source converted by its own
// "soffice --headless --convert-to doc".
double convertLoopMsPerLetter(const QString &work, int letters)
{
    QFile source(QStringLiteral(TESSALINE_TEMPLATE_SOURCE));
    source.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(source.readAll());
    const QString out = work + QStringLiteral("/convert");
    const QString profile = work + QStringLiteral("/convert-profile");
    double total = 0;
    for (int r = -1; r < letters; ++r) { // the first makes the profile
        const std::array<QString, FieldCount> values = rowValues(std::max(r, 0));
        QString filled = text;
        for (const LetterField &field : LetterFields)
            filled.replace(QString::fromLatin1(field.placeholder), values[size_t(field.index)].toHtmlEscaped());
        const QString file = work + QStringLiteral("/letter-%1.fodt").arg(r + 1);
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(filled.toUtf8());
        f.close();
        QElapsedTimer timer;
        timer.start();
        convertWithSoffice(profile, QStringLiteral("doc:MS Word 97"), out, file);
        if (r >= 0)
            total += timer.nsecsElapsed() / 1e6;
    }
    return total / letters;
}

void printRow(const char *road, int rows, double ms, int written, const QString &extra = {})
{
    std::printf("%-34s %5d rows %9.0f ms %8.1f ms/letter %7.1f letters/s  %4d written  %s\n", road, rows, ms,
                ms / rows, rows / (ms / 1000), written, qPrintable(extra));
}

QString memoryText(const JobRun &run)
{
    return QStringLiteral("office peak %1 MB, program peak %2 MB")
            .arg(run.officePeakKb / 1024.0, 0, 'f', 0).arg(run.programPeakKb / 1024.0, 0, 'f', 0);
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll()).section(u' ', 0, 2);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    qputenv("temp", QFile::encodeName(work.path()));
    const int cores = QThread::idealThreadCount();

    const QString list = work.filePath(QStringLiteral("list.csv"));
    writeList(list, ListRows);
    const QString letterTemplate = work.filePath(QStringLiteral("template.doc"));
    QFile templateFile(letterTemplate);
    templateFile.open(QIODevice::WriteOnly);
    templateFile.write(templateBytes());
    templateFile.close();

    std::printf("Many letters at once, Word 97 output, %d rows with varied recipients, this machine (%d cores),\n"
                "whole jobs including office start-up, all measured in this run (load average at start %s)\n\n",
                ListRows, cores, qPrintable(loadAverage()));

    const JobRun one = runBatch(work.path(), list, 1);
    printRow("tessaline --batch --jobs 1", ListRows, one.ms, one.written, memoryText(one));
    const JobRun all = runBatch(work.path(), list, cores);
    printRow(qPrintable(QStringLiteral("tessaline --batch --jobs %1").arg(cores)), ListRows, all.ms, all.written,
             memoryText(all));

    QDir(work.path()).mkpath(QStringLiteral("merge"));
    const MailMergeRun merge = runMailMerge(list, letterTemplate, work.filePath(QStringLiteral("merge")));
    if (!merge.failure.isEmpty())
        std::printf("mail merge failed: %s\n", qPrintable(merge.failure));
    printRow("office mail merge (MailMerge)", ListRows, merge.wholeJobMs, merge.lettersWritten,
             QStringLiteral("office start %1 ms, merge alone %2 ms/letter")
                     .arg(merge.officeStartMs, 0, 'f', 0).arg(merge.mergeMs / ListRows, 0, 'f', 1));

    const double convert = convertLoopMsPerLetter(work.path(), ConvertLetters);
    std::printf("%-34s %5d rows %9s    %8.1f ms/letter %7.1f letters/s  (a sample of %d letters)\n",
                "soffice --convert-to per letter", ConvertLetters, "", convert, 1000 / convert, ConvertLetters);

    std::printf("\nbatch whole job / mail merge whole job (--jobs %d): %.2f\n", cores, all.ms / merge.wholeJobMs);

    // The whole job's cost per letter falls as the start-up spreads; what
    // each further letter costs (the slope between two sizes) stays flat.
    std::printf("\nCost per letter as the list grows (--jobs %d)\n", cores);
    int previousRows = 0;
    double previousMs = 0;
    for (int rows : {10, 200, 1000}) {
        const QString sized = work.filePath(QStringLiteral("list%1.csv").arg(rows));
        writeList(sized, rows);
        const JobRun run = runBatch(work.path(), sized, cores);
        QString extra = memoryText(run);
        if (previousRows > 0)
            extra += QStringLiteral(", each further letter %1 ms")
                             .arg((run.ms - previousMs) / (rows - previousRows), 0, 'f', 1);
        printRow("tessaline --batch", rows, run.ms, run.written, extra);
        previousRows = rows;
        previousMs = run.ms;
    }
    std::printf("\nload average at end %s\n", qPrintable(loadAverage()));
    return 0;
}
