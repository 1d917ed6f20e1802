#pragma once

#include <algorithm>
#include <array>
#include <optional>

#include <QString>

#include "LetterFields.h"

// What "Clear/Reset Data" emptied, kept so that one undo brings it back.
// The offer ends with any other change of a visible field, so an undo never
// overwrites what was typed or loaded after the clear.
class ClearUndo
{
public:
    using Values = std::array<QString, VisibleFieldCount>;

    // The twelve visible values as they were just before a clear. A clear
    // of fields that were empty already keeps an earlier offer.
    void cleared(const Values &before)
    {
        if (std::any_of(before.begin(), before.end(), [](const QString &v) { return !v.isEmpty(); }))
            m_values = before;
    }

    bool canUndo() const { return m_values.has_value(); }

    // The values to bring back; the offer ends. Only while canUndo().
    Values take()
    {
        Values values = std::move(*m_values);
        m_values.reset();
        return values;
    }

    void forget() { m_values.reset(); }

private:
    std::optional<Values> m_values;
};
