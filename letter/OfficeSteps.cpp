#include "OfficeSteps.h"

#include "ErrorTrap.h"
#include "Failure.h"

bool OfficeSteps::run(int line, const std::function<void()> &body)
{
    bool done = false;
    m_trap.step(line, [&] {
        try {
            body();
        } catch (const Failure &failure) {
            if (failure.kind() == Failure::Kind::OfficeLost) {
                m_officeLost = true;
                m_possible = false;
            }
            throw;
        }
        done = true;
    });
    return done;
}

bool OfficeSteps::essential(int line, const std::function<void()> &body)
{
    if (!m_possible)
        return false;
    const bool done = run(line, body);
    m_possible = m_possible && done;
    return done;
}

bool OfficeSteps::step(int line, const std::function<void()> &body)
{
    return m_possible && run(line, body);
}

bool OfficeSteps::test(int line, const std::function<bool()> &condition)
{
    bool result = true;
    if (!m_possible)
        return false;
    run(line, [&] { result = condition(); });
    return m_possible && result;
}
