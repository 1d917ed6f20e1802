#include "LetterFields.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "AppTitle.h"
#include "Failure.h"

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
} // namespace

QString settingsKey(int index)
{
    return QStringLiteral("Text1_") + QString::number(index);
}

QString readSetting(const QString &key)
{
    return openSettings().value(sectionKey(key)).toString();
}

void writeSetting(const QString &key, const QString &value)
{
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
    QSettings settings = openSettings();
    settings.remove(sectionKey(key));
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        throw Failure(cannotWrite(settings.fileName()));
}

void SettingsStore::checkWritable() const
{
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
    QSettings settings = openSettings();
    settings.beginGroup(QString::fromLatin1(SettingsSection));
    return settings.childKeys();
}

QString settingsFileName()
{
    return openSettings().fileName();
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
