#include "SaveBuiltInLetter.h"

#include <memory>

#include <QFileInfo>

#include "LetterFill.h"
#include "LetterTemplate.h"
#include "Main.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

SaveBuiltInLetterJob::SaveBuiltInLetterJob(word::Automation &automation, QString target, word::LetterFormat format,
                                           PaperSize paper, LetterDesign design, std::optional<QString> letterText)
    : m_automation(automation), m_target(std::move(target)), m_format(format), m_paper(paper), m_design(design),
      m_letterText(std::move(letterText))
{ }

SaveBuiltInLetterJob::~SaveBuiltInLetterJob()
{
    cancelIfRunning();
    cleanUp();
}

void SaveBuiltInLetterJob::prepare()
{
    const QString temp = ScratchFiles::folder();
    m_templateCopy = LetterTemplate::writeCopy(templateBytes(m_design), ScratchFiles::templateCopyPath(temp));
    m_exported = temp + QStringLiteral("/built-in-letter.") + QLatin1String(word::letterFormatInfo(m_format).suffix);
}

void SaveBuiltInLetterJob::work()
{
    try {
        m_office = m_jobOffice.take(m_automation);
        std::shared_ptr<word::Document> document = m_office->documents().open(m_templateCopy, {.readOnly = true});
        if (m_letterText)
            putLetterText(*document, *m_letterText);
        document->turnHeaderFieldsIntoPlaceholders();
        Paper::layOut(*document, m_paper);
        document->exportCopy(m_exported, m_format);
        document->close(word::WdSaveOptions::DoNotSaveChanges);
    } catch (const std::exception &e) {
        m_failure = QString::fromUtf8(e.what());
    }
}

void SaveBuiltInLetterJob::abort()
{
    m_jobOffice.kill();
}

void SaveBuiltInLetterJob::finish()
{
    try {
        if (m_office)
            m_office->quit();
    } catch (const std::exception &) {
        // An office that will not quit is killed as its object goes.
    }
    m_office.reset();
    if (m_failure.isEmpty())
        copyFileReplacing(m_exported, m_target);
    cleanUp();
    if (!m_failure.isEmpty())
        throw Failure(m_failure);
}

void SaveBuiltInLetterJob::cancelled()
{
    m_office.reset();
    cleanUp();
}

void SaveBuiltInLetterJob::cleanUp()
{
    for (QString *path : {&m_templateCopy, &m_exported}) {
        if (!path->isEmpty())
            DeleteFileQuietly(*path);
        path->clear();
    }
}

void saveBuiltInLetter(word::Automation &automation, const QString &target, word::LetterFormat format, PaperSize paper,
                       LetterDesign design, const std::optional<QString> &letterText)
{
    SaveBuiltInLetterJob job(automation, target, format, paper, design, letterText);
    job.start();
    job.waitForWorker();
    job.complete();
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
