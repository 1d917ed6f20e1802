#pragma once

// Settings kept in memory, for unit tests of what reads and writes them.

#include <algorithm>
#include <utility>
#include <vector>

#include "SettingsStore.h"

class MemorySettingsStore : public SettingsStore
{
public:
    QString value(const QString &key) const override
    {
        const auto found = find(key);
        return found == m_values.end() ? QString() : found->second;
    }
    QStringList keys() const override
    {
        QStringList keys;
        for (const auto &[key, value] : m_values)
            keys << key;
        return keys;
    }
    void setValue(const QString &key, const QString &value) override
    {
        if (const auto found = find(key); found != m_values.end())
            m_values.erase(found);
        m_values.emplace_back(key, value);
    }
    void remove(const QString &key) override
    {
        if (const auto found = find(key); found != m_values.end())
            m_values.erase(found);
    }

private:
    std::vector<std::pair<QString, QString>>::const_iterator find(const QString &key) const
    {
        return std::find_if(m_values.begin(), m_values.end(), [&](const auto &kept) { return kept.first == key; });
    }

    // In the order written, as a settings file keeps them.
    std::vector<std::pair<QString, QString>> m_values;
};
