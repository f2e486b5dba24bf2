#include "support/StoreTesting.h"
#include "support/TestImages.h"

// Editing itself, a replaced board and the bytes snapshots share are checked against a plain
// model by the random-edit test; here what it cannot reach: the busy state.
using BoardStoreEditing = StoreTest;

TEST_F(BoardStoreEditing, NothingChangesWhileBusy)
{
    const QString file = TestImages::writeFile(folder, "slow.png", TestImages::png(QSize(64, 64)));
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(3));
    BoardSettings settings;
    settings.columns = 2;
    store.setSettings(settings);
    const QUuid first = store.photos().at(0).id();
    store.setSelectedPhotoID(store.photos().at(1).id());
    const QList<BoardPhoto> photosBefore = store.photos();

    platform.exportDestinations = { fileUrl("busy.png") };
    store.importURLs({ QUrl::fromLocalFile(file) });
    ASSERT_TRUE(store.isBusy());
    store.undo();
    store.redo();
    store.removePhoto(first);
    store.removeSelectedPhoto();
    store.movePhoto(first, 1);
    store.updateCaption("changed", first);
    store.resetLayout();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), StoreTesting::fileNames(photosBefore));
    EXPECT_EQ(store.photos().at(0).caption(), "photo-1");
    EXPECT_EQ(store.settings(), settings);
    EXPECT_FALSE(store.canExport());
    EXPECT_FALSE(store.saveProject(true));
    EXPECT_FALSE(store.confirmDiscardChanges());
    EXPECT_FALSE(store.handleDrop({ DropItem::file(QUrl::fromLocalFile(file)) }));
    store.addImages();
    store.pasteImages();
    store.newBoard();
    store.openProject();
    store.exportPNG();
    store.exportPDF();
    store.copyPNG();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Adding images\u2026"));
    EXPECT_TRUE(platform.imagePanels.isEmpty() && platform.openPanels.isEmpty()
        && platform.projectSavePanels.isEmpty() && platform.exportPanels.isEmpty()
        && platform.alerts.isEmpty());

    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.photos().size(), 4);
    store.undo();
    EXPECT_EQ(store.photos().size(), 3) << "the import was one undoable change";
    store.undo();
    EXPECT_EQ(store.settings(), BoardSettings());
}
