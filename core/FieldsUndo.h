#pragma once

#include <array>
#include <optional>

#include <QString>

#include "LetterFields.h"

// What a command that sets the visible fields as a whole ("Clear/Reset
// Data", "Load Sample/Example Data") replaced, kept so that one undo brings
// it back. The offer ends with any other change of a visible field, so an
// undo never overwrites what was typed after the command.
class FieldsUndo
{
public:
    using Values = std::array<QString, VisibleFieldCount>;

    // The twelve visible values just before and after a command, and the
    // command's name as the Edit menu gives it ("Clear"). A command that
    // changed nothing (a clear of empty fields) keeps an earlier offer.
    void replaced(const QString &command, const Values &before, const Values &after)
    {
        if (before == after)
            return;
        m_values = before;
        m_command = command;
    }

    bool canUndo() const { return m_values.has_value(); }
    // The command the offer undoes; empty when there is none.
    QString command() const { return canUndo() ? m_command : QString(); }

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
    QString m_command;
};
