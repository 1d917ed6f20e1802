#include "OfficeAutomation.h"

#include "LibreOfficeAutomation.h"
#include "OfficeJail.h"
#include "OfficeProcess.h"

namespace word {

std::unique_ptr<Automation> makeOfficeAutomation(const OfficeOptions &options)
{
    if (options.requireJail)
        OfficeJail::requireForThisRun();
    return std::make_unique<LibreOfficeAutomation>(options);
}

void removeOfficeLeftoversOfDeadRuns()
{
    OfficeProcess::removeLeftoversOfDeadRuns();
}

} // namespace word
