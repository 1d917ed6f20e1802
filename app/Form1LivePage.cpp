// The main window's live page: View ▸ Live Page opens the page the fields
// make now beside the fields, and every change to what the letter is made
// from reaches it.
#include "Form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "Failure.h"
#include "LetterFields.h"
#include "LivePage.h"
#include "LivePageWindow.h"
#include "Messenger.h"
#include "PaperSizeMenu.h"
#include "DesignMenu.h"
#include "Settings.h"

void Form1::createViewMenu()
{
    viewMenu = menuBar->addMenu(tr("&View"));
    viewMenu->setAccessibleDescription(tr("The live page beside the fields"));
    livePageAction = viewMenu->addAction(tr("Live &Page"));
    livePageAction->setCheckable(true);
    livePageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    livePageAction->setStatusTip(tr("Shows the letter beside the fields as you type"));
    connect(livePageAction, &QAction::toggled, this, &Form1::LivePage_Toggled);
    // Another paper is another page.
    connect(paperSizeMenu, &QMenu::triggered, this, &Form1::letterChanged);
    connect(designMenu, &QMenu::triggered, this, &Form1::letterChanged);
}

void Form1::restoreLivePage()
{
    if (m_services.settings.livePage())
        livePageAction->setChecked(true);
}

void Form1::letterChanged()
{
    if (m_livePage)
        m_livePage->letterChanged();
}

void Form1::LivePage_Toggled(bool on)
{
    if (on && !m_livePage) {
        m_livePageWindow = std::make_unique<LivePageWindow>();
        m_livePage = std::make_unique<LivePage>(m_services.automation, [this] {
            LetterRequest request = letterRequest();
            request.pixelsPerLogicalInch = m_livePageWindow->pagePixelsPerLogicalInch(request.pixelsPerLogicalInch);
            return request;
        });
        LivePageWindow *window = m_livePageWindow.get();
        connect(m_livePage.get(), &LivePage::drawn, window, [window](const auto &pages, const QString &notice) {
            window->setPages(pages);
            window->setNotice(notice);
        });
        connect(m_livePage.get(), &LivePage::notDrawn, window, &LivePageWindow::setNotice);
        connect(window, &LivePageWindow::onScreenChanged, m_livePage.get(), &LivePage::setOn);
        connect(window, &LivePageWindow::redrawRequested, m_livePage.get(), &LivePage::redraw);
        connect(window, &LivePageWindow::closed, livePageAction, [this] { livePageAction->setChecked(false); });
        // Its key works in the live page too.
        window->addAction(livePageAction);
    }
    if (on)
        m_livePageWindow->openBeside(this);
    else if (m_livePageWindow)
        m_livePageWindow->hide();
    try {
        m_services.settings.setLivePage(on);
    } catch (const Failure &failure) {
        warnEntriesNotKept(failure.description());
    }
}
