#include "SettingsStore.h"

#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "AppTitle.h"
#include "Failure.h"
#include "RegularFile.h"

namespace {
constexpr char SettingsSection[] = "Tessaline";

QString cannotWrite(const QString &file)
{
    return QObject::tr("Cannot save your entries to %1: the file cannot be written.")
            .arg(QDir::toNativeSeparators(file));
}

QString sectionKey(const QString &key)
{
    return QString::fromLatin1(SettingsSection) + QLatin1Char('/') + key;
}

QSettings openSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(CompanyName));
}

// QSettings reads its file whole as it is made: a named pipe there would
// hold the program's start for ever, a device would fill its memory. Its
// folder is learnt from settings of a name no file has, which read nothing.
QString settingsFile()
{
    const QSettings none(QSettings::NativeFormat, QSettings::UserScope,
                         QString::fromLatin1(CompanyName) + QStringLiteral("-nothing"));
    return QFileInfo(none.fileName()).absolutePath() + QLatin1Char('/') + QString::fromLatin1(CompanyName)
            + QStringLiteral(".conf");
}

// What the settings file is when it is no regular file ("a named pipe
// (FIFO)"), else empty.
QString settingsFileKind()
{
    return RegularFile::specialKind(settingsFile());
}

void refuseSpecialFile()
{
    if (const QString kind = settingsFileKind(); !kind.isEmpty())
        throw Failure(QObject::tr("Cannot save your entries to %1: it is %2, not a regular file.")
                              .arg(QDir::toNativeSeparators(settingsFile()), kind));
}

void flush(QSettings &settings)
{
    settings.sync();
    // A format error only says that the file held lines it could not read;
    // the values were written all the same.
    if (settings.status() == QSettings::AccessError)
        throw Failure(cannotWrite(settings.fileName()));
}
} // namespace

namespace {
// The text after "=" on the key's line in the settings group, as written
// (surrounding spaces aside); nullopt when no such line is there.
std::optional<QString> lineValue(const QString &file, const QString &key)
{
    QFile settings(file);
    if (!settings.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    const QString section = u'[' + QString::fromLatin1(SettingsSection) + u']';
    bool inSection = false;
    std::optional<QString> found;
    while (!settings.atEnd()) {
        const QString line = QString::fromUtf8(settings.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inSection = line == section;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inSection && equals > 0 && line.left(equals).trimmed() == key)
            found = line.mid(equals + 1).trimmed(); // the last line wins, as for QSettings
    }
    return found;
}
} // namespace

QString UserSettingsStore::value(const QString &key) const
{
    if (!settingsFileKind().isEmpty())
        return {};
    const QVariant stored = openSettings().value(sectionKey(key));
    // A value written by hand with a comma and no quotes
    // ("Closing=Cordialement,") reads as a list in the file's syntax, and as
    // no text at all: its line as written is what the user meant. What
    // the program writes itself is quoted and reads back as text.
    if (stored.typeId() == QMetaType::QStringList)
        return lineValue(settingsFile(), key).value_or(stored.toStringList().join(QStringLiteral(", ")));
    return stored.toString();
}

QStringList UserSettingsStore::keys() const
{
    if (!settingsFileKind().isEmpty())
        return {};
    QSettings settings = openSettings();
    settings.beginGroup(QString::fromLatin1(SettingsSection));
    return settings.childKeys();
}

void UserSettingsStore::setValue(const QString &key, const QString &value)
{
    refuseSpecialFile();
    QSettings settings = openSettings();
    settings.setValue(sectionKey(key), value);
    flush(settings);
}

void UserSettingsStore::remove(const QString &key)
{
    refuseSpecialFile();
    QSettings settings = openSettings();
    settings.remove(sectionKey(key));
    flush(settings);
}

void UserSettingsStore::checkWritable() const
{
    refuseSpecialFile();
    const QString file = fileName();
    const QFileInfo info(file);
    const QString folder = info.absolutePath();
    const bool usable = info.exists() ? info.isFile() && info.isWritable()
                                      : QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    // Writing goes through a new file in the same folder.
    if (!usable || !QFileInfo(folder).isWritable())
        throw Failure(cannotWrite(file));
}

QString UserSettingsStore::fileName() const
{
    return settingsFile();
}
