#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "FileInPlace.h"
#include "Failure.h"
#include "Main.h"
#include "RunMark.h"
#include "ScratchFiles.h"
#include "SmallDisk.h"

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Whether some process holds the lock file's lock.
bool lockIsHeld(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}
} // namespace

class TestScratchFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup()
    {
        for (const char *name : {"temp", "TEMP", "TMPDIR", "XDG_CACHE_HOME"})
            qunsetenv(name);
    }

    void fileExistsIsTrueExactlyWhenThePathCanBeStated()
    {
        const QString file = m_dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(!FileExists(file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(FileExists(file));
        QVERIFY(FileExists(m_dir.path())); // a folder has a modification time too
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(file + QStringLiteral("/below-a-file")));
        DeleteFileQuietly(file);
        QVERIFY(!FileExists(file));
    }

    void deleteFileQuietlyIgnoresEveryFailure()
    {
        DeleteFileQuietly(m_dir.filePath(QStringLiteral("never-there")));
        DeleteFileQuietly(QString());
        DeleteFileQuietly(m_dir.path()); // a folder is not a file: left alone
        QVERIFY(FileExists(m_dir.path()));
    }

    void saveBytesWritesExactlyAndOnlyWhenThePathIsFree()
    {
        const QString path = m_dir.filePath(QStringLiteral("bytes.bin"));
        QByteArray bytes("\0\1\2binary\r\n\xff", 12);
        SaveBytesToFile(bytes, path);
        QCOMPARE(contents(path), bytes);
        struct stat info
        { };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u); // the owner's alone

        SaveBytesToFile(QByteArray("other"), path);
        QCOMPARE(contents(path), bytes);
    }

    void saveBytesLetsPendingEventsRunFirst()
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        SaveBytesToFile(QByteArray("x"), m_dir.filePath(QStringLiteral("events.bin")));
        QVERIFY(ran);
    }

    void saveBytesFailsIntoAMissingFolder()
    {
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 SaveBytesToFile(QByteArray("x"), m_dir.filePath(QStringLiteral("no/such/file"))));
    }

    void theTemporaryFolderIsTakenUnchangedFromTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::newRow("temp") << QByteArray("temp");
        QTest::newRow("TEMP") << QByteArray("TEMP");
        QTest::newRow("TMPDIR") << QByteArray("TMPDIR");
    }

    void theTemporaryFolderIsTakenUnchangedFromTheEnvironment()
    {
        QFETCH(QByteArray, variable);
        qputenv(variable.constData(), "/some/where/");
        QCOMPARE(ScratchFiles::temporaryFolder(), QStringLiteral("/some/where/"));
        QCOMPARE(ScratchFiles::templateCopyPath(QStringLiteral("/t")), QStringLiteral("/t/template.dot"));
        QCOMPARE(ScratchFiles::snapshotPath(QStringLiteral("/t")), QStringLiteral("/t/temp.bmp"));
    }

    void theFirstVariableSetWins()
    {
        qputenv("TMPDIR", "/c");
        qputenv("TEMP", "/b");
        QCOMPARE(ScratchFiles::temporaryFolder(), QStringLiteral("/b"));
        qputenv("temp", "/a");
        QCOMPARE(ScratchFiles::temporaryFolder(), QStringLiteral("/a"));
    }

    void anEmptyVariableCountsAsUnset()
    {
        qputenv("temp", "");
        qputenv("TMPDIR", "/c");
        QCOMPARE(ScratchFiles::temporaryFolder(), QStringLiteral("/c"));
    }

    void withNoVariableTheCacheFolderIsTheTemporaryFolder()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        QCOMPARE(ScratchFiles::temporaryFolder(), m_dir.filePath(QStringLiteral("cache")));
        const QString folder = ScratchFiles::folder();
        QVERIFY(folder.startsWith(m_dir.filePath(QStringLiteral("cache/tessaline-"))));
        QCOMPARE(ScratchFiles::folder(), folder); // and used again
    }

    void scratchFilesLiveInAFolderOfTheUserAndTheRunAlone()
    {
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        const QString folder = ScratchFiles::folder();
        const QString user = m_dir.filePath(QStringLiteral("tessaline-%1").arg(::getuid()));
        QCOMPARE(folder, user + QStringLiteral("/%1").arg(QCoreApplication::applicationPid()));
        for (const QString &made : {user, folder}) {
            struct stat info
            { };
            QCOMPARE(::lstat(QFile::encodeName(made).constData(), &info), 0);
            QVERIFY(S_ISDIR(info.st_mode));
            QCOMPARE(info.st_mode & 0777, 0700u);
            QCOMPARE(info.st_uid, ::getuid());
        }
        QCOMPARE(ScratchFiles::templateCopyPath(folder), folder + QStringLiteral("/template.dot"));
    }

    void anUnsafeUserFolderIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("symbolic link") << QStringLiteral("link");
        QTest::newRow("open to others") << QStringLiteral("open");
        QTest::newRow("a file") << QStringLiteral("file");
        QTest::newRow("someone else's") << QStringLiteral("foreign");
    }

    void anUnsafeUserFolderIsRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir temp;
        QTemporaryDir elsewhere;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QString folder = ScratchFiles::userFolder();
        const QByteArray f = QFile::encodeName(folder);
        if (kind == QLatin1String("link")) {
            QVERIFY(QFile::link(elsewhere.path(), folder));
        } else if (kind == QLatin1String("open")) {
            QCOMPARE(::mkdir(f.constData(), 0700), 0);
            QCOMPARE(::chmod(f.constData(), 0777), 0);
        } else if (kind == QLatin1String("file")) {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QCOMPARE(::mkdir(f.constData(), 0700), 0);
            if (::getuid() != 0)
                QSKIP("only root can give a folder to another user");
            QCOMPARE(::chown(f.constData(), 65534, 65534), 0);
        }
        QVERIFY_THROWS_EXCEPTION(Failure, ScratchFiles::folder());
        QVERIFY(QDir(elsewhere.path()).isEmpty()); // nothing went through a link
    }

    // A batch's output folder shared with others: a lock file another user
    // planted is neither believed, nor replaced, nor removed.
    void aWriterLockOfAnotherUsersIsLeftAsItIs()
    {
        if (::getuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir shared;
        const QString planted = shared.filePath(QStringLiteral(".tessaline-writer"));
        QFile file(planted);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\n");
        file.close();
        QCOMPARE(::chmod(QFile::encodeName(planted).constData(), 0666), 0);
        QCOMPARE(::chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
        {
            const WriterLock lock(shared.path());
            QVERIFY(!lock.isHeld());
            QCOMPARE(lock.holder(), 0); // no process read from it
            QVERIFY(!lock.otherOwner().isEmpty());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\n"));
    }

    void aScratchFileIsCreatedNewAndTheOwnersAlone_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("nothing there") << QString();
        QTest::newRow("a link to a file of the user's") << QStringLiteral("link");
        QTest::newRow("a dangling link") << QStringLiteral("dangling");
        QTest::newRow("a world-writable file") << QStringLiteral("file");
    }

    void aScratchFileIsCreatedNewAndTheOwnersAlone()
    {
        QFETCH(QString, planted);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("temp.bmp"));
        const QString usersFile = folder.filePath(QStringLiteral("users-own.txt"));
        const QByteArray usersBytes("the user's own file");
        {
            QFile f(usersFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(usersBytes);
        }
        if (planted == QLatin1String("link"))
            QVERIFY(QFile::link(usersFile, path));
        else if (planted == QLatin1String("dangling"))
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("made-through-link")), path));
        else if (planted == QLatin1String("file")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("planted");
            QVERIFY(f.setPermissions(QFileDevice::Permissions(0x6666)));
        }

        if (planted.isEmpty()) {
            writeNewFile(path, QByteArray("picture"));
            QCOMPARE(contents(path), QByteArray("picture"));
            struct stat info
            { };
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
            QCOMPARE(info.st_mode & 0777, 0600u);
        } else {
            QVERIFY_THROWS_EXCEPTION(Failure, writeNewFile(path, QByteArray("picture")));
        }
        QCOMPARE(contents(usersFile), usersBytes);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("made-through-link"))));
    }

    void aFileThatDoesNotFitLeavesNothingBehind()
    {
        SmallDisk disk(64);
        if (!disk.isMounted())
            QSKIP(SmallDisk::skipReason());
        disk.fillUpTo(4096);
        const QString path = disk.filePath(QStringLiteral("temp.bmp"));
        QVERIFY_THROWS_EXCEPTION(Failure, writeNewFile(path, QByteArray(100000, 'p')));
        QVERIFY(!QFile::exists(path));
    }

    void theNextStartRemovesWhatEndedRunsLeftAndOnlyThat_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<bool>("removed");
        QTest::newRow("an ended run") << "ended" << true;
        QTest::newRow("a running program") << "running" << false;
        QTest::newRow("a folder no run marked") << "unmarked" << false;
        QTest::newRow("another user's ended run") << "foreign" << false;
    }

    void theNextStartRemovesWhatEndedRunsLeftAndOnlyThat()
    {
        QFETCH(QString, run);
        QFETCH(bool, removed);
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        const QString own = ScratchFiles::folder();
        writeNewFile(own + QStringLiteral("/temp.bmp"), QByteArray("picture"));
        const QString left = ScratchFiles::userFolder() + QStringLiteral("/") + run;
        QVERIFY(QDir().mkpath(left));
        writeNewFile(left + QStringLiteral("/qrenta12345678.doc"), QByteArray("letter"));
        const QString lock = left + QLatin1Char('/') + QLatin1String(RunMark::LockFileName);
        // The run holds its folder's lock as long as it lives (flock(1)
        // takes it, then runs the command).
        QProcess holder;
        if (run == u"running") {
            holder.start(QStringLiteral("flock"), {lock, QStringLiteral("sleep"), QStringLiteral("30")});
            QVERIFY(holder.waitForStarted());
            QTRY_VERIFY(lockIsHeld(lock));
        } else if (run != u"unmarked") {
            RunMark::release(RunMark::mark(left));
            if (run == u"foreign") {
                if (::getuid() != 0)
                    QSKIP("only root can give a folder to another user");
                QCOMPARE(::chown(QFile::encodeName(left).constData(), 65534, 65534), 0);
            }
        }

        ScratchFiles::removeLeftoversOfDeadRuns();
        QCOMPARE(!QFile::exists(left), removed);
        QVERIFY(QFile::exists(own + QStringLiteral("/temp.bmp"))); // this run's own stays
        holder.kill();
        holder.waitForFinished();
        QDir(left).removeRecursively();
        ScratchFiles::removeRunFolder();
        QVERIFY(!QFile::exists(own));
    }

    void theEndLeavesAFolderOfAnotherUserEvenEmpty()
    {
        if (::getuid() != 0)
            QSKIP("only root can give a folder to another user");
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QString user = ScratchFiles::userFolder();
        QCOMPARE(::mkdir(QFile::encodeName(user).constData(), 0700), 0);
        QCOMPARE(::chown(QFile::encodeName(user).constData(), 65534, 65534), 0);
        QVERIFY_THROWS_EXCEPTION(Failure, ScratchFiles::folder()); // refused
        ScratchFiles::removeLeftoversOfDeadRuns();
        ScratchFiles::removeRunFolder();
        QVERIFY(QFileInfo(user).isDir());
    }
};

QTEST_MAIN(TestScratchFiles)
#include "test_scratch_files.moc"
