#include "model/GraphemeText.h"
#include "render/BoardLayout.h"
#include "store/BoardStore.h"
#include "support/FakeBoardPlatform.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {
QString repeated(const QString& unit, int times)
{
    QString text;
    for (int i = 0; i < times; ++i) {
        text += unit;
    }
    return text;
}

BoardSettings withColumns(qint64 columns)
{
    BoardSettings settings;
    settings.columns = columns;
    return settings;
}

QUuid idAt(const BoardStore& store, qsizetype index)
{
    return store.photos().at(index).id();
}

class BoardStoreEditing : public ::testing::Test
{
protected:
    FakeBoardPlatform platform;
    BoardStore store { platform };
};
} // namespace

TEST_F(BoardStoreEditing, StartsWithTheInitialState)
{
    EXPECT_TRUE(store.photos().isEmpty());
    EXPECT_EQ(store.settings(), BoardSettings());
    EXPECT_FALSE(store.selectedPhotoID());
    EXPECT_FALSE(store.draggingPhotoID());
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.statusMessage(), "Ready");
    EXPECT_FALSE(store.errorMessage());
    EXPECT_FALSE(store.hasUnsavedChanges());
    EXPECT_FALSE(store.projectURL());
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.canRedo());
    EXPECT_FALSE(store.canExport());
    EXPECT_EQ(store.windowSubtitle(), "Untitled Board");
    EXPECT_EQ(store.suggestedName(), "Tesserly");
}

TEST_F(BoardStoreEditing, HistoryKeepsThirtySnapshots)
{
    for (qint64 change = 1; change <= 31; ++change) {
        BoardSettings settings;
        settings.spacing = double(change);
        store.setSettings(settings);
    }
    EXPECT_TRUE(store.canUndo());
    for (int undo = 1; undo <= 30; ++undo) {
        store.undo();
        EXPECT_EQ(store.statusMessage(), "Undid last change");
    }
    // Back to the state after the first change: the snapshot from before it fell off.
    EXPECT_EQ(store.settings().spacing, 1);
    EXPECT_FALSE(store.canUndo());
    QSignalSpy statusChanges(&store, &BoardStore::statusMessageChanged);
    store.undo();
    EXPECT_EQ(store.settings().spacing, 1);
    EXPECT_EQ(statusChanges.count(), 0) << "an empty history changes nothing, not even the status";
    EXPECT_TRUE(store.canRedo());
    for (int redo = 1; redo <= 30; ++redo) {
        store.redo();
    }
    EXPECT_EQ(store.settings().spacing, 31);
    EXPECT_EQ(store.statusMessage(), "Redid last change");
    EXPECT_FALSE(store.canRedo());
}

TEST_F(BoardStoreEditing, NewChangeClearsRedo)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(3));
    store.setSettings(withColumns(4));
    store.setSettings(withColumns(5));
    store.undo();
    EXPECT_TRUE(store.canRedo());
    EXPECT_EQ(store.settings().columns, 4);
    store.movePhoto(idAt(store, 0), 1);
    EXPECT_FALSE(store.canRedo());
    store.redo();
    EXPECT_EQ(store.settings().columns, 4) << "redo after a new change does nothing";
    store.undo();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()),
        QStringList({ "photo-1.png", "photo-2.png", "photo-3.png" }));
}

TEST_F(BoardStoreEditing, SettingsAssignmentRecordsOnlyRealChanges)
{
    QSignalSpy settingsChanges(&store, &BoardStore::settingsChanged);
    store.setSettings(BoardSettings());
    EXPECT_EQ(settingsChanges.count(), 1) << "every assignment notifies";
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.hasUnsavedChanges());

    store.resetLayout();
    EXPECT_EQ(store.statusMessage(), "Layout reset");
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.hasUnsavedChanges());

    BoardSettings outOfRange;
    outOfRange.columns = 40;
    store.setSettings(outOfRange);
    EXPECT_EQ(store.settings().columns, 40) << "stored as given; readers normalize";
    EXPECT_TRUE(store.canUndo());
    EXPECT_TRUE(store.hasUnsavedChanges());
    EXPECT_EQ(store.layout(), BoardLayout(0, outOfRange.normalized()));

    // NaN never equals itself, so each such assignment counts as a change.
    BoardSettings notANumber;
    notANumber.spacing = std::numeric_limits<double>::quiet_NaN();
    store.setSettings(notANumber);
    store.setSettings(notANumber);
    store.undo();
    store.undo();
    EXPECT_EQ(store.settings().columns, 40);

    store.resetLayout();
    EXPECT_EQ(store.settings(), BoardSettings());
    store.undo();
    EXPECT_EQ(store.settings().columns, 40);
}

TEST_F(BoardStoreEditing, MovePhotoClampsAndRecords)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(4));
    const QUuid first = idAt(store, 0);
    const QUuid second = idAt(store, 1);
    const QUuid last = idAt(store, 3);
    store.movePhoto(first, -1);
    store.movePhoto(last, 1);
    store.movePhoto(QUuid::createUuid(), 1);
    store.movePhoto(first, 0);
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.hasUnsavedChanges());

    store.setSelectedPhotoID(first);
    store.movePhoto(second, 5);
    EXPECT_EQ(StoreTesting::fileNames(store.photos()),
        QStringList({ "photo-1.png", "photo-3.png", "photo-4.png", "photo-2.png" }));
    EXPECT_EQ(store.selectedPhotoID(), first) << "moving never changes the selection";
    EXPECT_TRUE(store.hasUnsavedChanges());
    store.movePhoto(second, std::numeric_limits<qsizetype>::min());
    EXPECT_EQ(store.photos().first().id(), second);
    store.movePhoto(second, std::numeric_limits<qsizetype>::max());
    EXPECT_EQ(store.photos().last().id(), second);
    store.undo();
    store.undo();
    store.undo();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()),
        QStringList({ "photo-1.png", "photo-2.png", "photo-3.png", "photo-4.png" }));
}

TEST_F(BoardStoreEditing, RemovingMovesTheSelection)
{
    struct Case
    {
        const char* name;
        qsizetype removed;
        std::optional<qsizetype> selectedBefore;
        std::optional<QString> selectedAfter;
    };
    const Case cases[] = {
        { "selected last selects the new last", 2, 2, "photo-2.png" },
        { "selected middle selects the follower", 1, 1, "photo-3.png" },
        { "selected first selects the follower", 0, 0, "photo-2.png" },
        { "unselected keeps the selection", 0, 2, "photo-3.png" },
        { "nothing selected stays so", 1, std::nullopt, std::nullopt },
    };
    for (const Case& c : cases) {
        StoreTesting::installBoard(store, StoreTesting::fakePhotos(3));
        store.setSelectedPhotoID(
            c.selectedBefore ? std::optional<QUuid>(idAt(store, *c.selectedBefore)) : std::nullopt);
        store.removePhoto(idAt(store, c.removed));
        EXPECT_EQ(store.photos().size(), 2) << c.name;
        EXPECT_EQ(store.statusMessage(), "Image removed from board") << c.name;
        EXPECT_TRUE(store.hasUnsavedChanges()) << c.name;
        const std::optional<BoardPhoto> selected = store.selectedPhoto();
        EXPECT_EQ(selected ? std::optional<QString>(selected->fileName()) : std::nullopt, c.selectedAfter)
            << c.name;
    }

    StoreTesting::installBoard(store, StoreTesting::fakePhotos(1));
    store.removeSelectedPhoto();
    EXPECT_TRUE(store.photos().isEmpty());
    EXPECT_FALSE(store.selectedPhotoID());
    // Undo brings back the photo and the selection the snapshot kept.
    store.undo();
    EXPECT_EQ(store.photos().size(), 1);
    EXPECT_EQ(store.selectedPhotoID(), idAt(store, 0));

    store.setSelectedPhotoID(std::nullopt);
    store.removeSelectedPhoto();
    store.removePhoto(QUuid::createUuid());
    EXPECT_EQ(store.photos().size(), 1);
}

TEST_F(BoardStoreEditing, CaptionKeepsTwoHundredFortyCharacters)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(2));
    const QUuid id = idAt(store, 1);
    const QString statusBefore = store.statusMessage();
    store.updateCaption(repeated(QStringLiteral("x"), 300), id);
    EXPECT_EQ(store.photos().at(1).caption(), repeated(QStringLiteral("x"), 240));
    EXPECT_EQ(store.statusMessage(), statusBefore);
    EXPECT_TRUE(store.canUndo());
    store.undo();
    EXPECT_EQ(store.photos().at(1).caption(), "photo-2");
    store.redo();

    store.updateCaption(repeated(QStringLiteral("x"), 300), id);
    store.undo();
    EXPECT_FALSE(store.canUndo()) << "the same caption again records nothing";

    const QString flag = QString::fromUtf8("\U0001F1F3\U0001F1F4");
    store.updateCaption(repeated(flag, 241), id);
    EXPECT_EQ(store.photos().at(1).caption(), repeated(flag, 240));
    EXPECT_EQ(GraphemeText::count(store.photos().at(1).caption()), 240);
    store.updateCaption(QStringLiteral("  padded  "), id);
    EXPECT_EQ(store.photos().at(1).caption(), "  padded  ");
    EXPECT_EQ(store.photos().at(0).caption(), "photo-1");
}

TEST_F(BoardStoreEditing, NamesForWindowAndPanels)
{
    EXPECT_EQ(store.windowSubtitle(), "Untitled Board");
    store.setSettings(withColumns(2));
    EXPECT_EQ(store.windowSubtitle(), QString::fromUtf8("Untitled Board \u00b7 Edited"));

    BoardSettings titled;
    titled.title = QStringLiteral("  x/y:z  ");
    store.setSettings(titled);
    EXPECT_EQ(store.suggestedName(), "x-y-z");
    titled.title = QStringLiteral(" \n\t ");
    store.setSettings(titled);
    EXPECT_EQ(store.suggestedName(), "Tesserly");

    StoreTesting::installBoard(store, {}, BoardSettings(), QUrl::fromLocalFile("/tmp/boards/Trip.tesserly"));
    EXPECT_EQ(store.suggestedName(), "Trip");
    EXPECT_EQ(store.windowSubtitle(), "Trip");
    store.acceptWindowClose();
    store.setSettings(withColumns(5));
    EXPECT_EQ(store.windowSubtitle(), QString::fromUtf8("Trip \u00b7 Edited"));
    store.acceptWindowClose();
    EXPECT_EQ(store.windowSubtitle(), "Trip");

    BoardSettings longTitle;
    longTitle.title = repeated(QString::fromUtf8("\U0001F468\u200D\U0001F469"), 101) + QStringLiteral(":");
    store.setSettings(longTitle);
    EXPECT_EQ(store.suggestedName(), repeated(QString::fromUtf8("\U0001F468\u200D\U0001F469"), 100));
}

TEST_F(BoardStoreEditing, ReplacingTheBoardStartsClean)
{
    store.setSettings(withColumns(2));
    store.setDraggingPhotoID(QUuid::createUuid());
    BoardSettings loaded;
    loaded.columns = 99;
    loaded.title = repeated(QStringLiteral("t"), 130);
    const QList<BoardPhoto> photos = StoreTesting::fakePhotos(3);
    StoreTesting::installBoard(store, photos, loaded, QUrl::fromLocalFile("/tmp/Trip.tesserly"));
    EXPECT_EQ(store.settings(), loaded.normalized());
    EXPECT_EQ(store.selectedPhotoID(), photos.first().id());
    EXPECT_FALSE(store.draggingPhotoID());
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.canRedo());
    EXPECT_FALSE(store.hasUnsavedChanges());
    EXPECT_EQ(store.projectURL(), QUrl::fromLocalFile("/tmp/Trip.tesserly"));
    EXPECT_EQ(store.layout(), BoardLayout(3, loaded));

    store.undo();
    EXPECT_EQ(store.settings(), loaded.normalized()) << "undo right after opening does nothing";
    store.setSettings(withColumns(1));
    store.undo();
    EXPECT_EQ(store.settings(), loaded.normalized());
    EXPECT_EQ(store.windowSubtitle(), QString::fromUtf8("Trip \u00b7 Edited"))
        << "back at the opened state, still edited";
}

TEST_F(BoardStoreEditing, EveryAssignmentNotifies)
{
    QSignalSpy changed(&store, &BoardStore::changed);
    QSignalSpy selection(&store, &BoardStore::selectedPhotoIDChanged);
    QSignalSpy dragging(&store, &BoardStore::draggingPhotoIDChanged);
    QSignalSpy errors(&store, &BoardStore::errorMessageChanged);
    store.setSelectedPhotoID(std::nullopt);
    store.setSelectedPhotoID(std::nullopt);
    store.setDraggingPhotoID(std::nullopt);
    store.setErrorMessage(std::nullopt);
    EXPECT_EQ(selection.count(), 2);
    EXPECT_EQ(dragging.count(), 1);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(changed.count(), 4);

    // The selection is not validated against the photos.
    const QUuid stranger = QUuid::createUuid();
    store.setSelectedPhotoID(stranger);
    EXPECT_EQ(store.selectedPhotoID(), stranger);
    EXPECT_FALSE(store.selectedPhoto());
}

TEST_F(BoardStoreEditing, NothingChangesWhileBusy)
{
    QTemporaryDir folder;
    const QString file = TestImages::writeFile(folder, "slow.png", TestImages::png(QSize(64, 64)));
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(3));
    store.setSettings(withColumns(2));
    store.setSelectedPhotoID(idAt(store, 1));
    const QList<BoardPhoto> photosBefore = store.photos();
    const BoardSettings settingsBefore = store.settings();

    store.importURLs({ QUrl::fromLocalFile(file) });
    ASSERT_TRUE(store.isBusy());
    store.undo();
    store.redo();
    store.removePhoto(idAt(store, 0));
    store.removeSelectedPhoto();
    store.movePhoto(idAt(store, 0), 1);
    store.updateCaption("changed", idAt(store, 0));
    store.resetLayout();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), StoreTesting::fileNames(photosBefore));
    EXPECT_EQ(store.photos().at(0).caption(), "photo-1");
    EXPECT_EQ(store.settings(), settingsBefore);
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Adding images\u2026"));
    EXPECT_FALSE(store.canExport());
    EXPECT_FALSE(store.saveProject(true));
    EXPECT_FALSE(store.confirmDiscardChanges());
    EXPECT_FALSE(store.handleDrop({ DropItem::file(QUrl::fromLocalFile(file)) }));
    store.addImages();
    store.pasteImages();
    store.newBoard();
    store.openProject();
    EXPECT_TRUE(platform.imagePanels.isEmpty());
    EXPECT_TRUE(platform.openPanels.isEmpty());
    EXPECT_TRUE(platform.projectSavePanels.isEmpty());
    EXPECT_TRUE(platform.alerts.isEmpty());

    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.photos().size(), 4);
    store.undo();
    EXPECT_EQ(store.photos().size(), 3) << "the import was one undoable change";
    store.undo();
    EXPECT_EQ(store.settings(), BoardSettings());
}

TEST_F(BoardStoreEditing, SnapshotsShareImageBytes)
{
    const QByteArray bytes(1 << 20, 'i');
    QList<BoardPhoto> photos;
    for (qsizetype i = 0; i < 60; ++i) {
        // One buffer per photo, as real imports give.
        photos.append(
            StoreTesting::fakePhoto(QStringLiteral("%1.png").arg(i), QByteArray(bytes.constData(), 4096)));
    }
    StoreTesting::installBoard(store, photos);
    QList<const char*> buffers;
    for (const BoardPhoto& photo : store.photos()) {
        buffers.append(photo.imageData().constData());
        EXPECT_EQ(photo.imageData().constData(), photos.at(buffers.size() - 1).imageData().constData());
    }
    for (qint64 change = 1; change <= 30; ++change) {
        BoardSettings settings;
        settings.padding = double(change);
        store.setSettings(settings);
        store.updateCaption(QString::number(change), store.photos().at(change % 60).id());
    }
    for (int undo = 0; undo < 30; ++undo) {
        store.undo();
        for (qsizetype i = 0; i < 60; ++i) {
            ASSERT_EQ(store.photos().at(i).imageData().constData(), buffers.at(i)) << "undo " << undo;
            ASSERT_EQ(store.photos().at(i).thumbnail().constBits(), photos.at(i).thumbnail().constBits());
        }
    }
}
