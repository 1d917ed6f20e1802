#pragma once

#include <stdexcept>

#include <QString>

// A failing step: carries the failure description that the error report
// shows. Procedures without a trap of their own throw it (or let any
// std::exception pass) and the caller's trap reports it.
class Failure : public std::runtime_error
{
public:
    // What the failure means for the rest of an operation: a failed step
    // alone, or the office instance lost (it ended, or it hung and was
    // stopped), so no later call of the operation can reach it.
    enum class Kind { Step, OfficeLost };

    explicit Failure(const QString &description, Kind kind = Kind::Step)
        : std::runtime_error(description.toStdString()), m_kind(kind)
    { }

    QString description() const { return QString::fromUtf8(what()); }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// A failure the user can put right: a file of theirs that is gone,
// unreadable or unusable. The error trap tells it in plain words in a
// message box of its own (warning icon, the application title) rather than
// in the error report.
class FileProblem : public Failure
{
public:
    using Failure::Failure;
};
