#include "ui/UiTesting.h"

#include "io/ImageImportService.h"
#include "ui/BoardCanvas.h"
#include "ui/BoardPreview.h"
#include "ui/ContentView.h"
#include "ui/PhotoDragAndDrop.h"
#include "ui/PhotoStripView.h"
#include "ui/PhotoThumbnail.h"
#include "ui/PreviewTile.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

class PhotoStripViewTest : public UiTest
{
protected:
    void SetUp() override
    {
        strip.resize(700, PhotoStripView::stripHeight);
        strip.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }

    struct ButtonStates
    {
        bool earlier, later, remove;
        bool operator==(const ButtonStates&) const = default;
    };
    ButtonStates buttons() const
    {
        return { strip.earlierButton()->isEnabled(), strip.laterButton()->isEnabled(),
            strip.removeButton()->isEnabled() };
    }
    static QStringList menuItems(QMenu* menu, bool enabledOnly)
    {
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && (!enabledOnly || action->isEnabled())) {
                items.append(action->text());
            }
        }
        return items;
    }

    PhotoStripView strip { store };
};

TEST_F(PhotoStripViewTest, HeaderButtonsFollowTheSelection)
{
    EXPECT_EQ(strip.noteLabel()->text(), "Your images will appear here");
    EXPECT_TRUE(strip.pasteButton()->isEnabled());
    EXPECT_EQ(buttons(), (ButtonStates { false, false, false }));
    EXPECT_EQ(strip.pasteButton()->toolTip(), "Paste copied images (Ctrl+Alt+V)");
    EXPECT_EQ(strip.pasteButton()->accessibleName(), "Paste images");
    EXPECT_EQ(strip.removeButton()->accessibleName(), "Remove selected image");

    installPhotos(3);
    EXPECT_EQ(strip.noteLabel()->text(), "Drag to reorder");
    ASSERT_EQ(strip.thumbnails().size(), 3);
    // A new board selects its first photo.
    EXPECT_EQ(buttons(), (ButtonStates { false, true, true }));
    QTest::mouseClick(strip.thumbnails().at(1), Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(1));
    EXPECT_EQ(buttons(), (ButtonStates { true, true, true }));
    QTest::mouseClick(strip.thumbnails().at(2), Qt::LeftButton);
    EXPECT_EQ(buttons(), (ButtonStates { true, false, true }));

    store.setSelectedPhotoID(std::nullopt);
    EXPECT_EQ(buttons(), (ButtonStates { false, false, false }));
    EXPECT_TRUE(strip.pasteButton()->isEnabled());
    // A selection that is not on the board can still be "removed" (which does nothing).
    store.setSelectedPhotoID(QUuid::createUuid());
    EXPECT_EQ(buttons(), (ButtonStates { false, false, true }));
}

TEST_F(PhotoStripViewTest, HeaderButtonsMoveAndRemoveTheSelection)
{
    installPhotos(3);
    QTest::mouseClick(strip.thumbnails().at(0), Qt::LeftButton);
    strip.laterButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-2.png", "image-1.png", "image-3.png" }));
    EXPECT_EQ(strip.thumbnails().at(1)->photoID(), store.selectedPhotoID());
    EXPECT_TRUE(strip.thumbnails().at(1)->isSelected());
    strip.earlierButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-1.png", "image-2.png", "image-3.png" }));
    strip.removeButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-2.png", "image-3.png" }));
    EXPECT_EQ(strip.thumbnails().size(), 2);
    EXPECT_EQ(store.selectedPhotoID(), idAt(0));
    EXPECT_EQ(strip.thumbnails().at(0)->accessibleName(), "Image 1, image-2.png");
}

TEST_F(PhotoStripViewTest, OnePhotoCannotMoveButCanBeRemoved)
{
    installPhotos(1);
    EXPECT_EQ(buttons(), (ButtonStates { false, false, true }));
    std::unique_ptr<QMenu> menu(strip.thumbnails().at(0)->createContextMenu(nullptr));
    EXPECT_EQ(
        menuItems(menu.get(), false), QStringList({ "Move Earlier", "Move Later", "Remove from Board" }));
    EXPECT_EQ(menuItems(menu.get(), true), QStringList({ "Remove from Board" }));
    menu->actions().last()->trigger();
    EXPECT_TRUE(store.photos().isEmpty());
    EXPECT_EQ(strip.noteLabel()->text(), "Your images will appear here");
}

TEST_F(PhotoStripViewTest, ContextMenuActsOnTheClickedPhoto)
{
    installPhotos(4);
    store.setSelectedPhotoID(idAt(0));
    std::unique_ptr<QMenu> menu(strip.thumbnails().at(2)->createContextMenu(nullptr));
    EXPECT_EQ(
        menuItems(menu.get(), true), QStringList({ "Move Earlier", "Move Later", "Remove from Board" }));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(order(), QStringList({ "image-1.png", "image-3.png", "image-2.png", "image-4.png" }));
    EXPECT_EQ(store.selectedPhotoID(), idAt(0));

    std::unique_ptr<QMenu> last(strip.thumbnails().at(3)->createContextMenu(nullptr));
    EXPECT_EQ(menuItems(last.get(), true), QStringList({ "Move Earlier", "Remove from Board" }));
}

TEST_F(PhotoStripViewTest, ThumbnailsDescribeTheirPhotos)
{
    const BoardPhoto beach = ImageImportService::load(TestImages::jpeg(QSize(4032, 3024)), "beach.jpg");
    StoreTesting::installBoard(store, { StoreTesting::pngPhoto("first.png"), beach });
    EXPECT_EQ(PhotoThumbnail::helpText(beach), "beach.jpg · 4032 × 3024 px");
    PhotoThumbnail* thumbnail = strip.thumbnails().at(1);
    EXPECT_EQ(thumbnail->toolTip(), "beach.jpg · 4032 × 3024 px");
    EXPECT_EQ(thumbnail->accessibleName(), "Image 2, beach.jpg");
    EXPECT_EQ(thumbnail->accessibleDescription(), "Not selected");
    QTest::mouseClick(thumbnail, Qt::LeftButton);
    EXPECT_EQ(thumbnail->accessibleDescription(), "Selected");
    EXPECT_FALSE(strip.thumbnails().at(0)->isSelected());
}

TEST_F(PhotoStripViewTest, SelectingOnThePreviewCentresTheThumbnail)
{
    ContentView view(store);
    view.resize(1180, 820);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    installPhotos(30);
    PhotoStripView* viewStrip = view.strip();
    QScrollBar* bar = viewStrip->scrollArea()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);

    BoardCanvas* canvas = view.preview()->canvas();
    PreviewTile* tile = canvas->tiles().at(14);
    // Out of sight in the preview until scrolled there; a click then selects it.
    view.preview()->scrollArea()->ensureWidgetVisible(tile);
    QTest::mouseClick(tile, Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(14));
    const PhotoThumbnail* thumbnail = viewStrip->thumbnails().at(14);
    const auto offCentre = [&] {
        return std::abs(thumbnail->geometry().center().x() - bar->value()
            - viewStrip->scrollArea()->viewport()->width() / 2);
    };
    QTRY_VERIFY_WITH_TIMEOUT(offCentre() <= 2, 2000);

    // Clearing the selection leaves the strip where it is.
    const int before = bar->value();
    store.setSelectedPhotoID(std::nullopt);
    QTest::qWait(300);
    EXPECT_EQ(bar->value(), before);
}

} // namespace
