#include "store/ExportFileWriter.h"

#include "io/FileDescriptor.h"
#include "io/PosixError.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <stdio.h>
#include <unistd.h>

namespace {
// Removes the temporary file unless the rename took it.
class TemporaryPath
{
public:
    explicit TemporaryPath(QByteArray path)
        : m_path(std::move(path))
    { }
    TemporaryPath(const TemporaryPath&) = delete;
    TemporaryPath& operator=(const TemporaryPath&) = delete;
    ~TemporaryPath()
    {
        if (!m_path.isEmpty()) {
            const int saved = errno;
            ::unlink(m_path.constData());
            errno = saved;
        }
    }
    const QByteArray& path() const { return m_path; }
    void release() { m_path.clear(); }

private:
    QByteArray m_path;
};

void writeAll(int descriptor, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw PosixError::current();
        }
        data += written;
        left -= written;
    }
}
} // namespace

void ExportFileWriter::write(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty()) {
        throw PosixError(ENOENT);
    }
    const QFileInfo destination(path);
    const QByteArray folder = QFile::encodeName(destination.absolutePath());
    // A hidden name in the same folder, so the rename stays on one file system.
    const QByteArray temporaryName = folder + "/." + QFile::encodeName(destination.fileName()) + "."
        + QUuid::createUuid().toString(QUuid::Id128).left(12).toLatin1() + ".tmp";

    FileDescriptor file = FileDescriptor::open(temporaryName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (!file) {
        throw PosixError::current();
    }
    TemporaryPath temporary(temporaryName);
    writeAll(file.get(), bytes);
    if (::fsync(file.get()) != 0) {
        throw PosixError::current();
    }
    if (!file.close()) {
        throw PosixError::current();
    }
    if (::rename(temporary.path().constData(), QFile::encodeName(destination.absoluteFilePath()).constData())
        != 0) {
        throw PosixError::current();
    }
    temporary.release();
    // The rename itself must survive a crash too; a folder that cannot be synced is no failure of
    // the file, which is complete either way.
    FileDescriptor directory = FileDescriptor::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory) {
        ::fsync(directory.get());
    }
}
