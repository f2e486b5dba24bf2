#include "render/BoardRenderer.h"
#include "render/BoardRenderError.h"
#include "RenderFixtures.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
using Export = std::function<QByteArray(const QList<BoardPhoto>&, const BoardSettings&)>;

struct NamedExport
{
    const char* name;
    Export run;
};

const NamedExport exports[] = {
    { "validatedLayout",
        [](const QList<BoardPhoto>& photos, const BoardSettings& settings) {
            BoardRenderer::validatedLayout(photos, settings);
            return QByteArray("layout");
        } },
    { "png", BoardRenderer::pngData },
    { "pdf", BoardRenderer::pdfData },
};

BoardRenderError caught(const Export& run, const QList<BoardPhoto>& photos, const BoardSettings& settings)
{
    try {
        run(photos, settings);
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
    settings.title.clear();
    settings.outputWidth = 2400;
    settings.spacing = 24;
    settings.padding = 48;
    return settings;
}
} // namespace

TEST(BoardRenderError, DescriptionsAreTheUserFacingTexts)
{
    using Kind = BoardRenderError::Kind;
    EXPECT_EQ(BoardRenderError::invalidImage(QStringLiteral("IMG_0042.HEIC")).description(),
        QStringLiteral("Tesserly could not render \"IMG_0042.HEIC\". Remove it and import the image again."));
    EXPECT_EQ(BoardRenderError(Kind::emptyBoard).description(),
        QStringLiteral("Add at least one image before exporting."));
    EXPECT_EQ(BoardRenderError(Kind::tooManyImages).description(),
        QStringLiteral("A board can contain up to 60 images."));
    EXPECT_EQ(BoardRenderError(Kind::oversizedBoard).description(),
        QStringLiteral("This board is too large to export. Increase the column count or choose a smaller "
                       "export width."));
    EXPECT_EQ(BoardRenderError(Kind::cannotCreateContext).description(),
        QStringLiteral("There is not enough memory to create this export. Try a smaller export width."));
    EXPECT_EQ(BoardRenderError(Kind::cannotEncode).description(),
        QStringLiteral("Tesserly could not finish the export. Try again with a smaller board."));
    EXPECT_STREQ(BoardRenderError(Kind::emptyBoard).what(), "Add at least one image before exporting.");

    EXPECT_EQ(BoardRenderError::invalidImage(QStringLiteral("a.png")),
        BoardRenderError::invalidImage(QStringLiteral("a.png")));
    EXPECT_FALSE(BoardRenderError::invalidImage(QStringLiteral("a.png"))
        == BoardRenderError::invalidImage(QStringLiteral("b.png")));
    EXPECT_FALSE(BoardRenderError(Kind::emptyBoard) == BoardRenderError(Kind::tooManyImages));
    // A file name with a placeholder-like text stays as it is.
    EXPECT_EQ(BoardRenderError::invalidImage(QStringLiteral("%1 %2.png")).description(),
        QStringLiteral("Tesserly could not render \"%1 %2.png\". Remove it and import the image again."));
}

TEST(BoardRendererValidation, EmptyAndOverfullBoardsAreRefusedByEveryOutput)
{
    const QList<BoardPhoto> sixtyOne = RenderFixtures::photos(61, RenderFixtures::solid(8, 8, Qt::gray));
    BoardSettings crowded = squareGrid(6);
    crowded.columns = 1;
    for (const NamedExport& output : exports) {
        SCOPED_TRACE(output.name);
        for (const BoardSettings& settings : { BoardSettings(), squareGrid(1) }) {
            const BoardRenderError empty = caught(output.run, {}, settings);
            EXPECT_EQ(empty.kind(), BoardRenderError::Kind::emptyBoard);
            EXPECT_EQ(empty.description(), QStringLiteral("Add at least one image before exporting."));
        }
        // Too many photos is reported even where the board would also be too tall.
        const BoardRenderError tooMany = caught(output.run, sixtyOne, crowded);
        EXPECT_EQ(tooMany.kind(), BoardRenderError::Kind::tooManyImages);
        EXPECT_EQ(tooMany.description(), QStringLiteral("A board can contain up to 60 images."));
    }
}

TEST(BoardRendererValidation, SixtySquarePhotosNeedEnoughColumns)
{
    const QList<BoardPhoto> sixty = RenderFixtures::photos(60, RenderFixtures::solid(8, 8, Qt::gray));
    for (const NamedExport& output : exports) {
        SCOPED_TRACE(output.name);
        const BoardRenderError tooTall = caught(output.run, sixty, squareGrid(1));
        EXPECT_EQ(tooTall.kind(), BoardRenderError::Kind::oversizedBoard);
        EXPECT_EQ(tooTall.description(),
            QStringLiteral("This board is too large to export. Increase the column count or choose a smaller "
                           "export width."));
    }
    const BoardLayout layout = BoardRenderer::validatedLayout(sixty, squareGrid(6));
    EXPECT_EQ(layout.pixelWidth(), 2400);
    EXPECT_EQ(layout.pixelHeight(), 3952);
    const QImage png = RenderFixtures::renderedPng(sixty, squareGrid(6));
    EXPECT_EQ(png.size(), QSize(2400, 3952));
}

TEST(BoardRendererValidation, ThePixelBudgetBindsBeforeTheSideLimitOnWideBoards)
{
    BoardSettings settings = squareGrid(1);
    settings.outputWidth = 6000;
    settings.cellAspect = CellAspect::landscape;
    const QImage tiny = RenderFixtures::solid(8, 8, Qt::gray);
    // 2 rows: 6000 x 8976 = 53.9 million pixels.
    const BoardLayout two = BoardRenderer::validatedLayout(RenderFixtures::photos(2, tiny), settings);
    EXPECT_EQ(two.pixelHeight(), 8976);
    // 3 rows: 6000 x 13428 is within the 16384-pixel side but over 64 million pixels.
    const BoardRenderError error = caught(exports[0].run, RenderFixtures::photos(3, tiny), settings);
    EXPECT_EQ(error.kind(), BoardRenderError::Kind::oversizedBoard);
    // Settings are normalized before validating: 40 columns are 6.
    settings.columns = 40;
    EXPECT_EQ(BoardRenderer::validatedLayout(RenderFixtures::photos(60, tiny), settings).cells().size(), 60);
}

TEST(BoardRendererValidation, UndecodablePhotoAbandonsTheExportNamingTheFirstBadFile)
{
    QList<BoardPhoto> photos = RenderFixtures::photos(3, RenderFixtures::solid(40, 30, Qt::gray));
    photos.insert(1,
        BoardPhoto(QUuid::createUuid(), QStringLiteral("broken.jpg"), QString(),
            QByteArray("this is not an image"), 4000, 3000, QImage()));
    photos.append(BoardPhoto(QUuid::createUuid(), QStringLiteral("also broken.png"), QString(),
        QByteArray("\x89PNG\r\n\x1a\n truncated", 18), 40, 30, QImage()));
    for (const NamedExport& output : { exports[1], exports[2] }) {
        SCOPED_TRACE(output.name);
        const BoardRenderError error = caught(output.run, photos, RenderFixtures::exampleSettings());
        EXPECT_EQ(error, BoardRenderError::invalidImage(QStringLiteral("broken.jpg")));
        EXPECT_EQ(error.fileName(), QStringLiteral("broken.jpg"));
        EXPECT_EQ(error.description(),
            QStringLiteral(
                "Tesserly could not render \"broken.jpg\". Remove it and import the image again."));
    }
    // The layout alone never looks at the bytes.
    EXPECT_EQ(BoardRenderer::validatedLayout(photos, RenderFixtures::exampleSettings()).cells().size(), 5);
}
