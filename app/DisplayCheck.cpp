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

DisplayCheck::DisplayCheck(const QStringList &arguments)
{
    QString platform = optionValue(arguments, QStringLiteral("platform"));
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    // A platform without a display server (offscreen, vnc, eglfs) is the
    // user's own choice.
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))
        && !platform.startsWith(QLatin1String("wayland")))
        return;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;

    m_display = optionValue(arguments, QStringLiteral("display"));
    if (m_display.isEmpty())
        m_display = qEnvironmentVariable("DISPLAY");
    if (m_display.isEmpty()) {
        m_kind = Problem::NoDisplay;
        return;
    }
    // Connecting as Qt would, with the same display name and authority.
    m_connection = xcb_connect(m_display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(m_connection) != 0)
        m_kind = Problem::CannotOpen;
}

QString DisplayCheck::problem() const
{
    const QString advice = QCoreApplication::translate(
            "main",
            "the window needs a desktop session; use --batch to write letters without a window, "
            "or start the window under a virtual X server with xvfb-run");
    switch (m_kind) {
    case Problem::None:
        break;
    case Problem::NoDisplay:
        return QCoreApplication::translate("main", "no display (DISPLAY is not set): %1").arg(advice);
    case Problem::CannotOpen:
        return QCoreApplication::translate("main", "cannot open the display \"%1\": %2").arg(m_display, advice);
    }
    return {};
}

DisplayCheck::~DisplayCheck()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}
