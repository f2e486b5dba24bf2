#include "io/BoundedFileReader.h"
#include "io/BoardProjectError.h"
#include "io/BoundedFileError.h"
#include "io/FileDescriptor.h"
#include "io/ImageImportError.h"
#include "io/PosixError.h"
#include "support/TestImages.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BoundedFileReaderTest : public ::testing::Test
{
protected:
    QUrl urlOf(const QString& name, const QByteArray& bytes)
    {
        return QUrl::fromLocalFile(TestImages::writeFile(directory, name, bytes));
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
    const QUrl url = urlOf("large.bin", large);
    EXPECT_EQ(BoundedFileReader::read(url, large.size()), large);
    EXPECT_EQ(BoundedFileReader::read(url, large.size() + 1), large);
    EXPECT_EQ(BoundedFileReader::read(urlOf("empty.bin", {}), 10), QByteArray());

    const BoundedFileError error
        = caught<BoundedFileError>([&] { BoundedFileReader::read(url, large.size() - 1); });
    EXPECT_EQ(error.kind(), BoundedFileError::Kind::tooLarge);
    EXPECT_EQ(error.limit(), large.size() - 1);
}

TEST_F(BoundedFileReaderTest, ALimitOfZeroOrLessRefusesEveryFile)
{
    const QUrl empty = urlOf("empty.bin", {});
    for (const qint64 limit : { qint64(0), qint64(-5) }) {
        const BoundedFileError error
            = caught<BoundedFileError>([&] { BoundedFileReader::read(empty, limit); });
        EXPECT_EQ(error.kind(), BoundedFileError::Kind::tooLarge);
        EXPECT_EQ(error.limit(), limit);
    }
}

TEST_F(BoundedFileReaderTest, EnforcesTheLimitWhileReadingNotOnlyFromTheReportedSize)
{
    // Files under /proc report a size of 0 but hold data.
    const QUrl url = QUrl::fromLocalFile(QStringLiteral("/proc/self/status"));
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
        const BoundedFileError error
            = caught<BoundedFileError>([&] { BoundedFileReader::read(QUrl::fromLocalFile(path), 100); });
        EXPECT_EQ(error.kind(), BoundedFileError::Kind::notRegularFile) << path.toStdString();
        EXPECT_EQ(error.description(), "Choose a regular image file, rather than a folder or special file.");
    }
    const FileDescriptor folder = openDirectory();
    EXPECT_EQ(caught<BoundedFileError>([&] { BoundedFileReader::read("pipe", folder.get(), 100); }).kind(),
        BoundedFileError::Kind::notRegularFile);
}

TEST_F(BoundedFileReaderTest, ReportsSystemErrorsWithTheirCodes)
{
    const PosixError missing = caught<PosixError>(
        [&] { BoundedFileReader::read(QUrl::fromLocalFile(directory.filePath("missing.png")), 100); });
    EXPECT_EQ(missing.code(), ENOENT);
    EXPECT_FALSE(missing.description().isEmpty());

    const ImageImportError remote = caught<ImageImportError>(
        [&] { BoundedFileReader::read(QUrl(QStringLiteral("https://example.com/a.png")), 100); });
    EXPECT_EQ(remote.kind(), ImageImportError::Kind::notLocalFile);
    EXPECT_EQ(remote.description(), "Choose an image stored on this computer.");

    EXPECT_EQ(caught<PosixError>([&] { BoundedFileReader::read(-1, 100); }).code(), EBADF);
}

TEST_F(BoundedFileReaderTest, ReadsOnlyPlainNamesInsideAFolderAndNeverFollowsALink)
{
    urlOf("image.png", "bytes");
    const FileDescriptor folder = openDirectory();
    ASSERT_TRUE(folder);
    EXPECT_EQ(BoundedFileReader::read(QStringLiteral("image.png"), folder.get(), 100), "bytes");

    ASSERT_TRUE(QFile::link(directory.filePath("image.png"), directory.filePath("link.png")));
    EXPECT_EQ(caught<PosixError>([&] {
        BoundedFileReader::read(QStringLiteral("link.png"), folder.get(), 100);
    }).code(),
        ELOOP);
    // The same link through a URL is followed.
    EXPECT_EQ(BoundedFileReader::read(QUrl::fromLocalFile(directory.filePath("link.png")), 100), "bytes");

    const QString unsafe[] = { QString(), QStringLiteral("."), QStringLiteral(".."),
        QStringLiteral("Images/image.png"), QStringLiteral("image.png") + QChar(u'\0') + QStringLiteral("x"),
        QStringLiteral("/etc/passwd") };
    for (const QString& name : unsafe) {
        const BoardProjectError error
            = caught<BoardProjectError>([&] { BoundedFileReader::read(name, folder.get(), 100); });
        EXPECT_EQ(error.kind(), BoardProjectError::Kind::unsafeImagePath) << name.toStdString();
    }
}

TEST_F(BoundedFileReaderTest, LeavesTheCallersDescriptorOpen)
{
    const QString path = TestImages::writeFile(directory, "data.bin", "0123456789");
    const FileDescriptor file = FileDescriptor::open(QFile::encodeName(path), O_RDONLY | O_CLOEXEC);
    ASSERT_TRUE(file);
    EXPECT_EQ(BoundedFileReader::read(file.get(), 100), "0123456789");
    EXPECT_THROW(BoundedFileReader::read(file.get(), 5), BoundedFileError);
    EXPECT_NE(::fcntl(file.get(), F_GETFD), -1);
}

TEST(BoundedFileErrorTest, DescribesTheLimitInTheDesktopFileSizeStyle)
{
    const std::pair<qint64, const char*> cases[] = {
        { -5, "Zero KB" },
        { 0, "Zero KB" },
        { 1, "1 byte" },
        { 999, "999 bytes" },
        { 1000, "1 KB" },
        { 1499, "1 KB" },
        { 999'999, "1 MB" },
        { 1'000'000, "1 MB" },
        { 16'777'216, "16.8 MB" },
        { 67'108'864, "67.1 MB" },
        { 268'435'456, "268.4 MB" },
        { 1'500'000'000, "1.5 GB" },
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(BoundedFileError::formattedByteCount(bytes), text) << bytes;
    }
    EXPECT_EQ(BoundedFileError::tooLarge(67'108'864).description(),
        "The file is larger than the available 67.1 MB import limit.");
    EXPECT_EQ(BoundedFileError::tooLarge(-5).description(),
        "The file is larger than the available Zero KB import limit.");
}
