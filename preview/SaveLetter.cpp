#include "SaveLetter.h"

#include <QObject>

#include "CommonDialog.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "LetterOutput.h"
#include "Main.h"
#include "Messenger.h"

QString SaveLetter(CommonDialog &dialog, Messenger &messenger, const QString &wordFile, const QString &letterTitle)
{
    ErrorTrap trap(messenger, QString::fromLatin1(ReportLocation::Form2_PushButton6_Click));
    constexpr int Yes = int(Messenger::Answer::Yes);
    int answer = 0;
    QString target;
    bool copied = false;

    trap.step(106, [&] { dialog.FileName = suggestedFileName(letterTitle, QStringLiteral("doc")); });
    trap.step(108, [&] { dialog.DialogTitle = QObject::tr("Save File"); });
    trap.step(110, [&] {
        dialog.Filter = QObject::tr("Word Files (*.doc)") + QStringLiteral("|*.doc");
        // A name typed without an extension becomes a ".doc" file.
        dialog.DefaultExt = QStringLiteral("doc");
    });
    trap.step(112, [&] { dialog.ShowSave(); });
    trap.step(114, [&] { target = dialog.FileName; });
    if (!trap.test(116, [&] { return target.isEmpty(); })) {
        if (trap.test(118, [&] { return FileExists(target); })) {
            trap.step(120, [&] {
                answer = int(messenger.askYesNo(QObject::tr("Are you sure you wish to overwrite %1 ?").arg(target)));
            });
            // A Yes does not delete the old file first: the copy's final
            // move replaces it, so a failed copy keeps it.
        } else {
            trap.step(126, [&] { answer = Yes; });
        }
        if (trap.test(128, [&] { return answer == Yes; }))
            trap.step(130, [&] {
                copyFileReplacing(wordFile, target);
                copied = true;
            });
    }
    // After a failure the report is the last word: "Done." would claim a
    // letter that was not written.
    if (trap.reportCount() == 0)
        trap.step(132, [&] { messenger.showMessage(QObject::tr("Done."), QString(), Messenger::Icon::None); });
    return copied ? target : QString();
}
