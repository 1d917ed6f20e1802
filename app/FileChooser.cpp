#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

QString FileDialogChooser::openTemplate(const QString &startFolder, const QStringList &filters)
{
    QFileDialog dialog(m_owner, QObject::tr("Use My Own Template"), startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<FileChooser::SaveChoice> FileDialogChooser::saveLetter(const QString &suggestedPath,
                                                                    const std::vector<word::LetterFormat> &formats)
{
    QFileDialog dialog(m_owner, QObject::tr("Save Built-in Letter As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (word::LetterFormat format : formats)
        filters << QString::fromLatin1(word::letterFormatInfo(format).dialogFilter);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    // Choosing another kind of file changes the name's suffix to match.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        const qsizetype index = filters.indexOf(filter);
        const QStringList typed = dialog.selectedFiles();
        if (index < 0 || typed.isEmpty())
            return;
        const QString suffix = QLatin1String(word::letterFormatInfo(formats[size_t(index)]).suffix);
        const QFileInfo name(typed.constFirst());
        for (word::LetterFormat format : formats) {
            if (name.suffix().compare(QLatin1String(word::letterFormatInfo(format).suffix), Qt::CaseInsensitive) == 0) {
                dialog.selectFile(name.completeBaseName() + u'.' + suffix);
                break;
            }
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    return SaveChoice{dialog.selectedFiles().constFirst(), formats[size_t(chosen < 0 ? 0 : chosen)]};
}
