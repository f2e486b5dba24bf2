#include "io/AtomicPackageWriter.h"

#include "io/PosixError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Deeper trees than a package ever has are left for a later attempt rather than recursed into.
constexpr int maximumRemovalDepth = 16;
constexpr qsizetype maximumReadablePrefixBytes = 160;

struct DirectoryCloser
{
    void operator()(DIR* stream) const { closedir(stream); }
};

struct Entry
{
    QByteArray name;
    unsigned char type;
};

// The entries of a folder, without "." and "..". Empty when the folder cannot be listed.
QList<Entry> listFolder(int folderDescriptor)
{
    FileDescriptor listing
        = FileDescriptor::openAt(folderDescriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!listing) {
        return {};
    }
    const int raw = listing.release();
    std::unique_ptr<DIR, DirectoryCloser> stream(fdopendir(raw));
    if (!stream) {
        ::close(raw);
        return {};
    }
    QList<Entry> entries;
    while (const dirent* entry = readdir(stream.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            entries.append(Entry { name, entry->d_type });
        }
    }
    return entries;
}

int renameNoReplace(int parent, const QByteArray& from, const QByteArray& to)
{
    const int result = renameat2(parent, from.constData(), parent, to.constData(), RENAME_NOREPLACE);
    // File systems without the flag: a plain rename still never replaces a file or a non-empty folder.
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        return renameat(parent, from.constData(), parent, to.constData());
    }
    return result;
}

int exchange(int parent, const QByteArray& first, const QByteArray& second)
{
    return renameat2(parent, first.constData(), parent, second.constData(), RENAME_EXCHANGE);
}
} // namespace

AtomicPackageWriter::AtomicPackageWriter(const QString& destinationPath)
{
    QString path = destinationPath;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString parent = slash < 0 ? QStringLiteral(".")
        : slash == 0                 ? QStringLiteral("/")
                                     : path.left(slash);
    m_destinationName = QFile::encodeName(path.mid(slash + 1));
    m_displayName = QFile::decodeName(m_destinationName);
    if (m_destinationName.isEmpty() || m_destinationName == "." || m_destinationName == "..") {
        throw PosixError(EINVAL, m_displayName);
    }
    m_parent = FileDescriptor::open(QFile::encodeName(parent), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!m_parent) {
        throw PosixError::current(m_displayName);
    }
}

AtomicPackageWriter::~AtomicPackageWriter()
{
    m_temporaryFolder.close();
    try {
        if (m_state == State::building || m_state == State::displacedOldTree) {
            removeTree(m_parent.get(), m_temporaryName, 0);
        }
    } catch (...) {
        // Whatever is left is hidden and goes with the next successful save.
    }
}

QByteArray AtomicPackageWriter::temporaryPrefix(const QByteArray& destinationName)
{
    // Readable where the name allows it; the hash keeps long names that share a beginning apart
    // and the whole name under the file system's limit.
    const QString text = QFile::decodeName(destinationName);
    qsizetype length = text.size();
    while (length > 0
        && (QFile::encodeName(text.left(length)).size() > maximumReadablePrefixBytes
            || text.at(length - 1).isHighSurrogate())) {
        --length;
    }
    const QByteArray hash
        = QCryptographicHash::hash(destinationName, QCryptographicHash::Sha256).toHex().left(8);
    return "." + QFile::encodeName(text.left(length)) + "." + hash + ".saving-";
}

void AtomicPackageWriter::createTemporaryFolder()
{
    const QByteArray prefix = temporaryPrefix(m_destinationName);
    for (int attempt = 0; attempt < 32 && m_state == State::empty; ++attempt) {
        const QByteArray name = prefix + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        if (mkdirat(m_parent.get(), name.constData(), 0777) == 0) {
            m_temporaryName = name;
            m_state = State::building;
        } else if (errno != EEXIST) {
            throw PosixError::current(m_displayName);
        }
    }
    if (m_state != State::building) {
        throw PosixError(EEXIST, m_displayName);
    }
    m_temporaryFolder = FileDescriptor::openAt(m_parent.get(), m_temporaryName, folderFlags);
    if (!m_temporaryFolder || flock(m_temporaryFolder.get(), LOCK_EX | LOCK_NB) != 0) {
        throw PosixError::current(m_displayName);
    }
}

void AtomicPackageWriter::write(
    const QList<File>& topFiles, const QString& folderName, const QList<File>& folderFiles)
{
    createTemporaryFolder();
    for (const File& file : topFiles) {
        writeFile(m_temporaryFolder.get(), file);
    }
    const QByteArray encodedFolderName = QFile::encodeName(folderName);
    if (mkdirat(m_temporaryFolder.get(), encodedFolderName.constData(), 0777) != 0) {
        throw PosixError::current(m_displayName);
    }
    const FileDescriptor folder
        = FileDescriptor::openAt(m_temporaryFolder.get(), encodedFolderName, folderFlags);
    if (!folder) {
        throw PosixError::current(m_displayName);
    }
    for (const File& file : folderFiles) {
        writeFile(folder.get(), file);
    }
    flushFolder(folder.get());
    flushFolder(m_temporaryFolder.get());
}

void AtomicPackageWriter::writeFile(int folderDescriptor, const File& file) const
{
    FileDescriptor output = FileDescriptor::openAt(folderDescriptor, QFile::encodeName(file.name),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (!output) {
        throw PosixError::current(m_displayName);
    }
    const char* data = file.bytes.constData();
    qsizetype remaining = file.bytes.size();
    while (remaining > 0) {
        const ssize_t written = ::write(output.get(), data, size_t(std::min<qsizetype>(remaining, 1 << 30)));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw written == 0 ? PosixError(EIO, m_displayName) : PosixError::current(m_displayName);
        }
        data += written;
        remaining -= written;
    }
    if (fsync(output.get()) != 0 || !output.close()) {
        throw PosixError::current(m_displayName);
    }
}

void AtomicPackageWriter::flushFolder(int folderDescriptor) const
{
    // Some file systems cannot flush a folder and say so with EINVAL; that is not a failed save.
    if (fsync(folderDescriptor) != 0 && errno != EINVAL) {
        throw PosixError::current(m_displayName);
    }
}

void AtomicPackageWriter::commit(bool replaceExisting, const ReplaceCheck& checkDisplaced)
{
    if (replaceExisting) {
        if (exchange(m_parent.get(), m_temporaryName, m_destinationName) != 0) {
            throw PosixError::current(m_displayName);
        }
        m_state = State::displacedOldTree;
        try {
            checkDisplaced(m_parent.get(), m_temporaryName);
        } catch (...) {
            // Something else took the old project's place after it was checked: put it back.
            const bool restored = exchange(m_parent.get(), m_temporaryName, m_destinationName) == 0;
            m_state = restored ? State::building : State::foreign;
            throw;
        }
    } else {
        if (renameNoReplace(m_parent.get(), m_temporaryName, m_destinationName) != 0) {
            throw PosixError::current(m_displayName);
        }
        m_state = State::empty;
    }
    m_temporaryFolder.close();
    flushFolder(m_parent.get());
    if (m_state == State::displacedOldTree) {
        removeTree(m_parent.get(), m_temporaryName, 0);
        m_state = State::empty;
    }
    removeStaleFolders();
}

void AtomicPackageWriter::removeStaleFolders()
{
    const QByteArray prefix = temporaryPrefix(m_destinationName);
    for (const Entry& entry : listFolder(m_parent.get())) {
        if (!entry.name.startsWith(prefix)) {
            continue;
        }
        const FileDescriptor candidate = FileDescriptor::openAt(m_parent.get(), entry.name, folderFlags);
        // A save still running holds its lock; only folders of saves that ended are removed.
        if (candidate && flock(candidate.get(), LOCK_EX | LOCK_NB) == 0) {
            removeTree(m_parent.get(), entry.name, 0);
        }
    }
}

bool AtomicPackageWriter::removeTree(int parentDescriptor, const QByteArray& name, int depth)
{
    FileDescriptor folder = FileDescriptor::openAt(parentDescriptor, name, folderFlags);
    if (!folder) {
        // Never followed: a link or a file is removed itself, not what it points to.
        if (errno == ENOTDIR || errno == ELOOP) {
            return unlinkat(parentDescriptor, name.constData(), 0) == 0;
        }
        return errno == ENOENT;
    }
    if (depth >= maximumRemovalDepth) {
        return false;
    }
    for (const Entry& entry : listFolder(folder.get())) {
        if (entry.type == DT_DIR || entry.type == DT_UNKNOWN) {
            removeTree(folder.get(), entry.name, depth + 1);
        } else {
            unlinkat(folder.get(), entry.name.constData(), 0);
        }
    }
    folder.close();
    return unlinkat(parentDescriptor, name.constData(), AT_REMOVEDIR) == 0;
}
