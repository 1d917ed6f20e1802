#pragma once

#include <QString>
#include <QStringList>

// Where the settings live: text values by key in the settings group
// "Tessaline". `Settings` reads and writes every key through one of these;
// the program passes the user's file, unit tests a store of their own.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text; a missing key reads as empty.
    virtual QString value(const QString &key) const = 0;
    // Every key, in the order the store keeps them.
    virtual QStringList keys() const = 0;
    // Stores a value at once. Throws Failure when it cannot.
    virtual void setValue(const QString &key, const QString &value) = 0;
    // Removes a key. Throws Failure when it cannot.
    virtual void remove(const QString &key) = 0;
    // Checks, without writing, that values written from now on can be
    // kept. Throws Failure with the reason when they cannot.
    virtual void checkWritable() const { }
    // The file the values are kept in, for the user to be told; empty when
    // there is none.
    virtual QString fileName() const { return {}; }
};

// The per-user settings file in the platform's native form (on Linux an
// INI file named after the company, "Marrowfen.conf" in the user's
// configuration folder), group "Tessaline". Every write is flushed to disk
// at once, so that a value survives any way the program ends. A settings
// file that is no regular file (a named pipe, a device, a folder) is never
// read: every key reads as empty, and a write throws Failure naming what
// it is. The store holds nothing itself: any thread may use it.
class UserSettingsStore : public SettingsStore
{
public:
    QString value(const QString &key) const override;
    QStringList keys() const override;
    void setValue(const QString &key, const QString &value) override;
    void remove(const QString &key) override;
    // The file must be a file (or not yet there) in a folder that can be
    // written. A file holding lines it cannot read is no obstacle: its
    // values are read as far as they go and writing replaces it whole.
    void checkWritable() const override;
    QString fileName() const override;
};
