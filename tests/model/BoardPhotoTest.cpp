#include "model/BoardPhoto.h"

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
    const BoardPhoto named = photo("IMG_0001.jpeg", "  Sunrise  ");
    EXPECT_EQ(named.displayCaption(CaptionMode::none), QString());
    EXPECT_EQ(named.displayCaption(CaptionMode::filename), "IMG_0001.jpeg");
    EXPECT_EQ(named.displayCaption(CaptionMode::custom), "  Sunrise  ") << "exactly as stored";
    EXPECT_EQ(photo("IMG_0002.png", QString()).displayCaption(CaptionMode::custom), QString())
        << "no fallback to the file name";
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
