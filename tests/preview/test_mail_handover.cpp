// "Send by E-mail…" past the letter's PDF: the subject and address a letter
// gets, and the hand-over to xdg-email (a stand-in on PATH that records
// what it was given) where the session has no bus, as under xvfb-run.
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>

#include "MailHandover.h"
#include "TestFiles.h"

using Further = std::vector<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Further)

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

    void theSubjectAndAddressComeFromMoreFieldsOrTheUsersSubject_data()
    {
        QTest::addColumn<Further>("further");
        QTest::addColumn<QString>("ownSubject");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("address");
        const auto position = std::pair{QStringLiteral("Position"), QStringLiteral("Designer")};
        QTest::newRow("the position") << Further{position} << ""
                                      << "Application: Designer"
                                      << "";
        QTest::newRow("the user's own subject") << Further{position} << " My letter "
                                                << "My letter"
                                                << "";
        QTest::newRow("no position") << Further{} << ""
                                     << "Application"
                                     << "";
        QTest::newRow("the recipient's address, named as people do")
                << Further{{QStringLiteral("Recipient E-mail"), QStringLiteral(" ann@acme.example ")}} << ""
                << "Application"
                << "ann@acme.example";
        QTest::newRow("an option is no address")
                << Further{{QStringLiteral("Email2"), QStringLiteral("--utf8@x.example")}} << ""
                << "Application"
                << "";
        QTest::newRow("two addresses are none")
                << Further{{QStringLiteral("Email2"), QStringLiteral("a@x.example, b@y.example")}} << ""
                << "Application"
                << "";
    }

    void theSubjectAndAddressComeFromMoreFieldsOrTheUsersSubject()
    {
        QFETCH(Further, further);
        QFETCH(QString, ownSubject);
        QFETCH(QString, subject);
        QFETCH(QString, address);
        const MailRequest request = mailFor(further, ownSubject);
        QCOMPARE(request.subject, subject);
        QCOMPARE(request.address, address);
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
        QFETCH(int, outcome);
        const QString bin = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(bin));
        const QString recorded = bin + QStringLiteral("/arguments");
        if (status >= 0) {
            // Shell words alone: PATH holds nothing else.
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
        // A descriptor of ours without close-on-exec, which it must not get.
        const int opened = ::open("/dev/null", O_RDONLY);
        const int ours = ::dup2(opened, 50);
        ::close(opened);
        const QString letter = m_dir.filePath(QStringLiteral("Letter to Acme.pdf"));
        writeFile(letter, "%PDF-");

        MailHandover handover({letter, QStringLiteral("Application: Designer"), QStringLiteral("ann@acme.example")});
        handover.start();
        handover.waitForWorker();
        handover.complete();
        ::close(ours);
        qputenv("PATH", path);
        QCOMPARE(int(handover.outcome()), outcome);
        QCOMPARE(handover.sentence().isEmpty(), outcome == int(MailHandover::Outcome::HandedOver));
        if (status < 0)
            return;
        const QStringList lines = QString::fromUtf8(readAll(recorded)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^(?!fd )"))),
                 QStringList({QStringLiteral("--subject"), QStringLiteral("Application: Designer"),
                              QStringLiteral("--attach"), letter, QStringLiteral("ann@acme.example")}));
        QVERIFY2(lines.contains(QStringLiteral("fd 2")) && !lines.contains(QStringLiteral("fd 50")),
                 qPrintable(lines.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestMailHandover)
#include "test_mail_handover.moc"
