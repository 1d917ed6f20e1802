#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString findProgramFolder()
{
    return programFolderFor(QCoreApplication::applicationDirPath());
}

QString programFolderFor(const QString &executableFolder)
{
    const QString installed = QDir::cleanPath(executableFolder + QStringLiteral("/../" TESSALINE_DATA_FOLDER));
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}
