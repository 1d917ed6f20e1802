#include "OfficeAutomation.h"

#include "LibreOfficeAutomation.h"
#include "OfficeJail.h"
#include "OfficeProcess.h"

namespace word {

std::unique_ptr<Automation> makeOfficeAutomation(const OfficeOptions &options)
{
    if (options.requireJail)
        OfficeJail::requireForThisRun();
    auto automation = std::make_unique<LibreOfficeAutomation>(
            options.spares,
            options.refillOnTake ? LibreOfficeAutomation::Refill::OnTake : LibreOfficeAutomation::Refill::Never);
    if (!options.warmUpDocument.isEmpty())
        automation->warmSparesWith(options.warmUpDocument);
    return automation;
}

void removeOfficeLeftoversOfDeadRuns()
{
    OfficeProcess::removeLeftoversOfDeadRuns();
}

} // namespace word
