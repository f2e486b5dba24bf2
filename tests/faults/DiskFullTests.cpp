#include "FaultTesting.h"
#include "FileSizeLimit.h"

#include "io/PosixError.h"
#include "io/ProjectPackage.h"

#include <cerrno>

using DiskFullDuringSave = StoreTest;
using DiskFullDuringExport = StoreTest;

TEST_F(DiskFullDuringSave, EachFileOfThePackageFailingKeepsTheOldProjectAndLeavesNothingBehind)
{
    const QUrl destination = fileUrl("Board.tesserly");
    // Limits that meet a different file of the package: the manifest, the small, middle or large image.
    for (const rlim_t limit : { rlim_t(0), rlim_t(2'500), rlim_t(40'000), rlim_t(300'000) }) {
        SCOPED_TRACE(limit);
        BoardSettings settings;
        settings.title = "old";
        StoreTesting::installBoard(store, { paddedPhoto("small.jpg", 2'000) }, settings);
        platform.projectDestinations.append(destination);
        ASSERT_TRUE(store.saveProject(false));
        const QMap<QString, QByteArray> savedPackage = FileTesting::treeSnapshot(destination.toLocalFile());

        StoreTesting::installBoard(store,
            { paddedPhoto("a.jpg", 3'000, 2), paddedPhoto("b.jpg", 60'000, 3),
                paddedPhoto("c.jpg", 400'000, 4) },
            settings, destination);
        settings.title = "new";
        store.setSettings(settings);
        store.setErrorMessage(std::nullopt);
        {
            const FileSizeLimit full(limit);
            EXPECT_FALSE(store.saveProject(false));
        }
        EXPECT_EQ(store.errorMessage(), PosixError(EFBIG, "Board.tesserly").description());
        EXPECT_EQ(store.statusMessage(), "Could not save board");
        EXPECT_TRUE(store.hasUnsavedChanges());
        EXPECT_EQ(store.projectURL(), destination);
        EXPECT_EQ(FileTesting::treeSnapshot(destination.toLocalFile()), savedPackage);
        EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { "Board.tesserly" });

        // Once there is room again the same save goes through.
        EXPECT_TRUE(store.saveProject(false));
        EXPECT_FALSE(store.hasUnsavedChanges());
        EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { "Board.tesserly" });
        EXPECT_EQ(ProjectPackage::load(destination).photos.size(), 3);
    }
}

TEST_F(DiskFullDuringExport, TheOldFileStaysWholeAndNoTemporaryFileIsLeft)
{
    // PDF exports are written by the same writer.
    const QString destination = folder.filePath("Board.png");
    StoreTesting::installBoard(store,
        { paddedPhoto("a.jpg", 0, 1), paddedPhoto("b.jpg", 0, 2), paddedPhoto("c.jpg", 0, 3),
            paddedPhoto("d.jpg", 0, 4) });
    // A first export with no room at all, a whole one, then one that runs out of room.
    QByteArray oldExport;
    for (const rlim_t room : { rlim_t(0), RLIM_INFINITY, rlim_t(4096) }) {
        {
            const FileSizeLimit full(room);
            store.setErrorMessage(std::nullopt);
            platform.exportDestinations.append(QUrl::fromLocalFile(destination));
            store.exportPNG();
            ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
        }
        if (room == RLIM_INFINITY) {
            ASSERT_EQ(store.errorMessage(), std::nullopt);
            oldExport = FileTesting::fileBytes(destination);
            ASSERT_GT(oldExport.size(), 4096);
            BoardSettings darker = store.settings();
            darker.background = BoardBackground::dark;
            store.setSettings(darker);
            continue;
        }
        EXPECT_EQ(store.errorMessage(), PosixError(EFBIG, "Board.png").description());
        EXPECT_EQ(store.statusMessage(), "Export failed");
        EXPECT_EQ(platform.revealed.size(), oldExport.isEmpty() ? 0 : 1)
            << "only the whole export is revealed";
        EXPECT_EQ(FileTesting::fileBytes(destination), oldExport);
        EXPECT_EQ(FileTesting::folderEntries(folder.path()),
            oldExport.isEmpty() ? QStringList() : QStringList { "Board.png" });
    }
}
