#include "SaveBuiltInLetter.h"

#include <memory>

#include <QFileInfo>

#include "LetterFill.h"
#include "LetterTemplate.h"
#include "Main.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

namespace {
// Everything one save makes in the temporary folder and the office it
// uses; whatever happens, they are gone when it ends.
struct SaveScratch
{
    QString templateCopy;
    QString exported;
    std::shared_ptr<word::Application> office;

    ~SaveScratch()
    {
        try {
            if (office)
                office->quit();
        } catch (...) {
            // An office that will not quit is killed as its object goes.
        }
        office.reset();
        for (const QString &path : {templateCopy, exported})
            if (!path.isEmpty())
                DeleteFileQuietly(path);
    }
};
} // namespace

void saveBuiltInLetter(word::Automation &automation, const QString &target, word::LetterFormat format,
                       PaperSize paper, const std::optional<QString> &letterText)
{
    const QString temp = ScratchFiles::folder();
    SaveScratch scratch;
    scratch.templateCopy = LetterTemplate::writeCopy(templateBytes(), temp);
    scratch.office = automation.createApplication();
    std::shared_ptr<word::Document> document = scratch.office->documents().open(scratch.templateCopy, {.readOnly = true});
    if (letterText)
        putLetterText(*document, *letterText);
    document->turnHeaderFieldsIntoPlaceholders();
    Paper::layOut(*document, paper);
    scratch.exported = temp + QStringLiteral("/built-in-letter.")
            + QLatin1String(word::letterFormatInfo(format).suffix);
    document->exportCopy(scratch.exported, format);
    document->close(word::WdSaveOptions::DoNotSaveChanges);
    copyFileReplacing(scratch.exported, target);
}

SaveTarget saveTargetFor(const QString &chosenPath, word::LetterFormat chosenFormat)
{
    const QString suffix = QFileInfo(chosenPath).suffix();
    for (word::LetterFormat format : BuiltInLetterFormats) {
        if (suffix.compare(QLatin1String(word::letterFormatInfo(format).suffix), Qt::CaseInsensitive) == 0)
            return {chosenPath, format};
    }
    return {chosenPath + u'.' + QLatin1String(word::letterFormatInfo(chosenFormat).suffix), chosenFormat};
}
