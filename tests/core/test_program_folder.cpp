// Where the program finds its own files (the hand cursor, a skin): beside
// it in a build folder, in the data folder once installed under a prefix.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "ProgramFolder.h"

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void filesAreFoundWhereTheProgramWasPut_data()
    {
        QTest::addColumn<QString>("program");     // the executable's folder
        QTest::addColumn<QStringList>("folders"); // made besides it
        QTest::addColumn<QString>("expected");
        QTest::newRow("build folder") << "build/app" << QStringList{"build/share"} << "build/app";
        QTest::newRow("installed in /usr") << "usr/bin" << QStringList{"usr/share/tessaline"} << "usr/share/tessaline";
        QTest::newRow("installed in /usr/local")
                << "usr/local/bin" << QStringList{"usr/local/share/tessaline"} << "usr/local/share/tessaline";
    }

    void filesAreFoundWhereTheProgramWasPut()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, folders);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath(program));
        for (const QString &folder : folders)
            QVERIFY(dir.mkpath(folder));
        QCOMPARE(programFolderFor(dir.filePath(program)), dir.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
