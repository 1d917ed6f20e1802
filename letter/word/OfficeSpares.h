#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class OfficeConnection;

// Office processes started ahead of need, so that an operation never waits
// for an office to start. Each spare is a fresh process: it is handed out
// once, to one operation, which quits it; handing one out starts its
// replacement at once.
//
// Spares start from the thread that owns this object (the GUI thread) and
// connect in the background, polled by a timer; like every office of the
// program they die with it. With a warm-up document, each spare, once
// connected, opens it, writes it and its page picture, and closes it, as a
// QtConcurrent task of the spares' own pool (one thread per spare, so that
// a warm-up never waits behind a letter or a letter behind a warm-up): the
// first letter then finds the office warm.
class OfficeSpares : public QObject
{
    Q_OBJECT
public:
    explicit OfficeSpares(int count, QObject *parent = nullptr);
    ~OfficeSpares() override;

    void setWarmUpDocument(const QByteArray &document) { m_warmUpDocument = document; }

    // Starts spares until `count` (or `upTo`, when smaller) are on their
    // way. Without an office to start, it stops trying.
    void replenish(int upTo = -1);

    // The readiest spare, connected (waiting for it up to timeoutMs, and
    // for its warm-up) and checked to be alive and answering, or nullptr
    // when there is none that works.
    std::unique_ptr<OfficeConnection> take(int timeoutMs);

    std::vector<qint64> processIds() const;
    // How many spares are connected (and warm, with a warm-up document)
    // and waiting.
    int readyCount() const;
    int count() const { return m_count; }

private:
    struct Spare
    {
        Spare(std::unique_ptr<OfficeConnection> o, bool warmUpWanted);
        Spare(Spare &&other);
        Spare &operator=(Spare &&other);
        ~Spare();
        void finishWarmUp();
        bool isReady() const;

        std::unique_ptr<OfficeConnection> office;
        bool warmUpWanted = false;
        std::optional<QFuture<void>> warmUp; // once started; finished: warm
    };

    void poll();

    int m_count;
    bool m_officeMissing = false;
    QByteArray m_warmUpDocument;
    // Declared before the spares: they wait for their warm-ups as they go.
    QThreadPool m_warmUps;
    std::deque<Spare> m_spares;
    QTimer m_poll;
};
