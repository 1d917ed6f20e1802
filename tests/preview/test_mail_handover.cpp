// "Send by E-mail…" past the letter's PDF: the subject and address a letter
// gets, and the hand-over to xdg-email (a stand-in on PATH that records
// what it was given) where the session has no bus, as under xvfb-run.
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>

#include "MailHandover.h"
#include "TestFiles.h"

class TestMailHandover : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    // One More Fields value beside Position=Designer, and the user's subject.
    void theSubjectAndAddressComeFromMoreFieldsOrTheUsersSubject_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ownSubject");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("address");
        const char *position = "Application: Designer";
        auto row = [](const char *tag, const char *name, const char *value, const char *own, const char *subject,
                      const char *address) {
            QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(value) << QString::fromUtf8(own)
                               << QString::fromUtf8(subject) << QString::fromUtf8(address);
        };
        row("the position", "Note", "x", "", position, "");
        row("the user's own subject", "Note", "x", " Mine ", "Mine", "");
        row("the recipient's address, named as people do", "Recipient E-mail", " ann@acme.example ", "", position,
            "ann@acme.example");
        row("an option is no address", "Email2", "--utf8@x.example", "", position, "");
        row("two addresses are none", "Email2", "a@x.example, b@y.example", "", position, "");
    }

    void theSubjectAndAddressComeFromMoreFieldsOrTheUsersSubject()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, ownSubject);
        const MailRequest request
                = mailFor({{QStringLiteral("Position"), QStringLiteral("Designer")}, {name, value}}, ownSubject);
        QTEST(request.subject, "subject");
        QTEST(request.address, "address");
    }

    void xdgEmailGetsTheLetterAndNothingElseOfOurs_data()
    {
        QTest::addColumn<int>("status"); // xdg-email's; -1: there is none
        QTest::addColumn<int>("outcome");
        QTest::newRow("handed over") << 0 << int(MailHandover::Outcome::HandedOver);
        QTest::newRow("no mail program set up") << 3 << int(MailHandover::Outcome::NoMailProgram);
        QTest::newRow("xdg-email failed") << 4 << int(MailHandover::Outcome::Failed);
        QTest::newRow("no xdg-email") << -1 << int(MailHandover::Outcome::NoMailProgram);
    }

    void xdgEmailGetsTheLetterAndNothingElseOfOurs()
    {
        QFETCH(int, status);
        const QString bin = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString recorded = bin + QStringLiteral("/arguments"), letter = bin + QStringLiteral("/Letter.pdf");
        QVERIFY(QDir().mkpath(bin));
        if (status >= 0) { // shell words alone: PATH holds nothing else
            writeFile(bin + QStringLiteral("/xdg-email"),
                      QStringLiteral("#!/bin/sh\nfor a; do echo \"$a\"; done > '%1'\n"
                                     "for f in /proc/$$/fd/*; do echo \"fd ${f##*/}\"; done >> '%1'\nexit %2\n")
                              .arg(recorded)
                              .arg(status)
                              .toUtf8());
            QVERIFY(QFile::setPermissions(bin + QStringLiteral("/xdg-email"), QFile::ReadOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin));
        const int ours = ::open("/dev/null", O_RDONLY); // without close-on-exec, which it must not get
        MailHandover handover({letter, QStringLiteral("Application: Designer"), QStringLiteral("ann@acme.example")});
        handover.start();
        handover.complete();
        ::close(ours);
        qputenv("PATH", path);
        QTEST(int(handover.outcome()), "outcome");
        QCOMPARE(handover.sentence().isEmpty(), handover.outcome() == MailHandover::Outcome::HandedOver);
        const QStringList lines = QString::fromUtf8(readAll(recorded)).split(u'\n', Qt::SkipEmptyParts);
        if (status >= 0)
            QVERIFY2(lines.join(u'|').startsWith(
                             QStringLiteral("--subject|Application: Designer|--attach|%1|ann@acme.example|fd ")
                                     .arg(letter))
                             && lines.contains(QStringLiteral("fd 2"))
                             && !lines.contains(QStringLiteral("fd %1").arg(ours)),
                     qPrintable(lines.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestMailHandover)
#include "test_mail_handover.moc"
