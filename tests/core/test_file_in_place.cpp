// Writing a file in place by each policy: what becomes of the target, its
// mode, and that no scratch file is left, whatever happened.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "FileInPlace.h"

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int modeOf(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

int usualNewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return int(0666 & ~mask);
}
} // namespace

class TestFileInPlace : public QObject
{
    Q_OBJECT

private slots:
    void eachPolicyKeepsItsPromise_data()
    {
        QTest::addColumn<int>("existingMode"); // -1: no file there
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("staged");
        QTest::addColumn<QString>("outcome"); // "written", "kept" or "refused"
        QTest::newRow("new file, beside") << -1 << true << false << "written";
        QTest::newRow("new file, staged") << -1 << false << true << "written";
        QTest::newRow("replaced, keeps its mode") << 0640 << true << false << "written";
        QTest::newRow("replaced from staging, keeps its mode") << 0604 << true << true << "written";
        QTest::newRow("read-only, never replaced") << 0444 << true << false << "refused";
        QTest::newRow("read-only, never replaced from staging") << 0444 << true << true << "refused";
        QTest::newRow("existing, never replace") << 0644 << false << true << "kept";
    }

    void eachPolicyKeepsItsPromise()
    {
        QFETCH(int, existingMode);
        QFETCH(bool, replace);
        QFETCH(bool, staged);
        QFETCH(QString, outcome);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString staging = folder.filePath(QStringLiteral("staging"));
        QVERIFY(QDir().mkpath(staging));
        const QString target = folder.filePath(QStringLiteral("letter.doc"));
        if (existingMode >= 0) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the user's own file");
            old.close();
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(existingMode)), 0);
        }
        PlacePolicy policy;
        policy.overwrite = replace ? Overwrite::Replace : Overwrite::Never;
        policy.stagingFolder = staged ? staging : QString();

        if (outcome == u"refused") {
            try {
                writeFileInPlace("the new letter", target, policy);
                QFAIL("a read-only file was replaced");
            } catch (const Failure &failure) {
                QVERIFY2(failure.description().contains(QStringLiteral("read-only")),
                         qPrintable(failure.description()));
            }
        } else {
            QCOMPARE(writeFileInPlace("the new letter", target, policy),
                     outcome == u"kept" ? Published::KeptExisting : Published::Written);
        }

        const bool written = outcome == u"written";
        QCOMPARE(contents(target), written ? QByteArray("the new letter") : QByteArray("the user's own file"));
        QCOMPARE(modeOf(target), existingMode >= 0 ? existingMode : usualNewFileMode());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("letter.doc")});
        QVERIFY(QDir(staging).isEmpty(QDir::Files | QDir::Hidden));
    }
};

QTEST_GUILESS_MAIN(TestFileInPlace)
#include "test_file_in_place.moc"
