#include "FaultTesting.h"
#include "FirstReadTrigger.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/BoardProjectError.h"
#include "io/BoardProjectStore.h"
#include "io/BoundedFileError.h"
#include "io/BoundedFileReader.h"
#include "io/FileDescriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

namespace {
constexpr qint64 limit = 48 * 1024 * 1024;
// Races against a reader are retried until one lands inside the read; each attempt that lands
// outside it must still give a sound result.
constexpr int attempts = 8;

// A sparse file: large to read, free to make.
QString sparseFile(const QTemporaryDir& folder, qint64 size)
{
    const QString path = folder.filePath(QStringLiteral("changing.bin"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_TRUE(file.resize(size));
    return path;
}

void resize(const QString& path, qint64 size)
{
    EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
}

template <typename Failure, typename Operation> std::optional<Failure> failureOf(Operation operation)
{
    try {
        operation();
    } catch (const Failure& failure) {
        return failure;
    }
    return std::nullopt;
}
} // namespace

TEST(FileChangingWhileRead, GrowingPastTheLimitAfterTheSizeCheckIsRefused)
{
    QTemporaryDir folder;
    bool refusedMidRead = false;
    for (int attempt = 0; attempt < attempts && !refusedMidRead; ++attempt) {
        const QString path = sparseFile(folder, limit - 1);
        QByteArray bytes;
        std::optional<BoundedFileError> failure;
        {
            // Grows only once the reader is reading, so its size check saw a file within the limit.
            const FirstReadTrigger grow(path, [&] { resize(path, 4 * limit); });
            failure = failureOf<BoundedFileError>(
                [&] { bytes = BoundedFileReader::read(QUrl::fromLocalFile(path), limit); });
        }
        if (failure) {
            EXPECT_EQ(failure->description(), BoundedFileError::tooLarge(limit).description());
            refusedMidRead = true;
        } else {
            // The read finished before the file grew: then it must have returned the old content.
            EXPECT_EQ(bytes.size(), limit - 1);
        }
    }
    EXPECT_TRUE(refusedMidRead) << "the file never grew while it was being read";
}

TEST(FileChangingWhileRead, ShrinkingGivesFewerBytesAndThePackageReaderReportsTheChangedImage)
{
    QTemporaryDir folder;
    bool shrankMidRead = false;
    for (int attempt = 0; attempt < attempts && !shrankMidRead; ++attempt) {
        const QString path = sparseFile(folder, limit);
        QByteArray bytes;
        {
            const FirstReadTrigger shrink(path, [&] { resize(path, 1024 * 1024); });
            bytes = BoundedFileReader::read(QUrl::fromLocalFile(path), limit);
        }
        // Never more than was there, never garbage: only the zeros the file held.
        EXPECT_LE(bytes.size(), limit);
        EXPECT_EQ(bytes.count('\0'), bytes.size());
        shrankMidRead = bytes.size() < limit;
    }
    EXPECT_TRUE(shrankMidRead) << "the file never shrank while it was being read";

    // The same inside a package: the image holds fewer bytes than its record declares.
    bool reportedChange = false;
    for (int attempt = 0; attempt < attempts && !reportedChange; ++attempt) {
        PackageBuilder builder;
        const QByteArray image = TestImages::padded(TestImages::png(QSize(8, 8)), limit);
        const QUuid id = builder.addImage(image, QStringLiteral("shrinking.png"));
        const QString package
            = builder.write(folder.filePath(QStringLiteral("Board%1.tesserly").arg(attempt)));
        const QString imagePath = package + QStringLiteral("/Images/") + PackageBuilder::imageName(id);
        std::optional<BoardProjectError> failure;
        {
            const FirstReadTrigger shrink(imagePath, [&] { resize(imagePath, 4096); });
            failure = failureOf<BoardProjectError>(
                [&] { BoardProjectStore::load(QUrl::fromLocalFile(package)); });
        }
        if (failure) {
            EXPECT_EQ(failure->description(),
                QStringLiteral("The saved image shrinking.png is incomplete or has changed."));
            reportedChange = true;
        }
    }
    EXPECT_TRUE(reportedChange) << "the image never shrank while the package was being read";
}

TEST(FileChangingWhileRead, AFileThatReportsNoSizeIsBoundedByItsContentInsideAFolder)
{
    // /proc files report a size of 0 and produce their content as they are read; here read by
    // name inside a folder, as a package's files are.
    const FileDescriptor proc = FileDescriptor::open("/proc/self", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_TRUE(proc);
    const QByteArray status = BoundedFileReader::read(QStringLiteral("status"), proc.get(), 1024 * 1024);
    EXPECT_TRUE(status.contains("Pid:\t" + QByteArray::number(::getpid()) + "\n"));
    EXPECT_TRUE(failureOf<BoundedFileError>(
        [&] { BoundedFileReader::read(QStringLiteral("status"), proc.get(), 8); }));
}
