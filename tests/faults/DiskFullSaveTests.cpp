#include "FaultTesting.h"
#include "FileSizeLimit.h"
#include "support/FakeBoardPlatform.h"

#include "io/PosixError.h"
#include "io/ProjectPackage.h"
#include "store/BoardStore.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QTemporaryDir>

TEST(DiskFullDuringSave, EachFileOfThePackageFailingKeepsTheOldProjectAndLeavesNothingBehind)
{
    // Limits that meet a different file of the package: the manifest, the small, middle or large image.
    for (const rlim_t limit : { rlim_t(0), rlim_t(2'500), rlim_t(40'000), rlim_t(300'000) }) {
        SCOPED_TRACE(limit);
        QTemporaryDir folder;
        const QUrl destination = QUrl::fromLocalFile(folder.filePath(QStringLiteral("Board.tesserly")));
        FakeBoardPlatform platform;
        BoardStore store { platform };
        BoardSettings settings;
        settings.title = QStringLiteral("old");
        StoreTesting::installBoard(store, { paddedPhoto(QStringLiteral("small.jpg"), 2'000) }, settings);
        platform.projectDestinations.append(destination);
        ASSERT_TRUE(store.saveProject(false));
        const QMap<QString, QByteArray> savedPackage = FileTesting::treeSnapshot(destination.toLocalFile());

        StoreTesting::installBoard(store,
            { paddedPhoto(QStringLiteral("a.jpg"), 3'000, 2), paddedPhoto(QStringLiteral("b.jpg"), 60'000, 3),
                paddedPhoto(QStringLiteral("c.jpg"), 400'000, 4) },
            settings, destination);
        settings.title = QStringLiteral("new");
        store.setSettings(settings);
        {
            const FileSizeLimit full(limit);
            EXPECT_FALSE(store.saveProject(false));
        }
        EXPECT_EQ(store.errorMessage(), PosixError(EFBIG, "Board.tesserly").description());
        EXPECT_EQ(store.statusMessage(), QStringLiteral("Could not save board"));
        EXPECT_TRUE(store.hasUnsavedChanges());
        EXPECT_EQ(store.projectURL(), destination);
        EXPECT_EQ(FileTesting::treeSnapshot(destination.toLocalFile()), savedPackage);
        EXPECT_EQ(
            FileTesting::folderEntries(folder.path()), QStringList { QStringLiteral("Board.tesserly") });
        EXPECT_EQ(ProjectPackage::load(destination).settings.title, QStringLiteral("old"));

        // Once there is room again the same save goes through.
        EXPECT_TRUE(store.saveProject(false));
        EXPECT_FALSE(store.hasUnsavedChanges());
        EXPECT_EQ(
            FileTesting::folderEntries(folder.path()), QStringList { QStringLiteral("Board.tesserly") });
        EXPECT_EQ(ProjectPackage::load(destination).photos.size(), 3);
    }
}
