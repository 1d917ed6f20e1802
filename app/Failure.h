#pragma once

#include <stdexcept>

#include <QString>

// A failing step: carries the failure description that the error report
// shows. Procedures without a trap of their own throw it (or let any
// std::exception pass) and the caller's trap reports it.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString())
    {
    }

    QString description() const { return QString::fromUtf8(what()); }
};
