#include "LetterEngine.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "LetterTemplate.h"
#include "Logging.h"
#include "LetterText.h"
#include "LetterWords.h"
#include "Main.h"
#include "OfficeSteps.h"
#include "PageSnapshot.h"
#include "Placeholders.h"
#include "ScratchFiles.h"
#include "SignaturePicture.h"

namespace {
constexpr int ScratchDigits = 8;
constexpr int SenderNameField = 0, RecipientNameField = 7, CompanyNameField = 11;

// Adds the time since the last lap to a stage's figure.
class Laps
{
public:
    Laps() { m_timer.start(); }
    void lap(double &stage)
    {
        stage += double(m_timer.nsecsElapsed()) / 1e6;
        m_timer.restart();
    }

private:
    QElapsedTimer m_timer;
};
} // namespace

word::DocumentProperties letterProperties(const FieldValues &fields, const QDateTime &now, const QLocale &language)
{
    QString addressee = fields[CompanyNameField].trimmed();
    if (addressee.isEmpty())
        addressee = fields[RecipientNameField].trimmed();
    const LetterWords &words = letterWords(language);
    return {.author = fields[SenderNameField].trimmed(),
            .title = addressee.isEmpty() ? words.title.toString() : words.titleTo.toString().arg(addressee),
            .subject = words.subject.toString(),
            .created = now,
            .modified = now};
}

QByteArray LetterEngine::letterShape(const std::vector<word::ParagraphEdit> &edits,
                                     const std::vector<std::pair<QString, QString>> &replacements) const
{
    QCryptographicHash shape(QCryptographicHash::Sha256);
    auto add = [&](const QString &text) {
        shape.addData(text.toUtf8());
        shape.addData(QByteArrayView("\0", 1));
    };
    shape.addData(m_templateDigest);
    add(m_request.templateFile);
    add(m_letterText ? u'+' + *m_letterText : QString());
    add(QString::number(int(m_request.paper)));
    shape.addData(m_signatureDigest);
    for (const word::ParagraphEdit &edit : edits) {
        add(edit.text);
        add(edit.newText ? u'+' + *edit.newText : QString());
        add(edit.after.join(u'\n'));
    }
    // An emptied place may lose its formatting: a letter whose empty
    // placeholders differ is made afresh.
    for (const auto &[placeholder, text] : replacements)
        add(placeholder + (text.isEmpty() ? u'0' : u'1'));
    return shape.result();
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

LetterEngine::LetterEngine(word::Automation &automation, LetterRequest request, HeldOffice *held)
    : m_automation(automation), m_request(std::move(request)), m_held(held)
{
    m_request.fields[DateFieldIndex] = m_request.date;
}

LetterEngine::~LetterEngine()
{
    cancelIfRunning();
}

void LetterEngine::report(const QString &location, int line, const QString &description, bool plainWords)
{
    qCWarning(lcLetter) << location << line << description;
    m_result.reports.push_back({location, line, description, plainWords});
}

namespace {
// A trap that keeps its failures for the window rather than showing them:
// the engine may run where no window can be shown.
ErrorTrap recordingTrap(const char *location, std::function<void(const QString &, int, const QString &, bool)> keep)
{
    const QString where = QString::fromLatin1(location);
    return ErrorTrap([keep, where](const QString &d, int line) { keep(where, line, d, false); },
                     [keep, where](const QString &d, int line) { keep(where, line, d, true); });
}
} // namespace

void LetterEngine::prepare()
{
    // The picture plugins are found here, on the owning thread: the
    // worker decodes and encodes page pictures.
    static const bool picturePluginsFound = !QImageReader::supportedImageFormats().isEmpty();
    Q_UNUSED(picturePluginsFound);
    auto keep = [this](const QString &where, int line, const QString &d, bool plain) { report(where, line, d, plain); };
    ErrorTrap trap = recordingTrap(ReportLocation::Form1_PushButton6_Click, keep);
    OfficeSteps letter(trap);
    QByteArray templateData;
    LetterTimings &times = m_result.timings;
    Laps laps;
    // With no safe scratch folder the scratch files are never written.
    letter.essential(106, [&] {
        m_temp = ScratchFiles::folder();
        templateData = LetterTemplate::readChosen(m_request.templateFile, m_request.design);
    });
    m_templateDigest = QCryptographicHash::hash(templateData, QCryptographicHash::Sha256);
    // Afresh for every letter: a copy an earlier one left is never used.
    // The live page's letters have one of their own.
    const QString copy = m_request.keep == LetterRequest::Keep::ScratchLetter ? ScratchFiles::templateCopyPath(m_temp)
            : m_request.keep == LetterRequest::Keep::PagesOnly ? ScratchFiles::livePageTemplateCopyPath(m_temp)
                                                               : ScratchFiles::readyLetterTemplateCopyPath(m_temp);
    letter.essential(108, [&] { m_templateCopy = LetterTemplate::writeCopy(templateData, copy); });
    laps.lap(times.templateCopy);
    // The built-in letter in the user's words; a file that cannot be read
    // is told plainly, and the built-in body stays.
    if (letter.possible() && m_request.templateFile.isEmpty() && !m_request.letterTextFile.isEmpty())
        trap.step(112, [&] { m_letterText = LetterText::read(m_request.letterTextFile); });
    // A signature that cannot be put in is named now, and no letter goes
    // out unsigned in its place.
    if (letter.possible() && !m_request.signatureFile.isEmpty())
        letter.essential(113, [&] {
            m_signatureCopy = SignaturePicture::copyInto(m_request.signatureFile, m_temp);
            QFile copy(m_signatureCopy);
            if (copy.open(QIODevice::ReadOnly))
                m_signatureDigest = QCryptographicHash::hash(copy.readAll(), QCryptographicHash::Sha256);
        });
    m_possible = letter.possible();
}

void LetterEngine::work()
{
    auto keep = [this](const QString &where, int line, const QString &d, bool plain) { report(where, line, d, plain); };
    ErrorTrap trap = recordingTrap(ReportLocation::Form1_PushButton6_Click, keep);
    ErrorTrap snapshotTrap = recordingTrap(ReportLocation::Form1_SaveDocAsJPG, keep);
    OfficeSteps letter(trap);
    OfficeSteps snapshot(snapshotTrap);
    if (!m_possible)
        return;
    // The letter made ready before this one works in the same office. A
    // Cancel met while waiting for it ends this one too: a held office
    // killed would otherwise be replaced by a new one, and the window
    // wait for it.
    if (m_after)
        m_after->waitForWorker();
    if (m_aborted) {
        m_possible = false;
        return;
    }
    std::shared_ptr<word::Document> document;
    QString scratchDocument;
    LetterTimings &times = m_result.timings;
    Laps laps;

    // Here, not on the owning thread: the office may still be starting,
    // or be replaced, and the window waits for neither.
    letter.essential(110, [&] { m_office = m_held ? m_held->take(m_automation) : m_jobOffice.take(m_automation); });
    laps.lap(times.takeOffice);
    if (!letter.possible()) {
        m_possible = false;
        return;
    }

    // A held office's letter stays open in it from letter to letter (the
    // live page's from redraw to redraw, the window's from one "Start
    // Creating Template" to the next) and is only filled again while its
    // shape stays the same.
    const bool keepOpen = m_held != nullptr;
    const bool builtIn = m_request.templateFile.isEmpty();
    const std::vector<std::pair<QString, QString>> replacements
            = placeholderReplacements(m_request.fields, m_request.further);
    const bool signedLetter = !m_signatureCopy.isEmpty();
    std::vector<word::ParagraphEdit> edits;
    if (builtIn)
        edits = BuiltInLetter::edits(m_request.fields, m_request.further, m_request.wording, dateLanguage(),
                                     signedLetter, m_request.design);
    else if (!signedLetter)
        edits.push_back(SignaturePicture::unsignedParagraph());
    const QByteArray shape = keepOpen ? letterShape(edits, replacements) : QByteArray();
    std::unique_ptr<KeptLetter> kept = keepOpen ? std::move(m_held->kept()) : nullptr;
    if (kept && (kept->shape != shape || kept->prepared->places().needsFreshDocument())) {
        trap.step(188, [&] { kept->document->close(); });
        kept.reset();
    }
    std::unique_ptr<PreparedLetter> prepared;
    if (kept) {
        document = kept->document;
        prepared = std::move(kept->prepared);
        m_result.templateOpened = true;
        m_result.ownTemplateNames = kept->ownTemplateNames;
    } else {
        letter.essential(114, [&] {
            document = LetterTemplate::openCopy(*m_office, m_templateCopy, m_request.templateFile,
                                                &m_result.templateNotice);
            m_result.templateOpened = true;
        });
    }
    laps.lap(times.open);
    if (m_letterText) {
        if (!prepared)
            letter.step(118, [&] { putLetterText(*document, *m_letterText); });
        m_result.letterText = m_letterText;
    }
    // Before the placeholders are found: the picture takes [Signature]'s
    // place, which the fill would otherwise empty.
    if (signedLetter && !prepared)
        letter.essential(119, [&] {
            document->placePicture(SignaturePicture::placeholder(), m_signatureCopy, SignaturePicture::HeightMm);
        });
    letter.step(150, [&] {
        try {
            if (!prepared) {
                if (!builtIn) {
                    if (!edits.empty())
                        document->editParagraphs(edits);
                    m_result.ownTemplateNames = Placeholders::namesIn(document->bracketedTexts().join(u' '));
                } else {
                    document->editParagraphs(edits);
                    BuiltInLetter::nameHeaderPages(*document);
                }
                prepared = std::make_unique<PreparedLetter>(*document, placeholdersOf(replacements));
                prepared->fill(replacements);
                if (builtIn)
                    Paper::layOut(*document, m_request.paper);
            } else {
                prepared->fill(replacements);
            }
            m_result.placeholderFound = prepared->hasPlaceholders();
        } catch (const Failure &failure) {
            LetterTemplate::rethrowAsProblem(m_request.templateFile, failure, LetterTemplate::Stage::Fill, *m_office);
        }
    });
    laps.lap(times.fill);
    const bool keepLetter = m_request.keep == LetterRequest::Keep::ScratchLetter;
    const word::DocumentProperties properties = letterProperties(m_request.fields, QDateTime::currentDateTime());
    m_result.title = properties.title;
    if (keepLetter) {
        letter.step(168, [&] { scratchDocument = newScratchDocumentPath(m_temp); });
        letter.step(182, [&] { document->setBuiltInProperties(properties); });
        // Without the stored letter there is nothing to save from the preview.
        // A copy: the letter itself stays as it was opened, to be filled
        // again for the next one.
        letter.essential(184, [&] { document->exportCopy(scratchDocument, word::LetterFormat::Word97); });
    }
    laps.lap(times.store);

    // The pages, rendered from the document still open.
    const bool openOnly = m_request.keep == LetterRequest::Keep::OpenLetterOnly;
    if (letter.possible() && !openOnly) {
        snapshot.essential(120, [&] {
            m_result.pageCount = document->pageCount();
            const int pages = std::min(m_result.pageCount, std::max(1, m_request.maxPages));
            for (int number = 1; number <= pages; ++number)
                m_result.pages.push_back(document->renderPage(number, m_request.pixelsPerLogicalInch));
        });
        if (keepLetter)
            snapshot.step(122,
                          [&] { writeSnapshot(m_result.pages.front().picture, ScratchFiles::snapshotPath(m_temp)); });
    }
    laps.lap(times.render);
    const bool pagesMade = openOnly || (snapshot.possible() && !m_result.pages.empty());
    m_officeLost = letter.officeLost() || snapshot.officeLost();
    m_result.officeLost = m_officeLost;
    if (!m_officeLost && document) {
        if (keepOpen && letter.possible() && pagesMade && prepared)
            m_held->kept() = std::make_unique<KeptLetter>(
                    KeptLetter{shape, document, std::move(prepared), m_result.ownTemplateNames});
        else
            trap.step(188, [&] { document->close(); });
    }
    document.reset();
    laps.lap(times.close);
    m_possible = letter.possible() && pagesMade;
    if (!scratchDocument.isEmpty() && FileExists(scratchDocument))
        m_result.document = scratchDocument;
}

void LetterEngine::abort()
{
    m_aborted = true;
    // The wait for it, or the worker's call, fails at once.
    if (m_held)
        m_held->kill();
    else
        m_jobOffice.kill();
}

void LetterEngine::finish()
{
    auto keep = [this](const QString &where, int line, const QString &d, bool plain) { report(where, line, d, plain); };
    ErrorTrap trap = recordingTrap(ReportLocation::Form1_PushButton6_Click, keep);
    // A lost office has nothing left to quit; a held one stays for the
    // next letter, unless it is lost.
    if (m_held && m_officeLost)
        m_held->forget();
    if (m_office && !m_officeLost && !m_held)
        trap.step(190, [&] { m_office->quit(); });
    trap.step(194, [&] { m_office.reset(); });
    if (!m_templateCopy.isEmpty())
        trap.step(196, [&] { DeleteFileQuietly(m_templateCopy); });
    if (!m_signatureCopy.isEmpty())
        trap.step(197, [&] { DeleteFileQuietly(m_signatureCopy); });
    // A letter that is not shown is not kept.
    if (!m_possible) {
        cleanUp();
        m_result.pages.clear();
    }
}

void LetterEngine::cancelled()
{
    m_office.reset();
    if (!m_templateCopy.isEmpty())
        DeleteFileQuietly(m_templateCopy);
    if (!m_signatureCopy.isEmpty())
        DeleteFileQuietly(m_signatureCopy);
    cleanUp();
    m_result = MadeLetter();
}

void LetterEngine::cleanUp()
{
    if (!m_result.document.isEmpty())
        DeleteFileQuietly(m_result.document);
    m_result.document.clear();
    if (!m_temp.isEmpty())
        DeleteFileQuietly(ScratchFiles::snapshotPath(m_temp));
}
