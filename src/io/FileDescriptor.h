#pragma once

#include <QByteArray>
#include <sys/types.h>

// Owns one POSIX descriptor and closes it on every path. Move-only.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) noexcept
        : m_descriptor(descriptor)
    { }
    FileDescriptor(FileDescriptor&& other) noexcept
        : m_descriptor(other.release())
    { }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    // The open calls, retried on EINTR. On failure the result is invalid and errno tells why.
    static FileDescriptor open(const QByteArray& path, int flags, mode_t mode = 0);
    static FileDescriptor openAt(int directoryDescriptor, const QByteArray& name, int flags, mode_t mode = 0);

    int get() const { return m_descriptor; }
    bool isValid() const { return m_descriptor >= 0; }
    explicit operator bool() const { return isValid(); }

    int release() noexcept;
    // Closes now; errno keeps the value of the close so a caller can report it.
    bool close() noexcept;

private:
    int m_descriptor = -1;
};
