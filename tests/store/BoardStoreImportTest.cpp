#include "io/BoundedFileError.h"
#include "io/ImageImportError.h"
#include "model/BoardLimits.h"
#include "store/BoardStore.h"
#include "support/FakeBoardPlatform.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <iostream>
#include <QDir>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString unsupportedFormat = ImageImportError::description(ImageImportError::Kind::unsupportedFormat);
const QString unreadableImage = ImageImportError::description(ImageImportError::Kind::unreadableImage);

class BoardStoreImport : public ::testing::Test
{
protected:
    QUrl writePng(const QString& name, QSize size = QSize(40, 30))
    {
        return QUrl::fromLocalFile(TestImages::writeFile(folder, name, TestImages::png(size)));
    }

    QList<QUrl> writePngs(int count, const QString& stem = QStringLiteral("file"))
    {
        QList<QUrl> urls;
        for (int i = 1; i <= count; ++i) {
            urls.append(writePng(QStringLiteral("%1-%2.png").arg(stem).arg(i)));
        }
        return urls;
    }

    // Runs one import flow to its end; fails the test when the store never becomes idle.
    void finish()
    {
        ASSERT_TRUE(store.isBusy()) << "the flow should have started";
        ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    }

    QTemporaryDir folder;
    FakeBoardPlatform platform;
    BoardStore store { platform };
};
} // namespace

TEST_F(BoardStoreImport, ChooserAddsImagesAsOneUndoableChange)
{
    const QList<QUrl> urls = writePngs(3);
    platform.imageChoices.append(urls);
    store.addImages();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Adding images\u2026"));
    finish();
    ASSERT_EQ(platform.imagePanels.size(), 1);
    const PanelRequest& panel = platform.imagePanels.first();
    EXPECT_EQ(panel.title, "Add Images to Tesserly");
    EXPECT_EQ(
        panel.message, "Choose photos, screenshots, or reference images. Your originals stay unchanged.");
    EXPECT_EQ(panel.confirmButton, "Add Images");
    EXPECT_EQ(panel.mimeTypes,
        QStringList({ "image/png", "image/jpeg", "image/heic", "image/tiff", "image/gif", "image/bmp" }));

    EXPECT_EQ(
        StoreTesting::fileNames(store.photos()), QStringList({ "file-1.png", "file-2.png", "file-3.png" }));
    EXPECT_EQ(store.statusMessage(), "Added 3 images");
    EXPECT_FALSE(store.errorMessage());
    EXPECT_EQ(store.selectedPhotoID(), store.photos().first().id());
    EXPECT_TRUE(store.hasUnsavedChanges());
    store.undo();
    EXPECT_TRUE(store.photos().isEmpty());
    EXPECT_FALSE(store.canUndo());

    // A cancelled chooser does nothing.
    store.addImages();
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(platform.imagePanels.size(), 2);
}

TEST_F(BoardStoreImport, FreePlacesLimitTheBatch)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(58));
    platform.imageChoices.append(writePngs(5));
    store.addImages();
    finish();
    EXPECT_EQ(store.photos().size(), 60);
    EXPECT_EQ(StoreTesting::fileNames(store.photos().mid(58)), QStringList({ "file-1.png", "file-2.png" }));
    EXPECT_EQ(store.statusMessage(), "Added 2 images");
    EXPECT_EQ(store.errorMessage(), BoardLimits::excessInputsLine(3));
    EXPECT_EQ(store.selectedPhotoID(), store.photos().first().id()) << "an existing selection stays";
}

TEST_F(BoardStoreImport, FullBoardRefusesEveryWayIn)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(60));
    const QUrl file = writePng("extra.png");

    platform.imageChoices.append({ file });
    store.addImages();
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.errorMessage(), BoardLimits::addingToFullBoardText());

    store.setErrorMessage(std::nullopt);
    EXPECT_FALSE(store.handleDrop({ DropItem::file(file) }));
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.errorMessage(), BoardLimits::fullBoardText());

    store.setErrorMessage(std::nullopt);
    platform.clipboard.insert("image/png", TestImages::png(QSize(10, 10)));
    store.pasteImages();
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.errorMessage(), BoardLimits::fullBoardText());
    EXPECT_EQ(store.photos().size(), 60);
    EXPECT_FALSE(store.hasUnsavedChanges());
}

TEST_F(BoardStoreImport, DroppedFileAndFolderTogether)
{
    const QUrl png = writePng("dropped.png");
    ASSERT_TRUE(QDir(folder.path()).mkdir("Holiday"));
    const QUrl holiday = QUrl::fromLocalFile(folder.filePath("Holiday"));
    EXPECT_TRUE(store.handleDrop({ DropItem::file(png), DropItem::file(holiday) }));
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Reading dropped images\u2026"));
    finish();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), QStringList({ "dropped.png" }));
    EXPECT_EQ(store.statusMessage(), "Added 1 image");
    EXPECT_EQ(store.errorMessage(), "Holiday: " + BoundedFileError::notRegularFile().description());
}

TEST_F(BoardStoreImport, DroppedDataIsNamedAfterItsType)
{
    EXPECT_TRUE(store.handleDrop({ DropItem::imageData(TestImages::jpeg(QSize(30, 20)), "image/jpeg") }));
    finish();
    ASSERT_EQ(store.photos().size(), 1);
    EXPECT_EQ(store.photos().first().fileName(), "Dropped Image.jpg");
    EXPECT_EQ(store.photos().first().caption(), "Dropped Image");

    // WebP is an image type, so the data is taken, and then refused by the import service.
    EXPECT_TRUE(store.handleDrop({ DropItem::imageData(TestImages::webp(QSize(8, 8)), "image/webp"),
        DropItem::imageData(QByteArray(), "image/png"), DropItem::imageData("not an image", "image/png") }));
    finish();
    EXPECT_EQ(store.statusMessage(), "No images added");
    EXPECT_EQ(store.errorMessage(),
        "Dropped Image.webp: " + unsupportedFormat
            + "\n\nA dropped image was not available in a supported format.\n\nDropped Image.png: "
            + unreadableImage);

    // Nothing usable: refused without a message.
    store.setErrorMessage(std::nullopt);
    EXPECT_FALSE(store.handleDrop(
        { DropItem::imageData("text", "text/plain"), DropItem::imageData("x", "image/x-not-a-known-type") }));
    EXPECT_FALSE(store.handleDrop({}));
    EXPECT_FALSE(store.isBusy());
    EXPECT_FALSE(store.errorMessage());
}

TEST_F(BoardStoreImport, DropsBeyondTheFreePlacesAreCounted)
{
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(57));
    QList<DropItem> items;
    for (const QUrl& url : writePngs(5)) {
        items.append(DropItem::file(url));
    }
    EXPECT_TRUE(store.handleDrop(items));
    finish();
    EXPECT_EQ(store.photos().size(), 60);
    EXPECT_EQ(store.errorMessage(), BoardLimits::excessDropItemsLine(2));
}

TEST_F(BoardStoreImport, DropItemsFromMimeData)
{
    const QUrl local = writePng("local.png");
    QMimeData files;
    files.setUrls({ local, QUrl("https://example.com/remote.png"), local });
    files.setData("image/png", TestImages::png(QSize(4, 4)));
    const QList<DropItem> fileItems = DropItem::fromMimeData(files);
    ASSERT_EQ(fileItems.size(), 2) << "local files only; their image rendering is not a second image";
    EXPECT_TRUE(fileItems.at(0).isFile());
    EXPECT_EQ(fileItems.at(1).url(), local);

    QMimeData data;
    data.setData("text/plain", "caption");
    data.setData("image/jpeg", "jpeg bytes");
    data.setData("image/png", "png bytes");
    const QList<DropItem> dataItems = DropItem::fromMimeData(data);
    ASSERT_EQ(dataItems.size(), 1);
    EXPECT_FALSE(dataItems.first().isFile());
    EXPECT_EQ(dataItems.first().mimeType(), "image/jpeg") << "the first image type listed";
    EXPECT_EQ(dataItems.first().data(), "jpeg bytes");
    EXPECT_TRUE(dataItems.first().isUsable());

    QMimeData text;
    text.setText("just words");
    text.setUrls({ QUrl("https://example.com/a.png") });
    EXPECT_TRUE(DropItem::fromMimeData(text).isEmpty());

    EXPECT_EQ(DropItem::imageData("x", "image/tiff").suggestedFileName(), "Dropped Image.tif");
    EXPECT_EQ(DropItem::imageData("x", "image/png").suggestedFileName(), "Dropped Image.png");
}

TEST_F(BoardStoreImport, PastePrefersFilesThenPngThenTiff)
{
    platform.clipboardURLs = { writePng("copied-file.png") };
    platform.clipboard.insert("image/png", TestImages::png(QSize(12, 12)));
    store.pasteImages();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Adding images\u2026"));
    finish();
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), QStringList({ "copied-file.png" }));

    StoreTesting::installBoard(store, StoreTesting::fakePhotos(4));
    platform.clipboardURLs.clear();
    store.pasteImages();
    EXPECT_EQ(store.statusMessage(), QString::fromUtf8("Pasting image\u2026"));
    finish();
    EXPECT_EQ(store.photos().last().fileName(), "Pasted Image 5.png");
    EXPECT_EQ(store.statusMessage(), "Added 1 image");

    platform.clipboard.clear();
    platform.clipboard.insert("image/tiff", TestImages::tiff(QSize(12, 12)));
    store.pasteImages();
    finish();
    EXPECT_EQ(store.photos().last().fileName(), "Pasted Image 6.tiff");

    platform.clipboard.clear();
    platform.clipboard.insert("image/tiff", "not a tiff");
    store.pasteImages();
    finish();
    EXPECT_EQ(store.errorMessage(), unreadableImage) << "a pasted refusal is the message alone";
    EXPECT_EQ(store.statusMessage(), "No images added");

    platform.clipboard.clear();
    platform.clipboard.insert("image/png", QByteArray());
    store.setErrorMessage(std::nullopt);
    store.pasteImages();
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.errorMessage(), "Copy an image or an image file first, then choose Paste Images.");
}

TEST_F(BoardStoreImport, RefusalsShowFiveLinesAndCountTheRest)
{
    const std::pair<int, const char*> cases[] = { { 6, "\u2026and 1 more file could not be added." },
        { 7, "\u2026and 2 more files could not be added." } };
    for (const auto& [count, rest] : cases) {
        QList<QUrl> urls;
        QStringList lines;
        for (int i = 1; i <= count; ++i) {
            const QString name = QStringLiteral("bad-%1.png").arg(i);
            urls.append(QUrl::fromLocalFile(TestImages::writeFile(folder, name, "junk")));
            lines.append(name + QStringLiteral(": ") + unreadableImage);
        }
        store.importURLs(urls);
        finish();
        EXPECT_EQ(store.errorMessage(), lines.first(5).join("\n\n") + "\n\n" + QString::fromUtf8(rest));
    }
}

TEST_F(BoardStoreImport, FailedImportLeavesTheBoardAlone)
{
    const QList<BoardPhoto> photos = StoreTesting::fakePhotos(2);
    StoreTesting::installBoard(store, photos);
    store.importURLs({ QUrl::fromLocalFile(folder.filePath("missing.png")),
        QUrl::fromLocalFile(TestImages::writeFile(folder, "empty.png", QByteArray())) });
    finish();
    EXPECT_EQ(store.statusMessage(), "No images added");
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), StoreTesting::fileNames(photos));
    EXPECT_FALSE(store.canUndo());
    EXPECT_FALSE(store.hasUnsavedChanges());
    ASSERT_TRUE(store.errorMessage());
    EXPECT_TRUE(store.errorMessage()->startsWith("missing.png: "));
    EXPECT_TRUE(store.errorMessage()->endsWith(
        "\n\nempty.png: " + ImageImportError::description(ImageImportError::Kind::emptyFile)));

    // An empty list does not even start.
    store.importURLs({});
    EXPECT_FALSE(store.isBusy());
}

TEST_F(BoardStoreImport, ArrivalChecksTheBoardAsItIsThen)
{
    store.importURLs(writePngs(3));
    ASSERT_TRUE(store.isBusy());
    // The board changes while the import runs (a whole board installed), leaving one place.
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(59));
    finish();
    EXPECT_EQ(store.photos().size(), 60);
    EXPECT_EQ(store.photos().last().fileName(), "file-1.png");
    EXPECT_EQ(store.errorMessage(),
        BoardLimits::boardFullLine("file-2.png") + "\n\n" + BoardLimits::boardFullLine("file-3.png"));
    EXPECT_EQ(store.selectedPhotoID(), store.photos().first().id());
}

TEST_F(BoardStoreImport, GuiThreadStaysFreeDuringImport)
{
    // Large pictures take a while to decode; the GUI thread must keep serving its timers.
    QList<QUrl> urls;
    const QByteArray large = TestImages::largePng(QSize(3000, 2000));
    for (int i = 1; i <= 2; ++i) {
        urls.append(
            QUrl::fromLocalFile(TestImages::writeFile(folder, QStringLiteral("large-%1.png").arg(i), large)));
    }
    const int ticks = StoreTesting::busyTimerTicks(store, [&] { store.importURLs(urls); });
    EXPECT_EQ(store.photos().size(), 2);
    EXPECT_GE(ticks, 3);
}
