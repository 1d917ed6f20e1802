// The main window's letter: "Start Creating Template" makes it, the check
// before it shows, and the preview window that shows it.
#include "Form1.h"

#include <QScreen>
#include <QTimer>

#include "DesignMenu.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "Form2.h"
#include "JobProgress.h"
#include "LetterSession.h"
#include "LetterTemplate.h"
#include "LettersListing.h"
#include "Main.h"
#include "PageSnapshotSize.h"
#include "PaperSizeMenu.h"
#include "ScratchFiles.h"
#include "Settings.h"

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
    const JobProgress::Outcome outcome
            = m_letterProgress->run(m_session.startLetter(request), tr("Making the letter…"));
    const MadeLetter made = m_session.endLetter();

    if (made.templateOpened)
        trap.step(116, [&] { Text1[DateFieldIndex]->setText(request.date); });
    trap.step(200, [&] { setInputBlocked(false); });
    if (made.canShow() && !request.templateFile.isEmpty() && !made.placeholderFound)
        trap.step(200, [&] { throw FileProblem(LetterTemplate::noPlaceholdersMessage(request.templateFile)); });
    if (outcome == JobProgress::Outcome::Completed && made.canShow() && !letterMayShow(request, made)) {
        LetterSession::discard(made);
        QTimer::singleShot(0, this, [this] { m_session.releaseOffices(); });
        mBusy = false;
        return;
    }
    // A cancelled letter, or one that could not be made, shows nothing and
    // leaves nothing behind.
    if (outcome == JobProgress::Outcome::Completed && made.canShow()) {
        if (trap.test(202, [&] {
                form2().setPages(made.pages);
                form2().setLetterTitle(made.title);
                form2().setLetterParticulars(letterEntry(request.fields, request.further, {}, {}));
                form2().setMail(mailFor(request.further, m_services.settings.emailSubject()));
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
    QTimer::singleShot(0, this, [this] { m_session.releaseOffices(); });
    trap.step(212, [&] { mBusy = false; });
}

LetterRequest Form1::letterRequest() const
{
    FieldValues typed;
    for (int i = 0; i < VisibleFieldCount; ++i)
        typed[size_t(i)] = Text1[size_t(i)]->text();
    return m_session.request(typed, paperSizeMenu->chosen(), designMenu->chosen(), pagePixelsPerLogicalInch());
}

bool Form1::letterMayShow(const LetterRequest &request, const MadeLetter &made)
{
    QString notice;
    switch (m_session.decide(request, made, notice)) {
    case LetterSession::Decision::Show:
        form2().setNotice(notice);
        return true;
    case LetterSession::Decision::MoreFields:
        QTimer::singleShot(0, this, &Form1::MoreFields_Click);
        return false;
    case LetterSession::Decision::GoBack:
        return false;
    }
    return false;
}

int Form1::pagePixelsPerLogicalInch() const
{
    const QScreen *where = screen();
    return previewPixelsPerLogicalInch(where ? where->devicePixelRatio() : 1.0);
}

void Form1::prepareFirstLetter()
{
    form2();
    m_session.prepareCheck();
    // The fields are those of the last run: the first letter most often
    // has the shape of this one, and then only fills what the user changes.
    if (!mBusy)
        m_session.prepareNextLetter(letterRequest());
}

Form2 &Form1::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(m_services.messenger);
        connect(m_form2.get(), &Form2::backRequested, this, [this] { comeBack(); });
        connect(m_form2.get(), &Form2::programEndRequested, this, [this] { m_endProgram(); });
        connect(m_form2.get(), &Form2::letterTextRequested, this, &Form1::EditLetterText_Click);
        connect(m_form2.get(), &Form2::lettersWindowRequested, this, &Form1::LettersSent_Click);
        if (m_services.settings.keepRecord())
            m_form2->setLettersRecord(m_lettersRecord.get());
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
