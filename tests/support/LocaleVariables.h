#pragma once

// Setting the locale's variables of this process in tests.

#include <initializer_list>
#include <utility>

#include <QByteArray>
#include <QtGlobal>

// Sets each variable to its value; an empty value unsets it.
inline void setLocaleVariables(std::initializer_list<std::pair<const char *, QByteArray>> variables)
{
    for (const auto &[name, value] : variables) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}
