#include "CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "LetterFields.h"

namespace {
constexpr char SaveFolderKey[] = "SaveFolder";
}

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

QString FileDialogCommonDialog::rememberedFolder()
{
    const QString remembered = readSetting(QString::fromLatin1(SaveFolderKey));
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FileDialogCommonDialog::ShowSave()
{
    QFileDialog dialog(m_owner, DialogTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(qtNameFilter(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    dialog.setDirectory(InitDir.isEmpty() ? rememberedFolder() : InitDir);
    dialog.selectFile(FileName);
    // Qt adds the suffix to a name typed in the field, not always to one
    // chosen otherwise; the dialog's promise holds either way.
    FileName = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
            ? withDefaultSuffix(dialog.selectedFiles().constFirst(), DefaultExt)
            : QString();
    if (FileName.isEmpty())
        return;
    try {
        writeSetting(QString::fromLatin1(SaveFolderKey), QFileInfo(FileName).absolutePath());
    } catch (const std::exception &) {
        // A folder that cannot be remembered only means the next dialog
        // opens in Documents; the file chosen is what counts now.
    }
}
