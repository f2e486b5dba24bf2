#include "io/ImageImportService.h"
#include "io/BoundedFileError.h"
#include "io/ImageImportError.h"
#include "io/OrderedWorkPool.h"
#include "model/BoardLimits.h"
#include "support/FileTesting.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <sys/stat.h>
#include <tuple>

TEST(ImageImportServiceTest, KeepsTheBytesAndTurnsAnOrientationSixPhotoUpright)
{
    // Stored 4000 × 3000; the camera was turned so the stored top is the right-hand side of the scene.
    const QByteArray jpeg = TestImages::jpeg(TestImages::quadrants(QSize(4000, 3000)), 6);
    const BoardPhoto photo = ImageImportService::load(jpeg, QStringLiteral("IMG_0001.JPG"));
    EXPECT_EQ(photo.imageData(), jpeg);
    EXPECT_EQ(QSize(photo.pixelWidth(), photo.pixelHeight()), QSize(3000, 4000));
    const QImage& thumbnail = photo.thumbnail();
    EXPECT_EQ(thumbnail.size(), QSize(768, 1024));
    EXPECT_EQ(thumbnail.devicePixelRatio(), 1.0);
    EXPECT_TRUE(TestImages::colourNear(thumbnail, { 700, 100 }, Qt::red));
    EXPECT_TRUE(TestImages::colourNear(thumbnail, { 60, 100 }, Qt::blue));
    EXPECT_TRUE(TestImages::colourNear(thumbnail, { 60, 900 }, Qt::yellow));
    // The content decides, not the name.
    const QByteArray png = TestImages::png(QSize(300, 200), Qt::blue);
    EXPECT_EQ(ImageImportService::load(png, QStringLiteral("really-a-png.jpg")).imageData(), png);
}

// Too large is decided before the content is looked at; the pixel limits name the one that was
// broken; within them but without pixel data is damaged.
TEST(ImageImportServiceTest, RefusesInTheDocumentedOrder)
{
    const QByteArray png = TestImages::png(QSize(10, 10));
    const QByteArray jpeg = TestImages::jpeg(TestImages::photograph(QSize(800, 600)));
    const QString side = BoardLimits::imageSideTooLargeText();
    const QString tooLarge = ImageImportError(ImageImportError::Kind::fileTooLarge).description();
    const QString damaged = ImageImportError(ImageImportError::Kind::unreadableImage).description();
    const std::pair<QByteArray, QString> cases[] = {
        { QByteArray(), ImageImportError(ImageImportError::Kind::emptyFile).description() },
        { TestImages::padded(png, BoardLimits::maxSourceFileBytes + 1), tooLarge },
        { QByteArray(BoardLimits::maxSourceFileBytes + 1, 'x'), tooLarge },
        { TestImages::webp(QSize(10, 10)),
            ImageImportError(ImageImportError::Kind::unsupportedFormat).description() },
        { "Just some notes, saved with the wrong name.", damaged },
        { jpeg.left(jpeg.size() / 3), damaged },
        { TestImages::pngHeaderOnly(QSize(32769, 200)), side },
        { TestImages::pngHeaderOnly(QSize(1, 32769)), side },
        { TestImages::pngHeaderOnly(QSize(10001, 10000)), BoardLimits::imagePixelsTooLargeText() },
        { TestImages::pngHeaderOnly(QSize(10000, 10000)), damaged },
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FileTesting::failureMessage([&] { ImageImportService::load(bytes, "image.png"); }), text)
            << bytes.size();
    }
    EXPECT_NO_THROW(
        ImageImportService::load(TestImages::padded(png, BoardLimits::maxSourceFileBytes), "max.png"));
    const BoardPhoto wide = ImageImportService::load(TestImages::largePng(QSize(32768, 3000)), "wide.png");
    EXPECT_EQ(wide.pixelWidth(), 32768);
    ASSERT_EQ(wide.thumbnail().size(), QSize(1024, 94));
    EXPECT_TRUE(TestImages::colourNear(wide.thumbnail(), { 500, 10 }, Qt::white, 2));
    EXPECT_TRUE(TestImages::colourNear(wide.thumbnail(), { 500, 85 }, Qt::black, 2));
}

TEST(ImageImportServiceTest, NamesAndCaptionsFollowTheFileName)
{
    // Characters, not code units: 600 flags (two code points each) keep 512 whole flags.
    const QString flags = QStringLiteral("\U0001F1EB\U0001F1F7").repeated(600);
    const QString name = QString(512, u'a');
    const std::tuple<QString, QString, QString> cases[] = {
        { "/home/me/Pictures/beach.day.png", "beach.day.png", "beach.day" },
        { "IMG_0001.JPG", "IMG_0001.JPG", "IMG_0001" },
        { "", "Pasted image", "Pasted image" },
        { "folder/", "Pasted image", "Pasted image" },
        { "README", "README", "README" },
        { ".png", ".png", ".png" },
        { name + "aaaa.png", name, name },
        { flags, flags.left(512 * 4), flags.left(512 * 4) },
    };
    for (const auto& [given, fileName, caption] : cases) {
        const BoardPhoto photo = ImageImportService::load(TestImages::png(QSize(4, 4)), given);
        EXPECT_EQ(photo.fileName(), fileName) << given.toStdString();
        EXPECT_EQ(photo.caption(), caption) << given.toStdString();
    }
}

// Every batch rule holds alike whether the files are taken one at a time or side by side.
class ImageImportBatchTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override { OrderedWorkPool::setWorkerCount(GetParam()); }
    void TearDown() override { OrderedWorkPool::setWorkerCount(0); }

    QUrl file(const QString& name, const QByteArray& bytes)
    {
        return QUrl::fromLocalFile(TestImages::writeFile(directory, name, bytes));
    }
    QTemporaryDir directory;
};

// Files of exactly the 64 MB limit are taken, larger ones refused through the reader.
TEST_P(ImageImportBatchTest, GoesOnPastEveryRefusedInput)
{
    const QByteArray png = TestImages::png(QSize(20, 10));
    ASSERT_TRUE(QDir(directory.path()).mkdir("Holiday"));
    const QString pipe = directory.filePath("pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QList<QUrl> urls {
        file("one.png", png),
        QUrl::fromLocalFile(directory.filePath("Holiday")),
        QUrl::fromLocalFile(pipe),
        QUrl(QStringLiteral("https://example.com/remote.png")),
        QUrl(QStringLiteral("https://example.com/")),
        file("empty.png", {}),
        file("notes.png", "plain text"),
        QUrl::fromLocalFile(directory.filePath("missing.png")),
        file("two.png", TestImages::padded(png, BoardLimits::maxSourceFileBytes)),
        file("over.png", TestImages::padded(png, BoardLimits::maxSourceFileBytes + 1)),
    };
    const ImageImportResult result = ImageImportService::load(urls);
    ASSERT_EQ(result.photos.size(), 2);
    EXPECT_EQ(result.photos[0].fileName(), "one.png");
    EXPECT_EQ(result.photos[1].fileName(), "two.png");
    EXPECT_EQ(result.photos[1].imageData().size(), BoardLimits::maxSourceFileBytes);
    const QString special
        = QStringLiteral(": Choose a regular image file, rather than a folder or special file.");
    const QString remote = QStringLiteral(": Choose an image stored on this computer.");
    EXPECT_EQ(result.rejected.mid(0, 6),
        QStringList({ "Holiday" + special, "pipe.png" + special, "remote.png" + remote, "Image" + remote,
            "empty.png: The image file is empty.",
            "notes.png: The image is damaged or could not be decoded." }));
    EXPECT_TRUE(result.rejected.value(6).startsWith("missing.png: "))
        << result.rejected.value(6).toStdString();
    EXPECT_EQ(
        result.rejected.value(7), "over.png: The file is larger than the available 64 MB import limit.");
    EXPECT_EQ(result.photoInputs, QList<qsizetype>({ 0, 8 }));
    QList<qsizetype> refusedInputs;
    for (const ImageImportResult::Refusal& refusal : result.refusals) {
        refusedInputs << refusal.input;
        EXPECT_TRUE(result.rejected[refusedInputs.size() - 1].endsWith(": " + refusal.reason));
    }
    EXPECT_EQ(refusedInputs, QList<qsizetype>({ 1, 2, 3, 4, 5, 6, 7, 9 }));
}

TEST_P(ImageImportBatchTest, StopsAfterSixtyPhotos)
{
    const QUrl url = file("photo.png", TestImages::png(QSize(8, 8)));
    const ImageImportResult result = ImageImportService::load(QList<QUrl>(65, url));
    EXPECT_EQ(result.photos.size(), 60);
    EXPECT_EQ(result.rejected, QStringList { BoardLimits::skippedInputsLine(5) });
}

TEST_P(ImageImportBatchTest, SharesTheBoardBudgetAcrossTheBatch)
{
    const QByteArray large = TestImages::padded(TestImages::jpeg(QSize(64, 48)), 62'914'560);
    QList<QUrl> urls;
    for (int index = 1; index <= 5; ++index) {
        urls.append(file(QStringLiteral("large-%1.jpg").arg(index), large));
    }
    // A smaller file after the one that crossed the total still fits; a damaged one does not.
    urls.append(file("small.jpg", TestImages::padded(TestImages::jpeg(QSize(64, 48)), 16'000'000)));
    urls.append(file("broken.jpg", TestImages::jpeg(QSize(64, 48)).left(200)));
    const ImageImportResult result = ImageImportService::load(urls);
    EXPECT_EQ(result.photos.size(), 5);
    EXPECT_EQ(result.photoInputs, QList<qsizetype>({ 0, 1, 2, 3, 5 }));
    EXPECT_EQ(result.rejected,
        QStringList({ "large-5.jpg: The file is larger than the available 16 MB import limit.",
            "broken.jpg: The image is damaged or could not be decoded." }));
    ASSERT_EQ(result.refusals.size(), 2);
    EXPECT_TRUE(result.refusals[0].overTotalBytes);
    EXPECT_FALSE(result.refusals[1].overTotalBytes);
}

INSTANTIATE_TEST_SUITE_P(OneOrSeveralWorkers, ImageImportBatchTest, ::testing::Values(1, 3));
