#include "store/ImageArrival.h"
#include "model/BoardLimits.h"

#include <gtest/gtest.h>
#include <QUuid>

namespace {
BoardPhoto photo(const QString& name, const QByteArray& bytes)
{
    return BoardPhoto(QUuid::createUuid(), name, name, bytes, 10, 10, QImage());
}

QStringList namesOf(const QList<BoardPhoto>& photos)
{
    QStringList names;
    for (const BoardPhoto& each : photos) {
        names << each.fileName();
    }
    return names;
}
} // namespace

TEST(ImageArrival, SourceBytesAreCountedAgainstTheBoardUpToExactly256MB)
{
    // Photos sharing one buffer: a board of hundreds of megabytes costs one allocation.
    const QByteArray fileSized(BoardLimits::maxSourceFileBytes, 'x');
    const QList<BoardPhoto> board { photo("a", fileSized), photo("b", fileSized), photo("c", fileSized) };
    const ImageImportResult admitted = ImageArrival::admit(board,
        { { photo("big.png", fileSized + 'x'), photo("fits.png", fileSized), photo("tiny.png", "x") },
            { "earlier.png: refused by the service" } });
    // A refused larger image does not stop a later one that fits; the total may equal the limit.
    EXPECT_EQ(namesOf(admitted.photos), QStringList { "fits.png" });
    EXPECT_EQ(admitted.rejected,
        QStringList({ "earlier.png: refused by the service", BoardLimits::boardBytesLine("big.png"),
            BoardLimits::boardBytesLine("tiny.png") }));
}

TEST(ImageArrival, TheSixtiethPlaceIsTheLast)
{
    QList<BoardPhoto> board;
    for (int index = 0; index < BoardLimits::maxPhotos - 2; ++index) {
        board << photo(QString::number(index), "x");
    }
    const ImageImportResult admitted = ImageArrival::admit(
        board, { { photo("1.png", "x"), photo("2.png", "x"), photo("3.png", "x") }, {} });
    EXPECT_EQ(namesOf(admitted.photos), QStringList({ "1.png", "2.png" }));
    EXPECT_EQ(admitted.rejected, QStringList { BoardLimits::boardFullLine("3.png") });
}
