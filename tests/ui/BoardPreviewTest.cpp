#include "ui/UiTesting.h"

#include "render/BoardLayout.h"
#include "ui/PreviewEmptyState.h"

namespace {

class BoardPreviewTest : public UiTest
{
protected:
    void SetUp() override { ASSERT_TRUE(shown(preview, QSize(900, 700))); }
    QImage canvasImage() const { return preview.canvas()->grab().toImage(); }
    QPoint onScreen(QPointF layoutPoint) const { return (layoutPoint * preview.canvas()->scale()).toPoint(); }
    static BoardPhoto photoWithThumbnail(const QString& name, QColor colour, const QByteArray& bytes)
    {
        QImage thumbnail(400, 300, QImage::Format_RGB32);
        thumbnail.fill(colour);
        return BoardPhoto(QUuid::createUuid(), name, QString(), bytes, 4000, 3000, thumbnail);
    }
    BoardPreview preview { store };
};

TEST_F(BoardPreviewTest, CanvasDrawsThumbnailsNumbersAndBackground)
{
    // Bytes that no decoder accepts: only the thumbnails can show.
    BoardSettings settings;
    settings.columns = 2;
    settings.photoFit = PhotoFit::fill;
    StoreTesting::installBoard(store,
        { photoWithThumbnail("red.jpg", Qt::red, "x"), photoWithThumbnail("white.png", Qt::white, "x") },
        settings);
    const BoardCellLayout red = preview.canvas()->layout().cells().at(0);
    EXPECT_TRUE(TestImages::colourNear(canvasImage(), onScreen(red.imageRect.center()), Qt::red, 10));
    EXPECT_TRUE(TestImages::colourNear(canvasImage(), QPoint(2, 2), canvasColor(BoardBackground::light), 3));
    // The badge's capsule is dark over the white photo; its left end avoids the digit.
    const BoardCellLayout white = preview.canvas()->layout().cells().at(1);
    const QPointF badge(
        white.numberRect.left() + white.numberRect.height() * 0.3, white.numberRect.center().y());
    EXPECT_LT(QColor(canvasImage().pixel(onScreen(badge))).lightness(), 140);
    settings.showNumbers = false;
    settings.background = BoardBackground::dark;
    store.setSettings(settings);
    EXPECT_GT(QColor(canvasImage().pixel(onScreen(badge))).lightness(), 240);
    EXPECT_TRUE(TestImages::colourNear(canvasImage(), QPoint(2, 2), canvasColor(BoardBackground::dark), 3));
}

TEST_F(BoardPreviewTest, TheEmptyStateTakesDroppedFilesAndImageDataButNotWhileBusy)
{
    EXPECT_TRUE(preview.emptyState()->isVisible());
    EXPECT_FALSE(preview.canvas()->isVisible());
    preview.emptyState()->addButton()->click();
    EXPECT_EQ(platform.imagePanels.size(), 1);
    const QString file = TestImages::writeFile(folder, "dropped.png", TestImages::png(QSize(30, 20)));
    QMimeData files;
    files.setUrls({ QUrl::fromLocalFile(file) });
    EXPECT_TRUE(dropOn(&preview, QPointF(100, 100), files));
    EXPECT_FALSE(preview.isDropTargeted());
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order(), QStringList { "dropped.png" });
    EXPECT_FALSE(preview.emptyState()->isVisible());
    EXPECT_TRUE(preview.canvas()->isVisible());
    QMimeData data;
    data.setData("image/png", TestImages::png(QSize(12, 12), Qt::green));
    EXPECT_TRUE(dropOn(&preview, QPointF(100, 100), data));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order(), QStringList({ "dropped.png", "Dropped Image.png" }));
    // Text is not an image: refused before the drop, with no highlight.
    QMimeData text;
    text.setText("hello");
    EXPECT_FALSE(dropOn(&preview, QPointF(100, 100), text));
    EXPECT_FALSE(preview.isDropTargeted());
    makeBusy();
    EXPECT_FALSE(dropOn(&preview, QPointF(100, 100), files));
    EXPECT_FALSE(preview.isDropTargeted());
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order().count("dropped.png"), 1);
}

} // namespace
