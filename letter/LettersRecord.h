#pragma once

#include <map>
#include <mutex>
#include <vector>

#include <QDateTime>
#include <QString>

class QSqlDatabase;
class QThread;

// One letter written: saved, exported or printed from the preview, or
// written by a batch. A letter written in two formats is two entries.
struct LetterEntry
{
    qint64 id = 0; // the record's own number; 0 until recorded
    QDateTime when;
    QString company, recipient, position;
    // "doc", "docx", "odt", "pdf" (the formats' command-line names), or
    // PrintedFormat for a letter printed on paper.
    QString format;
    QString file; // absolute path; empty for a letter printed on paper
    QString status = QStringLiteral("written");
};

inline constexpr char PrintedFormat[] = "print";

// What became of the application a letter went with, set by the user.
// Kept as these English keys, whatever the language; shown in the user's.
namespace LetterStatus {
// The keys, in the order they happen.
const std::vector<QString> &keys();
// The user's words for a key ("no answer" in English); the key itself
// for one this version does not know (written by a later version).
QString label(const QString &key);
bool isKnown(const QString &key);
} // namespace LetterStatus

// The record of every letter written, kept in an SQLite database
// (letters.sqlite in $XDG_DATA_HOME/Tessaline), private to the user.
//
// Keeping the record never stops a letter: by the time an entry is added
// the letter is written. A record that cannot be kept (locked by another
// program past a short wait, not a database, on a full disk, in a folder
// that cannot be written) says so once in the life of this object, in
// one sentence for the user (see add()); the reason goes to the
// "tessaline.record" logging category each time.
//
// Qt SQL connections belong to a thread: each thread that uses a record
// opens its own named connection, closed when the record goes. The
// database's schema carries its version (PRAGMA user_version) and is
// brought up to this version's in place.
class LettersRecord
{
public:
    // What to do after a failure: the window tries again with its next
    // letter (the user may have made room); a batch stops trying for the
    // rest of its run, so that a database locked for good never makes
    // each of its letters wait.
    enum class AfterFailure { TryAgain, GiveUp };

    explicit LettersRecord(const QString &databasePath = defaultPath(),
                           AfterFailure afterFailure = AfterFailure::TryAgain);
    ~LettersRecord();
    LettersRecord(const LettersRecord &) = delete;
    LettersRecord &operator=(const LettersRecord &) = delete;

    // $XDG_DATA_HOME/Tessaline/letters.sqlite.
    static QString defaultPath();
    QString path() const { return m_path; }

    // Adds the entries in one transaction. Returns the sentence for the
    // user ("The letter was written, but the record of letters could not
    // be kept: …") the first time keeping the record fails; empty when
    // the entries were added, and for every later failure. Never throws.
    QString add(const std::vector<LetterEntry> &entries);

    // Every entry, oldest first; none when there is no record yet (the
    // database is not made by reading). Throws Failure with the reason.
    std::vector<LetterEntry> entries();
    // Sets an entry's status (a key of LetterStatus). Throws Failure.
    void setStatus(qint64 id, const QString &status);

    // The sentence add() returns, for `reason`.
    static QString failureSentence(const QString &reason);

private:
    // This thread's connection, opened (the database made, when `create`,
    // and brought up to date) on first use. Throws Failure.
    QSqlDatabase connection(bool create);

    QString m_path;
    AfterFailure m_afterFailure;
    bool m_failureSaid = false;
    bool m_gaveUp = false;
    std::mutex m_mutex;
    std::map<QThread *, QString> m_connections;
};
