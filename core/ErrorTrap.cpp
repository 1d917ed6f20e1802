#include "ErrorTrap.h"

#include <exception>

#include "ErrorReport.h"
#include "Failure.h"
#include "Messenger.h"

ErrorTrap::ErrorTrap(Messenger &messenger, QString location)
    : m_report([&messenger, location = std::move(location)](const QString &description, int line) {
          ShowErrorReport(messenger, description, location, line);
      }),
      m_tell([&messenger](const QString &description, int) {
          messenger.showMessage(description, QString(), Messenger::Icon::Warning);
      })
{ }

ErrorTrap::ErrorTrap(Reporter report) : m_report(report), m_tell(std::move(report)) { }

ErrorTrap::ErrorTrap(Reporter report, Reporter tell) : m_report(std::move(report)), m_tell(std::move(tell)) { }

void ErrorTrap::step(int line, const std::function<void()> &body)
{
    QString description;
    try {
        body();
        return;
    } catch (const FileProblem &problem) {
        ++m_reportCount;
        m_tell(problem.description(), line);
        return;
    } catch (const std::exception &e) {
        description = QString::fromUtf8(e.what());
    } catch (...) {
        description = QStringLiteral("Unknown failure");
    }
    ++m_reportCount;
    m_report(description, line);
}

bool ErrorTrap::test(int line, const std::function<bool()> &condition)
{
    bool result = true;
    step(line, [&] { result = condition(); });
    return result;
}
