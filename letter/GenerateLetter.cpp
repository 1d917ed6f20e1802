#include "GenerateLetter.h"

#include <functional>
#include <memory>

#include <QDate>
#include <QLocale>
#include <QRandomGenerator>

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "LetterFields.h"
#include "LetterTemplate.h"
#include "Main.h"
#include "OfficeSteps.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

namespace {
constexpr int ScratchDigits = 8;
constexpr int SenderNameField = 0, RecipientNameField = 7, CompanyNameField = 11;

template <typename T>
T &required(const std::shared_ptr<T> &object, const char *what)
{
    if (!object)
        throw Failure(QObject::tr("%1 failed: the letter is not open").arg(QLatin1String(what)));
    return *object;
}
} // namespace

word::DocumentProperties letterProperties(const GenerationHost &host, const QDateTime &now)
{
    QString addressee = host.fieldText(CompanyNameField).trimmed();
    if (addressee.isEmpty())
        addressee = host.fieldText(RecipientNameField).trimmed();
    return {.author = host.fieldText(SenderNameField).trimmed(),
            .title = addressee.isEmpty() ? QObject::tr("Letter") : QObject::tr("Letter to %1").arg(addressee),
            .created = now,
            .modified = now};
}

QString letterDate()
{
    return QLocale::system().toString(QDate::currentDate(), QStringLiteral("MMMM d, yyyy"));
}

QString newScratchDocumentPath(const QString &temp)
{
    // One generator for the program, seeded once from the system.
    QRandomGenerator &random = *QRandomGenerator::global();
    QString path;
    do {
        QString digits;
        for (int i = 0; i < ScratchDigits; ++i)
            digits += QChar(u'0' + random.bounded(1, 10));
        path = ScratchFiles::scratchDocumentPath(temp, digits);
    } while (FileExists(path));
    return path;
}

void GenerateLetter(GenerationHost &host, word::Automation &automation, Messenger &messenger, bool &busy)
{
    ErrorTrap trap(messenger, QString::fromLatin1(ReportLocation::Form1_PushButton6_Click));
    if (busy)
        return;
    QString temp;
    const QString chosenTemplate = host.templateFile();
    QByteArray templateData;
    QString templateCopy;
    QString scratchDocument;
    std::shared_ptr<word::Application> office;
    std::shared_ptr<word::Document> document;
    // When the letter cannot be made at all (no scratch folder, no office,
    // no template to read or open, the office lost), that one failure is
    // reported and the steps that need the letter are skipped.
    OfficeSteps letter(trap);
    bool placeholderFound = false;

    trap.step(102, [&] { busy = true; });
    trap.step(104, [&] { host.setBusyPointer(true); });
    // With no safe scratch folder the scratch files are never written.
    letter.essential(106, [&] {
        temp = ScratchFiles::folder();
        templateData = LetterTemplate::readChosen(chosenTemplate);
    });
    // Afresh for every letter: a copy an earlier one left is never used.
    letter.essential(108, [&] { templateCopy = LetterTemplate::writeCopy(templateData, temp); });
    letter.essential(110, [&] { office = automation.createApplication(); });
    letter.step(112, [&] { templateCopy = ScratchFiles::templateCopyPath(temp); });
    letter.essential(114, [&] { document = LetterTemplate::openCopy(*office, templateCopy, chosenTemplate); });

    if (letter.possible())
        trap.step(116, [&] { host.setFieldText(DateFieldIndex, letterDate()); });
    for (int i = 0; i < FieldCount && letter.possible(); ++i) { // [118]
        const QString placeholder = QString::fromLatin1(LetterFields[size_t(i)].placeholder);
        std::vector<std::shared_ptr<word::Range>> stories;
        letter.step(120, [&] { stories = required(document, "StoryRanges").storyRanges(); });
        for (const auto &story : stories) {
            word::Find *find = nullptr;
            letter.step(122, [&] { find = &story->find(); });
            if (!find)
                continue;
            letter.step(124, [&] { find->clearFormatting(); });
            letter.step(126, [&] { find->replacement().clearFormatting(); });
            letter.step(130, [&] { find->setText(placeholder); });
            letter.step(132, [&] { find->replacement().setText(host.fieldText(i)); });
            letter.step(134, [&] { find->setForward(true); });
            letter.step(136, [&] { find->setWrap(word::WdFindWrap::Continue); });
            letter.step(138, [&] { find->setFormat(false); });
            letter.step(140, [&] { find->setMatchCase(false); });
            letter.step(142, [&] { find->setMatchWholeWord(false); });
            letter.step(144, [&] { find->setMatchWildcards(false); });
            letter.step(146, [&] { find->setMatchSoundsLike(false); });
            letter.step(148, [&] { find->setMatchAllWordForms(false); });
            letter.step(150, [&] { placeholderFound |= find->execute({.replace = word::WdReplace::All}); });
        }
    }

    std::vector<std::shared_ptr<word::Shape>> shapes;
    letter.step(156, [&] { shapes = required(document, "Shapes").shapes(); });
    for (const auto &shape : shapes) {
        if (!letter.test(158, [&] { return shape->textFrame().hasText(); }))
            continue;
        for (int i = 0; i < FieldCount; ++i) {
            letter.step(162, [&] {
                // Search text, eight omitted arguments, replacement, replace all.
                placeholderFound |= shape->textFrame().textRange()->find().execute(
                        {.findText = QString::fromLatin1(LetterFields[size_t(i)].placeholder),
                         .replaceWith = host.fieldText(i),
                         .replace = word::WdReplace::All});
            });
        }
    }

    letter.step(168, [&] { scratchDocument = newScratchDocumentPath(temp); });
    letter.step(182, [&] {
        required(document, "BuiltInDocumentProperties")
                .setBuiltInProperties(letterProperties(host, QDateTime::currentDateTime()));
    });
    letter.step(184, [&] { required(document, "SaveAs").saveAs(scratchDocument); });
    letter.step(186, [&] { required(office, "DisplayAlerts").setDisplayAlerts(false); });
    letter.step(188, [&] { required(document, "Close").close(); });
    // A lost office has nothing left to quit.
    if (office && !letter.officeLost())
        trap.step(190, [&] { office->quit(); });
    trap.step(192, [&] { document.reset(); });
    trap.step(194, [&] { office.reset(); });
    if (!templateCopy.isEmpty())
        trap.step(196, [&] { DeleteFileQuietly(templateCopy); });
    // The snapshot reports its own failure; without a picture written
    // whole there is no preview, never one of an earlier letter.
    letter.essential(198, [&] {
        if (!host.saveDocAsJpg(scratchDocument))
            letter.giveUp();
    });
    trap.step(200, [&] { host.setBusyPointer(false); });
    if (letter.possible() && !chosenTemplate.isEmpty() && !placeholderFound)
        trap.step(200, [&] { throw FileProblem(LetterTemplate::noPlaceholdersMessage(chosenTemplate)); });
    if (letter.essential(202, [&] { host.loadPreviewPicture(ScratchFiles::snapshotPath(temp)); })) {
        trap.step(204, [&] { host.setPreviewWordFile(scratchDocument); });
        trap.step(206, [&] { host.showPreview(); });
        trap.step(208, [&] { host.hideMainWindow(); });
    }
    if (!temp.isEmpty())
        trap.step(210, [&] { DeleteFileQuietly(ScratchFiles::snapshotPath(temp)); });
    // A letter that is not shown is not kept.
    if (!letter.possible() && !scratchDocument.isEmpty())
        DeleteFileQuietly(scratchDocument);
    trap.step(212, [&] { busy = false; });
}
