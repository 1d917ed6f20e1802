#include "DisplayCheck.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

namespace {
// The value given to one of Qt's own options ("-platform offscreen").
QString optionValue(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == u'-' + name || arguments[i] == QStringLiteral("--") + name)
            return arguments[i + 1];
    }
    return {};
}
} // namespace

QString displayProblem(const QStringList &arguments)
{
    QString platform = optionValue(arguments, QStringLiteral("platform"));
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    // A platform without a display server (offscreen, vnc, eglfs) is the
    // user's own choice.
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) && !platform.startsWith(QLatin1String("wayland")))
        return {};
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};

    const QString advice = QCoreApplication::translate("main",
        "the window needs a desktop session; use --batch to write letters without a window, "
        "or start the window under a virtual X server with xvfb-run");
    QString display = optionValue(arguments, QStringLiteral("display"));
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QCoreApplication::translate("main", "no display (DISPLAY is not set): %1").arg(advice);
    // Connecting as Qt would, with the same display name and authority.
    xcb_connection_t *connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (connected)
        return {};
    return QCoreApplication::translate("main", "cannot open the display \"%1\": %2").arg(display, advice);
}
