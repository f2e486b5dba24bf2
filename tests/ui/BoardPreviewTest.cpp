#include "ui/UiTesting.h"

#include "render/BoardLayout.h"
#include "ui/BoardCanvas.h"
#include "ui/BoardPreview.h"
#include "ui/InterfaceStyle.h"
#include "ui/PreviewEmptyState.h"
#include "ui/PreviewTile.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

class BoardPreviewTest : public UiTest
{
protected:
    void SetUp() override
    {
        preview.resize(900, 700);
        preview.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    }

    // The canvas as it is drawn on screen.
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

TEST_F(BoardPreviewTest, ScaleFitsTheWidthWithinLimits)
{
    EXPECT_NEAR(BoardPreview::previewScale(900, 2400), 0.355, 1e-9);
    EXPECT_EQ(BoardPreview::previewScale(3000, 2400), 1.0);
    EXPECT_EQ(BoardPreview::previewScale(40, 2400), 0.02);
    EXPECT_EQ(BoardPreview::previewScale(60, 2400), 0.02);
    EXPECT_EQ(BoardPreview::previewScale(1000, 0), 1.0);

    installPhotos(2);
    const double scale = preview.canvas()->scale();
    EXPECT_NEAR(scale, (preview.scrollArea()->width() - 48.0) / 2400, 0.002);
    // The board's size on screen follows the scale; nothing scrolls sideways.
    EXPECT_EQ(preview.canvas()->width(), int(std::ceil(2400 * scale)));
    EXPECT_FALSE(preview.scrollArea()->horizontalScrollBar()->isVisible());
    preview.resize(3200, 900);
    EXPECT_EQ(preview.canvas()->scale(), 1.0);
}

TEST_F(BoardPreviewTest, EmptyStateUntilTheFirstPhoto)
{
    EXPECT_TRUE(preview.emptyState()->isVisible());
    EXPECT_FALSE(preview.canvas()->isVisible());
    const QStringList texts = [&] {
        QStringList found;
        for (const QLabel* label : preview.emptyState()->findChildren<QLabel*>()) {
            found.append(label->text());
        }
        return found;
    }();
    EXPECT_TRUE(texts.contains("Bring your images together"));
    EXPECT_TRUE(texts.contains("Drop images here to create a comparison sheet."));
    EXPECT_TRUE(texts.contains("Photos · Film stills · Design variations"));
    EXPECT_EQ(preview.emptyState()->addButton()->text(), "Add Images…");

    preview.emptyState()->addButton()->click();
    EXPECT_EQ(platform.imagePanels.size(), 1);
    preview.emptyState()->pasteButton()->click();
    EXPECT_EQ(store.errorMessage(), "Copy an image or an image file first, then choose Paste Images.");

    installPhotos(1);
    EXPECT_FALSE(preview.emptyState()->isVisible());
    EXPECT_TRUE(preview.canvas()->isVisible());
    EXPECT_EQ(preview.canvas()->tiles().size(), 1);
}

TEST_F(BoardPreviewTest, ClickingATileSelectsItWithAnAccentBorder)
{
    installPhotos(3);
    store.setSelectedPhotoID(std::nullopt);
    const QList<PreviewTile*>& tiles = preview.canvas()->tiles();
    EXPECT_EQ(tiles.at(1)->toolTip(), "Select image-2.png. Drag to change its position.");
    EXPECT_EQ(tiles.at(1)->accessibleName(), "Image 2, image-2.png");

    QTest::mouseClick(tiles.at(1), Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(1));
    EXPECT_TRUE(tiles.at(1)->isSelected());
    EXPECT_FALSE(tiles.at(0)->isSelected());
    EXPECT_FALSE(tiles.at(2)->isSelected());

    // Two pixels of accent along the edge of the selected tile only, at two scales.
    for (int width : { 900, 500 }) {
        preview.resize(width, 700);
        QCoreApplication::processEvents();
        const QColor accent = InterfaceStyle::accent(&preview);
        const QImage selected = tiles.at(1)->grab().toImage();
        const int middle = selected.height() / 2;
        EXPECT_TRUE(TestImages::colourNear(selected, QPoint(0, middle), accent, 30)) << width;
        EXPECT_TRUE(TestImages::colourNear(selected, QPoint(1, middle), accent, 30)) << width;
        EXPECT_FALSE(TestImages::colourNear(selected, QPoint(4, middle), accent, 30)) << width;
        const QImage other = tiles.at(0)->grab().toImage();
        EXPECT_FALSE(TestImages::colourNear(other, QPoint(0, other.height() / 2), accent, 30)) << width;
    }
}

TEST_F(BoardPreviewTest, CanvasDrawsThumbnailsNeverTheImageBytes)
{
    // Bytes that no decoder accepts: only the red thumbnail can show.
    BoardSettings settings;
    settings.photoFit = PhotoFit::fill;
    StoreTesting::installBoard(
        store, { photoWithThumbnail("red.jpg", Qt::red, QByteArray("not an image")) }, settings);
    const BoardLayout& layout = preview.canvas()->layout();
    const QImage image = canvasImage();
    EXPECT_TRUE(
        TestImages::colourNear(image, onScreen(layout.cells().at(0).imageRect.center()), Qt::red, 10));
    EXPECT_TRUE(TestImages::colourNear(image, QPoint(2, 2), canvasColor(BoardBackground::light), 3));
}

TEST_F(BoardPreviewTest, CanvasFollowsNumbersCaptionsAndBackground)
{
    BoardSettings settings;
    settings.columns = 2;
    settings.photoFit = PhotoFit::fill;
    StoreTesting::installBoard(store,
        { photoWithThumbnail("white-1.png", Qt::white, "x"),
            photoWithThumbnail("white-2.png", Qt::white, "x") },
        settings);
    const BoardCellLayout cell = preview.canvas()->layout().cells().at(0);
    // The badge's capsule is dark over the white photo; its left end avoids the digit.
    const QPointF badge(
        cell.numberRect.left() + cell.numberRect.height() * 0.3, cell.numberRect.center().y());
    EXPECT_LT(QColor(canvasImage().pixel(onScreen(badge))).lightness(), 140);
    // File-name captions put dark text somewhere in the caption area.
    const auto captionInk = [&] {
        const QImage image = canvasImage();
        const QRect area(onScreen(cell.captionRect->topLeft()), onScreen(cell.captionRect->bottomRight()));
        int darkest = 255;
        for (int y = area.top(); y < area.bottom(); ++y) {
            for (int x = area.left(); x < area.right(); ++x) {
                darkest = std::min(darkest, QColor(image.pixel(x, y)).lightness());
            }
        }
        return darkest;
    };
    EXPECT_LT(captionInk(), 180);

    settings.showNumbers = false;
    store.setSettings(settings);
    EXPECT_GT(QColor(canvasImage().pixel(onScreen(badge))).lightness(), 240);
    settings.captionMode = CaptionMode::none;
    store.setSettings(settings);
    EXPECT_FALSE(preview.canvas()->layout().cells().at(0).captionRect.has_value());

    settings.captionMode = CaptionMode::filename;
    settings.background = BoardBackground::dark;
    store.setSettings(settings);
    EXPECT_TRUE(TestImages::colourNear(canvasImage(), QPoint(2, 2), canvasColor(BoardBackground::dark), 3));
}

TEST_F(BoardPreviewTest, DroppedFilesAndImageDataAreImported)
{
    const QString file
        = TestImages::writeFile(folder, QStringLiteral("dropped.png"), TestImages::png(QSize(30, 20)));
    const std::unique_ptr<QMimeData> files = fileDrag({ file });
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&preview, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(preview.isDropTargeted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(&preview, &leave);
    EXPECT_FALSE(preview.isDropTargeted());

    EXPECT_TRUE(dropOn(&preview, QPointF(100, 100), *files));
    EXPECT_FALSE(preview.isDropTargeted());
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order(), QStringList { "dropped.png" });

    QMimeData data;
    data.setData(QStringLiteral("image/png"), TestImages::png(QSize(12, 12), Qt::green));
    EXPECT_TRUE(dropOn(&preview, QPointF(100, 100), data));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order(), QStringList({ "dropped.png", "Dropped Image.png" }));

    // Text is not an image: refused before the drop, with no highlight.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    EXPECT_FALSE(dropOn(&preview, QPointF(100, 100), text));
    EXPECT_FALSE(preview.isDropTargeted());
}

TEST_F(BoardPreviewTest, DropsAreRefusedWhileBusy)
{
    installPhotos(2);
    makeBusy();
    const QString file
        = TestImages::writeFile(folder, QStringLiteral("late.png"), TestImages::png(QSize(30, 20)));
    const std::unique_ptr<QMimeData> files = fileDrag({ file });
    EXPECT_FALSE(dropOn(&preview, QPointF(100, 100), *files));
    EXPECT_FALSE(preview.isDropTargeted());
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_FALSE(order().contains("late.png"));
}

} // namespace
