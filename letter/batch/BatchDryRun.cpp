// A batch that writes nothing: what each column fills, what comes from
// elsewhere, and the first row's letter as text, for a user to see before
// hundreds of letters are written.
#include "BatchRun.h"

#include <algorithm>

#include <QFileInfo>

#include "LetterEngine.h"
#include "ListCheck.h"
#include "Placeholders.h"

namespace batch {
namespace {
QString fieldPlaceholder(int field)
{
    return QString::fromLatin1(LetterFields[size_t(field)].placeholder);
}

bool holdsKey(const QStringList &names, const QString &name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const QString &n) { return Placeholders::key(n) == Placeholders::key(name); });
}

// "[Name] "value"" for each, or the empty note.
QString valued(const std::vector<std::pair<QString, QString>> &values)
{
    QStringList lines;
    for (const auto &[placeholder, value] : values)
        lines.append(QStringLiteral("  %1 \"%2\"").arg(placeholder, value));
    return lines.join(u'\n');
}
} // namespace

QString Batch::columnsTable() const
{
    int width = 0;
    for (const ListColumn &column : m_list.columns)
        width = std::max(width, int(column.name.size()));
    QStringList lines{QObject::tr("Columns of the list:")};
    for (const ListColumn &column : m_list.columns) {
        QStringList fills{column.field >= 0 ? fieldPlaceholder(column.field) : u'[' + column.further + u']'};
        if (!column.alsoFills.isEmpty())
            fills.append(u'[' + column.alsoFills + u']');
        const QString what = m_check.unusedColumns.contains(column.name) ? QObject::tr("fills nothing")
                                                                         : fills.join(QStringLiteral(", "));
        lines.append(QStringLiteral("  %1  %2").arg(column.name.leftJustified(width), what));
    }
    for (const QString &name : m_list.unknownColumns)
        lines.append(QStringLiteral("  %1  %2").arg(name.leftJustified(width), QObject::tr("ignored")));

    // What the letter takes from the window's settings and More Fields.
    std::vector<std::pair<QString, QString>> settings, moreFields;
    for (int field : SenderFields) {
        if (!m_list.hasColumn[size_t(field)] && !m_stored[size_t(field)].trimmed().isEmpty()
            && holdsKey(m_checkedPlaceholders, fieldPlaceholder(field)))
            settings.emplace_back(fieldPlaceholder(field), m_stored[size_t(field)]);
    }
    for (const auto &[name, value] : m_storedFurther) {
        const bool listFills = std::any_of(m_list.columns.begin(), m_list.columns.end(), [&](const ListColumn &c) {
            return Placeholders::key(c.further) == Placeholders::key(name)
                    || Placeholders::key(c.alsoFills) == Placeholders::key(name);
        });
        if (listFills || value.trimmed().isEmpty() || !holdsKey(m_checkedPlaceholders, name))
            continue;
        (Placeholders::isSenderDetail(name) ? settings : moreFields).emplace_back(u'[' + name + u']', value);
    }
    if (!settings.empty())
        lines << QObject::tr("From the window's settings, in every letter:") << valued(settings);
    if (!moreFields.empty())
        lines << QObject::tr("From More Fields, in every letter:") << valued(moreFields);
    QStringList empty;
    for (const QString &name : m_check.emptyEverywhere + m_check.allowedEmpty)
        empty.append(u'[' + name + u']');
    if (!empty.isEmpty())
        lines << QObject::tr("Empty in every letter:") << QStringLiteral("  ") + empty.join(QStringLiteral(", "));
    return lines.join(u'\n');
}

// On the first office, once the letter has passed its checks. Returns the
// status the real run would end with.
int Batch::dryRun(Slot &slot)
{
    QStringList out{columnsTable()};
    if (!m_pending.empty()) {
        const Job &job = m_pending.front();
        const LetterRow &row = m_list.rows[job.row];
        slot.prepared->fill(spelledAsTheLetter(placeholderReplacements(row.texts, row.further), m_letterPlaceholders));
        QStringList pages;
        for (int page = 1, count = slot.letter->pageCount(); page <= count; ++page)
            pages.append(slot.letter->renderPage(page, 12).text);
        QStringList names;
        for (word::LetterFormat format : m_options.formats)
            names.append(QFileInfo(targetPath(job.name, format)).fileName());
        out << QString()
            << QObject::tr("The letter of line %1, %2:").arg(row.line).arg(names.join(QStringLiteral(", ")))
            << QString() << pages.join(QStringLiteral("\n\f\n"));
    }
    int problems = 0;
    for (size_t i : m_unusableRows)
        problems += m_list.rows[i].empty ? 0 : 1;
    out << QString()
        << QObject::tr("Dry run, nothing written: %1 of %2 rows would make a letter, %3 would fail.")
                    .arg(m_pending.size())
                    .arg(m_list.rows.size())
                    .arg(problems);
    m_progress->finish(out.join(u'\n'));
    return problems == 0 ? ExitNothingFailed : ExitSomeFailed;
}

} // namespace batch
