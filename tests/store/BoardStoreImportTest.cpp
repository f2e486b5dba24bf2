#include "io/ImageImportError.h"
#include "model/BoardLimits.h"
#include "store/ImageArrival.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"

#include <functional>
#include <QMimeData>

namespace {
const QString unsupportedFormat = ImageImportError::description(ImageImportError::Kind::unsupportedFormat);
const QString unreadableImage = ImageImportError::description(ImageImportError::Kind::unreadableImage);

class BoardStoreImport : public StoreTest
{
protected:
    QUrl writePng(const QString& name)
    {
        return QUrl::fromLocalFile(TestImages::writeFile(folder, name, TestImages::png(QSize(40, 30))));
    }

    void finish()
    {
        ASSERT_TRUE(store.isBusy()) << "the flow should have started";
        ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    }
};
} // namespace

TEST_F(BoardStoreImport, EachWayInStopsAtSixtyWithItsOwnLine)
{
    QList<QUrl> five;
    QList<DropItem> dropped;
    for (int i = 1; i <= 5; ++i) {
        five.append(writePng(QStringLiteral("file-%1.png").arg(i)));
        dropped.append(DropItem::file(five.last()));
    }
    platform.clipboard.insert("image/png", TestImages::png(QSize(10, 10)));
    const auto choose = [&] {
        platform.imageChoices.append(five);
        store.addImages();
    };
    const auto drop = [&] { EXPECT_EQ(store.handleDrop(dropped), store.photos().size() < 60); };
    const std::tuple<std::function<void()>, qsizetype, QString> rows[] = {
        { choose, 58, BoardLimits::excessInputsLine(3) }, { drop, 57, BoardLimits::excessDropItemsLine(2) },
        { choose, 60, BoardLimits::addingToFullBoardText() }, { drop, 60, BoardLimits::fullBoardText() },
        { [&] { store.pasteImages(); }, 60, BoardLimits::fullBoardText() }
    };
    for (const auto& [way, onBoard, message] : rows) {
        SCOPED_TRACE(message.toStdString());
        StoreTesting::installBoard(store, StoreTesting::fakePhotos(onBoard));
        store.setErrorMessage(std::nullopt);
        way();
        EXPECT_EQ(store.isBusy(), onBoard < 60);
        ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
        EXPECT_EQ(store.photos().size(), 60);
        EXPECT_EQ(store.photos().last().fileName(),
            onBoard < 60 ? QString("file-%1.png").arg(60 - onBoard) : "photo-60.png");
        EXPECT_EQ(store.errorMessage(), message);
        EXPECT_EQ(store.selectedPhotoID(), store.photos().first().id()) << "an existing selection stays";
    }
}

TEST_F(BoardStoreImport, ArrivalChecksTheBoardAsItIsThen)
{
    store.importURLs({ writePng("file-1.png"), writePng("file-2.png"), writePng("file-3.png") });
    ASSERT_TRUE(store.isBusy());
    // A whole board installed while the import runs leaves one place.
    StoreTesting::installBoard(store, StoreTesting::fakePhotos(59));
    finish();
    EXPECT_EQ(store.photos().size(), 60);
    EXPECT_EQ(store.photos().last().fileName(), "file-1.png");
    EXPECT_EQ(store.errorMessage(),
        BoardLimits::boardFullLine("file-2.png") + "\n\n" + BoardLimits::boardFullLine("file-3.png"));
}

TEST_F(BoardStoreImport, DropsOfImageData)
{
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

TEST_F(BoardStoreImport, DropItemsFromMimeData)
{
    const QUrl local = writePng("local.png");
    QMimeData files;
    files.setUrls({ local, QUrl("https://example.com/remote.png"), local });
    files.setData("image/png", TestImages::png(QSize(4, 4)));
    const QList<DropItem> fileItems = DropItem::fromMimeData(files);
    ASSERT_EQ(fileItems.size(), 2) << "local files only; their image rendering is not a second image";
    EXPECT_EQ(fileItems.at(1).url(), local);

    QMimeData data;
    data.setData("text/plain", "caption");
    data.setData("image/jpeg", "jpeg bytes");
    data.setData("image/tiff", "tiff bytes");
    const QList<DropItem> dataItems = DropItem::fromMimeData(data);
    ASSERT_EQ(dataItems.size(), 1);
    EXPECT_EQ(dataItems.first().data(), "jpeg bytes") << "the first image type listed";
    EXPECT_EQ(DropItem::imageData("x", "image/tiff").suggestedFileName(), "Dropped Image.tif");
}

TEST_F(BoardStoreImport, PastePrefersFilesThenPngThenTiff)
{
    const QByteArray png = TestImages::png(QSize(12, 12));
    const QByteArray tiff = TestImages::tiff(QSize(12, 12));
    const std::pair<QList<QUrl>, QMap<QString, QByteArray>> clipboards[]
        = { { { writePng("copied-file.png") }, { { "image/png", png } } },
              { {}, { { "image/png", png }, { "image/tiff", tiff } } }, { {}, { { "image/tiff", tiff } } } };
    for (const auto& [files, data] : clipboards) {
        platform.clipboardURLs = files;
        platform.clipboard = data;
        store.pasteImages();
        finish();
    }
    EXPECT_EQ(StoreTesting::fileNames(store.photos()),
        QStringList({ "copied-file.png", "Pasted Image 2.png", "Pasted Image 3.tiff" }));

    platform.clipboard = { { "image/tiff", "not a tiff" } };
    store.pasteImages();
    finish();
    EXPECT_EQ(store.errorMessage(), unreadableImage) << "a pasted refusal is the message alone";
    EXPECT_EQ(store.statusMessage(), "No images added");

    platform.clipboard = { { "image/png", QByteArray() } };
    store.setErrorMessage(std::nullopt);
    store.pasteImages();
    EXPECT_FALSE(store.isBusy());
    EXPECT_EQ(store.errorMessage(), "Copy an image or an image file first, then choose Paste Images.");
}

TEST_F(BoardStoreImport, RefusalsShowFiveLinesInInputOrderAndCountTheRest)
{
    const std::pair<int, const char*> cases[]
        = { { 2, "" }, { 6, "\n\n\u2026and 1 more file could not be added." },
              { 7, "\n\n\u2026and 2 more files could not be added." } };
    const QList<BoardPhoto> photos = StoreTesting::fakePhotos(2);
    StoreTesting::installBoard(store, photos);
    for (const auto& [count, rest] : cases) {
        QList<QUrl> urls { fileUrl("missing.png") };
        QStringList lines { "missing.png: " };
        for (int i = 2; i <= count; ++i) {
            const QString name = QStringLiteral("bad-%1.png").arg(i);
            urls.append(QUrl::fromLocalFile(TestImages::writeFile(folder, name, i == 2 ? "" : "junk")));
            lines.append(name + ": "
                + ImageImportError::description(
                    i == 2 ? ImageImportError::Kind::emptyFile : ImageImportError::Kind::unreadableImage));
        }
        store.importURLs(urls);
        finish();
        ASSERT_TRUE(store.errorMessage());
        EXPECT_TRUE(store.errorMessage()->startsWith(lines.first()));
        EXPECT_TRUE(store.errorMessage()->endsWith(lines.mid(1, 4).join("\n\n") + QString::fromUtf8(rest)));
        EXPECT_EQ(store.statusMessage(), "No images added");
    }
    EXPECT_EQ(StoreTesting::fileNames(store.photos()), StoreTesting::fileNames(photos));
    EXPECT_FALSE(store.canUndo() || store.hasUnsavedChanges());
    store.importURLs({});
    EXPECT_FALSE(store.isBusy()) << "an empty list does not even start";
}

TEST(ImageArrival, SourceBytesAreCountedAgainstTheBoardUpToExactly256MB)
{
    const auto photo = [](const QString& name, const QByteArray& bytes) {
        return BoardPhoto(QUuid::createUuid(), name, name, bytes, 10, 10, QImage());
    };
    // Photos sharing one buffer: a board of hundreds of megabytes costs one allocation.
    const QByteArray fileSized(BoardLimits::maxSourceFileBytes, 'x');
    const QList<BoardPhoto> board { photo("a", fileSized), photo("b", fileSized), photo("c", fileSized) };
    const ImageImportResult admitted = ImageArrival::admit(board,
        { { photo("big.png", fileSized + 'x'), photo("fits.png", fileSized), photo("tiny.png", "x") },
            { "earlier.png: refused by the service" } });
    // A refused larger image does not stop a later one that fits; the total may equal the limit.
    EXPECT_EQ(StoreTesting::fileNames(admitted.photos), QStringList { "fits.png" });
    EXPECT_EQ(admitted.rejected,
        QStringList({ "earlier.png: refused by the service", BoardLimits::boardBytesLine("big.png"),
            BoardLimits::boardBytesLine("tiny.png") }));
}
