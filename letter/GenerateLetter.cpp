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
    // False once the letter cannot be made at all: no office, or no
    // template to open. That failure is reported once.
    bool letterPossible = true;
    bool placeholderFound = false;

    trap.step(102, [&] { busy = true; });
    trap.step(104, [&] { host.setBusyPointer(true); });
    // A step the letter cannot do without: when it fails (and is reported
    // as usual), no letter is made and the steps that need one are skipped.
    auto essentialStep = [&](int line, const std::function<void()> &body) {
        if (!letterPossible)
            return;
        bool done = false;
        trap.step(line, [&] {
            body();
            done = true;
        });
        letterPossible = done;
    };

    // With no temporary folder the scratch files never fall back to the root.
    essentialStep(106, [&] {
        temp = ScratchFiles::temporaryFolder();
        templateData = LetterTemplate::readChosen(chosenTemplate);
    });
    // Afresh for every letter: a copy an earlier one left is never used.
    essentialStep(108, [&] { templateCopy = LetterTemplate::writeCopy(templateData, temp); });
    essentialStep(110, [&] { office = automation.createApplication(); });
    if (letterPossible)
        trap.step(112, [&] { templateCopy = ScratchFiles::templateCopyPath(temp); });
    essentialStep(114, [&] { document = LetterTemplate::openCopy(*office, templateCopy, chosenTemplate); });

    if (letterPossible) {
        trap.step(116, [&] { host.setFieldText(DateFieldIndex, letterDate()); });
        for (int i = 0; i < FieldCount; ++i) { // [118]
            const QString placeholder = QString::fromLatin1(LetterFields[size_t(i)].placeholder);
            std::vector<std::shared_ptr<word::Range>> stories;
            trap.step(120, [&] { stories = required(document, "StoryRanges").storyRanges(); });
            for (const auto &story : stories) {
                word::Find *find = nullptr;
                trap.step(122, [&] { find = &story->find(); });
                if (!find)
                    continue;
                trap.step(124, [&] { find->clearFormatting(); });
                trap.step(126, [&] { find->replacement().clearFormatting(); });
                trap.step(130, [&] { find->setText(placeholder); });
                trap.step(132, [&] { find->replacement().setText(host.fieldText(i)); });
                trap.step(134, [&] { find->setForward(true); });
                trap.step(136, [&] { find->setWrap(word::WdFindWrap::Continue); });
                trap.step(138, [&] { find->setFormat(false); });
                trap.step(140, [&] { find->setMatchCase(false); });
                trap.step(142, [&] { find->setMatchWholeWord(false); });
                trap.step(144, [&] { find->setMatchWildcards(false); });
                trap.step(146, [&] { find->setMatchSoundsLike(false); });
                trap.step(148, [&] { find->setMatchAllWordForms(false); });
                trap.step(150, [&] { placeholderFound |= find->execute({.replace = word::WdReplace::All}); });
            }
        }

        std::vector<std::shared_ptr<word::Shape>> shapes;
        trap.step(156, [&] { shapes = required(document, "Shapes").shapes(); });
        for (const auto &shape : shapes) {
            if (!trap.test(158, [&] { return shape->textFrame().hasText(); }))
                continue;
            for (int i = 0; i < FieldCount; ++i) {
                trap.step(162, [&] {
                    // Search text, eight omitted arguments, replacement, replace all.
                    placeholderFound |= shape->textFrame().textRange()->find().execute(
                            {.findText = QString::fromLatin1(LetterFields[size_t(i)].placeholder),
                             .replaceWith = host.fieldText(i),
                             .replace = word::WdReplace::All});
                });
            }
        }

        trap.step(168, [&] { scratchDocument = newScratchDocumentPath(temp); });
        trap.step(182, [&] {
            required(document, "BuiltInDocumentProperties")
                    .setBuiltInProperties(letterProperties(host, QDateTime::currentDateTime()));
        });
        trap.step(184, [&] { required(document, "SaveAs").saveAs(scratchDocument); });
        trap.step(186, [&] { required(office, "DisplayAlerts").setDisplayAlerts(false); });
        trap.step(188, [&] { required(document, "Close").close(); });
    }
    if (office)
        trap.step(190, [&] { office->quit(); });
    trap.step(192, [&] { document.reset(); });
    trap.step(194, [&] { office.reset(); });
    if (!templateCopy.isEmpty())
        trap.step(196, [&] { DeleteFileQuietly(templateCopy); });
    if (letterPossible)
        trap.step(198, [&] { host.saveDocAsJpg(scratchDocument); });
    trap.step(200, [&] { host.setBusyPointer(false); });
    if (letterPossible && !chosenTemplate.isEmpty() && !placeholderFound)
        trap.step(200, [&] { throw FileProblem(LetterTemplate::noPlaceholdersMessage(chosenTemplate)); });
    if (letterPossible) {
        trap.step(202, [&] { host.loadPreviewPicture(ScratchFiles::snapshotPath(temp)); });
        trap.step(204, [&] { host.setPreviewWordFile(scratchDocument); });
        trap.step(206, [&] { host.showPreview(); });
        trap.step(208, [&] { host.hideMainWindow(); });
        trap.step(210, [&] { DeleteFileQuietly(ScratchFiles::snapshotPath(temp)); });
    }
    trap.step(212, [&] { busy = false; });
}
