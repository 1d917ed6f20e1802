#include "LetterSession.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "BuiltInLetter.h"
#include "ErrorReport.h"
#include "LetterCheck.h"
#include "LetterDate.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "Logging.h"
#include "Main.h"
#include "Messenger.h"
#include "Placeholders.h"
#include "ScratchFiles.h"
#include "Settings.h"
#include "Spelling.h"

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("LetterSession", text);
}
} // namespace

LetterSession::LetterSession(Messenger &messenger, word::Automation &automation)
    : m_messenger(messenger), m_automation(automation)
{ }

LetterSession::~LetterSession() = default;

void LetterSession::loadTemplateChoice()
{
    m_templateFile = LetterTemplate::storedChoice();
}

void LetterSession::rememberTemplate(const QString &path)
{
    LetterTemplate::storeChoice(path);
}

void LetterSession::useTemplate(const QString &path)
{
    m_templateFile = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

LetterRequest LetterSession::request(const FieldValues &typed, PaperSize paper, LetterDesign design,
                                     int pixelsPerLogicalInch) const
{
    LetterRequest request;
    for (int i = 0; i < VisibleFieldCount; ++i)
        request.fields[size_t(i)] = typed[size_t(i)];
    request.further = Placeholders::storedFurtherValues();
    request.wording = BuiltInLetter::storedWording();
    request.date = letterDate();
    request.templateFile = m_templateFile;
    request.design = design;
    request.letterTextFile = LetterText::filePath();
    request.signatureFile = Settings().signature();
    request.pixelsPerLogicalInch = pixelsPerLogicalInch;
    request.paper = paper;
    return request;
}

LetterEngine &LetterSession::startLetter(const LetterRequest &request)
{
    // The offices kept ready are replaced once the letter is on screen:
    // one starting would share the processor with the letter.
    m_automation.holdRefills();
    m_letter = std::make_unique<LetterEngine>(m_automation, request, &m_office);
    if (m_ready && !m_readyDone)
        m_letter->startAfter(m_ready.get());
    return *m_letter;
}

MadeLetter LetterSession::endLetter()
{
    MadeLetter made = m_letter->result();
    m_letter.reset();
    if (m_ready && m_readyDone)
        dropReadyLetter();
    m_lastTimings = made.timings;
    const LetterTimings &t = made.timings;
    qCDebug(lcLetter,
            "letter made (ms): copy %.0f, office %.0f, open %.0f, fill %.0f, store %.0f, render %.0f, close %.0f",
            t.templateCopy, t.takeOffice, t.open, t.fill, t.store, t.render, t.close);
    for (const LetterReport &report : made.reports) {
        if (report.plainWords)
            m_messenger.showMessage(report.description, QString(), Messenger::Icon::Warning);
        else
            ShowErrorReport(m_messenger, report.description, report.location, report.line);
    }
    return made;
}

void LetterSession::releaseOffices()
{
    m_automation.releaseRefills();
}

void LetterSession::prepareNextLetter(LetterRequest request)
{
    if (m_letter || m_ready)
        return;
    request.keep = LetterRequest::Keep::OpenLetterOnly;
    m_ready = std::make_unique<LetterEngine>(m_automation, std::move(request), &m_office);
    m_readyDone = false;
    QObject::connect(m_ready.get(), &BackgroundJob::finished, m_ready.get(), [this] {
        m_readyDone = true;
        try {
            m_ready->complete();
        } catch (const std::exception &e) {
            qCDebug(lcLetter) << "the letter made ready did not end cleanly:" << e.what();
        }
        // What it met, the letter asked for meets again and tells.
        if (!m_ready->result().reports.empty())
            qCDebug(lcLetter) << "the letter made ready met:" << m_ready->result().reports.front().description;
        if (!m_letter)
            dropReadyLetter();
    });
    try {
        m_ready->start();
    } catch (const std::exception &e) {
        qCDebug(lcLetter) << "no letter made ready:" << e.what();
        m_ready.reset();
    }
}

// It may be signalling still: it goes once its signal is done.
void LetterSession::dropReadyLetter()
{
    m_ready.release()->deleteLater();
    m_readyDone = false;
}

LetterSession::Decision LetterSession::decide(const LetterRequest &request, const MadeLetter &made, QString &notice)
{
    if (!request.templateFile.isEmpty())
        m_ownTemplateNames = made.ownTemplateNames;
    const LetterCheckResult check = checkLetter(checkInputFor(request, made, &spelling()));
    notice = made.templateNotice.isEmpty() ? check.notice : (made.templateNotice + u' ' + check.notice).trimmed();
    if (!check.needsDecision())
        return Decision::Show;
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
    const int choice = m_messenger.askChoice(text, buttons, GoBack);
    if (choice == MakeAnyway)
        return Decision::Show;
    return choice == MoreFields ? Decision::MoreFields : Decision::GoBack;
}

void LetterSession::discard(const MadeLetter &made)
{
    DeleteFileQuietly(made.document);
    DeleteFileQuietly(ScratchFiles::snapshotPath(ScratchFiles::folder()));
}

SpellChecker &LetterSession::spelling()
{
    // Made once: the dictionary takes a moment to load.
    if (!m_spelling)
        m_spelling = std::make_unique<SpellChecker>();
    return *m_spelling;
}
