#include "FaultTesting.h"
#include "FileSizeLimit.h"
#include "support/FakeBoardPlatform.h"
#include "TinyDisk.h"

#include "io/BoardProjectStore.h"
#include "io/PosixError.h"
#include "store/BoardStore.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {
const QString couldNotSave = QStringLiteral("Could not save board");

// A store whose board was saved once to `destination` and has since been replaced by a bigger,
// edited one that is not saved yet.
struct SavedThenEditedStore
{
    FakeBoardPlatform platform;
    BoardStore store { &platform };
    QString destination;
    QMap<QString, QByteArray> savedPackage;

    explicit SavedThenEditedStore(const QString& folder)
        : destination(folder + QStringLiteral("/Board.tesserly"))
    {
        BoardSettings settings;
        settings.title = QStringLiteral("old");
        store.replaceBoard(
            LoadedBoard { { paddedPhoto(QStringLiteral("small.jpg"), 2'000) }, settings }, std::nullopt);
        platform.projectDestinations.append(QUrl::fromLocalFile(destination));
        EXPECT_TRUE(store.saveProject(false));
        savedPackage = FileTesting::treeSnapshot(destination);

        // Sizes that make a limit meet a different file of the package: the small one, the
        // middle one or the large one.
        store.replaceBoard(LoadedBoard { { paddedPhoto(QStringLiteral("a.jpg"), 3'000, 2),
                                             paddedPhoto(QStringLiteral("b.jpg"), 60'000, 3),
                                             paddedPhoto(QStringLiteral("c.jpg"), 400'000, 4) },
                               settings },
            QUrl::fromLocalFile(destination));
        BoardSettings edited = settings;
        edited.title = QStringLiteral("new");
        store.setSettings(edited);
    }

    void expectFailedSaveLeftEverythingAsItWas(const QString& folder, int expectedErrno)
    {
        EXPECT_EQ(store.errorMessage(), PosixError(expectedErrno).description());
        EXPECT_EQ(store.statusMessage(), couldNotSave);
        EXPECT_TRUE(store.hasUnsavedChanges());
        EXPECT_EQ(store.projectURL(), QUrl::fromLocalFile(destination));
        EXPECT_EQ(FileTesting::treeSnapshot(destination), savedPackage);
        EXPECT_EQ(FileTesting::folderEntries(folder), QStringList { QStringLiteral("Board.tesserly") });
        const LoadedBoard reopened = BoardProjectStore::load(QUrl::fromLocalFile(destination));
        EXPECT_EQ(reopened.settings.title, QStringLiteral("old"));
        EXPECT_EQ(reopened.photos.size(), 1);
    }
};
} // namespace

TEST(DiskFullDuringSave, EachFileOfThePackageFailingKeepsTheOldProjectAndLeavesNothingBehind)
{
    for (const rlim_t limit : { rlim_t(0), rlim_t(2'500), rlim_t(40'000), rlim_t(300'000) }) {
        SCOPED_TRACE(limit);
        QTemporaryDir folder;
        SavedThenEditedStore fixture(folder.path());
        {
            const FileSizeLimit full(limit);
            EXPECT_FALSE(fixture.store.saveProject(false));
        }
        fixture.expectFailedSaveLeftEverythingAsItWas(folder.path(), EFBIG);

        // Once there is room again the same save goes through.
        fixture.store.setErrorMessage(std::nullopt);
        EXPECT_TRUE(fixture.store.saveProject(false));
        EXPECT_FALSE(fixture.store.hasUnsavedChanges());
        EXPECT_EQ(
            FileTesting::folderEntries(folder.path()), QStringList { QStringLiteral("Board.tesserly") });
        EXPECT_EQ(BoardProjectStore::load(QUrl::fromLocalFile(fixture.destination)).photos.size(), 3);
    }
}

TEST(DiskFullDuringSave, ARealFullFileSystemKeepsTheOldProject)
{
    for (const qint64 room : { qint64(0), qint64(16 * 1024), qint64(160 * 1024) }) {
        SCOPED_TRACE(room);
        std::optional<TinyDisk> disk = TinyDisk::create(4 * 1024 * 1024);
        if (!disk) {
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
        }
        const QString folder = disk->path() + QStringLiteral("/board");
        ASSERT_TRUE(QDir().mkdir(folder));
        SavedThenEditedStore fixture(folder);
        ASSERT_TRUE(disk->leaveFree(room));
        EXPECT_FALSE(fixture.store.saveProject(false));
        fixture.expectFailedSaveLeftEverythingAsItWas(folder, ENOSPC);
    }
}
