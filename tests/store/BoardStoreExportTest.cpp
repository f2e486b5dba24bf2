#include "io/AtomicFileWriter.h"
#include "io/PosixError.h"
#include "render/BoardLayout.h"
#include "render/BoardRenderer.h"
#include "store/BoardStore.h"
#include "support/FakeBoardPlatform.h"
#include "support/StoreTesting.h"

#include <gtest/gtest.h>
#include <iostream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BoardStoreExport : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    FakeBoardPlatform platform;
    BoardStore store { platform };
};
} // namespace

TEST_F(BoardStoreExport, EmptyBoardExportsNothing)
{
    platform.exportDestinations = { QUrl::fromLocalFile(path("board.png")) };
    store.exportPNG();
    store.exportPDF();
    store.copyPNG();
    EXPECT_FALSE(store.isBusy());
    EXPECT_TRUE(platform.exportPanels.isEmpty());
    EXPECT_FALSE(platform.copiedPNG);
    EXPECT_EQ(store.statusMessage(), "Ready");
    EXPECT_FALSE(QFile::exists(path("board.png")));
}

TEST_F(BoardStoreExport, PngExportWritesTheBoardAndRevealsIt)
{
    BoardSettings settings;
    settings.outputWidth = 900;
    settings.columns = 40; // exported normalized: six columns
    StoreTesting::installBoard(
        store, StoreTesting::pngPhotos(3), settings, QUrl::fromLocalFile(path("Trip.tesserly")));
    store.setSettings(settings);
    BoardSettings edited = settings;
    edited.showNumbers = false;
    store.setSettings(edited);
    ASSERT_TRUE(store.hasUnsavedChanges());

    const QUrl destination = QUrl::fromLocalFile(path("Trip.png"));
    platform.exportDestinations = { destination };
    store.exportPNG();
    ASSERT_EQ(platform.exportPanels.size(), 1);
    EXPECT_EQ(platform.exportPanels.first().title, "Export Board as PNG");
    EXPECT_EQ(platform.exportPanels.first().proposedName, "Trip.png");
    EXPECT_EQ(platform.exportPanels.first().mimeTypes, QStringList({ "image/png" }));
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Exporting PNG\u2026"));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));

    EXPECT_EQ(store.statusMessage(), "Saved Trip.png");
    EXPECT_FALSE(store.errorMessage());
    EXPECT_EQ(platform.revealed, QList<QUrl>({ destination }));
    EXPECT_TRUE(store.hasUnsavedChanges()) << "exporting is not saving";
    EXPECT_EQ(store.projectURL(), QUrl::fromLocalFile(path("Trip.tesserly")));
    const QImage exported(path("Trip.png"));
    ASSERT_FALSE(exported.isNull());
    const BoardLayout layout(3, edited.normalized());
    EXPECT_EQ(exported.width(), 900);
    EXPECT_EQ(exported.height(), layout.pixelHeight());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({ "Trip.png" }))
        << "no temporary file is left behind";

    // The clipboard gets exactly the bytes of the export.
    store.copyPNG();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Preparing board for clipboard\u2026"));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Board copied as PNG");
    ASSERT_TRUE(platform.copiedPNG);
    EXPECT_EQ(*platform.copiedPNG, readAll(path("Trip.png")));
}

TEST_F(BoardStoreExport, PdfExportAndCancelledPanel)
{
    BoardSettings titled;
    titled.title = QStringLiteral("Moodboard");
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(2), titled);
    store.exportPDF();
    EXPECT_FALSE(store.isBusy()) << "a cancelled panel starts nothing";
    ASSERT_EQ(platform.exportPanels.size(), 1);
    EXPECT_EQ(platform.exportPanels.first().title, "Export Board as PDF");
    EXPECT_EQ(platform.exportPanels.first().proposedName, "Moodboard.pdf");

    // An existing file is replaced whole.
    QFile old(path("Moodboard.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    platform.exportDestinations = { QUrl::fromLocalFile(path("Moodboard.pdf")) };
    store.exportPDF();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Exporting PDF\u2026"));
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Saved Moodboard.pdf");
    EXPECT_TRUE(readAll(path("Moodboard.pdf")).startsWith("%PDF-"));
}

TEST_F(BoardStoreExport, FailuresAreReportedAndLeaveNothing)
{
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(1));
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.png"));
    platform.exportDestinations = { QUrl::fromLocalFile(path("taken.png")) };
    store.exportPNG();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Export failed");
    ASSERT_TRUE(store.errorMessage());
    EXPECT_EQ(
        *store.errorMessage(), "The operation on \"taken.png\" couldn't be completed. (Is a directory)");
    EXPECT_TRUE(platform.revealed.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "temporary file removed";

    store.setErrorMessage(std::nullopt);
    platform.clipboardAcceptsData = false;
    store.copyPNG();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Copy failed");
    EXPECT_EQ(store.errorMessage(), "The board could not be copied. Try exporting a PNG instead.");
}

TEST_F(BoardStoreExport, BusyExportRefusesTheQuestion)
{
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(2));
    BoardSettings settings;
    settings.columns = 1;
    store.setSettings(settings);
    platform.exportDestinations = { QUrl::fromLocalFile(path("busy.png")) };
    store.exportPNG();
    ASSERT_TRUE(store.isBusy());
    EXPECT_FALSE(store.confirmDiscardChanges());
    EXPECT_TRUE(platform.alerts.isEmpty());
    EXPECT_FALSE(store.canExport());
    store.copyPNG();
    store.exportPDF();
    EXPECT_EQ(platform.exportPanels.size(), 1);
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_TRUE(store.canExport());
}

TEST_F(BoardStoreExport, GuiThreadStaysFreeDuringExport)
{
    BoardSettings settings;
    settings.outputWidth = 3000;
    settings.columns = 2;
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(4, QSize(600, 450)), settings);
    platform.exportDestinations = { QUrl::fromLocalFile(path("large.png")) };
    const int ticks = StoreTesting::busyTimerTicks(store, [&] { store.exportPNG(); });
    EXPECT_EQ(store.statusMessage(), "Saved large.png")
        << store.errorMessage().value_or(QString()).toStdString();
    EXPECT_GE(ticks, 3);
}

TEST(AtomicFileWriter, WritesReplacesAndFailsCleanly)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("out.bin");
    AtomicFileWriter::write(target, "first");
    EXPECT_EQ(readAll(target), "first");
    AtomicFileWriter::write(target, QByteArray(3 * 1024 * 1024, 'z'));
    EXPECT_EQ(readAll(target).size(), 3 * 1024 * 1024);
    EXPECT_EQ(QFileInfo(target).permissions() & QFileDevice::ReadOwner, QFileDevice::ReadOwner);

    EXPECT_THROW(AtomicFileWriter::write(folder.filePath("missing/out.bin"), "x"), PosixError);
    EXPECT_THROW(AtomicFileWriter::write(QString(), "x"), PosixError);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.bin"));
    EXPECT_THROW(AtomicFileWriter::write(folder.filePath("folder.bin"), "x"), PosixError);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({ "out.bin" }));
    EXPECT_EQ(readAll(target).size(), 3 * 1024 * 1024) << "a failed write leaves the old file";
}
