#pragma once

#include <deque>
#include <memory>
#include <vector>

#include <QObject>
#include <QTimer>

class OfficeConnection;

// Office processes started ahead of need, so that an operation never waits
// for an office to start. Each spare is a fresh process: it is handed out
// once, to one operation, which quits it; handing one out starts its
// replacement at once.
//
// Spares start from the thread that owns this object (the GUI thread) and
// connect in the background, polled by a timer; like every office of the
// program they die with it.
class OfficeSpares : public QObject
{
    Q_OBJECT
public:
    explicit OfficeSpares(int count, QObject *parent = nullptr);
    ~OfficeSpares() override;

    // Starts spares until `count` (or `upTo`, when smaller) are on their
    // way. Without an office to start, it stops trying.
    void replenish(int upTo = -1);

    // The readiest spare, connected (waiting for it up to timeoutMs), or
    // nullptr when there is none that works.
    std::unique_ptr<OfficeConnection> take(int timeoutMs);

    std::vector<qint64> processIds() const;
    // How many spares are connected and waiting.
    int readyCount() const;
    int count() const { return m_count; }

private:
    void poll();

    int m_count;
    bool m_officeMissing = false;
    std::deque<std::unique_ptr<OfficeConnection>> m_spares;
    QTimer m_poll;
};
