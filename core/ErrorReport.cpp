#include "ErrorReport.h"

#include "Messenger.h"

QString errorReportText(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") + QString::number(line)
            + QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ")
            + QLatin1String(SupportEmail);
}

void ShowErrorReport(Messenger &messenger, const QString &description, const QString &location, int line)
{
    messenger.showMessage(errorReportText(description, location, line), QString::fromLatin1(ErrorReportCaption),
                          Messenger::Icon::Warning);
}
