#include "OfficeSettings.h"

#include <QDir>
#include <QFile>

#include "FileInPlace.h"
#include "Failure.h"

namespace OfficeSettings {

namespace {
// Writer's link update mode "never" (the others: 1 on request, 2 always).
constexpr char LinkUpdateNever[] = "0";
// Where the office's web requests go instead: the discard port on the
// loopback interface, which nothing answers.
constexpr char DeadEndHost[] = "127.0.0.1";
constexpr char DeadEndPort[] = "9";
// The office's proxy type "manual" (0: none, 2: the system's).
constexpr char ManualProxy[] = "1";

struct Setting
{
    const char *path;
    const char *name;
    const char *value;
};

constexpr Setting Settings[] = {
        {"/org.openoffice.Office.Common/Security/Scripting", "BlockUntrustedRefererLinks", "true"},
        {"/org.openoffice.Office.Writer/Content/Update", "Link", LinkUpdateNever},
        {"/org.openoffice.Inet/Settings", "ooInetProxyType", ManualProxy},
        {"/org.openoffice.Inet/Settings", "ooInetNoProxy", ""},
        {"/org.openoffice.Inet/Settings", "ooInetHTTPProxyName", DeadEndHost},
        {"/org.openoffice.Inet/Settings", "ooInetHTTPProxyPort", DeadEndPort},
        {"/org.openoffice.Inet/Settings", "ooInetHTTPSProxyName", DeadEndHost},
        {"/org.openoffice.Inet/Settings", "ooInetHTTPSProxyPort", DeadEndPort},
        {"/org.openoffice.Inet/Settings", "ooInetFTPProxyName", DeadEndHost},
        {"/org.openoffice.Inet/Settings", "ooInetFTPProxyPort", DeadEndPort},
};
} // namespace

QByteArray registryModifications(const QByteArray &existing)
{
    QByteArray items;
    for (const Setting &setting : Settings) {
        items += QByteArray("<item oor:path=\"") + setting.path + "\"><prop oor:name=\"" + setting.name
                + "\" oor:op=\"fuse\"><value>" + setting.value + "</value></prop></item>\n";
    }
    // After the profile's own items: the office takes the last item of a
    // setting, so ours hold whatever the copied profile said.
    const qsizetype end = existing.lastIndexOf("</oor:items>");
    if (end >= 0)
        return existing.left(end) + items + "</oor:items>\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
            + items + "</oor:items>\n";
}

void writeInto(const QString &profileFolder)
{
    const QString user = profileFolder + QStringLiteral("/user");
    if (!QDir().mkpath(user))
        throw Failure(QObject::tr("Cannot create the office's settings folder %1").arg(QDir::toNativeSeparators(user)));
    const QString path = user + QStringLiteral("/registrymodifications.xcu");
    // A profile copied from the ready one has its settings file already;
    // the folder is this run's own, so the file is read and written anew.
    QByteArray existing;
    QFile copied(path);
    if (copied.open(QIODevice::ReadOnly)) {
        existing = copied.readAll();
        copied.close();
        if (!QFile::remove(path))
            throw Failure(QObject::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), copied.errorString()));
    }
    writeNewFile(path, registryModifications(existing));
}

} // namespace OfficeSettings
