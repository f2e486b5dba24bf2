#include "TinyDisk.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <sys/mount.h>
#include <sys/statvfs.h>

TinyDisk::TinyDisk(QString mountPoint)
    : m_mountPoint(std::move(mountPoint))
{ }

TinyDisk::TinyDisk(TinyDisk&& other) noexcept
    : m_mountPoint(std::exchange(other.m_mountPoint, QString()))
{ }

std::optional<TinyDisk> TinyDisk::create(qint64 bytes)
{
    const QString mountPoint = QDir::temp().filePath(
        QStringLiteral("tesserly-tiny-disk-") + QUuid::createUuid().toString(QUuid::Id128).left(12));
    if (!QDir().mkdir(mountPoint)) {
        return std::nullopt;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
            options.constData())
        != 0) {
        QDir().rmdir(mountPoint);
        return std::nullopt;
    }
    return TinyDisk(mountPoint);
}

TinyDisk::~TinyDisk()
{
    if (m_mountPoint.isEmpty()) {
        return;
    }
    // Unmounting drops everything written there; a detached unmount never leaves it behind.
    ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
    QDir().rmdir(m_mountPoint);
}

qint64 TinyDisk::freeBytes() const
{
    struct statvfs status
    {
    };
    if (::statvfs(QFile::encodeName(m_mountPoint).constData(), &status) != 0) {
        return -1;
    }
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

bool TinyDisk::leaveFree(qint64 bytes) const
{
    const qint64 available = freeBytes();
    if (available < bytes) {
        return false;
    }
    QFile filler(m_mountPoint + QStringLiteral("/filler-") + QUuid::createUuid().toString(QUuid::Id128));
    if (!filler.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray block(64 * 1024, 'f');
    qint64 toWrite = available - bytes;
    while (toWrite > 0) {
        const qint64 written = filler.write(block.constData(), std::min<qint64>(toWrite, block.size()));
        if (written <= 0) {
            return false;
        }
        toWrite -= written;
    }
    return filler.flush();
}
