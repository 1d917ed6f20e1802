#include "HeldOffice.h"

#include <exception>
#include <utility>

#include "Logging.h"

HeldOffice::HeldOffice() : m_taking(std::make_shared<JobOffice>()) { }

HeldOffice::~HeldOffice()
{
    giveBack();
}

std::shared_ptr<word::Application> HeldOffice::take(word::Automation &automation)
{
    std::shared_ptr<JobOffice> taking;
    {
        std::lock_guard lock(m_mutex);
        if (m_office)
            return m_office;
        taking = m_taking;
    }
    std::shared_ptr<word::Application> office = taking->take(automation);
    std::lock_guard lock(m_mutex);
    // An office that a kill() met on its way (and ended) is not kept.
    if (taking == m_taking)
        m_office = office;
    m_kept.reset();
    return office;
}

void HeldOffice::kill()
{
    std::shared_ptr<JobOffice> taking;
    std::shared_ptr<word::Application> office;
    {
        std::lock_guard lock(m_mutex);
        taking = std::exchange(m_taking, std::make_shared<JobOffice>());
        office = std::move(m_office);
    }
    taking->kill();
    if (office)
        office->kill();
}

void HeldOffice::forget()
{
    std::lock_guard lock(m_mutex);
    m_kept.reset();
    m_office.reset();
}

void HeldOffice::giveBack()
{
    std::shared_ptr<word::Application> office;
    {
        std::lock_guard lock(m_mutex);
        // Its document goes with the office.
        m_kept.reset();
        office = std::move(m_office);
    }
    if (!office)
        return;
    try {
        office->quit();
    } catch (const std::exception &e) {
        // It ended on its own meanwhile: nothing is left to give back.
        qCDebug(lcOffice) << "the held office was already ended:" << e.what();
    }
}

bool HeldOffice::holds() const
{
    std::lock_guard lock(m_mutex);
    return m_office != nullptr;
}
