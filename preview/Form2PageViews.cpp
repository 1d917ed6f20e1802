// The preview's page views: the printed block or the whole sheet, the
// zoom at which the page fits the view, and the view laid out for a screen
// smaller than the window.

#include <algorithm>

#include <QAction>

#include "Failure.h"
#include "Form2.h"
#include "Messenger.h"
#include "PushButton.h"
#include "Settings.h"

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

ScreenFit::Shrinking Form2::screenFitShrinking()
{
    m_designedSize = size();
    for (QWidget *control :
         std::initializer_list<QWidget *>{Frame1, PushButton1, PushButton2, PushButton6, PushButton8})
        m_designedPlaces.emplace_back(control, control->geometry());
    const QSize view = Picture2->size();
    const QSize least = m_designedSize - QSize(view.width() / 4, view.height() * 2 / 3);
    return {least, [this](QSize window) { layOutForWindow(window); }};
}

void Form2::layOutForWindow(QSize window)
{
    const int lessWidth = std::max(0, m_designedSize.width() - window.width());
    const int lessHeight = std::max(0, m_designedSize.height() - window.height());
    m_pageArea->shrinkView(QSize(lessWidth, lessHeight));
    // Below the view: up by what it lost in height; across, each of the
    // two side-by-side controls of a row narrows by half what it lost.
    const int leftHalf = lessWidth / 2;
    for (const auto &[control, designed] : m_designedPlaces) {
        QRect place = designed;
        if (control == Frame1)
            place.adjust(0, 0, -lessWidth, 0);
        else if (control == PushButton1 || control == PushButton8)
            place.adjust(0, 0, -leftHalf, 0);
        else
            place.adjust(-leftHalf, 0, -lessWidth, 0);
        // The zoom buttons sit inside the frame, which moves for them.
        if (control->parentWidget() == this)
            place.translate(0, -lessHeight);
        control->setGeometry(place);
    }
}
