#include "LetterOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QObject>

#include "CommonDialog.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "JobProgress.h"
#include "LetterDate.h"
#include "LetterWords.h"
#include "Main.h"
#include "Messenger.h"
#include "OfficeJob.h"
#include "PrintDialog.h"
#include "SafeFileName.h"
#include "ScratchFiles.h"

namespace {

enum class Written { Yes, No };

// Runs the job with progress; a failure becomes a plain message that starts
// with `failed` (which names the target).
Written runJob(const LetterOutputContext &context, const std::function<std::unique_ptr<OfficeJob>()> &makeJob,
               const QString &label, const QString &failed)
{
    try {
        std::unique_ptr<OfficeJob> job = makeJob();
        return context.progress.run(*job, label) == JobProgress::Outcome::Completed ? Written::Yes : Written::No;
    } catch (const std::exception &e) {
        context.messenger.showMessage(failed + QStringLiteral("\n\n") + QString::fromUtf8(e.what()), QString(),
                                      Messenger::Icon::Warning);
        return Written::No;
    }
}

} // namespace

QString suggestedFileName(const QString &letterTitle, const QString &suffix)
{
    QString name = safeFileName(letterTitle);
    if (name.isEmpty())
        name = letterWords(dateLanguage()).title.toString(); // the letter's word, as its title has it
    // Added even to a name that seems to have an extension of its own
    // ("Letter to Acme Co. Ltd").
    return name + u'.' + suffix;
}

QString exportTitle(word::LetterFormat format)
{
    switch (format) {
    case word::LetterFormat::Word97:
        return QObject::tr("Export as Word 97-2003 (.doc)");
    case word::LetterFormat::WordXml:
        return QObject::tr("Export as Word 2007-365 (.docx)");
    case word::LetterFormat::OpenDocument:
        return QObject::tr("Export as OpenDocument (.odt)");
    case word::LetterFormat::Pdf:
        return QObject::tr("Export as PDF");
    }
    return {};
}

QString ExportLetter(const LetterOutputContext &context, const QString &wordFile, word::LetterFormat format)
{
    const word::LetterFormatInfo &info = word::letterFormatInfo(format);
    ErrorTrap trap(context.messenger, QString::fromLatin1(ReportLocation::Form2_ExportLetter));
    CommonDialog &dialog = context.saveDialog;
    QString target;

    trap.step(100, [&] { dialog.FileName = suggestedFileName(context.letterTitle, QLatin1String(info.suffix)); });
    trap.step(102, [&] { dialog.DialogTitle = exportTitle(format); });
    trap.step(104, [&] {
        dialog.Filter = QCoreApplication::translate("LetterFormat", info.dialogFilter) + QStringLiteral("|*.")
                + QLatin1String(info.suffix);
        dialog.DefaultExt = QLatin1String(info.suffix);
    });
    trap.step(106, [&] { dialog.ShowSave(); });
    trap.step(108, [&] { target = withDefaultSuffix(dialog.FileName, QLatin1String(info.suffix)); });
    if (target.isEmpty())
        return {}; // cancelled: nothing to do, nothing to say
    if (FileExists(target)
        && context.messenger.askYesNo(QObject::tr("Are you sure you wish to overwrite %1 ?").arg(target))
                != Messenger::Answer::Yes)
        return {};
    const QString shown = QDir::toNativeSeparators(target);
    const Written written = runJob(
            context, [&] { return OfficeJob::exportLetter(context.automation, wordFile, target, format); },
            QObject::tr("Exporting the letter to %1…").arg(shown),
            QObject::tr("The letter could not be exported to %1.").arg(shown));
    if (written == Written::No)
        return {};
    trap.step(110, [&] { context.messenger.showMessage(QObject::tr("Done."), QString(), Messenger::Icon::None); });
    return target;
}

std::optional<PrintedLetter> PrintLetter(const LetterOutputContext &context, const QString &wordFile)
{
    ErrorTrap trap(context.messenger, QString::fromLatin1(ReportLocation::Form2_PrintLetter));
    std::optional<PrintChoice> choice;
    trap.step(100, [&] { choice = context.printDialog.ask(); });
    if (!choice)
        return std::nullopt;
    if (choice->toFile.isEmpty()) {
        if (runJob(
                    context, [&] { return OfficeJob::printLetter(context.automation, wordFile, choice->settings); },
                    QObject::tr("Printing the letter…"), QObject::tr("The letter could not be printed."))
            == Written::No)
            return std::nullopt;
        return PrintedLetter{};
    }
    const QString file
            = withDefaultSuffix(choice->toFile, QLatin1String(word::letterFormatInfo(word::LetterFormat::Pdf).suffix));
    const QString shown = QDir::toNativeSeparators(file);
    if (runJob(
                context,
                [&] { return OfficeJob::exportLetter(context.automation, wordFile, file, word::LetterFormat::Pdf); },
                QObject::tr("Printing the letter to %1…").arg(shown),
                QObject::tr("The letter could not be printed to %1.").arg(shown))
        == Written::No)
        return std::nullopt;
    return PrintedLetter{file};
}

QString WriteMailAttachment(const LetterOutputContext &context, const QString &wordFile)
{
    // A folder per message: an earlier attachment may still be read.
    static int messages = 0;
    QString target;
    try {
        const QString folder = ScratchFiles::folder() + QStringLiteral("/mail-%1").arg(++messages);
        if (!QDir().mkpath(folder))
            throw Failure(QObject::tr("Cannot make the folder %1").arg(QDir::toNativeSeparators(folder)));
        target = folder + u'/'
                + suggestedFileName(context.letterTitle,
                                    QLatin1String(word::letterFormatInfo(word::LetterFormat::Pdf).suffix));
    } catch (const Failure &failure) {
        context.messenger.showMessage(QObject::tr("The letter could not be written for the e-mail.")
                                              + QStringLiteral("\n\n") + failure.description(),
                                      QString(), Messenger::Icon::Warning);
        return {};
    }
    const Written written = runJob(
            context,
            [&] { return OfficeJob::exportLetter(context.automation, wordFile, target, word::LetterFormat::Pdf); },
            QObject::tr("Writing the letter for the e-mail…"),
            QObject::tr("The letter could not be written for the e-mail."));
    return written == Written::Yes ? target : QString();
}
