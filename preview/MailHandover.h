#pragma once

#include <utility>
#include <vector>

#include <QString>

#include "BackgroundJob.h"

// What the desktop's mail program is handed: the letter as a PDF file, the
// message's subject and the recipient's address (empty: none known).
struct MailRequest
{
    QString attachment;
    QString subject;
    QString address;
};

// The subject and the recipient's address of a letter's message: the
// user's own subject (the setting EmailSubject) when there is one, else
// "Application: <Position>" from the More Fields value Position; the
// address from the More Fields value Email2 (or RecipientEmail), kept only
// when it reads as an address.
MailRequest mailFor(const std::vector<std::pair<QString, QString>> &further, const QString &ownSubject);

// Hands a letter to the desktop's mail program on a worker, so that the
// window never waits for the session bus or the program: first to the
// desktop's e-mail portal (the attachment passed as an open file), where a
// session bus and the portal are there; else to xdg-email, started apart
// from this program with none of its open files. The attachment must stay
// where it is until the program ends: the mail program reads it later.
class MailHandover : public BackgroundJob
{
    Q_OBJECT
public:
    enum class Outcome { HandedOver, NoMailProgram, Failed };

    explicit MailHandover(MailRequest request) : m_request(std::move(request)) { }
    ~MailHandover() override;

    Outcome outcome() const { return m_outcome; }
    // What went wrong, for the log.
    QString diagnostic() const { return m_diagnostic; }
    // The sentence for the user when the letter was not handed over.
    QString sentence() const;

protected:
    void work() override;
    void abort() override { }

private:
    bool throughPortal();
    void throughXdgEmail();

    MailRequest m_request;
    Outcome m_outcome = Outcome::Failed;
    QString m_diagnostic;
};
