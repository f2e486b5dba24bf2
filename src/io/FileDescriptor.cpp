#include "io/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        const int saved = errno;
        close();
        errno = saved;
        m_descriptor = other.release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    // An error being raised may still read errno after this runs.
    const int saved = errno;
    close();
    errno = saved;
}

FileDescriptor FileDescriptor::open(const QByteArray& path, int flags, mode_t mode)
{
    int descriptor;
    do {
        descriptor = ::open(path.constData(), flags, mode);
    } while (descriptor < 0 && errno == EINTR);
    return FileDescriptor(descriptor);
}

FileDescriptor FileDescriptor::openAt(int directoryDescriptor, const QByteArray& name, int flags, mode_t mode)
{
    int descriptor;
    do {
        descriptor = ::openat(directoryDescriptor, name.constData(), flags, mode);
    } while (descriptor < 0 && errno == EINTR);
    return FileDescriptor(descriptor);
}

int FileDescriptor::release() noexcept
{
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    return descriptor;
}

bool FileDescriptor::close() noexcept
{
    if (m_descriptor < 0) {
        return true;
    }
    // Linux releases the descriptor even when close fails, so it is never retried.
    const int result = ::close(release());
    return result == 0 || errno == EINTR;
}
