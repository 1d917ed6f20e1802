#pragma once

#include <memory>
#include <mutex>

#include "WordAutomation.h"

// The office instance of one background job: taken on the job's worker
// (where waiting for an office that is still starting holds up nobody),
// and ended at once by a Cancel from the owning thread, whether it is
// still being waited for or already at work.
class JobOffice
{
public:
    // On the worker; the job owns what it returns. Throws what
    // createApplication throws: a Cancel that came first ends the wait with
    // a Failure.
    std::shared_ptr<word::Application> take(word::Automation &automation, word::OfficeUse use = word::OfficeUse::Letter)
    {
        std::shared_ptr<word::Application> office = automation.createApplication(&m_stop, use);
        std::lock_guard lock(m_mutex);
        m_office = office;
        if (m_stop.stopped())
            office->kill(); // cancelled as it was handed over
        return office;
    }

    // Any thread: the wait or the instance ends at once.
    void kill()
    {
        std::lock_guard lock(m_mutex);
        m_stop.stop();
        if (const std::shared_ptr<word::Application> office = m_office.lock())
            office->kill();
    }

private:
    std::mutex m_mutex;
    std::weak_ptr<word::Application> m_office;
    word::CreationStop m_stop;
};
