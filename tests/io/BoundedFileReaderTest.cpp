#include "io/BoundedFileReader.h"
#include "io/BoundedFileError.h"
#include "io/FileDescriptor.h"
#include "io/PosixError.h"
#include "support/TestImages.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BoundedFileReaderTest : public ::testing::Test
{
protected:
    QString pathOf(const QString& name, const QByteArray& bytes)
    {
        return TestImages::writeFile(directory, name, bytes);
    }
    FileDescriptor openDirectory() const
    {
        return FileDescriptor::open(QFile::encodeName(directory.path()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }

    QTemporaryDir directory;
};

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

TEST_F(BoundedFileReaderTest, ReadsWholeFilesUpToAndIncludingTheLimit)
{
    // Several chunks plus a partial one, with content that shows any reordering.
    QByteArray large(qsizetype(BoundedFileReader::chunkSize * 3 + 12345), '\0');
    for (qsizetype index = 0; index < large.size(); ++index) {
        large[index] = char(index * 7 % 251);
    }
    const QString url = pathOf("large.bin", large);
    EXPECT_EQ(BoundedFileReader::read(url, large.size()), large);
    EXPECT_EQ(BoundedFileReader::read(url, large.size() + 1), large);
    EXPECT_EQ(BoundedFileReader::read(pathOf("empty.bin", {}), 10), QByteArray());

    // A limit of zero or less refuses every file, even an empty one.
    for (const auto& [file, limit] : { std::pair { url, large.size() - 1 },
             std::pair { pathOf("e", {}), qsizetype(0) }, std::pair { pathOf("e", {}), qsizetype(-5) } }) {
        const BoundedFileError error
            = caught<BoundedFileError>([&] { BoundedFileReader::read(file, limit); });
        EXPECT_EQ(error.kind(), BoundedFileError::Kind::tooLarge);
        EXPECT_EQ(error.limit(), limit);
    }
}

TEST_F(BoundedFileReaderTest, EnforcesTheLimitWhileReadingNotOnlyFromTheReportedSize)
{
    // Files under /proc report a size of 0 but hold data.
    const QString url = QStringLiteral("/proc/self/status");
    EXPECT_FALSE(BoundedFileReader::read(url, 1 << 20).isEmpty());
    const BoundedFileError error = caught<BoundedFileError>([&] { BoundedFileReader::read(url, 16); });
    EXPECT_EQ(error.limit(), 16);
}

TEST_F(BoundedFileReaderTest, RefusesFoldersAndNamedPipesWithoutBlocking)
{
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("folder")));
    const QString pipe = QDir(directory.path()).filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : { QDir(directory.path()).filePath(QStringLiteral("folder")), pipe }) {
        const BoundedFileError error = caught<BoundedFileError>([&] { BoundedFileReader::read(path, 100); });
        EXPECT_EQ(error.kind(), BoundedFileError::Kind::notRegularFile) << path.toStdString();
        EXPECT_EQ(error.description(), "Choose a regular image file, rather than a folder or special file.");
    }
    const FileDescriptor folder = openDirectory();
    EXPECT_EQ(caught<BoundedFileError>([&] { BoundedFileReader::read("pipe", folder.get(), 100); }).kind(),
        BoundedFileError::Kind::notRegularFile);
}

TEST_F(BoundedFileReaderTest, ReportsSystemErrorsWithTheirCodesAndTheFileTheyConcern)
{
    const PosixError missing
        = caught<PosixError>([&] { BoundedFileReader::read(directory.filePath("missing.png"), 100); });
    EXPECT_EQ(missing.code(), ENOENT);
    EXPECT_EQ(missing.description(),
        "The operation on \"missing.png\" couldn't be completed. (No such file or directory)");
    EXPECT_EQ(caught<PosixError>([&] { BoundedFileReader::read(-1, 100); }).code(), EBADF);
}

TEST_F(BoundedFileReaderTest, ReadsOnlyPlainNamesInsideAFolderAndNeverFollowsALink)
{
    pathOf("image.png", "bytes");
    const FileDescriptor folder = openDirectory();
    ASSERT_TRUE(folder);
    EXPECT_EQ(BoundedFileReader::read(QStringLiteral("image.png"), folder.get(), 100), "bytes");
    // The caller's descriptor stays open, whatever the outcome.
    const FileDescriptor file
        = FileDescriptor::open(QFile::encodeName(directory.filePath("image.png")), O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(BoundedFileReader::read(file.get(), 100), "bytes");
    EXPECT_THROW(BoundedFileReader::read(file.get(), 2), BoundedFileError);
    EXPECT_NE(::fcntl(file.get(), F_GETFD), -1);

    ASSERT_TRUE(QFile::link(directory.filePath("image.png"), directory.filePath("link.png")));
    EXPECT_EQ(caught<PosixError>([&] {
        BoundedFileReader::read(QStringLiteral("link.png"), folder.get(), 100);
    }).code(),
        ELOOP);
    // The same link through a path is followed.
    EXPECT_EQ(BoundedFileReader::read(directory.filePath("link.png"), 100), "bytes");

    const QString unsafe[] = { QString(), QStringLiteral("."), QStringLiteral(".."),
        QStringLiteral("Images/image.png"), QStringLiteral("image.png") + QChar(u'\0') + QStringLiteral("x"),
        QStringLiteral("/etc/passwd") };
    for (const QString& name : unsafe) {
        const PosixError error
            = caught<PosixError>([&] { BoundedFileReader::read(name, folder.get(), 100); });
        EXPECT_EQ(error.code(), EINVAL) << name.toStdString();
    }
}
