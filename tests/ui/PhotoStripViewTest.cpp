#include "ui/UiTesting.h"

#include "ui/BoardCanvas.h"
#include "ui/BoardPreview.h"
#include "ui/ContentView.h"
#include "ui/PhotoStripView.h"
#include "ui/PhotoThumbnail.h"
#include "ui/PreviewTile.h"

#include <QAction>
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

    // Earlier, later and remove.
    QList<bool> buttons() const
    {
        return { strip.earlierButton()->isEnabled(), strip.laterButton()->isEnabled(),
            strip.removeButton()->isEnabled() };
    }
    // The enabled items of a thumbnail's context menu.
    QStringList menuItems(qsizetype index) const
    {
        menu.reset(strip.thumbnails().at(index)->createContextMenu(nullptr));
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled()) {
                items.append(action->text());
            }
        }
        return items;
    }

    PhotoStripView strip { store };
    mutable std::unique_ptr<QMenu> menu;
};

TEST_F(PhotoStripViewTest, HeaderButtonsFollowTheSelectionAndActOnIt)
{
    EXPECT_EQ(buttons(), QList<bool>({ false, false, false }));
    installPhotos(3);
    EXPECT_EQ(buttons(), QList<bool>({ false, true, true })) << "a new board selects its first photo";
    QTest::mouseClick(strip.thumbnails().at(1), Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(1));
    EXPECT_EQ(buttons(), QList<bool>({ true, true, true }));
    QTest::mouseClick(strip.thumbnails().at(2), Qt::LeftButton);
    EXPECT_EQ(buttons(), QList<bool>({ true, false, true }));
    store.setSelectedPhotoID(std::nullopt);
    EXPECT_EQ(buttons(), QList<bool>({ false, false, false }));

    QTest::mouseClick(strip.thumbnails().at(0), Qt::LeftButton);
    strip.laterButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-2.png", "image-1.png", "image-3.png" }));
    EXPECT_TRUE(strip.thumbnails().at(1)->isSelected());
    strip.earlierButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-1.png", "image-2.png", "image-3.png" }));
    strip.removeButton()->click();
    EXPECT_EQ(order(), QStringList({ "image-2.png", "image-3.png" }));
    EXPECT_EQ(store.selectedPhotoID(), idAt(0));
    EXPECT_EQ(strip.thumbnails().at(0)->accessibleName(), "Image 1, image-2.png") << "renumbered";
}

TEST_F(PhotoStripViewTest, ContextMenuActsOnTheClickedPhoto)
{
    installPhotos(4);
    store.setSelectedPhotoID(idAt(0));
    EXPECT_EQ(menuItems(2), QStringList({ "Move Earlier", "Move Later", "Remove from Board" }));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(order(), QStringList({ "image-1.png", "image-3.png", "image-2.png", "image-4.png" }));
    EXPECT_EQ(store.selectedPhotoID(), idAt(0));
    EXPECT_EQ(menuItems(3), QStringList({ "Move Earlier", "Remove from Board" }));

    installPhotos(1);
    EXPECT_EQ(buttons(), QList<bool>({ false, false, true }));
    EXPECT_EQ(menuItems(0), QStringList({ "Remove from Board" }));
    menu->actions().last()->trigger();
    EXPECT_TRUE(store.photos().isEmpty());
}

TEST_F(PhotoStripViewTest, SelectingOnThePreviewCentresTheThumbnail)
{
    ContentView view(store);
    view.resize(1180, 820);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    installPhotos(30);
    QScrollArea* area = view.strip()->scrollArea();
    QScrollBar* bar = area->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    PreviewTile* tile = view.preview()->canvas()->tiles().at(14);
    view.preview()->scrollArea()->ensureWidgetVisible(tile);
    QTest::mouseClick(tile, Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(14));
    const PhotoThumbnail* thumbnail = view.strip()->thumbnails().at(14);
    QTRY_VERIFY_WITH_TIMEOUT(
        std::abs(thumbnail->geometry().center().x() - bar->value() - area->viewport()->width() / 2) <= 2,
        2000);

    // Clearing the selection leaves the strip where it is.
    const int before = bar->value();
    store.setSelectedPhotoID(std::nullopt);
    QTest::qWait(300);
    EXPECT_EQ(bar->value(), before);
}

} // namespace
