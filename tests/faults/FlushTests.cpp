#include "FaultTesting.h"

#include "io/AtomicFileWriter.h"
#include "io/ProjectPackage.h"

#include <dlfcn.h>
#include <mutex>
#include <QDirIterator>
#include <QSet>
#include <sys/stat.h>
#include <unistd.h>

// A kill cannot show a missing flush (the kernel still holds the data); a power cut would. So
// every fsync of this process is recorded here on its way to the real one: the writers' own
// calls resolve to this definition.
namespace {
std::mutex flushedLock;
// Files by identity; folders by identity and each name they held when flushed.
QSet<QPair<ino_t, QString>> flushed;

void forgetFlushes()
{
    const std::lock_guard lock(flushedLock);
    flushed.clear();
}

ino_t inode(const QString& path)
{
    struct stat status = {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_ino;
}

// What must have reached the disk when a write returns: the item, everything in it, and every
// name on the way to it, the item's own in its folder included.
void expectFlushed(const QString& path)
{
    QStringList items { path };
    for (QDirIterator iterator(
             path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         iterator.hasNext();) {
        items.append(iterator.next());
    }
    const std::lock_guard lock(flushedLock);
    for (const QString& item : items) {
        const QFileInfo info(item);
        EXPECT_TRUE(flushed.contains({ inode(item), QString() }))
            << item.toStdString() << " was never flushed";
        EXPECT_TRUE(flushed.contains({ inode(info.absolutePath()), info.fileName() }))
            << "the name " << item.toStdString() << " was never flushed";
    }
}
} // namespace

extern "C" int fsync(int descriptor)
{
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat status = {};
    if (::fstat(descriptor, &status) == 0) {
        const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(descriptor));
        const std::lock_guard lock(flushedLock);
        flushed.insert({ status.st_ino, QString() });
        if (S_ISDIR(status.st_mode)) {
            for (const QString& name :
                QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                flushed.insert({ status.st_ino, name });
            }
        }
    }
    return real(descriptor);
}

TEST(FlushedBeforeDone, AnExportAndEveryFileAndFolderOfANewAndAReplacedPackage)
{
    QTemporaryDir folder;
    forgetFlushes();
    AtomicFileWriter::write(folder.filePath("Board.png"), TestImages::png(QSize(4, 4)));
    expectFlushed(folder.filePath("Board.png"));

    const QUrl destination = QUrl::fromLocalFile(folder.filePath("Board.tesserly"));
    const QList<BoardPhoto> photos { paddedPhoto("a.jpg", 0), paddedPhoto("b.jpg", 0, 2) };
    for (const qsizetype count : { 2, 1 }) {
        forgetFlushes();
        ProjectPackage::save(photos.first(count), BoardSettings(), destination);
        expectFlushed(destination.toLocalFile());
    }
}
