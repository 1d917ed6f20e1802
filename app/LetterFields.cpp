#include "LetterFields.h"

#include <QDir>
#include <QSettings>

#include "AppTitle.h"
#include "Failure.h"

namespace {
constexpr char SettingsSection[] = "Tessaline";

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
    if (settings.status() != QSettings::NoError) {
        throw Failure(QObject::tr("Cannot save your entries to %1: the file cannot be written.")
                              .arg(QDir::toNativeSeparators(settings.fileName())));
    }
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
