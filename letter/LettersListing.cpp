#include "LettersListing.h"

#include <algorithm>

#include <QFileInfo>
#include <QObject>

#include "Failure.h"
#include "Placeholders.h"

namespace LettersListing {
namespace {
QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray csvLine(const QStringList &fields)
{
    QByteArrayList line;
    for (const QString &field : fields)
        line.append(csvField(field));
    return line.join(',') + '\n';
}
} // namespace

QStringList columnTitles()
{
    return {QObject::tr("When"),   QObject::tr("Company"), QObject::tr("Recipient"), QObject::tr("Position"),
            QObject::tr("Format"), QObject::tr("Status"),  QObject::tr("File")};
}

QString formatText(const QString &format)
{
    return format == QLatin1String(PrintedFormat) ? QObject::tr("printed") : format.toUpper();
}

QStringList cells(const LetterEntry &entry)
{
    return {entry.when.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
            entry.company,
            entry.recipient,
            entry.position,
            formatText(entry.format),
            LetterStatus::label(entry.status),
            entry.file};
}

QString table(const std::vector<LetterEntry> &entries)
{
    std::vector<QStringList> rows{columnTitles()};
    for (const LetterEntry &entry : entries)
        rows.push_back(cells(entry));
    std::vector<qsizetype> widths(size_t(rows.front().size()), 0);
    for (const QStringList &row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], row[c].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c].leftJustified(widths[size_t(c)] + 2) : row[c];
        text += line.trimmed() + u'\n';
    }
    return text;
}

QByteArray csv(const std::vector<LetterEntry> &entries)
{
    QByteArray text = csvLine({QStringLiteral("When"), QStringLiteral("Company"), QStringLiteral("Recipient"),
                               QStringLiteral("Position"), QStringLiteral("Format"), QStringLiteral("Status"),
                               QStringLiteral("File")});
    for (const LetterEntry &entry : entries)
        text += csvLine({entry.when.toOffsetFromUtc(entry.when.offsetFromUtc()).toString(Qt::ISODate), entry.company,
                         entry.recipient, entry.position, entry.format, entry.status, entry.file});
    return text;
}

int print(bool asCsv, std::FILE *out, std::FILE *errors)
{
    LettersRecord record;
    std::vector<LetterEntry> entries;
    try {
        entries = record.entries();
    } catch (const Failure &failure) {
        std::fprintf(errors, "%s\n",
                     qPrintable(QObject::tr("The record of letters cannot be read: %1.").arg(failure.description())));
        return 1;
    }
    if (asCsv) {
        const QByteArray bytes = csv(entries);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    } else if (entries.empty()) {
        std::fprintf(errors, "%s\n", qPrintable(QObject::tr("No letter is in the record yet.")));
    } else {
        std::fputs(table(entries).toUtf8().constData(), out);
    }
    return 0;
}

} // namespace LettersListing

LetterEntry letterEntry(const FieldValues &fields, const FurtherValues &further, const QString &format,
                        const QString &file)
{
    LetterEntry entry;
    entry.when = QDateTime::currentDateTime();
    entry.company = fields[11].trimmed();
    entry.recipient = fields[7].trimmed();
    const QString position = Placeholders::key(QStringLiteral("Position"));
    for (const auto &[name, value] : further) {
        if (Placeholders::key(name) == position)
            entry.position = value.trimmed();
    }
    entry.format = format;
    entry.file = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    return entry;
}
