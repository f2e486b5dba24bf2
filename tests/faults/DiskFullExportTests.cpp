#include "FaultTesting.h"
#include "FileSizeLimit.h"
#include "support/FakeBoardPlatform.h"
#include "TinyDisk.h"

#include "io/PosixError.h"
#include "store/BoardStore.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {
const QString exportFailed = QStringLiteral("Export failed");

struct ExportingStore
{
    FakeBoardPlatform platform;
    BoardStore store { &platform };

    ExportingStore()
    {
        QList<BoardPhoto> photos;
        for (quint32 index = 0; index < 4; ++index) {
            photos.append(paddedPhoto(QStringLiteral("photo%1.jpg").arg(index), 0, index + 1));
        }
        store.replaceBoard(LoadedBoard { photos, BoardSettings() }, std::nullopt);
    }

    void exportTo(const QString& path, bool asPDF)
    {
        platform.exportDestinations.append(QUrl::fromLocalFile(path));
        asPDF ? store.exportPDF() : store.exportPNG();
        ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    }
};
} // namespace

TEST(DiskFullDuringExport, TheOldFileStaysWholeAndNoTemporaryFileIsLeft)
{
    for (const bool asPDF : { false, true }) {
        SCOPED_TRACE(asPDF ? "PDF" : "PNG");
        QTemporaryDir folder;
        const QString name = asPDF ? QStringLiteral("Board.pdf") : QStringLiteral("Board.png");
        const QString destination = folder.filePath(name);
        ExportingStore fixture;
        fixture.exportTo(destination, asPDF);
        ASSERT_EQ(fixture.store.errorMessage(), std::nullopt);
        const QByteArray oldExport = FileTesting::fileBytes(destination);
        ASSERT_GT(oldExport.size(), 4096);

        BoardSettings darker = fixture.store.settings();
        darker.background = BoardBackground::dark;
        fixture.store.setSettings(darker);
        {
            const FileSizeLimit full(4096);
            fixture.exportTo(destination, asPDF);
        }
        EXPECT_EQ(fixture.store.errorMessage(), PosixError(EFBIG).description());
        EXPECT_EQ(fixture.store.statusMessage(), exportFailed);
        EXPECT_EQ(fixture.platform.revealed.size(), 1) << "only the first export may be revealed";
        EXPECT_EQ(FileTesting::fileBytes(destination), oldExport);
        EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { name });
    }
}

TEST(DiskFullDuringExport, AFailedFirstExportCreatesNoFile)
{
    QTemporaryDir folder;
    ExportingStore fixture;
    {
        const FileSizeLimit full(0);
        fixture.exportTo(folder.filePath(QStringLiteral("Board.png")), false);
    }
    EXPECT_EQ(fixture.store.errorMessage(), PosixError(EFBIG).description());
    EXPECT_EQ(fixture.store.statusMessage(), exportFailed);
    EXPECT_TRUE(fixture.platform.revealed.isEmpty());
    EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList());
}

TEST(DiskFullDuringExport, ARealFullFileSystemKeepsTheOldFile)
{
    std::optional<TinyDisk> disk = TinyDisk::create(32 * 1024 * 1024);
    if (!disk) {
        GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    }
    const QString folder = disk->path() + QStringLiteral("/exports");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString destination = folder + QStringLiteral("/Board.png");
    ExportingStore fixture;
    fixture.exportTo(destination, false);
    ASSERT_EQ(fixture.store.errorMessage(), std::nullopt);
    const QByteArray oldExport = FileTesting::fileBytes(destination);

    ASSERT_TRUE(disk->leaveFree(8 * 1024));
    BoardSettings titled = fixture.store.settings();
    titled.title = QStringLiteral("A second export that does not fit");
    fixture.store.setSettings(titled);
    fixture.exportTo(destination, false);
    EXPECT_EQ(fixture.store.errorMessage(), PosixError(ENOSPC).description());
    EXPECT_EQ(fixture.store.statusMessage(), exportFailed);
    EXPECT_EQ(FileTesting::fileBytes(destination), oldExport);
    EXPECT_EQ(FileTesting::folderEntries(folder), QStringList { QStringLiteral("Board.png") });
}
