#include "model/BoardPhoto.h"
#include "model/BoardLimits.h"
#include "model/ByteCount.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QUuid>

namespace {
BoardPhoto photo(const QString& fileName, const QString& caption, QByteArray bytes = QByteArray(64, 'x'))
{
    QImage thumbnail(32, 24, QImage::Format_RGB32);
    thumbnail.fill(Qt::blue);
    return BoardPhoto(QUuid::createUuid(), fileName, caption, std::move(bytes), 4000, 3000, thumbnail);
}
} // namespace

TEST(BoardPhoto, DisplayCaptionFollowsTheModeWithoutFallback)
{
    // Custom captions exactly as stored, with no fallback to the file name.
    const BoardPhoto named = photo("IMG_0001.jpeg", "  Sunrise  ");
    EXPECT_EQ((QStringList { named.displayCaption(CaptionMode::none),
                  named.displayCaption(CaptionMode::filename), named.displayCaption(CaptionMode::custom),
                  photo("IMG_0002.png", QString()).displayCaption(CaptionMode::custom) }),
        (QStringList { "", "IMG_0001.jpeg", "  Sunrise  ", "" }));
}

TEST(BoardPhoto, CopiesShareImageBytesAndThumbnail)
{
    const BoardPhoto original = photo("big.png", "c", QByteArray(1 << 20, 'p'));
    const QList<BoardPhoto> list { original, original };
    BoardPhoto copy = QList<BoardPhoto>(list).at(1);
    copy.setCaption("changed");
    EXPECT_EQ(original.caption(), "c");
    EXPECT_EQ(copy.id(), original.id());
    EXPECT_EQ(copy.imageData().constData(), original.imageData().constData());
    EXPECT_EQ(copy.thumbnail().constBits(), original.thumbnail().constBits());
}

// Every text that names a limit, each checked once here where it is built.
TEST(BoardLimits, TextsNameTheLimitsInOneUnitAndAgreeInNumber)
{
    const std::pair<QString, const char*> texts[] = {
        { BoardLimits::tooManyPhotosText(), "A board can contain up to 60 images." },
        { BoardLimits::addingToFullBoardText(),
            "A board can contain up to 60 images. Remove an image before adding more." },
        { BoardLimits::fullBoardText(), "This board already contains 60 images." },
        { BoardLimits::skippedInputsLine(5),
            "The remaining 5 files were skipped. A board can contain up to 60 images." },
        { BoardLimits::skippedInputsLine(1),
            "The remaining 1 file was skipped. A board can contain up to 60 images." },
        { BoardLimits::excessInputsLine(3), "3 additional images exceeded the 60-image limit." },
        { BoardLimits::excessInputsLine(1), "1 additional image exceeded the 60-image limit." },
        { BoardLimits::excessDropItemsLine(2), "2 additional images exceeded the board limit." },
        { BoardLimits::excessDropItemsLine(1), "1 additional image exceeded the board limit." },
        { BoardLimits::boardFullLine("a.png"), "a.png: the board is full." },
        { BoardLimits::boardBytesLine("a.png"),
            "a.png: adding this image would exceed the board's 256 MB source-image limit." },
        { BoardLimits::fileTooLargeText(), "This image exceeds the 64 MB import limit." },
        { BoardLimits::boardTooLargeText(), "The original images in one board can total up to 256 MB." },
        { BoardLimits::storedImageTooLargeText(),
            "An image in this board is empty or exceeds the 64 MB limit." },
        { BoardLimits::imageSideTooLargeText(),
            "This image exceeds the 32768-pixel import limit per side. Export a smaller copy first." },
        { BoardLimits::imagePixelsTooLargeText(),
            "This image exceeds the 100-megapixel import limit. Export a smaller copy first." },
    };
    for (const auto& [text, expected] : texts) {
        EXPECT_EQ(text, QString::fromUtf8(expected));
    }
}

TEST(ByteCount, BinaryUnitsAsTheLimitsAreWritten)
{
    const std::pair<qint64, const char*> cases[] = {
        { -5, "0 bytes" },
        { 1, "1 byte" },
        { 1023, "1023 bytes" },
        { 1024, "1 KB" },
        { 1'048'064, "1 MB" },
        { 6'815'744, "6.5 MB" },
        { 67'108'864, "64 MB" },
        { 1'610'612'736, "1.5 GB" },
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(ByteCount::text(bytes), text) << bytes;
    }
}
