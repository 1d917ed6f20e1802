#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "BackgroundJob.h"
#include "JobOffice.h"
#include "LetterDesign.h"
#include "LetterFormat.h"
#include "PaperSize.h"
#include "WordAutomation.h"

// "Save Built-in Letter As…": writes the built-in letter template of a design,
// placeholders and all, at target in the given format through the office's
// own filter, so that the user can write their own text around the
// placeholders and choose the file as their template. The copy has the
// user's letter text as its body when there is one, and its later pages'
// header holds [RecipientName] and [CurrentDate] (beside the page number),
// so that it fills as the rest of the letter does. It is laid out on the
// given paper, which a letter made from it then keeps.
//
// The letter is exported in the temporary folder and then written beside
// the target and moved into place: an existing file is replaced whole or
// not at all. The office's part runs on a worker, so the window shows its
// progress and Cancel; a cancelled save writes nothing. complete() throws
// Failure when it cannot be done; the office instance and the scratch
// files are gone either way.
class SaveBuiltInLetterJob : public BackgroundJob
{
    Q_OBJECT
public:
    SaveBuiltInLetterJob(word::Automation &automation, QString target, word::LetterFormat format, PaperSize paper,
                         LetterDesign design, std::optional<QString> letterText);
    ~SaveBuiltInLetterJob() override;

protected:
    void prepare() override;
    void work() override;
    void abort() override;
    void finish() override;
    void cancelled() override;

private:
    void cleanUp();

    word::Automation &m_automation;
    const QString m_target;
    const word::LetterFormat m_format;
    const PaperSize m_paper;
    const LetterDesign m_design;
    const std::optional<QString> m_letterText;
    QString m_templateCopy;
    QString m_exported;
    JobOffice m_jobOffice; // taken by the worker, ended by a Cancel
    std::shared_ptr<word::Application> m_office;
    QString m_failure; // written by the worker
};

// The same, done at once, for callers without a window.
void saveBuiltInLetter(word::Automation &automation, const QString &target, word::LetterFormat format, PaperSize paper,
                       LetterDesign design, const std::optional<QString> &letterText = std::nullopt);

// The formats the built-in letter can be saved in, the default first:
// .docx, .odt, .doc.
inline constexpr word::LetterFormat BuiltInLetterFormats[]
        = {word::LetterFormat::WordXml, word::LetterFormat::OpenDocument, word::LetterFormat::Word97};

// The path and format a name chosen in the save dialog stands for: a name
// ending in one of the formats' suffixes (any letter case) is saved in that
// format; any other name gets the suffix of the format chosen in the dialog.
struct SaveTarget
{
    QString path;
    word::LetterFormat format;
};
SaveTarget saveTargetFor(const QString &chosenPath, word::LetterFormat chosenFormat);
