#include "LetterBatch.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QTemporaryDir>
#include <QThread>

#include "ErrorTrap.h"
#include "Failure.h"
#include "FileInPlace.h"
#include "FullDisk.h"
#include "LetterEngine.h"
#include "LetterFill.h"
#include "LetterList.h"
#include "LetterNames.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "RunMark.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

namespace {
// A row that takes longer than this has a hung office, which is killed.
// Generous: an office under load is slow, and a killed row is retried.
constexpr int RowDeadlineMs = 60000;
// A row whose office crashed or hung is tried this many times in all.
constexpr int RowAttempts = 2;
// How often the scheduler looks at the clock, the offices and Ctrl+C.
constexpr int SchedulerSliceMs = 100;

// The steps of one letter of a batch, numbered as the window's handlers are.
constexpr int StepReplace = 102;
constexpr int StepWriteFormat = 104;

std::atomic<bool> stopRequested{false};
// Written to when a stop is asked, to wake a wait on a file (the list
// being read from a FIFO) that the flag alone would not end.
int stopPipe[2] = {-1, -1};

extern "C" void requestStop(int)
{
    stopRequested = true;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], "", 1);
}

// SIGINT and SIGTERM ask the batch to stop; a second one ends the program
// at once (its offices die with it all the same).
class StopSignals
{
public:
    StopSignals()
    {
        stopRequested = false;
        if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            stopPipe[0] = stopPipe[1] = -1;
        struct sigaction action {};
        action.sa_handler = requestStop;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
        for (int &end : stopPipe) {
            if (end >= 0)
                ::close(end);
            end = -1;
        }
    }

    // Readable once a stop has been asked.
    static int wakeFd() { return stopPipe[0]; }

    // Workers leave the signals to the scheduler's thread.
    static void blockInThisThread()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        sigaddset(&set, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &set, nullptr);
    }

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

struct Job
{
    size_t row = 0;
    QString name; // file name without its extension
    int attempt = 1;
};

struct Outcome
{
    enum class Status { Written, Skipped, Failed };
    Status status = Status::Failed;
    QString detail;
    bool officeFailed = false;     // crashed, hung or broken: try the row elsewhere
    bool freshLetterNeeded = false; // the template must be opened afresh
    bool noPlaceholders = false;    // the template holds none
    bool diskFull = false;          // no further letter fits
};

// One office of the pool and the letter it is making. The scheduler's
// thread alone starts, replaces and ends the office (its process belongs to
// that thread); a task of the batch's pool makes one letter with it while
// it has a job.
struct Slot
{
    std::shared_ptr<word::Application> office;
    std::shared_ptr<word::Document> letter;
    // The template's placeholders, found once; goes before the letter.
    std::unique_ptr<PreparedLetter> prepared;
    qint64 processId = 0;
    bool usable = false;
    std::optional<Job> job;
    std::optional<QFuture<Outcome>> making; // the job's letter, once started
    QElapsedTimer busyFor;
    bool killed = false;
};

QString plural(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

// One line however many there are: a list of thousands of columns is no
// screenful of notes.
QString unknownColumnsNote(const QStringList &columns)
{
    if (columns.size() == 1)
        return QObject::tr("Column \"%1\" is ignored: it repeats another column or has no name.").arg(columns.front());
    return QObject::tr("Columns \"%1\" are ignored: they repeat other columns or have no name.")
            .arg(columns.join(QStringLiteral("\", \"")));
}

class Batch
{
public:
    Batch(const BatchOptions &options, BatchProgress::Output output) : m_options(options), m_output(output) { }
    ~Batch() { ScratchFiles::removeRunFolder(); }
    int run();

private:
    int prepare();
    void startOffices(int count);
    void openLetter(Slot &slot);
    bool replaceOffice(Slot &slot);
    std::shared_ptr<word::Document> openTemplate(word::Application &office) const;
    void closeLetter(Slot &slot);
    void startJob(Slot &slot, const Job &job);
    Outcome work(Slot &slot, const Job &job);
    Outcome makeLetter(Slot &slot, const Job &job);
    void finishJob(Slot &slot, const Job &job, Outcome outcome, bool killed);
    void schedule();
    void endOffices();
    QString targetPath(const QString &name, word::LetterFormat format) const;

    const BatchOptions &m_options;
    BatchProgress::Output m_output;
    std::unique_ptr<BatchProgress> m_progress;
    LetterList m_list;
    std::deque<Job> m_pending;
    // Where the offices write, inside the output folder: hidden, private,
    // on the same file system, and removed with whatever it holds (by a
    // later batch into the folder when this one is killed).
    std::unique_ptr<MarkedFolder> m_staging;
    QString m_source;   // the user's template, empty for the built-in one
    QString m_template; // its copy in the scratch folder
    // The user's words for the built-in letter's body, when it is used.
    std::optional<QString> m_letterText;
    std::unique_ptr<LibreOfficeAutomation> m_automation;
    std::vector<std::unique_ptr<Slot>> m_slots;
    // How each place of the template takes new text: tried once, on the
    // first office's copy.
    std::optional<std::vector<word::PlaceholderPlaces::Behaviour>> m_placeBehaviours;
    // Every placeholder a row of the list fills.
    std::vector<QString> m_placeholders;
    std::mutex m_trialMutex;

    // The letters are made as QtConcurrent tasks of the batch's own pool,
    // one thread per office; each finished letter wakes the scheduler.
    QThreadPool m_pool;
    QSemaphore m_letterDone;

    int m_written = 0, m_skipped = 0, m_failed = 0;
    bool m_noPlaceholdersNoted = false;
    // Set once a letter did not fit: no new row starts.
    bool m_diskFull = false;
};

// As many offices as asked, else one per RowsPerOffice letters up to the
// cores; never more than there are letters.
int officeCount(int jobs, size_t letters)
{
    const size_t wanted = jobs > 0 ? size_t(jobs)
                                   : std::min<size_t>(size_t(std::max(1, QThread::idealThreadCount())),
                                                      1 + letters / RowsPerOffice);
    return int(std::max<size_t>(1, std::min(wanted, letters)));
}

QString Batch::targetPath(const QString &name, word::LetterFormat format) const
{
    return QDir(m_options.outFolder).filePath(name + u'.'
                                              + QString::fromLatin1(word::letterFormatInfo(format).suffix));
}

// Reads the list and the template, makes the output folder and names the
// letters. Returns an exit status when the batch cannot run at all.
int Batch::prepare()
{
    std::array<QString, FieldCount> stored;
    SettingsStore store;
    for (int i = 0; i < FieldCount; ++i)
        stored[size_t(i)] = store.read(i);
    std::optional<LetterList> list = readLetterList(m_options.listPath, stored, storedSenderDetails(), letterDate(),
                                                    StopSignals::wakeFd());
    if (!list)
        return ExitInterrupted;
    m_list = std::move(*list);
    m_progress = std::make_unique<BatchProgress>(stderr, stdout, m_output, int(m_list.rows.size()));
    if (!m_list.unknownColumns.isEmpty())
        m_progress->note(unknownColumnsNote(m_list.unknownColumns));

    if (!QDir().mkpath(m_options.outFolder) || !QFileInfo(m_options.outFolder).isDir())
        throw Failure(QObject::tr("Cannot make the folder %1").arg(QDir::toNativeSeparators(m_options.outFolder)));
    // What ended batches left in this folder, and ended runs in the
    // temporary folder, goes first.
    const QDir out(m_options.outFolder);
    for (const QString &name : out.entryList({QStringLiteral(".tessaline-??????")},
                                             QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
        RunMark::removeIfAbandoned(out.filePath(name));
    ScratchFiles::removeLeftoversOfDeadRuns();
    m_staging = std::make_unique<MarkedFolder>(out.filePath(QStringLiteral(".tessaline-XXXXXX")));
    if (!m_staging->isValid())
        throw Failure(QObject::tr("Cannot write in %1: %2")
                              .arg(QDir::toNativeSeparators(m_options.outFolder), m_staging->errorString()));
    const QString scratch = ScratchFiles::folder();

    // The template: the one asked for, else the window's choice, else the
    // built-in one; copied once into the private scratch folder, where
    // every office opens it read-only.
    QString source = m_options.templatePath.isEmpty() ? QString() : QFileInfo(m_options.templatePath).absoluteFilePath();
    if (source.isEmpty()) {
        source = LetterTemplate::storedChoice();
        if (!source.isEmpty() && !QFileInfo(source).isFile()) {
            m_progress->note(QObject::tr("The template chosen in the window, %1, is missing; the built-in one is used.")
                                     .arg(QDir::toNativeSeparators(source)));
            source.clear();
        }
    }
    m_source = source;
    const QByteArray bytes = LetterTemplate::readChosen(source);
    m_template = source.isEmpty() ? ScratchFiles::templateCopyPath(scratch)
                                  : scratch + QStringLiteral("/template.") + QFileInfo(source).suffix();
    SaveBytesToFile(bytes, m_template);
    // The built-in letter in the user's words, as the window makes it; a
    // letter text that cannot be read leaves the built-in body.
    if (source.isEmpty()) {
        try {
            m_letterText = LetterText::read(LetterText::filePath());
        } catch (const FileProblem &problem) {
            m_progress->note(problem.description());
        }
    }

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
        if (row.empty) {
            ++m_skipped;
            m_progress->rowDone(QObject::tr("line %1: skipped: the row is empty").arg(row.line),
                                BatchProgress::Kind::Notable);
            continue;
        }
        if (!row.problem.isEmpty()) {
            ++m_failed;
            m_progress->rowDone(QObject::tr("line %1: failed: %2").arg(row.line).arg(row.problem),
                                BatchProgress::Kind::Notable);
            continue;
        }
        good.push_back(i);
        wanted.push_back(names.nameFor(row.texts, row.further));
        for (const QString &placeholder : placeholdersOf(placeholderReplacements(row.texts, row.further))) {
            if (std::find(m_placeholders.begin(), m_placeholders.end(), placeholder) == m_placeholders.end())
                m_placeholders.push_back(placeholder);
        }
    }
    // Every name is decided now and given once, so that no letter of the
    // run replaces another, or is skipped for one the run has written.
    const std::vector<QString> unique = LetterNames::unique(wanted, [&](const QString &name) {
        return std::any_of(m_options.formats.begin(), m_options.formats.end(),
                           [&](word::LetterFormat format) { return QFileInfo::exists(targetPath(name, format)); });
    });
    for (size_t k = 0; k < good.size(); ++k)
        m_pending.push_back({good[k], unique[k]});
    return ExitNothingFailed;
}

void Batch::startOffices(int count)
{
    // The first has been starting while the list was read; the others
    // start now and come up side by side; none is started later except to
    // replace one that failed.
    m_automation->startSpares(count);
    m_pool.setMaxThreadCount(count);
    for (int i = 0; i < count; ++i) {
        auto slot = std::make_unique<Slot>();
        try {
            slot->office = m_automation->createApplication();
            slot->processId = m_automation->lastInstanceProcessId();
            openLetter(*slot);
            slot->usable = true;
        } catch (const LetterTemplate::Problem &) {
            throw; // the template cannot be used at all
        } catch (const Failure &failure) {
            // The first one tells whether the template can be used at all.
            if (i == 0)
                throw Failure(QObject::tr("Cannot start an office with the template: %1").arg(failure.description()));
            m_progress->note(QObject::tr("An office could not be started: %1").arg(failure.description()));
        }
        m_slots.push_back(std::move(slot));
    }
}

bool Batch::replaceOffice(Slot &slot)
{
    // Ending the old instance: it is dead or killed already, or its
    // template could not be put back.
    slot.prepared.reset();
    slot.letter.reset();
    slot.office.reset();
    slot.usable = false;
    slot.killed = false;
    try {
        slot.office = m_automation->createApplication();
        slot.processId = m_automation->lastInstanceProcessId();
        openLetter(slot);
        slot.usable = true;
    } catch (const Failure &failure) {
        slot.prepared.reset();
        slot.letter.reset();
        slot.office.reset();
        m_progress->note(QObject::tr("An office could not be started again: %1").arg(failure.description()));
    }
    return slot.usable;
}

// Opens the template in the slot's office, puts the body in the user's
// words in place and finds the placeholders. The
// first copy also tries how each place takes new text (see
// word::PlaceholderPlaces::Behaviour): the trial leaves a fresh copy
// needed, and a place that loses its formatting once emptied (a row's
// empty field) needs one before the next letter.
void Batch::openLetter(Slot &slot)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        closeLetter(slot);
        slot.letter = openTemplate(*slot.office);
        // The built-in letter in the user's words, before the placeholders
        // are found, so that those of the user's words are filled too.
        if (m_letterText)
            putLetterText(*slot.letter, *m_letterText);
        // What an OpenDocument letter costs the office, halved.
        if (std::find(m_options.formats.begin(), m_options.formats.end(), word::LetterFormat::OpenDocument)
            != m_options.formats.end())
            slot.letter->removeUnusedTableStyles();
        slot.prepared = std::make_unique<PreparedLetter>(*slot.letter, m_placeholders);
        std::lock_guard lock(m_trialMutex);
        if (m_placeBehaviours) {
            slot.prepared->places().setBehaviours(*m_placeBehaviours);
            return;
        }
        m_placeBehaviours = slot.prepared->places().tryPlaces();
        if (!slot.prepared->places().needsFreshDocument())
            return;
    }
}

// The places go first: they hold references into the document.
void Batch::closeLetter(Slot &slot)
{
    slot.prepared.reset();
    if (slot.letter)
        slot.letter->close(word::WdSaveOptions::DoNotSaveChanges);
    slot.letter.reset();
}

// Problems of a user's template name the user's file, not the copy.
std::shared_ptr<word::Document> Batch::openTemplate(word::Application &office) const
{
    return LetterTemplate::openCopy(office, m_template, m_source);
}

void Batch::startJob(Slot &slot, const Job &job)
{
    slot.job = job;
    slot.busyFor.start();
    slot.making = QtConcurrent::run(&m_pool, [this, &slot, job] { return work(slot, job); });
    // Runs once the letter is made, so that the scheduler it wakes finds
    // the task finished.
    slot.making->then(QtFuture::Launch::Sync, [this](const Outcome &) { m_letterDone.release(); });
}

// One job, on a thread of the pool.
Outcome Batch::work(Slot &slot, const Job &job)
{
    StopSignals::blockInThisThread();
    Outcome outcome = makeLetter(slot, job);
    if (outcome.freshLetterNeeded && !outcome.officeFailed) {
        try {
            openLetter(slot);
            outcome.freshLetterNeeded = false;
        } catch (const Failure &) {
            // The scheduler replaces the office.
        }
    }
    return outcome;
}

// One letter: set the places of the loaded template to the row's texts,
// write each format beside its target, then move the files into place. The
// next letter sets the places again. Runs on a thread of the batch's pool.
Outcome Batch::makeLetter(Slot &slot, const Job &job)
{
    word::Document &letter = *slot.letter;
    const LetterRow &row = m_list.rows[job.row];
    Outcome outcome;
    std::vector<word::LetterFormat> formats;
    for (word::LetterFormat format : m_options.formats) {
        if (m_options.overwrite == Overwrite::Replace || !QFileInfo::exists(targetPath(job.name, format)))
            formats.push_back(format);
    }
    if (formats.empty()) {
        outcome.status = Outcome::Status::Skipped;
        outcome.detail = QObject::tr("%1 already exists").arg(job.name);
        return outcome;
    }

    QString problem;
    bool placeholderFound = true;
    ErrorTrap trap([&](const QString &description, int line) {
        if (!problem.isEmpty())
            return;
        // A sentence of ours first; the office's own words after it.
        problem = line == StepWriteFormat ? QObject::tr("the office could not write the letter (%1)").arg(description)
                                          : QObject::tr("the office could not fill in the letter (%1)").arg(description);
    });
    // A letter that did not fit says so, for every row after it too.
    auto diskFull = [&] {
        const std::optional<QString> reason = fullDiskReason(m_staging->path());
        if (reason) {
            outcome.diskFull = true;
            outcome.detail = fullDiskMessage(m_options.outFolder, *reason);
        }
        return reason.has_value();
    };
    std::vector<std::pair<QString, word::LetterFormat>> scratch;
    // The same fill as the window's letter.
    trap.step(StepReplace, [&] {
        slot.prepared->fill(placeholderReplacements(row.texts, row.further));
        placeholderFound = slot.prepared->hasPlaceholders();
        letter.setBuiltInProperties(letterProperties(row.texts, QDateTime::currentDateTime()));
    });
    // A template without placeholders makes the same letter every time,
    // which the run says once.
    outcome.noPlaceholders = !placeholderFound;
    for (word::LetterFormat format : formats) {
        trap.step(StepWriteFormat, [&] {
            scratch.emplace_back(reserveScratch(m_staging->path(), targetPath(job.name, format)), format);
            letter.exportCopy(scratch.back().first, format);
        });
    }
    outcome.freshLetterNeeded = slot.prepared->places().needsFreshDocument();

    if (!problem.isEmpty()) {
        for (const auto &[path, format] : scratch)
            QFile::remove(path);
        if (diskFull())
            return outcome;
        outcome.detail = problem;
        // Is it the row, or the office? An office that no longer answers
        // gets the row again on a fresh one.
        try {
            letter.range();
        } catch (const std::exception &) {
            outcome.officeFailed = true;
        }
        return outcome;
    }

    QStringList written, kept;
    for (const auto &[path, format] : scratch) {
        const QString target = targetPath(job.name, format);
        try {
            if (publishFile(path, target, m_options.overwrite) == Published::Written)
                written.append(QFileInfo(target).fileName());
            else
                kept.append(QFileInfo(target).fileName());
        } catch (const Failure &failure) {
            if (problem.isEmpty())
                problem = failure.description();
        }
    }
    if (!problem.isEmpty()) {
        if (!diskFull())
            outcome.detail = problem;
        return outcome;
    }
    outcome.status = kept.isEmpty() && formats.size() == m_options.formats.size() ? Outcome::Status::Written
                                                                                  : Outcome::Status::Skipped;
    outcome.detail = written.join(QStringLiteral(", "));
    return outcome;
}

// Counts and reports a finished job, or puts its row back for a second
// attempt on a fresh office. Runs on the scheduler's thread.
void Batch::finishJob(Slot &slot, const Job &job, Outcome outcome, bool killed)
{
    const int line = m_list.rows[job.row].line;
    if (killed)
        outcome.detail = QObject::tr("the office did not answer within %1 seconds and was ended").arg(RowDeadlineMs / 1000);
    if (outcome.diskFull && !m_diskFull) {
        m_diskFull = true;
        m_progress->note(outcome.detail + QObject::tr(" No new letter is started; those in progress end."));
    }
    if (outcome.noPlaceholders && !m_noPlaceholdersNoted) {
        m_noPlaceholdersNoted = true;
        m_progress->note(QObject::tr("The letter template %1 holds none of the placeholders, such as [YourName] "
                                     "or [CompanyName], so none of the entries are in the letters. They are made "
                                     "all the same.")
                                 .arg(QDir::toNativeSeparators(m_source)));
    }

    if (outcome.officeFailed || outcome.freshLetterNeeded)
        replaceOffice(slot);
    if (outcome.officeFailed && job.attempt < RowAttempts && !stopRequested) {
        m_progress->note(QObject::tr("line %1: the office failed (%2); trying again on a fresh one")
                                 .arg(line).arg(outcome.detail));
        m_pending.push_front({job.row, job.name, job.attempt + 1});
        return;
    }
    switch (outcome.status) {
    case Outcome::Status::Written:
        ++m_written;
        m_progress->rowDone(QObject::tr("line %1: written %2").arg(line).arg(outcome.detail),
                            BatchProgress::Kind::Ordinary);
        break;
    case Outcome::Status::Skipped:
        ++m_skipped;
        m_progress->rowDone(QObject::tr("line %1: skipped: %2 (--force replaces it)")
                                    .arg(line).arg(outcome.detail.isEmpty() ? job.name : outcome.detail),
                            BatchProgress::Kind::Notable);
        break;
    case Outcome::Status::Failed:
        ++m_failed;
        m_progress->rowDone(QObject::tr("line %1: failed: %2").arg(line).arg(outcome.detail),
                            BatchProgress::Kind::Notable);
        break;
    }
}

void Batch::schedule()
{
    bool stopNoted = false;
    for (;;) {
        for (auto &slot : m_slots) {
            if (slot->making && slot->making->isFinished()) {
                const Job job = *slot->job;
                const Outcome outcome = slot->making->result();
                slot->job.reset();
                slot->making.reset();
                finishJob(*slot, job, outcome, slot->killed); // the other letters go on meanwhile
            }
        }
        if (stopRequested && !stopNoted) {
            stopNoted = true;
            m_progress->note(QObject::tr("Stopping: the letters in progress are finished, no new ones start."));
        }
        bool anyUsable = false, anyBusy = false;
        for (auto &slot : m_slots) {
            if (slot->usable && !slot->job && !m_pending.empty() && !stopRequested && !m_diskFull) {
                startJob(*slot, m_pending.front());
                m_pending.pop_front();
            }
            anyUsable = anyUsable || slot->usable;
            anyBusy = anyBusy || slot->job.has_value();
        }
        if (!anyBusy && (m_pending.empty() || stopRequested || m_diskFull || !anyUsable))
            break;
        // A hung office is killed; its worker's call then fails and the row
        // goes to a fresh office.
        for (auto &slot : m_slots) {
            if (slot->making && !slot->making->isFinished() && !slot->killed && slot->busyFor.hasExpired(RowDeadlineMs)) {
                slot->killed = true;
                ::kill(pid_t(slot->processId), SIGKILL);
            }
        }
        m_progress->tick();
        m_letterDone.tryAcquire(1, SchedulerSliceMs);
    }
    if (!stopRequested && !m_diskFull) {
        // Rows left with no office to make them.
        for (const Job &job : m_pending) {
            ++m_failed;
            m_progress->rowDone(QObject::tr("line %1: failed: no office could be started")
                                        .arg(m_list.rows[job.row].line),
                                BatchProgress::Kind::Notable);
        }
        m_pending.clear();
    }
}

void Batch::endOffices()
{
    m_pool.waitForDone(); // the letters in progress end first
    for (auto &slot : m_slots) {
        try {
            closeLetter(*slot);
            if (slot->office)
                slot->office->quit();
        } catch (const Failure &) {
            // It ends with its object below all the same.
        }
        slot->prepared.reset();
        slot->letter.reset();
        slot->office.reset();
    }
    m_slots.clear();
}

int Batch::run()
{
    StopSignals stopSignals;
    // The first office starts while the list is read: the first letter
    // then waits for neither.
    m_automation = std::make_unique<LibreOfficeAutomation>(m_options.jobs > 0 ? m_options.jobs : QThread::idealThreadCount(),
                                                           LibreOfficeAutomation::Refill::Never);
    m_automation->startSpares(1);
    try {
        if (prepare() == ExitInterrupted) {
            std::printf("%s\n", qPrintable(QObject::tr("Stopped before the list was read: no letter written.")));
            return ExitInterrupted;
        }
        if (!m_pending.empty() && !stopRequested)
            startOffices(officeCount(m_options.jobs, m_pending.size()));
    } catch (const LetterTemplate::Problem &problem) {
        endOffices();
        const QString text = QObject::tr("The letter template %1 %2")
                                     .arg(QDir::toNativeSeparators(problem.path()), problem.whatIsWrong());
        if (m_progress)
            m_progress->fail(text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
        return ExitUsage;
    } catch (const Failure &failure) {
        endOffices();
        if (m_progress)
            m_progress->fail(failure.description());
        else
            std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
        return ExitUsage;
    }
    schedule();
    endOffices();

    const int notDone = int(m_pending.size());
    QString summary = QObject::tr("%1: %2 written, %3 skipped, %4 failed")
                              .arg(plural(int(m_list.rows.size()), "row", "rows"))
                              .arg(m_written).arg(m_skipped).arg(m_failed);
    if (stopRequested)
        summary = QObject::tr("Stopped. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    else if (m_diskFull)
        summary = QObject::tr("Stopped: the disk is full. ") + summary + QObject::tr(", %1 not done").arg(notDone);
    m_progress->finish(summary);
    if (stopRequested)
        return ExitInterrupted;
    return m_failed == 0 && notDone == 0 ? ExitNothingFailed : ExitSomeFailed;
}
} // namespace

int runBatch(const BatchOptions &options, BatchProgress::Output output)
{
    Batch batch(options, output);
    return batch.run();
}
