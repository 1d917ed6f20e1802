// The main window's menu commands: the template in use, the built-in
// letter saved as a starting point, the letter text, More Fields, help.
#include "Form1.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "AppTitle.h"
#include "CommonDialog.h"
#include "DesignMenu.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "HelpTexts.h"
#include "LetterCheck.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "LetterTextWindow.h"
#include "LettersWindow.h"
#include "Main.h"
#include "Messenger.h"
#include "MoreFieldsWindow.h"
#include "PaperSizeMenu.h"
#include "PlaceholdersWindow.h"
#include "JobProgress.h"
#include "SaveBuiltInLetter.h"
#include "ScratchFiles.h"
#include "Settings.h"

void Form1::setCommonDialog(CommonDialog *dialog)
{
    CommonDialog1 = dialog ? dialog : m_ownCommonDialog.get();
}

void Form1::showTemplateChoice()
{
    const QString name = LetterTemplate::displayName(m_session.templateFile());
    setWindowTitle(name.isEmpty() ? QString::fromLatin1(ProductName)
                                  : QString::fromLatin1(ProductName) + QStringLiteral(" \u2014 ") + name);
    builtInLetterAction->setChecked(m_session.templateFile().isEmpty());
    letterChanged();
}

void Form1::BuiltInLetter_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_BuiltInLetter_Click));
    if (mBusy) {
        showTemplateChoice(); // the letter being made keeps its template
        return;
    }
    trap.step(100, [&] { LetterSession::rememberTemplate(QString()); });
    trap.step(102, [&] { m_session.useTemplate(QString()); });
    trap.step(104, [&] { showTemplateChoice(); });
}

void Form1::UseMyOwnTemplate_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_UseMyOwnTemplate_Click));
    if (mBusy)
        return; // a letter is being made from the template in use
    QString chosen;
    // The dialog opens where the template in use lives, else in Documents.
    const QString current = m_session.templateFile();
    const QString startFolder = current.isEmpty() ? documentsFolder() : QFileInfo(current).absolutePath();
    trap.step(100, [&] {
        CommonDialog &dialog = *CommonDialog1;
        dialog.DialogTitle = tr("Use My Own Template");
        dialog.Filter = LetterTemplate::dialogFilter();
        dialog.FilterIndex = 1;
        dialog.DefaultExt.clear();
        dialog.InitDir = startFolder;
        dialog.FileName.clear();
        dialog.ShowOpen();
        chosen = dialog.FileName;
    });
    if (chosen.isEmpty()) {
        showTemplateChoice(); // a cancelled choice changes nothing
        return;
    }
    // A choice that cannot be remembered is reported, and holds for this run.
    trap.step(102, [&] { LetterSession::rememberTemplate(chosen); });
    trap.step(104, [&] { m_session.useTemplate(chosen); });
    trap.step(106, [&] { showTemplateChoice(); });
}

void Form1::SaveBuiltInLetterAs_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_SaveBuiltInLetterAs_Click));
    if (mBusy)
        return;
    CommonDialog &dialog = *CommonDialog1;
    trap.step(100, [&] {
        dialog.DialogTitle = tr("Save Built-in Letter As");
        QStringList filters;
        for (word::LetterFormat format : BuiltInLetterFormats) {
            const word::LetterFormatInfo &info = word::letterFormatInfo(format);
            filters << QLatin1String(info.dialogFilter) + QStringLiteral("|*.") + QLatin1String(info.suffix);
        }
        dialog.Filter = filters.join(u'|');
        dialog.FilterIndex = 1;
        dialog.DefaultExt.clear(); // the kind chosen decides the suffix
        dialog.InitDir = documentsFolder();
        dialog.FileName
                = QStringLiteral("my-letter.") + QLatin1String(word::letterFormatInfo(BuiltInLetterFormats[0]).suffix);
        dialog.ShowSave();
    });
    if (dialog.FileName.isEmpty())
        return;
    const size_t kind = size_t(std::clamp(dialog.FilterIndex, 1, int(std::size(BuiltInLetterFormats))) - 1);
    const SaveTarget target = saveTargetFor(dialog.FileName, BuiltInLetterFormats[kind]);
    if (trap.test(102, [&] { return FileExists(target.path); })) {
        const auto answer = m_services.messenger.askYesNo(
                tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(target.path)));
        if (answer != Messenger::Answer::Yes)
            return;
    }
    bool saved = false;
    mBusy = true;
    trap.step(104, [&] { setInputBlocked(true); });
    // The copy has the user's own words, when there are any that can be read.
    std::optional<QString> letterText;
    trap.step(106, [&] { letterText = LetterText::read(LetterText::filePath()); });
    trap.step(108, [&] {
        SaveBuiltInLetterJob job(m_services.automation, target.path, target.format, paperSizeMenu->chosen(),
                                 designMenu->chosen(), letterText);
        saved = m_letterProgress->run(job, tr("Saving the built-in letter…")) == JobProgress::Outcome::Completed;
    });
    trap.step(110, [&] { setInputBlocked(false); });
    mBusy = false;
    if (saved) {
        trap.step(112, [&] {
            m_services.messenger.showMessage(
                    tr("The built-in letter is saved as %1.\n\nOpen it in your word processor, write your "
                       "own text around the placeholders, save it, and choose it with "
                       "Letter > Use My Own Template….")
                            .arg(QDir::toNativeSeparators(target.path)),
                    QString(), Messenger::Icon::None);
        });
    }
}

void Form1::EditLetterText_Click()
{
    if (mBusy || m_letterTextWindow)
        return;
    m_letterTextWindow = new LetterTextWindow(m_services.messenger, m_session.templateFile(), this);
    connect(m_letterTextWindow, &QDialog::finished, this, [this] {
        m_letterTextWindow->deleteLater();
        m_letterTextWindow = nullptr;
        letterChanged();
    });
    m_letterTextWindow->open();
}

void Form1::MoreFields_Click()
{
    if (mBusy || m_moreFieldsWindow)
        return;
    QString ownLetterText;
    if (m_session.templateFile().isEmpty()) {
        // The greeting, closing and enclosure line are the user's words too.
        ownLetterText = BuiltInLetter::storedWording().text();
        try {
            ownLetterText += u'\n' + LetterText::read(LetterText::filePath()).value_or(QString());
        } catch (const std::exception &) {
            // Told when a letter is made; the names it would give are unknown.
        }
    }
    const QStringList used = extraPlaceholderNames(ownLetterText, m_session.ownTemplateNames());
    m_moreFieldsWindow = new MoreFieldsWindow(m_services.messenger, moreFieldsNames(used), this);
    connect(m_moreFieldsWindow, &QDialog::finished, this, [this] {
        m_moreFieldsWindow->deleteLater();
        m_moreFieldsWindow = nullptr;
        letterChanged();
    });
    m_moreFieldsWindow->open();
}

PlaceholdersWindow *Form1::placeholdersWindow() const
{
    return m_placeholdersWindow;
}

void Form1::Placeholders_Click()
{
    // Left open beside the fields, to read while writing a template.
    if (!m_placeholdersWindow) {
        m_placeholdersWindow = new PlaceholdersWindow(this);
        connect(m_placeholdersWindow, &QDialog::finished, m_placeholdersWindow, &QObject::deleteLater);
    }
    m_placeholdersWindow->show();
    m_placeholdersWindow->raise();
    m_placeholdersWindow->activateWindow();
}

void Form1::About_Click()
{
    QString scratchFolder;
    try {
        scratchFolder = ScratchFiles::userFolder();
    } catch (const std::exception &e) {
        scratchFolder = QString::fromUtf8(e.what());
    }
    m_services.messenger.showMessage(
            aboutText(m_services.automation.officeVersion(), m_services.settings.fileName(), scratchFolder),
            tr("About %1").arg(QString::fromLatin1(ProductName)), Messenger::Icon::None);
}

void Form1::LettersSent_Click()
{
    if (!m_lettersWindow)
        m_lettersWindow = std::make_unique<LettersWindow>(*m_lettersRecord, m_services.messenger);
    m_lettersWindow->show();
    m_lettersWindow->raise();
    m_lettersWindow->activateWindow();
}
