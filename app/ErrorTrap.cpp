#include "ErrorTrap.h"

#include <exception>

#include "ErrorReport.h"
#include "Failure.h"
#include "Messenger.h"

ErrorTrap::ErrorTrap(Messenger &messenger, QString location)
    : m_messenger(messenger), m_location(std::move(location))
{
}

void ErrorTrap::step(int line, const std::function<void()> &body)
{
    QString description;
    try {
        body();
        return;
    } catch (const FileProblem &problem) {
        ++m_reportCount;
        m_messenger.showMessage(problem.description(), QString(), Messenger::Icon::Warning);
        return;
    } catch (const std::exception &e) {
        description = QString::fromUtf8(e.what());
    } catch (...) {
        description = QStringLiteral("Unknown failure");
    }
    ++m_reportCount;
    ShowErrorReport(m_messenger, description, m_location, line);
}

bool ErrorTrap::test(int line, const std::function<bool()> &condition)
{
    bool result = true;
    step(line, [&] { result = condition(); });
    return result;
}
