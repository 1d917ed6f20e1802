#include "IsInstalled.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QObject>
#include <QScopeGuard>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>
#include <utility>

#include "Messenger.h"
#include "ThreadHandOver.h"
#include "WordAutomation.h"

QString officeMissingMessage(const QString &reason)
{
    const QString paragraphBreak = QStringLiteral("\r\n\r\n");
    const QStringList parts = {
            QObject::tr("Error 842001. A normal instance of Word could not be created."),
            QObject::tr("1. Please make sure Word is installed on this computer."),
            QObject::tr("2. Please open Word normally and make sure a blank document opens immediately "
                        "without any interrupting window (such as an Word file recovery window)."),
            QObject::tr("3. Please make sure that when you double-click on a DOC or DOCX file that Word "
                        "opens normally without any interrupting messages."),
            QObject::tr("4. All versions of Word are supported by this software except for the rare "
                        "Word Starter and Student editions."),
    };
    // What the office said goes below, so that a user (or support) can
    // tell a missing office from one that fails to start.
    if (!reason.isEmpty())
        return parts.join(paragraphBreak) + paragraphBreak + QObject::tr("Reason: %1").arg(reason);
    return parts.join(paragraphBreak);
}

bool CheckWordInstalled(word::Automation &automation, Messenger &messenger)
{
    if (const QString refusal = automation.refusal(); !refusal.isEmpty()) {
        messenger.showMessage(refusal, QString(), Messenger::Icon::Warning);
        return false;
    }
    // Once a run, at the first check.
    static bool noticeTold = false;
    if (const QString notice = automation.protectionNotice(); !notice.isEmpty() && !std::exchange(noticeTold, true))
        messenger.showMessage(notice, QString(), Messenger::Icon::None);
    std::shared_ptr<word::Application> application;
    QString reason;
    // The office is taken on a worker (bounded by the office's start
    // deadline) while this thread goes on answering its events.
    QFutureWatcher<void> watcher;
    word::CreationStop stop;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    handOver(&application);
    watcher.setFuture(QtConcurrent::run([&] {
        tookOver(&application);
        const auto done = qScopeGuard([&] { handOver(&application); });
        try {
            application = automation.createApplication(&stop);
        } catch (const std::exception &e) {
            // No instance: the reference stays empty.
            reason = QString::fromUtf8(e.what());
        } catch (...) { }
    }));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!watcher.isFinished()) {
        // The program is ending (a SIGTERM): the wait for the office ends
        // at once, and there is nobody left to tell.
        stop.stop();
        watcher.waitForFinished();
        tookOver(&application);
        return false;
    }
    watcher.waitForFinished();
    tookOver(&application);
    if (!application) {
        messenger.showMessage(officeMissingMessage(reason), QString(), Messenger::Icon::None);
        return false;
    }
    try {
        application->quit();
    } catch (...) {
        // A failing quit leaves the check passed.
    }
    return true;
}
