#include "LettersRecord.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include "Failure.h"
#include "FullDisk.h"

// Each failure to keep the record, with the database's own words; silent
// unless switched on (QT_LOGGING_RULES="tessaline.record=true").
Q_LOGGING_CATEGORY(lcRecord, "tessaline.record", QtCriticalMsg)

namespace {
// How long a letter waits for another program (a batch, a second window)
// that is writing the record: its writes take milliseconds, so a longer
// wait means it holds the database for good.
constexpr int BusyTimeoutMs = 1500;

// The schema's steps, one per version: a database of version n has had the
// first n. A later version appends its steps and never changes these, so
// that every older record is brought up to date in place.
constexpr std::array<const char *, 2> SchemaSteps = {
        "CREATE TABLE letters (id INTEGER PRIMARY KEY, written_at TEXT NOT NULL, company TEXT NOT NULL DEFAULT '', "
        "recipient TEXT NOT NULL DEFAULT '', position TEXT NOT NULL DEFAULT '', format TEXT NOT NULL, "
        "file TEXT NOT NULL DEFAULT '', status TEXT NOT NULL DEFAULT 'written')",
        // Listed newest first, in the window and on the command line.
        "CREATE INDEX letters_by_time ON letters (written_at)",
};
constexpr int SchemaVersion = int(SchemaSteps.size());

// SQLite's result codes (the driver passes them on as text).
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADb = 26
};

// Why the database at `path` failed, in the user's words.
QString reasonFor(const QSqlError &error, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    const int code = error.nativeErrorCode().toInt() & 0xff;
    switch (code) {
    case Busy:
    case Locked:
        return QObject::tr("%1 is in use by another program").arg(shown);
    case Corrupt:
    case NotADb:
        return QObject::tr("%1 is damaged or is not a record of letters").arg(shown);
    case Full:
    case IoError:
        if (const std::optional<QString> reason = fullDiskReason(folder))
            return QObject::tr("the disk that holds %1 is full (%2)").arg(QDir::toNativeSeparators(folder), *reason);
        if (code == Full)
            return QObject::tr("the disk that holds %1 is full").arg(QDir::toNativeSeparators(folder));
        break;
    case ReadOnly:
    case CantOpen:
        return QObject::tr("%1 cannot be written").arg(shown);
    default:
        break;
    }
    return QObject::tr("%1: %2").arg(shown, error.databaseText());
}

class RecordFailure : public Failure
{
public:
    RecordFailure(const QSqlError &error, const QString &path, const char *step)
        : Failure(reasonFor(error, path)),
          diagnostic(
                  QStringLiteral("%1: %2 (%3)").arg(QString::fromLatin1(step), error.text(), error.nativeErrorCode()))
    { }
    RecordFailure(const QString &reason, const QString &why) : Failure(reason), diagnostic(why) { }
    QString diagnostic;
};

void run(QSqlQuery &query, const QString &path, const char *step)
{
    if (!query.exec())
        throw RecordFailure(query.lastError(), path, step);
}

void run(QSqlDatabase &db, const QString &statement, const QString &path, const char *step)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw RecordFailure(query.lastError(), path, step);
}

int userVersion(QSqlDatabase &db, const QString &path)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        throw RecordFailure(query.lastError(), path, "reading the schema's version");
    return query.value(0).toInt();
}

// Brings the schema up to this version's, in one transaction: another
// program opening the same record meanwhile finds it old or new, never
// half done.
void upgrade(QSqlDatabase &db, const QString &path)
{
    if (userVersion(db, path) == SchemaVersion)
        return;
    run(db, QStringLiteral("BEGIN IMMEDIATE"), path, "upgrading the schema");
    try {
        const int version = userVersion(db, path);
        if (version > SchemaVersion) {
            // A later version's record: its steps only add to ours.
            qCInfo(lcRecord) << path << "has schema version" << version << "newer than" << SchemaVersion;
        } else {
            for (int step = version; step < SchemaVersion; ++step)
                run(db, QString::fromLatin1(SchemaSteps[size_t(step)]), path, "upgrading the schema");
            run(db, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion), path, "upgrading the schema");
            qCInfo(lcRecord) << path << "upgraded from schema version" << version << "to" << SchemaVersion;
        }
        run(db, QStringLiteral("COMMIT"), path, "upgrading the schema");
    } catch (const Failure &) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

// The record's folder, made the user's alone when this makes it, and an
// empty database file of the user's alone (SQLite would give it the
// usual mode, readable by all).
void makeDatabaseFile(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray encodedFolder = QFile::encodeName(folder);
    if (!QFileInfo(folder).isDir()) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (::mkdir(encodedFolder.constData(), 0700) != 0 && errno != EEXIST)
            throw RecordFailure(QObject::tr("%1 cannot be made").arg(QDir::toNativeSeparators(folder)),
                                QString::fromLocal8Bit(std::strerror(errno)));
    }
    const int fd
            = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno != EEXIST)
        throw RecordFailure(QObject::tr("%1 cannot be written").arg(QDir::toNativeSeparators(path)),
                            QString::fromLocal8Bit(std::strerror(errno)));
}

// A null text would be bound as NULL, which the columns refuse.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

LetterEntry entryFrom(const QSqlQuery &query)
{
    LetterEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.when = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
    entry.company = query.value(2).toString();
    entry.recipient = query.value(3).toString();
    entry.position = query.value(4).toString();
    entry.format = query.value(5).toString();
    entry.file = query.value(6).toString();
    entry.status = query.value(7).toString();
    return entry;
}
} // namespace

namespace LetterStatus {
namespace {
// The keys are English words, each its own source text for translation.
constexpr std::array<const char *, 6> Words = {QT_TR_NOOP("written"), QT_TR_NOOP("sent"),     QT_TR_NOOP("interview"),
                                               QT_TR_NOOP("offer"),   QT_TR_NOOP("rejected"), QT_TR_NOOP("no answer")};
} // namespace

const std::vector<QString> &keys()
{
    static const std::vector<QString> all = [] {
        std::vector<QString> words;
        for (const char *word : Words)
            words.push_back(QString::fromLatin1(word));
        return words;
    }();
    return all;
}

QString label(const QString &key)
{
    for (const char *word : Words) {
        if (key == QLatin1String(word))
            return QCoreApplication::translate("LetterStatus", word);
    }
    return key;
}

bool isKnown(const QString &key)
{
    const std::vector<QString> &all = keys();
    return std::find(all.begin(), all.end(), key) != all.end();
}
} // namespace LetterStatus

LettersRecord::LettersRecord(const QString &databasePath, AfterFailure afterFailure)
    : m_path(databasePath), m_afterFailure(afterFailure)
{ }

LettersRecord::~LettersRecord()
{
    for (const auto &[thread, name] : m_connections)
        QSqlDatabase::removeDatabase(name);
}

QString LettersRecord::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/Tessaline/letters.sqlite");
}

QString LettersRecord::failureSentence(const QString &reason)
{
    return QObject::tr("The letter was written, but the record of letters could not be kept: %1.").arg(reason);
}

QSqlDatabase LettersRecord::connection(bool create)
{
    std::lock_guard lock(m_mutex);
    QThread *thread = QThread::currentThread();
    if (const auto found = m_connections.find(thread); found != m_connections.end())
        return QSqlDatabase::database(found->second, false);
    if (create)
        makeDatabaseFile(m_path);
    const QString name
            = QStringLiteral("tessaline-letters-%1-%2").arg(quintptr(this), 0, 16).arg(quintptr(thread), 0, 16);
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid())
            throw RecordFailure(QObject::tr("Qt's SQLite driver is missing"), db.lastError().text());
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open())
            throw RecordFailure(db.lastError(), m_path, "opening");
        upgrade(db, m_path);
        // A row is added after each letter a batch writes: with a write-ahead
        // log and no flush to the disk at each commit, adding one costs no
        // wait on the disk, which a rollback journal's two flushes a row
        // made a fifth of a 200-row batch. A power cut may lose the last
        // rows of the record, never the record itself.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        m_connections.emplace(thread, name);
        return db;
    } catch (const Failure &) {
        // Opened afresh next time: the file may have been put right.
        QSqlDatabase::removeDatabase(name);
        throw;
    }
}

QString LettersRecord::add(const std::vector<LetterEntry> &entries)
{
    if (m_gaveUp || entries.empty())
        return {};
    try {
        QSqlDatabase db = connection(true);
        run(db, QStringLiteral("BEGIN IMMEDIATE"), m_path, "adding");
        try {
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO letters (written_at, company, recipient, position, format, "
                                          "file, status) VALUES (?, ?, ?, ?, ?, ?, ?)"));
            for (const LetterEntry &entry : entries) {
                insert.addBindValue(entry.when.toUTC().toString(Qt::ISODateWithMs));
                insert.addBindValue(notNull(entry.company));
                insert.addBindValue(notNull(entry.recipient));
                insert.addBindValue(notNull(entry.position));
                insert.addBindValue(notNull(entry.format));
                insert.addBindValue(notNull(entry.file));
                insert.addBindValue(notNull(entry.status));
                run(insert, m_path, "adding");
            }
            run(db, QStringLiteral("COMMIT"), m_path, "adding");
        } catch (const Failure &) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
        return {};
    } catch (const Failure &failure) {
        const auto *recordFailure = dynamic_cast<const RecordFailure *>(&failure);
        qCWarning(lcRecord) << "cannot add to" << m_path << ":" << failure.description()
                            << (recordFailure ? recordFailure->diagnostic : QString());
        m_gaveUp = m_afterFailure == AfterFailure::GiveUp;
        if (m_failureSaid)
            return {};
        m_failureSaid = true;
        return failureSentence(failure.description());
    }
}

std::vector<LetterEntry> LettersRecord::entries()
{
    if (!QFileInfo::exists(m_path))
        return {};
    QSqlDatabase db = connection(false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, written_at, company, recipient, position, format, file, status "
                                   "FROM letters ORDER BY written_at, id")))
        throw RecordFailure(query.lastError(), m_path, "reading");
    std::vector<LetterEntry> all;
    while (query.next())
        all.push_back(entryFrom(query));
    return all;
}

void LettersRecord::setStatus(qint64 id, const QString &status)
{
    QSqlDatabase db = connection(false);
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE letters SET status = ? WHERE id = ?"));
    update.addBindValue(status);
    update.addBindValue(id);
    run(update, m_path, "setting a status");
}
