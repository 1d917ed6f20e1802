#include "CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ScreenFit.h"
#include "Settings.h"

namespace {

// The suffix of each kind of file in a filter: "doc" for "…|*.doc".
QStringList filterSuffixes(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList suffixes;
    for (qsizetype i = 1; i < parts.size(); i += 2)
        suffixes << parts[i].section(QLatin1Char(';'), 0, 0).section(QLatin1Char('.'), 1);
    return suffixes;
}

// Offers the filter's kinds of file in the dialog, the one at index (from
// 1) shown first; answers the dialog's names for them.
QStringList showKinds(QFileDialog &dialog, const QString &filter, int index)
{
    const QStringList kinds = FileDialogCommonDialog::qtNameFilter(filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(kinds);
    if (index >= 1 && index <= kinds.size())
        dialog.selectNameFilter(kinds[index - 1]);
    return kinds;
}
} // namespace

QString withDefaultSuffix(const QString &name, const QString &suffix)
{
    if (name.isEmpty() || suffix.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + suffix;
}

QString FileDialogCommonDialog::qtNameFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString FileDialogCommonDialog::rememberedFolder()
{
    const QString remembered = Settings().saveFolder();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return documentsFolder();
}

void FileDialogCommonDialog::ShowOpen()
{
    QFileDialog dialog(m_owner, DialogTitle, InitDir.isEmpty() ? documentsFolder() : InitDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    keepDialogInsideScreen(&dialog);
    const QStringList filters = showKinds(dialog, Filter, FilterIndex);
    FileName = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
            ? dialog.selectedFiles().constFirst()
            : QString();
}

void FileDialogCommonDialog::ShowSave()
{
    const bool toldWhere = !InitDir.isEmpty();
    QFileDialog dialog(m_owner, DialogTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    keepDialogInsideScreen(&dialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = showKinds(dialog, Filter, FilterIndex);
    dialog.setDefaultSuffix(DefaultExt);
    dialog.setDirectory(toldWhere ? InitDir : rememberedFolder());
    dialog.selectFile(FileName);
    // Choosing another kind of file changes a typed name's suffix to match,
    // when it has the suffix of one of the kinds offered.
    const QStringList suffixes = filterSuffixes(Filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        const qsizetype index = filters.indexOf(filter);
        const QStringList typed = dialog.selectedFiles();
        if (index < 0 || index >= suffixes.size() || typed.isEmpty())
            return;
        const QFileInfo name(typed.constFirst());
        if (suffixes.contains(name.suffix(), Qt::CaseInsensitive))
            dialog.selectFile(name.completeBaseName() + u'.' + suffixes[index]);
    });
    // Qt adds the suffix to a name typed in the field, not always to one
    // chosen otherwise; the dialog's promise holds either way.
    FileName = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
            ? withDefaultSuffix(dialog.selectedFiles().constFirst(), DefaultExt)
            : QString();
    if (FileName.isEmpty())
        return;
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    FilterIndex = chosen < 0 ? 1 : int(chosen) + 1;
    // Only a folder the user found is remembered, not one a command chose.
    if (toldWhere)
        return;
    try {
        Settings().setSaveFolder(QFileInfo(FileName).absolutePath());
    } catch (const std::exception &) {
        // A folder that cannot be remembered only means the next dialog
        // opens in Documents; the file chosen is what counts now.
    }
}
