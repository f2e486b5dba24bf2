#include "io/AtomicFileWriter.h"

#include "io/FileDescriptor.h"
#include "io/PosixError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// Removes the temporary file unless it was renamed into place.
class TemporaryFile
{
public:
    explicit TemporaryFile(QByteArray path)
        : m_path(std::move(path))
    { }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!m_kept) {
            ::unlink(m_path.constData());
        }
    }
    const QByteArray& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QByteArray m_path;
    bool m_kept = false;
};

QByteArray temporaryName(const QString& destination)
{
    // A fixed-length name, so a destination name near the length limit still gets one.
    const QString name = QStringLiteral(".tesserly-%1.tmp")
                             .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    return QFile::encodeName(QFileInfo(destination).dir().filePath(name));
}

} // namespace

void AtomicFileWriter::writeAll(int descriptor, const QByteArray& bytes, const QString& fileName)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t result
            = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (result < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw PosixError::current(fileName);
        }
        written += result;
    }
}

void AtomicFileWriter::write(const QString& path, const QByteArray& bytes)
{
    const QByteArray destination = QFile::encodeName(path);
    const QString fileName = QFileInfo(path).fileName();
    FileDescriptor descriptor;
    std::optional<TemporaryFile> temporary;
    // A random name that nobody else holds; O_EXCL makes sure it is a file of our own.
    for (int attempt = 0; attempt < 16 && !descriptor; ++attempt) {
        const QByteArray name = temporaryName(path);
        descriptor = FileDescriptor::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor) {
            temporary.emplace(name);
        } else if (errno != EEXIST) {
            throw PosixError::current(fileName);
        }
    }
    if (!descriptor) {
        throw PosixError(EEXIST, fileName);
    }
    writeAll(descriptor.get(), bytes, fileName);
    if (::fsync(descriptor.get()) != 0 || !descriptor.close()) {
        throw PosixError::current(fileName);
    }
    if (::rename(temporary->path().constData(), destination.constData()) != 0) {
        throw PosixError::current(fileName);
    }
    temporary->keep();
    // The rename itself reaches the disk with the folder's entry.
    const FileDescriptor folder = FileDescriptor::open(
        QFile::encodeName(QFileInfo(path).absolutePath()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder) {
        ::fsync(folder.get());
    }
}
