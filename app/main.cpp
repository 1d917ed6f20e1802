#include <QApplication>

#include "AppTitle.h"
#include "Form1.h"
#include "LetterFields.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "MessageBoxMessenger.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(CompanyName));
    QCoreApplication::setApplicationName(QString::fromLatin1(ProductName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionText));
    QGuiApplication::setDesktopFileName(QStringLiteral("tessaline"));

    MessageBoxMessenger messenger;
    SettingsStore store;
    LibreOfficeAutomation automation(LibreOfficeAutomation::ProgramSpares);
    // One spare starts now and serves the start-up check; taking it starts
    // the others, which come up while the main window shows, so the start
    // is no slower than without them.
    automation.startSpares(1);
    SystemClipboardSource clipboard;

    Form1 form1({messenger, store, automation, clipboard});
    if (form1.Form_Load() == Form1::LoadResult::EndProgram)
        return 1;
    form1.show();
    return app.exec();
}
