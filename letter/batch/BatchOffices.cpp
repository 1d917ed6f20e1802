// The batch's offices: each brought up with the letter open in it, one
// replaced when it fails, all ended with the run.
#include "BatchRun.h"

#include <algorithm>

#include <QtConcurrent/QtConcurrentRun>

#include "BuiltInLetter.h"
#include "Failure.h"
#include "LetterTemplate.h"
#include "Logging.h"
#include "PaperSize.h"
#include "SignaturePicture.h"
#include "ThreadHandOver.h"

namespace batch {

void Batch::startOffices(int count)
{
    // The first has been starting while the list was read, and checks the
    // letter; the others start now, before the first opens it, and come up
    // side by side with it: started only once the first letter was made,
    // they missed a third of a 200-row job. None is started later except
    // to replace one that failed.
    m_pool.setMaxThreadCount(count);
    const std::vector<word::ParagraphEdit> firstEdits
            = m_pending.empty() ? std::vector<word::ParagraphEdit>() : editsFor(m_list.rows[m_pending.front().row]);
    // A list read by an office (a spreadsheet) lends it to the first slot.
    m_offices.startSpares(m_listOffice ? count - 1 : count);
    auto slot = std::make_unique<Slot>();
    try {
        slot->office = m_listOffice ? std::move(m_listOffice) : m_offices.createApplication();
        m_slots.push_back(std::move(slot)); // ended with the others, whatever happens
        openLetter(*m_slots.back(), firstEdits);
        m_slots.back()->usable = true;
    } catch (const LetterTemplate::Problem &) {
        throw; // the template cannot be used at all
    } catch (const Refusal &) {
        throw;
    } catch (const Failure &failure) {
        // The first one tells whether the template can be used at all: one
        // that keeps it busy past its deadline is named as too much.
        if (!m_slots.empty() && !m_source.isEmpty() && failure.kind() == Failure::Kind::OfficeLost)
            LetterTemplate::rethrowAsProblem(m_source, failure, LetterTemplate::Stage::Fill, *m_slots.back()->office);
        throw Failure(QObject::tr("Cannot start an office with the template: %1").arg(failure.description()));
    }
    for (int i = 1; i < count; ++i) {
        handOver(this);
        m_comingUp.push_back(QtConcurrent::run(&m_pool, [this, firstEdits] {
            tookOver(this);
            std::shared_ptr<Slot> slot = bringUpOffice(firstEdits);
            handOver(slot.get());
            m_letterDone.release(); // the scheduler takes it in
            return slot;
        }));
    }
}

std::unique_ptr<Slot> Batch::bringUpOffice(const std::vector<word::ParagraphEdit> &edits)
{
    auto slot = std::make_unique<Slot>();
    try {
        slot->office = m_offices.createApplication();
        openLetter(*slot, edits);
        slot->usable = true;
    } catch (const std::exception &e) {
        slot->failure = QString::fromUtf8(e.what());
        qCWarning(lcBatch) << "an office could not be brought up:" << slot->failure;
    }
    return slot;
}

void Batch::adoptOfficesComingUp(bool wait)
{
    for (auto it = m_comingUp.begin(); it != m_comingUp.end();) {
        if (wait)
            it->waitForFinished();
        if (!it->isFinished()) {
            ++it;
            continue;
        }
        std::shared_ptr<Slot> slot = it->result();
        tookOver(slot.get());
        it = m_comingUp.erase(it);
        if (!slot->failure.isEmpty())
            m_progress->note(QObject::tr("An office could not be started: %1").arg(slot->failure));
        // Ended with the others, whatever happened.
        m_slots.push_back(std::make_unique<Slot>(std::move(*slot)));
    }
}

bool Batch::replaceOffice(Slot &slot)
{
    // Ending the old instance: it is dead or killed already, or its
    // template could not be put back.
    slot.prepared.reset();
    slot.letter.reset();
    slot.office.reset();
    slot.usable = false;
    slot.rowDeadline.reset();
    try {
        slot.office = m_offices.createApplication();
        openLetter(slot, slot.edits);
        slot.usable = true;
    } catch (const Failure &failure) {
        slot.prepared.reset();
        slot.letter.reset();
        slot.office.reset();
        m_progress->note(QObject::tr("An office could not be started again: %1").arg(failure.description()));
    }
    return slot.usable;
}

// Opens the template in the slot's office, puts the body in the user's
// words in place and finds the placeholders. The
// first copy also tries how each place takes new text (see
// word::PlaceholderPlaces::Behaviour): the trial leaves a fresh copy
// needed, and a place that loses its formatting once emptied (a row's
// empty field) needs one before the next letter.
std::vector<word::ParagraphEdit> Batch::editsFor(const LetterRow &row) const
{
    if (!m_source.isEmpty())
        return m_signatureCopy.isEmpty() ? std::vector{SignaturePicture::unsignedParagraph()}
                                         : std::vector<word::ParagraphEdit>();
    return BuiltInLetter::edits(row.texts, row.further, m_wording, dateLanguage(), !m_signatureCopy.isEmpty(),
                                m_design);
}

void Batch::openLetter(Slot &slot, const std::vector<word::ParagraphEdit> &edits)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        closeLetter(slot);
        slot.letter = openTemplate(*slot.office);
        // The built-in letter in the user's words, before the placeholders
        // are found, so that those of the user's words are filled too.
        if (m_letterText)
            putLetterText(*slot.letter, *m_letterText);
        if (!edits.empty())
            slot.letter->editParagraphs(edits);
        // Before the placeholders are found, which would empty its place.
        if (!m_signatureCopy.isEmpty())
            slot.letter->placePicture(SignaturePicture::placeholder(), m_signatureCopy, SignaturePicture::HeightMm);
        slot.edits = edits;
        // Once, on the first office's copy, before any row starts.
        if (!m_checked) {
            checkList(*slot.letter);
            m_checked = true;
        }
        // What an OpenDocument letter costs the office, halved.
        if (std::find(m_options.formats.begin(), m_options.formats.end(), word::LetterFormat::OpenDocument)
            != m_options.formats.end())
            slot.letter->removeUnusedTableStyles();
        slot.prepared = std::make_unique<PreparedLetter>(*slot.letter, m_placeholders);
        std::lock_guard lock(m_trialMutex);
        const auto tried = std::find_if(m_placeBehaviours.begin(), m_placeBehaviours.end(),
                                        [&](const auto &known) { return known.first == edits; });
        if (tried != m_placeBehaviours.end()) {
            slot.prepared->places().setBehaviours(tried->second);
            return;
        }
        m_placeBehaviours.emplace_back(edits, slot.prepared->places().tryPlaces());
        if (!slot.prepared->places().needsFreshDocument())
            return;
    }
}

// The places go first: they hold references into the document.
void Batch::closeLetter(Slot &slot)
{
    slot.prepared.reset();
    if (slot.letter)
        slot.letter->close(word::WdSaveOptions::DoNotSaveChanges);
    slot.letter.reset();
}

// Problems of a user's template name the user's file, not the copy.
std::shared_ptr<word::Document> Batch::openTemplate(word::Application &office) const
{
    QString leftOut;
    std::shared_ptr<word::Document> letter = LetterTemplate::openCopy(office, m_template, m_source, &leftOut);
    // Said once: the copy is written without the fields for every office.
    if (!leftOut.isEmpty() && m_progress)
        m_progress->note(leftOut);
    if (m_source.isEmpty())
        Paper::layOut(*letter, m_paper);
    return letter;
}

void Batch::endOffices()
{
    m_pool.waitForDone(); // the letters in progress end first
    adoptOfficesComingUp(true);
    if (m_listOffice) {
        try {
            m_listOffice->quit();
        } catch (const Failure &) {
            // It ends with its object all the same.
        }
        m_listOffice.reset();
    }
    for (auto &slot : m_slots) {
        try {
            closeLetter(*slot);
            if (slot->office)
                slot->office->quit();
        } catch (const Failure &) {
            // It ends with its object below all the same.
        }
        slot->prepared.reset();
        slot->letter.reset();
        slot->office.reset();
    }
    m_slots.clear();
}

} // namespace batch
