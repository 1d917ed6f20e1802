#include "SmallDisk.h"

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFile>

SmallDisk::SmallDisk(int sizeKb)
{
    if (::getuid() != 0 || !m_folder.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(sizeKb) + "k,mode=0700";
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::freeBytes() const
{
    struct statvfs info
    { };
    if (::statvfs(QFile::encodeName(m_folder.path()).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

void SmallDisk::fillUpTo(qint64 freeBytes)
{
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::Append))
        return;
    const qint64 toFill = this->freeBytes() - freeBytes;
    if (toFill > 0)
        filler.write(QByteArray(toFill, 'f'));
}

bool SmallDisk::makeReadOnly()
{
    return m_mounted
            && ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       nullptr)
            == 0;
}
