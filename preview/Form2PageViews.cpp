// The preview's page views: the printed block or the whole sheet, and the
// zoom at which the page fits the view.

#include <QAction>

#include "Failure.h"
#include "Form2.h"
#include "LetterFields.h"
#include "Messenger.h"

namespace {
constexpr char WholePageKey[] = "WholePage";
} // namespace

void Form2::createPageViewActions()
{
    wholePageAction = new QAction(tr("&Whole Page"), this);
    wholePageAction->setCheckable(true);
    wholePageAction->setChecked(readSetting(QString::fromLatin1(WholePageKey)) == QLatin1String("1"));
    connect(wholePageAction, &QAction::toggled, this, &Form2::setWholePage);
    fitPageAction = new QAction(tr("&Fit Page"), this);
    fitPageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(fitPageAction, &QAction::triggered, this, &Form2::FitPage);
    addActions({wholePageAction, fitPageAction});
}

void Form2::setWholePage(bool on)
{
    // Through the action, whose toggle comes back here.
    if (wholePageAction->isChecked() != on)
        return wholePageAction->setChecked(on);
    try {
        writeSetting(QString::fromLatin1(WholePageKey), on ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const Failure &failure) {
        m_messenger.showMessage(tr("%1\n\nThe page is shown as you chose, but the choice will not be "
                                   "remembered for the next start.")
                                        .arg(failure.description()),
                                QString(), Messenger::Icon::Warning);
    }
    if (m_pageNumber > 0)
        showCurrentPage();
}

void Form2::FitPage()
{
    m_pageArea->fitPage();
}
