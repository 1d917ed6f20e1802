#include "LetterFields.h"

#include <QDir>
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

QString notAFile(const QString &kind)
{
    return QObject::tr("Cannot save your entries to %1: it is %2, not a regular file.")
            .arg(QDir::toNativeSeparators(settingsFile()), kind);
}
} // namespace

QString settingsKey(int index)
{
    return QStringLiteral("Text1_") + QString::number(index);
}

QString readSetting(const QString &key)
{
    if (!settingsFileKind().isEmpty())
        return {};
    return openSettings().value(sectionKey(key)).toString();
}

void writeSetting(const QString &key, const QString &value)
{
    if (const QString kind = settingsFileKind(); !kind.isEmpty())
        throw Failure(notAFile(kind));
    QSettings settings = openSettings();
    settings.setValue(sectionKey(key), value);
    settings.sync();
    // A format error only says that the file held lines it could not read;
    // the values were written all the same.
    if (settings.status() == QSettings::AccessError)
        throw Failure(cannotWrite(settings.fileName()));
}

void removeSetting(const QString &key)
{
    if (const QString kind = settingsFileKind(); !kind.isEmpty())
        throw Failure(notAFile(kind));
    QSettings settings = openSettings();
    settings.remove(sectionKey(key));
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        throw Failure(cannotWrite(settings.fileName()));
}

void SettingsStore::checkWritable() const
{
    if (const QString kind = settingsFileKind(); !kind.isEmpty())
        throw Failure(notAFile(kind));
    const QString file = fileName();
    const QFileInfo info(file);
    const QString folder = info.absolutePath();
    const bool usable = info.exists() ? info.isFile() && info.isWritable()
                                      : QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    // Writing goes through a new file in the same folder.
    if (!usable || !QFileInfo(folder).isWritable())
        throw Failure(cannotWrite(file));
}

QStringList settingKeys()
{
    if (!settingsFileKind().isEmpty())
        return {};
    QSettings settings = openSettings();
    settings.beginGroup(QString::fromLatin1(SettingsSection));
    return settings.childKeys();
}

QString settingsFileName()
{
    return settingsFile();
}

SettingsStore::SettingsStore() = default;

QString SettingsStore::read(int index) const
{
    return readSetting(settingsKey(index));
}

void SettingsStore::write(int index, const QString &text)
{
    writeSetting(settingsKey(index), text);
}

QString SettingsStore::fileName() const
{
    return settingsFileName();
}
