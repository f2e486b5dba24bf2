#include "ui/UiTesting.h"

#include "model/ContentTypes.h"
#include "ui/PhotoDragAndDrop.h"
#include "ui/PhotoMimeData.h"

#include <QMenu>

namespace {

QStringList enabledItems(const QMenu& menu)
{
    QStringList items;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            items.append(action->text());
        }
    }
    return items;
}

// Reordering through the events the desktop delivers (a press and move on the dragged photo's
// widget, then enter, move and drop on the target widget), the strip's buttons and its context
// menu. P Q R S are photos 1 to 4.
class ReorderDragDropTest : public UiTest
{
protected:
    void SetUp() override
    {
        original = { StoreTesting::pngPhoto("P.png"), StoreTesting::pngPhoto("Q.png"),
            StoreTesting::pngPhoto("R.png"), StoreTesting::pngPhoto("S.png") };
        StoreTesting::installBoard(store, original);
        ASSERT_TRUE(shown(view, QSize(1180, 820)));
    }
    // The board order by the photos' letters.
    QString letters() const { return order().join(QString()).remove(".png"); }
    QWidget* thumbnail(qsizetype index) const { return view.strip()->thumbnails().at(index); }
    QWidget* tile(qsizetype index) const { return view.preview()->canvas()->tiles().at(index); }
    // Drags a photo's widget onto a point of another's, `across` its width; false when the drag
    // did not start or the drop was refused. The move runs from the event loop after the drop.
    bool drag(QWidget* source, QWidget* target, double across)
    {
        startDrag(source);
        if (const auto* pressed = dynamic_cast<PreviewTile*>(source)) {
            EXPECT_FALSE(pressed->isDown()) << "the tile stays pressed once its drag has begun";
        }
        const std::optional<QUuid> id = store.draggingPhotoID();
        const bool accepted = id
            && dropOn(target, QPointF(target->width() * across, target->height() / 2.0), PhotoMimeData(*id));
        QCoreApplication::processEvents();
        return accepted;
    }
    QList<BoardPhoto> original;
    ContentView view { store };
};

TEST_F(ReorderDragDropTest, DropsMoveBeforeOrAfterTheTargetInOneUndoableStep)
{
    // From a thumbnail or tile, onto one, across its width; the board order afterwards.
    const std::tuple<bool, qsizetype, bool, qsizetype, double, const char*> rows[] = {
        { false, 0, false, 2, 0.75, "QRPS" }, // after R
        { false, 3, false, 1, 0.25, "PSQR" }, // before Q
        { false, 1, false, 2, 0.25, "PQRS" }, // before its own neighbour: no move
        { false, 0, false, 1, 0.5, "QPRS" }, // the middle counts as after
        { false, 2, false, 2, 0.75, "PQRS" }, // onto itself
        { true, 0, true, 2, 0.75, "QRPS" }, // tiles follow the same rules,
        { false, 3, true, 0, 0.25, "SPQR" }, // and each kind takes the other's photos
        { true, 1, false, 3, 0.75, "PRSQ" },
    };
    for (const auto& [fromTile, from, toTile, to, across, expected] : rows) {
        SCOPED_TRACE(testing::Message() << from << " onto " << to << ": " << expected);
        StoreTesting::installBoard(store, original);
        // An undone edit, so that a drop that moves nothing can show that it recorded nothing.
        store.removePhoto(idAt(3));
        store.undo();
        store.setSelectedPhotoID(idAt(from == 0 ? 3 : 0));
        const QString dragged = order().at(from);
        ASSERT_TRUE(drag(fromTile ? tile(from) : thumbnail(from), toTile ? tile(to) : thumbnail(to), across));
        EXPECT_EQ(letters(), expected);
        EXPECT_EQ(store.selectedPhoto()->fileName(), dragged);
        EXPECT_FALSE(store.draggingPhotoID());
        const bool moved = letters() != "PQRS";
        EXPECT_EQ(store.canRedo(), !moved) << "a drop that moves nothing records nothing";
        if (moved) {
            store.undo();
            EXPECT_EQ(letters(), "PQRS");
        }
    }
}

TEST_F(ReorderDragDropTest, DropWhileBusyMovesNothingAndClearsTheDrag)
{
    PhotoStripView strip(store);
    ASSERT_TRUE(shown(strip, QSize(700, PhotoStripView::stripHeight)));
    startDrag(thumbnail(0));
    ASSERT_TRUE(store.draggingPhotoID());
    makeBusy();
    const PhotoMimeData payload(idAt(0));
    // In the window every control is disabled while busy, so the drop never arrives there.
    EXPECT_FALSE(dropOn(thumbnail(3), QPointF(80, 20), payload));
    // A strip on its own still takes the drop: the busy check is made when the move runs.
    EXPECT_TRUE(dropOn(strip.thumbnails().at(3), QPointF(80, 20), payload));
    EXPECT_TRUE(store.draggingPhotoID()) << "the move waits for the event loop";
    // Only the queued move, not the paint events that a whole turn of the loop would run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    ASSERT_TRUE(store.isBusy()) << "the import should still be decoding";
    EXPECT_FALSE(store.draggingPhotoID());
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(letters().left(4), "PQRS");
}

TEST_F(ReorderDragDropTest, ForeignDragsAreRefusedWithoutHighlight)
{
    auto* target = static_cast<PhotoThumbnail*>(thumbnail(1));
    // The private type offered by anything but our own drag (another program, another process),
    // and image files: the strip takes neither.
    QMimeData foreign;
    foreign.setData(QString(ContentTypes::photoMimeType), idAt(0).toString(QUuid::WithoutBraces).toUtf8());
    QMimeData files;
    files.setUrls({ fileUrl("outside.png") });
    for (const QMimeData* data : { &foreign, &files }) {
        EXPECT_FALSE(dropOn(target, QPointF(20, 20), *data));
        EXPECT_FALSE(target->dragAndDrop().isTargeted());
    }
    EXPECT_EQ(letters(), "PQRS");
}

TEST_F(ReorderDragDropTest, StripButtonsAndContextMenuMoveAndRemoveOneStepEach)
{
    PhotoStripView* strip = view.strip();
    const auto buttons = [strip] {
        return QList<bool> { strip->earlierButton()->isEnabled(), strip->laterButton()->isEnabled(),
            strip->removeButton()->isEnabled() };
    };
    EXPECT_EQ(buttons(), QList<bool>({ false, true, true })) << "a new board selects its first photo";
    QTest::mouseClick(thumbnail(1), Qt::LeftButton);
    EXPECT_EQ(buttons(), QList<bool>({ true, true, true }));
    QTest::mouseClick(thumbnail(3), Qt::LeftButton);
    EXPECT_EQ(buttons(), QList<bool>({ true, false, true }));
    store.setSelectedPhotoID(std::nullopt);
    EXPECT_EQ(buttons(), QList<bool>({ false, false, false }));
    QTest::mouseClick(thumbnail(0), Qt::LeftButton);
    strip->laterButton()->click();
    EXPECT_EQ(letters(), "QPRS");
    EXPECT_TRUE(strip->thumbnails().at(1)->isSelected());
    strip->earlierButton()->click();
    strip->removeButton()->click();
    EXPECT_EQ(letters(), "QRS");
    EXPECT_EQ(store.selectedPhoto()->fileName(), "Q.png");
    EXPECT_EQ(thumbnail(0)->accessibleName(), "Image 1, Q.png") << "renumbered";
    // The context menu acts on the clicked photo, not the selection, and offers what it can do.
    std::unique_ptr<QMenu> menu(strip->thumbnails().at(1)->createContextMenu(nullptr));
    EXPECT_EQ(enabledItems(*menu), QStringList({ "Move Earlier", "Move Later", "Remove from Board" }));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(letters(), "RQS");
    EXPECT_EQ(store.selectedPhoto()->fileName(), "Q.png");
    menu.reset(strip->thumbnails().at(2)->createContextMenu(nullptr));
    EXPECT_EQ(enabledItems(*menu), QStringList({ "Move Earlier", "Remove from Board" }));
    menu->actions().last()->trigger();
    EXPECT_EQ(letters(), "RQ");
}

TEST_F(ReorderDragDropTest, SelectingOnThePreviewCentresTheThumbnail)
{
    installPhotos(30);
    QScrollArea* area = view.strip()->scrollArea();
    QScrollBar* bar = area->horizontalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->maximum() > 0; }));
    view.preview()->scrollArea()->ensureWidgetVisible(tile(14));
    QTest::mouseClick(tile(14), Qt::LeftButton);
    EXPECT_EQ(store.selectedPhotoID(), idAt(14));
    // Exactly centred, so the scroll animation has come to rest.
    const int centred = thumbnail(14)->geometry().center().x() - area->viewport()->width() / 2;
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() == centred; }, 2000)) << bar->value();
}

} // namespace
