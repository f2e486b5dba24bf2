#include "FirstReadTrigger.h"
#include "support/FileTesting.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/BoundedFileError.h"
#include "io/BoundedFileReader.h"
#include "io/ProjectPackage.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

// Races against a reader are retried until one lands inside the read; each attempt that lands
// outside it must still give a sound result.
namespace {
constexpr qint64 limit = 48 * 1024 * 1024;
constexpr int attempts = 8;

void resize(const QString& path, qint64 size)
{
    EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
}

// A sparse file: large to read, free to make.
QString sparseFile(const QTemporaryDir& folder, qint64 size)
{
    const QString path = folder.filePath("changing.bin");
    EXPECT_TRUE(QFile(path).open(QIODevice::WriteOnly | QIODevice::Truncate));
    resize(path, size);
    return path;
}
} // namespace

TEST(FileChangingWhileRead, GrowingPastTheLimitAfterTheSizeCheckIsRefused)
{
    QTemporaryDir folder;
    bool refusedMidRead = false;
    for (int attempt = 0; attempt < attempts && !refusedMidRead; ++attempt) {
        const QString path = sparseFile(folder, limit - 1);
        // Grows once the reader is reading, so its size check saw a file within the limit.
        const FirstReadTrigger grow(path, [&] { resize(path, 4 * limit); });
        try {
            EXPECT_EQ(BoundedFileReader::read(path, limit).size(), limit - 1) << "read before it grew";
        } catch (const BoundedFileError& failure) {
            EXPECT_EQ(failure.description(), BoundedFileError::tooLarge(limit).description());
            refusedMidRead = true;
        }
    }
    EXPECT_TRUE(refusedMidRead) << "the file never grew while it was being read";
}

TEST(FileChangingWhileRead, AnImageShrinkingWhileThePackageIsReadIsReportedAsChanged)
{
    QTemporaryDir folder;
    bool reportedChange = false;
    for (int attempt = 0; attempt < attempts && !reportedChange; ++attempt) {
        PackageBuilder builder;
        const QUuid id
            = builder.addImage(TestImages::padded(TestImages::png(QSize(8, 8)), limit), "shrinking.png");
        const QString package
            = builder.write(folder.filePath(QStringLiteral("Board%1.tesserly").arg(attempt)));
        const QString imagePath = package + QStringLiteral("/Images/") + PackageBuilder::imageName(id);
        const FirstReadTrigger shrink(imagePath, [&] { resize(imagePath, 4096); });
        const QString failure
            = FileTesting::failureMessage([&] { ProjectPackage::load(QUrl::fromLocalFile(package)); });
        reportedChange = !failure.isEmpty();
        EXPECT_EQ(failure,
            reportedChange ? "The saved image shrinking.png is incomplete or has changed." : QString());
    }
    EXPECT_TRUE(reportedChange) << "the image never shrank while the package was being read";
}
