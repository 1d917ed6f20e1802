// The preview's page views: the printed block or the whole sheet, and the
// zoom at which the page fits the view.

#include <QAction>

#include "Failure.h"
#include "Form2.h"
#include "Messenger.h"
#include "Settings.h"

namespace { } // namespace

void Form2::createPageViewActions()
{
    wholePageAction = new QAction(tr("&Whole Page"), this);
    wholePageAction->setCheckable(true);
    wholePageAction->setChecked(Settings().wholePage());
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
        Settings().setWholePage(on);
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
