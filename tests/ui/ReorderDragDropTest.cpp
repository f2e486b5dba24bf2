#include "ui/UiTesting.h"

#include "model/ContentTypes.h"
#include "ui/BoardCanvas.h"
#include "ui/BoardPreview.h"
#include "ui/ContentView.h"
#include "ui/PhotoDragAndDrop.h"
#include "ui/PhotoMimeData.h"
#include "ui/PhotoStripView.h"
#include "ui/PhotoThumbnail.h"
#include "ui/PreviewTile.h"

#include <QApplication>
#include <QDropEvent>
#include <QTest>

namespace {

// Reordering through the events the desktop delivers: a press and move on the dragged photo's
// widget, then enter, move and drop on the target widget. P Q R S are photos 1 to 4.
class ReorderDragDropTest : public UiTest
{
protected:
    void SetUp() override
    {
        original = { StoreTesting::pngPhoto("P.png"), StoreTesting::pngPhoto("Q.png"),
            StoreTesting::pngPhoto("R.png"), StoreTesting::pngPhoto("S.png") };
        StoreTesting::installBoard(store, original);
        view.resize(1180, 820);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QWidget* thumbnail(qsizetype index) const { return view.strip()->thumbnails().at(index); }
    QWidget* tile(qsizetype index) const { return view.preview()->canvas()->tiles().at(index); }

    // Drags a photo's widget onto a point of another's, `across` its width; the move runs from
    // the event loop after the drop has been answered.
    bool drag(QWidget* source, QWidget* target, double across)
    {
        startDrag(source);
        const std::optional<QUuid> id = store.draggingPhotoID();
        EXPECT_TRUE(id.has_value()) << "the drag did not start";
        if (!id) {
            return false;
        }
        const PhotoMimeData payload(*id);
        const bool accepted
            = dropOn(target, QPointF(target->width() * across, target->height() / 2.0), payload);
        QCoreApplication::processEvents();
        return accepted;
    }

    QList<BoardPhoto> original;
    ContentView view { store };
};

TEST_F(ReorderDragDropTest, TheThreeExamplesOnTheStrip)
{
    ASSERT_TRUE(drag(thumbnail(0), thumbnail(2), 0.75));
    EXPECT_EQ(order(), QStringList({ "Q.png", "R.png", "P.png", "S.png" }));
    EXPECT_EQ(store.selectedPhoto()->fileName(), "P.png");
    EXPECT_FALSE(store.draggingPhotoID());

    StoreTesting::installBoard(store, original);
    ASSERT_TRUE(drag(thumbnail(3), thumbnail(1), 0.25));
    EXPECT_EQ(order(), QStringList({ "P.png", "S.png", "Q.png", "R.png" }));
    EXPECT_EQ(store.selectedPhoto()->fileName(), "S.png");

    store.undo();
    ASSERT_EQ(order(), QStringList({ "P.png", "Q.png", "R.png", "S.png" }));
    ASSERT_TRUE(drag(thumbnail(1), thumbnail(2), 0.25));
    EXPECT_EQ(order(), QStringList({ "P.png", "Q.png", "R.png", "S.png" }));
    EXPECT_TRUE(store.canRedo()) << "a zero move records nothing, so the redo history is kept";
    EXPECT_EQ(store.selectedPhoto()->fileName(), "Q.png");

    // The middle counts as after.
    ASSERT_TRUE(drag(thumbnail(0), thumbnail(1), 0.5));
    EXPECT_EQ(order(), QStringList({ "Q.png", "P.png", "R.png", "S.png" }));
}

TEST_F(ReorderDragDropTest, TheSameRulesOnThePreviewTiles)
{
    ASSERT_TRUE(drag(tile(0), tile(2), 0.75));
    EXPECT_EQ(order(), QStringList({ "Q.png", "R.png", "P.png", "S.png" }));
    // A tile can also be dropped on a thumbnail and the other way round.
    ASSERT_TRUE(drag(thumbnail(3), tile(0), 0.25));
    EXPECT_EQ(order(), QStringList({ "S.png", "Q.png", "R.png", "P.png" }));
}

TEST_F(ReorderDragDropTest, DropOnItselfChangesNothingButKeepsTheSelection)
{
    store.setSelectedPhotoID(idAt(0));
    ASSERT_TRUE(drag(thumbnail(2), thumbnail(2), 0.75));
    EXPECT_EQ(order(), QStringList({ "P.png", "Q.png", "R.png", "S.png" }));
    EXPECT_EQ(store.selectedPhoto()->fileName(), "R.png");
    EXPECT_FALSE(store.draggingPhotoID());
    EXPECT_FALSE(store.canUndo());
}

TEST_F(ReorderDragDropTest, DropWhileBusyMovesNothingAndClearsTheDrag)
{
    PhotoStripView strip(store);
    strip.resize(700, PhotoStripView::stripHeight);
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
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
    EXPECT_EQ(order().mid(0, 4), QStringList({ "P.png", "Q.png", "R.png", "S.png" }));
}

TEST_F(ReorderDragDropTest, ForeignDragsAreRefusedWithoutHighlight)
{
    auto* target = static_cast<PhotoThumbnail*>(thumbnail(1));
    // The private type offered by anything but our own drag (another program, another process),
    // and image files: the strip takes neither.
    QMimeData foreign;
    foreign.setData(QString(ContentTypes::photoMimeType), idAt(0).toString(QUuid::WithoutBraces).toUtf8());
    const QString file
        = TestImages::writeFile(folder, QStringLiteral("outside.png"), TestImages::png(QSize(20, 20)));
    const std::unique_ptr<QMimeData> files = fileDrag({ file });
    for (const QMimeData* data : { &foreign, files.get() }) {
        EXPECT_FALSE(dropOn(target, QPointF(20, 20), *data));
        EXPECT_FALSE(target->dragAndDrop().isTargeted());
    }
    EXPECT_EQ(order(), QStringList({ "P.png", "Q.png", "R.png", "S.png" }));

    // Our own drag highlights the target while it hovers and stops when it leaves.
    startDrag(thumbnail(0));
    const PhotoMimeData ours(idAt(0));
    QDragEnterEvent ourEnter(QPoint(20, 20), Qt::MoveAction, &ours, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &ourEnter);
    EXPECT_TRUE(ourEnter.isAccepted());
    EXPECT_TRUE(target->dragAndDrop().isTargeted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(target, &leave);
    EXPECT_FALSE(target->dragAndDrop().isTargeted());
}

TEST_F(ReorderDragDropTest, DragStartSelectsAndRecordsThePhoto)
{
    store.setSelectedPhotoID(idAt(3));
    startDrag(tile(1));
    EXPECT_EQ(store.draggingPhotoID(), idAt(1));
    EXPECT_EQ(store.selectedPhotoID(), idAt(1));
    EXPECT_FALSE(static_cast<PreviewTile*>(tile(1))->isDown());
}

} // namespace
