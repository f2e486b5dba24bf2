#pragma once

#include <optional>
#include <QString>
#include <QTemporaryDir>

// A real, small file system (tmpfs) mounted on a temporary folder, so that writes meet a genuine
// ENOSPC. Mounting needs privileges: create() gives nothing where the system refuses it.
class TinyDisk
{
public:
    static std::optional<TinyDisk> create(qint64 bytes);
    TinyDisk(TinyDisk&& other) noexcept;
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;
    TinyDisk& operator=(TinyDisk&&) = delete;
    ~TinyDisk();

    QString path() const { return m_mountPoint; }
    // Takes all free space but about `bytes` with a filler file; false when it could not.
    bool leaveFree(qint64 bytes) const;
    qint64 freeBytes() const;

private:
    explicit TinyDisk(QString mountPoint);

    QString m_mountPoint;
};
