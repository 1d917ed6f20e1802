// The main window's letter: "Start Creating Template" makes it, the check
// before it shows, and the preview window that shows it.
#include "Form1.h"

#include <QScreen>
#include <QTimer>

#include "BuiltInLetter.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "Form2.h"
#include "JobProgress.h"
#include "LetterCheck.h"
#include "LetterEngine.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "Main.h"
#include "Messenger.h"
#include "PageSnapshotSize.h"
#include "PaperSizeMenu.h"
#include "Placeholders.h"
#include "ScratchFiles.h"
#include "Spelling.h"

void Form1::PushButton6_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_PushButton6_Click));
    if (mBusy) // [100]
        return;
    trap.step(102, [&] { mBusy = true; });
    // The window takes no input from here on; the busy pointer shows once
    // the letter takes longer than a moment.
    trap.step(104, [&] { setInputBlocked(true); });

    const LetterRequest request = letterRequest();
    // The offices kept ready are replaced once the letter is on screen.
    m_services.automation.holdRefills();
    LetterEngine letter(m_services.automation, request);
    m_letter = &letter;
    const JobProgress::Outcome outcome = m_letterProgress->run(letter, tr("Making the letter…"));
    m_letter = nullptr;
    const MadeLetter &made = letter.result();
    m_lastLetterTimings = made.timings;
    tellLetterReports(letter);

    if (made.templateOpened)
        trap.step(116, [&] { Text1[DateFieldIndex]->setText(request.date); });
    trap.step(200, [&] { setInputBlocked(false); });
    if (made.canShow() && !m_templateFile.isEmpty() && !made.placeholderFound)
        trap.step(200, [&] { throw FileProblem(LetterTemplate::noPlaceholdersMessage(m_templateFile)); });
    if (outcome == JobProgress::Outcome::Completed && made.canShow() && !letterMayShow(request, made)) {
        DeleteFileQuietly(made.document);
        DeleteFileQuietly(ScratchFiles::snapshotPath(ScratchFiles::folder()));
        QTimer::singleShot(0, this, [this] { m_services.automation.releaseRefills(); });
        mBusy = false;
        return;
    }
    // A cancelled letter, or one that could not be made, shows nothing and
    // leaves nothing behind.
    if (outcome == JobProgress::Outcome::Completed && made.canShow()) {
        if (trap.test(202, [&] {
                form2().setPages(made.pages);
                form2().setLetterTitle(made.title);
                return true;
            })) {
            trap.step(204, [&] { form2().mWordFile = made.document; });
            trap.step(206, [&] { form2().showPreview(); });
            trap.step(208, [&] { hide(); });
        } else {
            DeleteFileQuietly(made.document);
        }
        trap.step(210, [&] { DeleteFileQuietly(ScratchFiles::snapshotPath(ScratchFiles::folder())); });
    }
    // Once the letter shows, the next one's office may start.
    QTimer::singleShot(0, this, [this] { m_services.automation.releaseRefills(); });
    trap.step(212, [&] { mBusy = false; });
}

LetterRequest Form1::letterRequest() const
{
    LetterRequest request;
    for (int i = 0; i < VisibleFieldCount; ++i)
        request.fields[size_t(i)] = Text1[size_t(i)]->text();
    request.further = Placeholders::storedFurtherValues();
    request.wording = BuiltInLetter::storedWording();
    request.date = letterDate();
    request.templateFile = m_templateFile;
    request.letterTextFile = LetterText::filePath();
    request.pixelsPerLogicalInch = pagePixelsPerLogicalInch();
    request.paper = paperSizeMenu->chosen();
    return request;
}

bool Form1::letterMayShow(const LetterRequest &request, const MadeLetter &made)
{
    if (!request.templateFile.isEmpty())
        m_ownTemplateNames = made.ownTemplateNames;
    const LetterCheckResult check = checkLetter(checkInputFor(request, made, &spelling()));
    if (!check.needsDecision()) {
        form2().setNotice(check.notice);
        return true;
    }
    // More Fields is offered where it can give a placeholder its value.
    QStringList buttons{tr("&Make the Letter Anyway")};
    if (!check.unfilledNames.isEmpty())
        buttons << tr("More &Fields…");
    buttons << tr("&Go Back");
    const int MakeAnyway = 0, GoBack = int(buttons.size()) - 1;
    const int MoreFields = check.unfilledNames.isEmpty() ? -1 : 1;
    QString text = tr("Before the letter is made, have a look:") + u'\n';
    for (const QString &problem : check.problems)
        text += QStringLiteral("\n\u2022 ") + problem;
    text += QStringLiteral("\n\n") + tr("Make the letter anyway, or go back and change it?");
    const int choice = m_services.messenger.askChoice(text, buttons, GoBack);
    if (choice == MakeAnyway) {
        form2().setNotice(check.notice);
        return true;
    }
    if (choice == MoreFields)
        QTimer::singleShot(0, this, &Form1::MoreFields_Click);
    return false;
}

SpellChecker &Form1::spelling()
{
    // Made once: the dictionary takes a moment to load.
    if (!m_spelling)
        m_spelling = std::make_unique<SpellChecker>();
    return *m_spelling;
}

void Form1::tellLetterReports(const LetterEngine &letter)
{
    for (const LetterReport &report : letter.result().reports) {
        if (report.plainWords)
            m_services.messenger.showMessage(report.description, QString(), Messenger::Icon::Warning);
        else
            ShowErrorReport(m_services.messenger, report.description, report.location, report.line);
    }
}

int Form1::pagePixelsPerLogicalInch() const
{
    const QScreen *where = screen();
    return previewPixelsPerLogicalInch(where ? where->devicePixelRatio() : 1.0);
}

Form2 &Form1::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(m_services.messenger);
        connect(m_form2.get(), &Form2::backRequested, this, [this] { comeBack(); });
        connect(m_form2.get(), &Form2::programEndRequested, this, [this] { m_endProgram(); });
        connect(m_form2.get(), &Form2::letterTextRequested, this, &Form1::EditLetterText_Click);
        m_form2->setProgramFolder(m_programFolder);
        m_form2->setOffice(m_services.automation);
        m_form2->Form_Load();
    }
    return *m_form2;
}

void Form1::comeBack()
{
    show();
    raise();
    activateWindow();
    // Back from the preview, the user goes on with the fields.
    Text1[0]->setFocus(Qt::OtherFocusReason);
}
