#include "io/OrderedWorkPool.h"
#include "model/BoardLimits.h"
#include "render/BoardRenderer.h"
#include "render/BoardRenderError.h"
#include "RenderFixtures.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

namespace {
using Output = QByteArray (*)(const QList<BoardPhoto>&, const BoardSettings&);
const Output outputs[] = { BoardRenderer::pngData, BoardRenderer::pdfData };

BoardRenderError caught(Output output, const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    try {
        output(photos, settings);
    } catch (const BoardRenderError& error) {
        return error;
    }
    ADD_FAILURE() << "no error thrown";
    return BoardRenderError(BoardRenderError::Kind::cannotEncode);
}

BoardSettings squareGrid(qint64 columns)
{
    BoardSettings settings;
    settings.columns = columns;
    settings.cellAspect = CellAspect::square;
    settings.captionMode = CaptionMode::none;
    return settings;
}
} // namespace

TEST(BoardRendererValidation, EmptyOverfullAndOversizedBoardsAreRefused)
{
    const QImage grey = TestImages::solid(QSize(8, 8), Qt::gray);
    const QString oversized = QStringLiteral(
        "This board is too large to export. Increase the column count or choose a smaller export width.");
    for (Output output : outputs) {
        const BoardRenderError empty = caught(output, {}, BoardSettings());
        EXPECT_EQ(empty.kind(), BoardRenderError::Kind::emptyBoard);
        EXPECT_EQ(empty.description(), QStringLiteral("Add at least one image before exporting."));
        const BoardRenderError tooMany = caught(output, RenderFixtures::photos(61, grey), squareGrid(1));
        EXPECT_EQ(tooMany.description(), BoardLimits::tooManyPhotosText());
        const BoardRenderError tooTall = caught(output, RenderFixtures::photos(60, grey), squareGrid(1));
        EXPECT_EQ(tooTall.kind(), BoardRenderError::Kind::oversizedBoard);
        EXPECT_EQ(tooTall.description(), oversized);
    }
}

TEST(BoardRendererValidation, UndecodablePhotoAbandonsTheExportNamingTheFirstBadFile)
{
    QList<BoardPhoto> photos = RenderFixtures::photos(3, TestImages::solid(QSize(40, 30), Qt::gray));
    photos.insert(1,
        BoardPhoto(QUuid::createUuid(), QStringLiteral("broken.jpg"), QString(),
            QByteArray("this is not an image"), 4000, 3000, QImage()));
    photos.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("also broken.png"), QString(),
        QByteArray("\x89PNG\r\n\x1a\n cut short", 19), 40, 30, QImage()));
    // Decoded on the drawing thread alone or on several workers ahead of it: the same first file.
    for (const auto& [output, workers] : { std::pair { outputs[0], 1 }, std::pair { outputs[0], 4 },
             std::pair { outputs[1], 1 }, std::pair { outputs[1], 4 } }) {
        OrderedWorkPool::setWorkerCount(workers);
        const BoardRenderError error = caught(output, photos, RenderFixtures::exampleSettings());
        OrderedWorkPool::setWorkerCount(0);
        EXPECT_EQ(error, BoardRenderError::invalidImage(QStringLiteral("broken.jpg"))) << workers;
        EXPECT_EQ(error.description(),
            QStringLiteral(
                "Tesserly could not render \"broken.jpg\". Remove it and import the image again."));
    }
    EXPECT_EQ(BoardRenderError::invalidImage(QStringLiteral("%1.png")).description(),
        QStringLiteral("Tesserly could not render \"%1.png\". Remove it and import the image again."));
    EXPECT_EQ(BoardRenderError(BoardRenderError::Kind::cannotCreateContext).description(),
        QStringLiteral("There is not enough memory to create this export. Try a smaller export width."));
    EXPECT_EQ(BoardRenderError(BoardRenderError::Kind::cannotEncode).description(),
        QStringLiteral("Tesserly could not finish the export. Try again with a smaller board."));
}
