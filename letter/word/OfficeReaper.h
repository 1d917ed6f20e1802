#pragma once

#include <memory>
#include <vector>

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

class OfficeConnection;

// Offices that are done: each has been asked to end, and nobody waits for
// its process. They are kept here until their processes have ended (a
// timer looks now and then, from the thread that owns this object, which
// must be the one that started them); one that has not ended in time is
// killed. The destructor waits for the rest, killing what overstays.
class OfficeReaper : public QObject
{
    Q_OBJECT
public:
    explicit OfficeReaper(int timeoutMs, QObject *parent = nullptr);
    ~OfficeReaper() override;

    // Asks the office to end and keeps it until it has.
    void take(std::unique_ptr<OfficeConnection> office);
    int endingCount() const { return int(m_ending.size()); }

private:
    void poll();

    struct Ending
    {
        std::unique_ptr<OfficeConnection> office;
        QDeadlineTimer deadline;
    };
    int m_timeoutMs;
    std::vector<Ending> m_ending;
    QTimer m_poll;
};
