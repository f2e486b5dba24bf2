#include "io/BoundedFileReader.h"

#include "io/BoundedFileError.h"
#include "io/FileDescriptor.h"
#include "io/MemoryPages.h"
#include "io/PosixError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Like read(2) but retried when a signal interrupts it.
qint64 readSome(int descriptor, char* buffer, qint64 count)
{
    ssize_t result;
    do {
        result = ::read(descriptor, buffer, std::size_t(count));
    } while (result < 0 && errno == EINTR);
    return result;
}

bool isUnsafeName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0'))) {
        return true;
    }
    // Canonically equivalent spellings of "." and ".." must not slip through.
    const QString composed = name.normalized(QString::NormalizationForm_C);
    return composed == QLatin1String(".") || composed == QLatin1String("..");
}

} // namespace

QByteArray BoundedFileReader::read(const QString& path, qint64 maximumBytes)
{
    const QString fileName = QFileInfo(path).fileName();
    // Non-blocking so that a named pipe cannot stall the open; the regular-file test refuses it.
    const FileDescriptor file
        = FileDescriptor::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (!file) {
        throw PosixError::current(fileName);
    }
    return read(file.get(), maximumBytes, fileName);
}

QByteArray BoundedFileReader::read(const QString& name, int directoryDescriptor, qint64 maximumBytes)
{
    if (isUnsafeName(name)) {
        throw PosixError(EINVAL, name);
    }
    const FileDescriptor file = FileDescriptor::openAt(
        directoryDescriptor, QFile::encodeName(name), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (!file) {
        throw PosixError::current(name);
    }
    return read(file.get(), maximumBytes, name);
}

QByteArray BoundedFileReader::read(int descriptor, qint64 maximumBytes, const QString& fileName)
{
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0) {
        throw PosixError::current(fileName);
    }
    if ((status.st_mode & S_IFMT) != S_IFREG) {
        throw BoundedFileError::notRegularFile();
    }
    if (maximumBytes <= 0 || status.st_size < 0 || status.st_size > maximumBytes) {
        throw BoundedFileError::tooLarge(maximumBytes);
    }

    QByteArray buffer;
    buffer.reserve(qsizetype(std::min<qint64>(maximumBytes, status.st_size)));
    MemoryPages::populate(buffer.data(), std::size_t(buffer.capacity()));
    qint64 total = 0;
    for (;;) {
        const qint64 remaining = maximumBytes - total;
        if (remaining == 0 || total == buffer.capacity()) {
            // Everything expected has arrived (or the budget is used up): a single byte more
            // tells a file that ends here from one that is longer than it said or than allowed.
            char probe;
            const qint64 count = readSome(descriptor, &probe, 1);
            if (count < 0) {
                throw PosixError::current(fileName);
            }
            if (count == 0) {
                break;
            }
            if (remaining == 0) {
                throw BoundedFileError::tooLarge(maximumBytes);
            }
            // The file grew: make room by doubling, never past the limit.
            buffer.reserve(qsizetype(
                std::min(maximumBytes, std::max(total + chunkSize, qint64(buffer.capacity()) * 2))));
            buffer.append(probe);
            ++total;
            continue;
        }
        const qint64 request = std::min({ remaining, chunkSize, qint64(buffer.capacity()) - total });
        buffer.resize(qsizetype(total + request));
        const qint64 count = readSome(descriptor, buffer.data() + total, request);
        if (count < 0) {
            throw PosixError::current(fileName);
        }
        buffer.resize(qsizetype(total + count));
        if (count == 0) {
            break;
        }
        total += count;
    }
    buffer.resize(qsizetype(total));
    return buffer;
}
