#include "ScratchFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "Failure.h"

QString ScratchFiles::privateFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/tessaline-scratch");
}

QString ScratchFiles::temporaryFolder()
{
    for (const char *name : {"temp", "TEMP", "TMPDIR"}) {
        if (qEnvironmentVariableIsSet(name))
            return qEnvironmentVariable(name);
    }

    const QString folder = privateFolder();
    const QByteArray encoded = QFile::encodeName(folder);
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        throw Failure(QObject::tr("Cannot create the scratch folder %1: %2")
                              .arg(folder, QString::fromLocal8Bit(strerror(errno))));
    struct stat info {};
    if (::lstat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        throw Failure(QObject::tr("The scratch folder %1 is not a folder of your own; "
                                  "remove it or set the variable TMPDIR.").arg(folder));
    if ((info.st_mode & 077) != 0)
        throw Failure(QObject::tr("The scratch folder %1 is open to other users; "
                                  "remove it or set the variable TMPDIR.").arg(folder));
    return folder;
}

QByteArray templateBytes()
{
    QFile resource(QStringLiteral(":/CUSTOM/101"));
    if (!resource.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("The built-in letter template is missing from the program"));
    return resource.readAll();
}
