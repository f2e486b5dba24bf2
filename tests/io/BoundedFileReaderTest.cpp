#include "io/BoundedFileReader.h"
#include "io/BoundedFileError.h"
#include "io/FileDescriptor.h"
#include "io/PosixError.h"
#include "support/TestImages.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename Error, typename Call> Error caught(Call&& call)
{
    try {
        call();
    } catch (const Error& error) {
        return error;
    }
    throw std::runtime_error("the expected error was not raised");
}

} // namespace

TEST(BoundedFileReaderTest, ReadsWholeFilesUpToAndIncludingTheLimit)
{
    QTemporaryDir directory;
    // Several chunks plus a partial one, with content that shows any reordering.
    QByteArray large(qsizetype(BoundedFileReader::chunkSize * 3 + 12345), '\0');
    for (qsizetype index = 0; index < large.size(); ++index) {
        large[index] = char(index * 7 % 251);
    }
    const QString path = TestImages::writeFile(directory, "large.bin", large);
    const QString empty = TestImages::writeFile(directory, "empty.bin", {});
    EXPECT_EQ(BoundedFileReader::read(path, large.size()), large);
    EXPECT_EQ(BoundedFileReader::read(path, large.size() + 1), large);
    EXPECT_EQ(BoundedFileReader::read(empty, 10), QByteArray());
    // Files under /proc report a size of 0 but hold data: the limit holds while reading.
    EXPECT_FALSE(BoundedFileReader::read("/proc/self/status", 1 << 20).isEmpty());

    // A limit of zero or less refuses every file, even an empty one.
    for (const auto& [file, limit] :
        { std::pair { path, large.size() - 1 }, std::pair { empty, qsizetype(0) },
            std::pair { empty, qsizetype(-5) }, std::pair { QString("/proc/self/status"), qsizetype(16) } }) {
        const BoundedFileError error
            = caught<BoundedFileError>([&] { BoundedFileReader::read(file, limit); });
        EXPECT_EQ(error.kind(), BoundedFileError::Kind::tooLarge);
        EXPECT_EQ(error.limit(), limit);
    }
}

// Only plain names inside a folder, never a link, and a pipe refused without blocking (folders
// and pipes given by path are the importer's to show). The caller's descriptor stays open.
TEST(BoundedFileReaderTest, ReadsOnlyPlainNamesInsideAFolderAndReportsSystemErrors)
{
    QTemporaryDir directory;
    const QString image = TestImages::writeFile(directory, "image.png", "bytes");
    ASSERT_EQ(::mkfifo(QFile::encodeName(directory.filePath("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(image, directory.filePath("link.png")));
    const FileDescriptor folder
        = FileDescriptor::open(QFile::encodeName(directory.path()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_TRUE(folder);
    EXPECT_EQ(BoundedFileReader::read(QStringLiteral("image.png"), folder.get(), 100), "bytes");
    EXPECT_EQ(BoundedFileReader::read(directory.filePath("link.png"), 100), "bytes");
    EXPECT_EQ(caught<BoundedFileError>([&] { BoundedFileReader::read("pipe", folder.get(), 100); }).kind(),
        BoundedFileError::Kind::notRegularFile);
    const std::pair<QString, int> refused[] = { { "link.png", ELOOP }, { QString(), EINVAL }, { ".", EINVAL },
        { "..", EINVAL }, { "Images/image.png", EINVAL },
        { QStringLiteral("image.png") + QChar(u'\0') + "x", EINVAL }, { "/etc/passwd", EINVAL } };
    for (const auto& [name, code] : refused) {
        EXPECT_EQ(caught<PosixError>([&] { BoundedFileReader::read(name, folder.get(), 100); }).code(), code)
            << name.toStdString();
    }
    const FileDescriptor file = FileDescriptor::open(QFile::encodeName(image), O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(BoundedFileReader::read(file.get(), 100), "bytes");
    EXPECT_THROW(BoundedFileReader::read(file.get(), 2), BoundedFileError);
    EXPECT_NE(::fcntl(file.get(), F_GETFD), -1);

    const PosixError missing
        = caught<PosixError>([&] { BoundedFileReader::read(directory.filePath("missing.png"), 100); });
    EXPECT_EQ(missing.code(), ENOENT);
    EXPECT_EQ(missing.description(),
        "The operation on \"missing.png\" couldn't be completed. (No such file or directory)");
    EXPECT_EQ(caught<PosixError>([&] { BoundedFileReader::read(-1, 100); }).code(), EBADF);
}
