#include "model/BoardPhoto.h"
#include "model/BoardLimits.h"
#include "model/ImageImportResult.h"
#include "model/LoadedBoard.h"

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
    const BoardPhoto named = photo("IMG_0001.jpeg", "Sunrise over the bay");
    EXPECT_EQ(named.displayCaption(CaptionMode::none), QString());
    EXPECT_EQ(named.displayCaption(CaptionMode::filename), "IMG_0001.jpeg");
    EXPECT_EQ(named.displayCaption(CaptionMode::custom), "Sunrise over the bay");

    const BoardPhoto uncaptioned = photo("IMG_0002.png", QString());
    EXPECT_EQ(uncaptioned.displayCaption(CaptionMode::custom), QString()) << "no fallback to the file name";
    EXPECT_EQ(uncaptioned.displayCaption(CaptionMode::none), QString());

    const BoardPhoto spaced = photo("a.png", "  two  spaces  ");
    EXPECT_EQ(spaced.displayCaption(CaptionMode::custom), "  two  spaces  ")
        << "the caption exactly as stored";
}

TEST(BoardPhoto, FieldsAndPixelSize)
{
    BoardPhoto value = photo("a.png", "first");
    EXPECT_EQ(value.pixelWidth(), 4000);
    EXPECT_EQ(value.pixelHeight(), 3000);
    EXPECT_EQ(value.pixelSize(), QSizeF(4000, 3000));
    EXPECT_EQ(value.thumbnail().size(), QSize(32, 24));
    value.setCaption("second");
    EXPECT_EQ(value.caption(), "second");
    EXPECT_EQ(value.fileName(), "a.png");
}

TEST(BoardPhoto, CopiesShareImageBytesAndThumbnail)
{
    const BoardPhoto original = photo("big.png", "c", QByteArray(1 << 20, 'p'));
    BoardPhoto copy = original;
    EXPECT_EQ(copy.imageData().constData(), original.imageData().constData());
    EXPECT_EQ(copy.thumbnail().constBits(), original.thumbnail().constBits());
    // Changing the caption of a copy touches neither the original nor the shared bytes.
    copy.setCaption("changed");
    EXPECT_EQ(original.caption(), "c");
    EXPECT_EQ(copy.imageData().constData(), original.imageData().constData());
    EXPECT_EQ(copy.id(), original.id());

    const QList<BoardPhoto> list { original, original };
    const QList<BoardPhoto> listCopy = list;
    EXPECT_EQ(listCopy.at(1).imageData().constData(), original.imageData().constData());
}

TEST(BoardPhoto, TransferRecordsAndLimits)
{
    const ImageImportResult empty;
    EXPECT_TRUE(empty.photos.isEmpty());
    EXPECT_TRUE(empty.rejected.isEmpty());
    const ImageImportResult result { { photo("a.png", "") }, { "b.png: refused" } };
    EXPECT_EQ(result.photos.size(), 1);
    EXPECT_EQ(result.rejected, QStringList({ "b.png: refused" }));
    const LoadedBoard board { { photo("a.png", "") }, BoardSettings() };
    EXPECT_EQ(board.settings, BoardSettings());

    static_assert(BoardLimits::maxPhotos == 60);
    static_assert(BoardLimits::maxSourceFileBytes == 64 * 1024 * 1024);
    static_assert(BoardLimits::maxTotalSourceBytes == 256 * 1024 * 1024);
    static_assert(BoardLimits::maxOutputPixels == 64'000'000);
    static_assert(BoardLimits::maxOutputDimension == 16'384);
    SUCCEED();
}
