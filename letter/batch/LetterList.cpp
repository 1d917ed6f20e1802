#include "LetterList.h"

#include <algorithm>
#include <cstring>

#include <csv.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringDecoder>

#include "Failure.h"
#include "Placeholders.h"
#include "RegularFile.h"

namespace {
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

struct Record
{
    int line = 0;
    QStringList fields;
};

// Collects libcsv's records with the line each starts on. The data is fed
// one physical line at a time, so the line being fed is known when a
// record ends, and the next record starts on the following line.
class RecordCollector
{
public:
    std::vector<Record> records;
    int feedingLine = 1;

    static void onField(void *data, size_t length, void *self)
    {
        auto &c = *static_cast<RecordCollector *>(self);
        c.current.fields.append(QString::fromUtf8(static_cast<const char *>(data), qsizetype(length)));
    }

    static void onRecordEnd(int terminator, void *self)
    {
        auto &c = *static_cast<RecordCollector *>(self);
        // The line feed of a CR LF pair ends no row of its own.
        const bool secondHalfOfCrLf = terminator == '\n' && c.lastTerminator == '\r' && c.current.fields.isEmpty()
                && c.lastEndLine == c.feedingLine;
        c.lastTerminator = terminator;
        c.lastEndLine = c.feedingLine;
        if (!secondHalfOfCrLf) {
            c.current.line = c.nextStart;
            c.records.push_back(std::move(c.current));
        }
        c.current = Record{};
        c.nextStart = c.feedingLine + 1;
    }

private:
    Record current;
    int nextStart = 1;
    int lastTerminator = -1;
    int lastEndLine = 0;
};

// Only a space surrounds a field: a tab may be the separator.
int isSpace(unsigned char c)
{
    return c == CSV_SPACE;
}

std::vector<Record> parseRecords(const QByteArray &data, char separator)
{
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        throw Failure(QObject::tr("Cannot read the list: out of memory"));
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    if (separator == '\t')
        csv_set_space_func(&parser, isSpace);
    RecordCollector collector;
    qsizetype at = 0;
    bool failed = false;
    while (at < data.size() && !failed) {
        qsizetype end = data.indexOf('\n', at);
        end = end < 0 ? data.size() : end + 1;
        const size_t length = size_t(end - at);
        failed = csv_parse(&parser, data.constData() + at, length, &RecordCollector::onField,
                           &RecordCollector::onRecordEnd, &collector)
                != length;
        if (!failed)
            ++collector.feedingLine;
        at = end;
    }
    if (!failed) {
        --collector.feedingLine; // the end of the data lies on the last line
        failed = csv_fini(&parser, &RecordCollector::onField, &RecordCollector::onRecordEnd, &collector) != 0;
    }
    const int error = csv_error(&parser);
    csv_free(&parser);
    if (failed) {
        if (error == CSV_EPARSE)
            throw Failure(QObject::tr("line %1: a quote is misplaced or never closed (a field that "
                                      "holds quotes must be quoted, with each quote doubled)")
                                  .arg(collector.feedingLine));
        throw Failure(
                QObject::tr("line %1: %2").arg(collector.feedingLine).arg(QString::fromLatin1(csv_strerror(error))));
    }
    return std::move(collector.records);
}

// Far beyond a list of every letter anyone sends.
constexpr qint64 MaximumListBytes = 100 * 1024 * 1024;

// The whole file. Read through poll() rather than a blocking read, so that a
// FIFO whose writer is slow or never comes holds up no stop: nullopt once
// `stopFd` is readable. Throws Failure with the system's reason.
std::optional<QByteArray> readUnlessStopped(const QString &path, int stopFd)
{
    const auto systemFailure = [] { return Failure(QString::fromLocal8Bit(std::strerror(errno))); };
    // Non-blocking: opening a FIFO would otherwise wait for its writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw systemFailure();
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat info
    { };
    if (::fstat(fd, &info) != 0)
        throw systemFailure();
    if (S_ISDIR(info.st_mode))
        throw Failure(QObject::tr("it is a folder, not a list"));
    // A pipe or a device may never end: what no list reaches stops it.
    const auto tooLarge = [] {
        return Failure(QObject::tr("it is larger than %1").arg(RegularFile::sizeInWords(MaximumListBytes)));
    };
    if (info.st_size > MaximumListBytes)
        throw tooLarge();
    QByteArray data;
    char buffer[65536];
    for (;;) {
        pollfd watched[2] = {{fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        if (::poll(watched, stopFd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw systemFailure();
        }
        if (stopFd >= 0 && watched[1].revents != 0)
            return std::nullopt;
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0 && data.size() + count > MaximumListBytes)
            throw tooLarge();
        if (count > 0)
            data.append(buffer, count);
        else if (count == 0)
            return data;
        else if (errno != EINTR && errno != EAGAIN)
            throw systemFailure();
    }
}
} // namespace

QString placeholderNamed(const QString &text)
{
    QString name = text.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2).trimmed();
    if (name.contains(u'[') || name.contains(u']'))
        return QString();
    return name;
}

int fieldNamed(const QString &text)
{
    const QString name = Placeholders::key(placeholderNamed(text));
    if (name.isEmpty())
        return -1;
    for (const LetterField &field : LetterFields) {
        if (name == Placeholders::key(QString::fromLatin1(field.placeholder)))
            return field.index;
    }
    return -1;
}

char separatorOf(const QByteArray &data)
{
    constexpr char Candidates[] = {',', ';', '\t'};
    int counts[3] = {0, 0, 0};
    bool quoted = false, begun = false;
    for (const char c : data) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (begun)
                break; // the header line ends; empty lines before it are passed over
        } else if (!quoted) {
            for (int i = 0; i < 3; ++i)
                counts[i] += c == Candidates[i];
        }
        begun = begun || (c != '\n' && c != '\r');
    }
    const int most = int(std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts));
    const bool alone = std::count(std::begin(counts), std::end(counts), counts[most]) == 1;
    return alone ? Candidates[most] : ',';
}

namespace {
// Where a column's text goes: a field, a further placeholder, or nowhere.
struct Column
{
    int field = -1;
    qsizetype further = -1;
    qsizetype alsoFurther = -1; // its own name too (see ListColumn::alsoFills)
};

// The position of a further placeholder among the row's, by its key (see
// Placeholders::key); -1 for none.
qsizetype furtherIndex(const QStringList &names, const QString &name)
{
    const QString wanted = Placeholders::key(name);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (Placeholders::key(names[i]) == wanted)
            return i;
    }
    return -1;
}

bool holdsNul(const QString &text)
{
    return text.contains(QChar(0));
}
} // namespace

LetterList parseLetterList(const QByteArray &bytes, const std::array<QString, FieldCount> &stored,
                           const FurtherValues &storedDetails, const QString &today, char separator,
                           const ColumnNames::Mapping &byHand)
{
    QByteArray data = bytes;
    if (data.startsWith(ByteOrderMark))
        data.remove(0, qsizetype(sizeof ByteOrderMark) - 1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8.decode(data));
    if (utf8.hasError())
        throw Failure(QObject::tr("it is not UTF-8 text (save it from the spreadsheet as \"CSV UTF-8\")"));

    LetterList list;
    list.separator = separator != 0 ? separator : separatorOf(data);
    std::vector<Record> records = parseRecords(data, list.separator);
    // Empty lines at the very end are no rows.
    while (!records.empty() && records.back().fields.isEmpty())
        records.pop_back();
    auto header = std::find_if(records.begin(), records.end(), [](const Record &r) { return !r.fields.isEmpty(); });
    if (header == records.end())
        throw Failure(QObject::tr("it has no header row naming the columns"));
    if (std::any_of(header->fields.begin(), header->fields.end(), holdsNul))
        throw Failure(
                QObject::tr("line %1: a column's name holds a NUL character (is it a text file?)").arg(header->line));

    for (const auto &[name, text] : storedDetails)
        list.furtherNames.append(name);
    std::vector<bool> hasFurtherColumn(size_t(list.furtherNames.size()), false);
    // The further placeholder of a name, added to the row's when new.
    const auto furtherFor = [&](const QString &placeholder) {
        qsizetype further = furtherIndex(list.furtherNames, placeholder);
        if (further < 0) {
            further = list.furtherNames.size();
            list.furtherNames.append(placeholder);
            hasFurtherColumn.push_back(false);
        }
        return further;
    };
    const std::vector<ColumnNames::Placement> placements = ColumnNames::place(header->fields, byHand);
    std::vector<Column> columns;
    for (qsizetype c = 0; c < header->fields.size(); ++c) {
        const QString &name = header->fields[c];
        const ColumnNames::Placement &placement = placements[size_t(c)];
        const QString &placeholder = placement.placeholder;
        Column column;
        const int field = placeholder.isEmpty() ? -1 : fieldNamed(placeholder);
        const qsizetype known = field >= 0 || placeholder.isEmpty() ? -1 : furtherIndex(list.furtherNames, placeholder);
        if (field >= 0 && !list.hasColumn[size_t(field)]) {
            list.hasColumn[size_t(field)] = true;
            column.field = field;
        } else if (field < 0 && !placeholder.isEmpty() && (known < 0 || !hasFurtherColumn[size_t(known)])) {
            column.further = furtherFor(placeholder);
            hasFurtherColumn[size_t(column.further)] = true;
        } else {
            list.unknownColumns.append(name.isEmpty() ? QObject::tr("(a column without a name)") : name);
            columns.push_back(column);
            continue;
        }
        ListColumn listed{name,      column.field, column.further >= 0 ? list.furtherNames[column.further] : QString(),
                          QString(), placement.by, placement.sideChosen};
        if (!placement.alsoFills.isEmpty()) {
            const qsizetype also = furtherIndex(list.furtherNames, placement.alsoFills);
            if (also < 0 || !hasFurtherColumn[size_t(also)]) {
                column.alsoFurther = furtherFor(placement.alsoFills);
                hasFurtherColumn[size_t(column.alsoFurther)] = true;
                listed.alsoFills = list.furtherNames[column.alsoFurther];
            }
        }
        list.columns.push_back(listed);
        columns.push_back(column);
    }

    for (auto record = std::next(header); record != records.end(); ++record) {
        LetterRow row;
        row.line = record->line;
        for (int field : SenderFields)
            row.texts[size_t(field)] = stored[size_t(field)];
        row.texts[DateFieldIndex] = today;
        row.further = storedDetails;
        for (qsizetype i = qsizetype(storedDetails.size()); i < list.furtherNames.size(); ++i)
            row.further.emplace_back(list.furtherNames[i], QString());
        if (std::all_of(record->fields.begin(), record->fields.end(),
                        [](const QString &field) { return field.trimmed().isEmpty(); })) {
            row.empty = true;
        } else if (record->fields.size() != qsizetype(columns.size())) {
            row.problem = QObject::tr("the row has %1 fields, the header has %2")
                                  .arg(record->fields.size())
                                  .arg(columns.size());
        } else if (const auto nul = std::find_if(record->fields.begin(), record->fields.end(), holdsNul);
                   nul != record->fields.end()) {
            // Never an empty field in its place: the letter would lack it unseen.
            row.problem = QObject::tr("the field of column \"%1\" holds a NUL character (is the list a text file?)")
                                  .arg(header->fields[nul - record->fields.begin()]);
        } else {
            for (size_t c = 0; c < columns.size(); ++c) {
                if (columns[c].field >= 0)
                    row.texts[size_t(columns[c].field)] = record->fields[qsizetype(c)];
                else if (columns[c].further >= 0)
                    row.further[size_t(columns[c].further)].second = record->fields[qsizetype(c)];
                if (columns[c].alsoFurther >= 0)
                    row.further[size_t(columns[c].alsoFurther)].second = record->fields[qsizetype(c)];
            }
        }
        list.rows.push_back(std::move(row));
    }
    return list;
}

std::optional<LetterList> readLetterList(const QString &path, const std::array<QString, FieldCount> &stored,
                                         const FurtherValues &storedDetails, const QString &today, char separator,
                                         int stopFd, const ColumnNames::Mapping &byHand)
{
    try {
        const std::optional<QByteArray> data = readUnlessStopped(path, stopFd);
        if (!data)
            return std::nullopt;
        return parseLetterList(*data, stored, storedDetails, today, separator, byHand);
    } catch (const Failure &failure) {
        throw Failure(QObject::tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), failure.description()));
    }
}

namespace {
QString quotedNames(const QStringList &names)
{
    return u'"' + names.join(QStringLiteral("\", \"")) + u'"';
}
} // namespace

QStringList placementNotes(const LetterList &list, const std::array<QString, FieldCount> &stored)
{
    QStringList toRecipient, recipientPlaces, replacing, senderPlaces;
    QString recipientExample, senderExample;
    for (const ListColumn &column : list.columns) {
        const bool senders = column.field >= 0
                ? std::find(SenderFields.begin(), SenderFields.end(), column.field) != SenderFields.end()
                : Placeholders::key(column.further) == Placeholders::key(QString::fromLatin1(CountryKey));
        const QString place = column.field >= 0 ? QString::fromLatin1(LetterFields[size_t(column.field)].placeholder)
                                                : u'[' + column.further + u']';
        const QString bare = place.mid(1, place.size() - 2);
        if (column.sideChosen && !senders) {
            toRecipient.append(column.name);
            recipientPlaces.append(place);
            if (recipientExample.isEmpty())
                recipientExample = column.name + u'=' + bare.chopped(1);
        } else if (senders && column.by != ColumnNames::Placement::By::Hand && column.field >= 0
                   && !stored[size_t(column.field)].trimmed().isEmpty()) {
            replacing.append(column.name);
            senderPlaces.append(place);
            if (senderExample.isEmpty())
                senderExample = column.name + u'=' + bare + u'2';
        }
    }
    QStringList lines;
    if (toRecipient.size() == 1)
        lines.append(QObject::tr("Column %1 fills the recipient's %2: its name does not say whose address it "
                                 "holds, and the list has no recipient's column of its own for it (--columns \"%3\" "
                                 "would make it yours).")
                             .arg(quotedNames(toRecipient), recipientPlaces.front(), recipientExample));
    else if (!toRecipient.isEmpty())
        lines.append(
                QObject::tr("Columns %1 fill the recipient's %2: their names do not say whose address they "
                            "hold, and the list has no recipient's columns of its own for them (--columns "
                            "\"%3\" would make one yours).")
                        .arg(quotedNames(toRecipient), recipientPlaces.join(QStringLiteral(", ")), recipientExample));
    if (replacing.size() == 1)
        lines.append(QObject::tr("Column %1 fills your own %2 in every letter, in place of what the window stores "
                                 "(--columns \"%3\" would make it the recipient's).")
                             .arg(quotedNames(replacing), senderPlaces.front(), senderExample));
    else if (!replacing.isEmpty())
        lines.append(QObject::tr("Columns %1 fill your own %2 in every letter, in place of what the window stores "
                                 "(--columns \"%3\" would make one the recipient's).")
                             .arg(quotedNames(replacing), senderPlaces.join(QStringLiteral(", ")), senderExample));
    return lines;
}
