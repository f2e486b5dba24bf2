#include "render/BoardLayout.h"
#include "support/FileTesting.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <functional>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <sys/stat.h>

using BoardStoreExport = StoreTest;

TEST_F(BoardStoreExport, ExportsWriteTheBoardAndRevealItAndCopiesTakeTheSameBytes)
{
    // An empty board exports nothing.
    store.exportPNG();
    store.exportPDF();
    store.copyPNG();
    EXPECT_FALSE(store.isBusy());
    EXPECT_TRUE(platform.exportPanels.isEmpty());
    EXPECT_FALSE(platform.copiedPNG);

    BoardSettings settings;
    settings.outputWidth = 900;
    settings.columns = 40; // exported normalized: six columns
    StoreTesting::installBoard(store, StoreTesting::pngPhotos(3), settings, fileUrl("Trip.tesserly"));
    settings.showNumbers = false;
    store.setSettings(settings);

    const QUrl destination = fileUrl("Trip.png");
    platform.exportDestinations = { destination, fileUrl("Trip.pdf") };
    store.exportPNG();
    ASSERT_EQ(platform.exportPanels.size(), 1);
    EXPECT_EQ(platform.exportPanels.first().proposedName, "Trip.png");
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Saved Trip.png");
    EXPECT_EQ(platform.revealed, QList<QUrl>({ destination }));
    EXPECT_TRUE(store.hasUnsavedChanges()) << "exporting is not saving";
    const QImage exported(folder.filePath("Trip.png"));
    EXPECT_EQ(exported.size(), QSize(900, BoardLayout(3, settings.normalized()).pixelHeight()));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({ "Trip.png" }))
        << "no temporary file is left behind";
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath("Trip.png")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << "as any new file, not private like a temporary one";

    store.exportPDF();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Saved Trip.pdf");
    EXPECT_TRUE(FileTesting::fileBytes(folder.filePath("Trip.pdf")).startsWith("%PDF-"));

    store.copyPNG();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Board copied as PNG");
    EXPECT_EQ(platform.copiedPNG, FileTesting::fileBytes(folder.filePath("Trip.png")))
        << "the bytes of the export";

    platform.clipboardAcceptsData = false;
    store.copyPNG();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(store.statusMessage(), "Copy failed");
    EXPECT_EQ(store.errorMessage(), "The board could not be copied. Try exporting a PNG instead.");
}

TEST_F(BoardStoreExport, TheGuiThreadStaysFreeWhileImportingAndExporting)
{
    // Decoding and rendering run beside the GUI thread, whose timers keep firing while it waits.
    const QByteArray large = TestImages::largePng(QSize(3000, 2000));
    const QList<QUrl> urls { QUrl::fromLocalFile(TestImages::writeFile(folder, "large-1.png", large)),
        QUrl::fromLocalFile(TestImages::writeFile(folder, "large-2.png", large)) };
    platform.exportDestinations = { fileUrl("large.png") };
    const std::function<void()> flows[] = { [&] { store.importURLs(urls); }, [&] { store.exportPNG(); } };
    for (const std::function<void()>& flow : flows) {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ticks += store.isBusy() ? 1 : 0; });
        timer.start(5);
        flow();
        ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
        EXPECT_GE(ticks, 3);
    }
    EXPECT_EQ(store.photos().size(), 2);
    EXPECT_EQ(store.statusMessage(), "Saved large.png");
}
