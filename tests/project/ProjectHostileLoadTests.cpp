#include "ProjectTesting.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/BoardProjectStore.h"
#include "io/BoundedFileError.h"
#include "io/PosixError.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {
const QString invalidManifest = QStringLiteral("The board's project information is incomplete or damaged.");
const QString unsafeImagePath = QStringLiteral("The board contains an invalid image reference.");
const QString imageTooLarge = QStringLiteral("An image in this board is empty or exceeds the 64 MB limit.");
const QString boardTooLarge = QStringLiteral("The original images in one board can total up to 256 MB.");
const QString missingImages = QStringLiteral("The board's Images folder is missing or is a symbolic link.");
const QString cannotOpenPackage = QStringLiteral(
    "The board could not be opened. Make sure it is fully downloaded and is not a symbolic link.");

class HostileProject : public ::testing::Test
{
protected:
    // Writes the package and returns the load's failure text (empty when it opened).
    QString openFailure(const PackageBuilder& builder)
    {
        const QString path = builder.write(folder.filePath(QStringLiteral("P%1.tesserly").arg(++written)));
        return FileTesting::failureMessage([&] { BoardProjectStore::load(fileUrl(path)); });
    }

    static PackageBuilder boardWithImages(int count)
    {
        PackageBuilder builder;
        for (int index = 0; index < count; ++index) {
            builder.addImage(TestImages::png(QSize(3 + index, 2)), QStringLiteral("photo%1.png").arg(index));
        }
        return builder;
    }

    QTemporaryDir folder;
    int written = 0;
};
} // namespace

TEST_F(HostileProject, ManifestDamageIsRefusedWithItsOwnText)
{
    const QString notTesserly = QStringLiteral("This is not a Tesserly project. Choose a .tesserly file.");
    const auto member = [](const char* key, const QJsonValue& value) {
        return [=](PackageBuilder& builder) { builder.manifest().insert(QLatin1String(key), value); };
    };
    const auto field = [](qsizetype record, const char* key, const QJsonValue& value) {
        return [=](PackageBuilder& builder) { builder.record(record).insert(QLatin1String(key), value); };
    };
    const auto bytes = [](const QByteArray& raw) {
        return [=](PackageBuilder& builder) { builder.setManifestBytes(raw); };
    };
    const QString id = QStringLiteral("3f2504e0-4f89-11d3-9a0c-0305e82c3301");
    struct Case
    {
        const char* name;
        std::function<void(PackageBuilder&)> edit;
        QString expected;
    };
    const Case cases[] = {
        { "other format", member("format", "com.example.board"), notTesserly },
        // A later version may change everything else, so only its number is reported.
        { "later version without settings",
            [](PackageBuilder& builder) {
                builder.manifest().insert(QStringLiteral("schemaVersion"), 2);
                builder.manifest().remove(QStringLiteral("settings"));
            },
            QStringLiteral("This board uses project format 2, which this version of Tesserly cannot open.") },
        { "fractional version", member("schemaVersion", 1.5), invalidManifest },
        { "no photos", [](PackageBuilder& builder) { builder.manifest().remove(QStringLiteral("photos")); },
            invalidManifest },
        { "not json", bytes("not json"), invalidManifest },
        { "an array", bytes("[1, 2]"), invalidManifest },
        { "empty", bytes(""), invalidManifest },
        { "header only", bytes("{\"format\": \"com.vandrel.tesserly.project\"}"), invalidManifest },
        { "bad identifier", field(0, "id", "not-a-uuid"), invalidManifest },
        { "braced identifier", field(0, "id", "{" + id + "}"), invalidManifest },
        { "fractional byte count", field(0, "byteCount", 10.5), invalidManifest },
        { "byte count as text", field(0, "byteCount", "10"), invalidManifest },
        { "null caption", field(0, "caption", QJsonValue::Null), invalidManifest },
        { "numeric file name", field(0, "fileName", 7), invalidManifest },
        { "no image path",
            [](PackageBuilder& builder) { builder.record(0).remove(QStringLiteral("imagePath")); },
            invalidManifest },
        { "settings in the wrong case",
            [](PackageBuilder& builder) {
                QJsonObject settings = builder.manifest().value(QStringLiteral("settings")).toObject();
                settings.insert(QStringLiteral("background"), QStringLiteral("Dark"));
                builder.manifest().insert(QStringLiteral("settings"), settings);
            },
            invalidManifest },
        { "climbing image path", field(0, "imagePath", "Images/../x.image"), unsafeImagePath },
        { "absolute image path", field(0, "imagePath", "/etc/passwd"), unsafeImagePath },
        { "upper-case image path",
            [](PackageBuilder& builder) {
                builder.record(0).insert(QStringLiteral("imagePath"),
                    builder.record(0).value(QStringLiteral("imagePath")).toString().toUpper());
            },
            unsafeImagePath },
        { "borrowed image path",
            [](PackageBuilder& builder) {
                builder.record(1).insert(
                    QStringLiteral("imagePath"), builder.record(0).value(QStringLiteral("imagePath")));
            },
            unsafeImagePath },
    };
    for (const Case& c : cases) {
        PackageBuilder builder = boardWithImages(2);
        c.edit(builder);
        EXPECT_EQ(openFailure(builder), c.expected) << c.name;
    }
}

TEST_F(HostileProject, IdentifiersMustBeUniqueInAnyLetterCase)
{
    PackageBuilder builder;
    const QUuid id = builder.addImage(TestImages::png(QSize(4, 4)), QStringLiteral("first.png"));
    builder.addImage(TestImages::bmp(QSize(5, 5)), QStringLiteral("second.bmp"), QStringLiteral("other"), id);
    builder.record(1).insert(
        QStringLiteral("id"), builder.record(1).value(QStringLiteral("id")).toString().toLower());
    EXPECT_EQ(openFailure(builder),
        QStringLiteral("The board contains duplicate image identifiers and cannot be opened safely."));
}

TEST_F(HostileProject, CountsAndDeclaredSizesAreSettledBeforeAnyImageIsOpened)
{
    PackageBuilder tooMany = boardWithImages(61);
    EXPECT_EQ(openFailure(tooMany), QStringLiteral("A board can contain up to 60 images."));

    PackageBuilder empty = boardWithImages(1);
    empty.record(0).insert(QStringLiteral("byteCount"), 0);
    EXPECT_EQ(openFailure(empty), imageTooLarge);

    PackageBuilder overLimit = boardWithImages(1);
    overLimit.record(0).insert(QStringLiteral("byteCount"), qint64(67'108'865));
    EXPECT_EQ(openFailure(overLimit), imageTooLarge);

    // No image file exists at all, so any attempt to read one would fail differently.
    PackageBuilder fiveLarge = boardWithImages(5);
    for (QJsonObject& record : fiveLarge.records()) {
        record.insert(QStringLiteral("byteCount"), qint64(60'000'000));
    }
    fiveLarge.imageFiles().clear();
    EXPECT_EQ(openFailure(fiveLarge), boardTooLarge);
    fiveLarge.setWritesImagesFolder(false);
    EXPECT_EQ(openFailure(fiveLarge), boardTooLarge);
}

TEST_F(HostileProject, ImageFilesMustMatchTheirDeclaredSize)
{
    PackageBuilder shorter;
    const QUuid shortId = shorter.addImage(TestImages::png(QSize(6, 6)), QStringLiteral("cut.png"));
    shorter.imageFiles()[PackageBuilder::imageName(shortId)].chop(1);
    EXPECT_EQ(openFailure(shorter), QStringLiteral("The saved image cut.png is incomplete or has changed."));

    PackageBuilder longer;
    const QByteArray bytes = TestImages::png(QSize(6, 6));
    const QUuid longId = longer.addImage(bytes, QStringLiteral("grown.png"));
    longer.imageFiles()[PackageBuilder::imageName(longId)].append('x');
    EXPECT_EQ(openFailure(longer), BoundedFileError::tooLarge(bytes.size()).description());

    PackageBuilder missing = boardWithImages(2);
    missing.imageFiles().remove(missing.imageFiles().lastKey());
    EXPECT_EQ(openFailure(missing), PosixError(ENOENT).description());

    // The right length, but no image at all: the import service's own refusal.
    PackageBuilder text;
    const QByteArray png = TestImages::png(QSize(6, 6));
    const QUuid textId = text.addImage(png, QStringLiteral("notes.png"));
    text.imageFiles()[PackageBuilder::imageName(textId)] = QByteArray(png.size(), 'a');
    EXPECT_EQ(openFailure(text), QStringLiteral("The image is damaged or could not be decoded."));
}

TEST_F(HostileProject, PackageShapesAreCheckedAndNoSymbolicLinkIsFollowed)
{
    const QString real = boardWithImages(2).write(folder.filePath(QStringLiteral("Real.tesserly")));
    const auto at = [&](const char* name) { return folder.filePath(QLatin1String(name)); };
    ASSERT_TRUE(QFile::link(real, at("Linked.tesserly")));

    PackageBuilder linkedImages = boardWithImages(2);
    linkedImages.setWritesImagesFolder(false);
    ASSERT_TRUE(QFile::link(real + "/Images", linkedImages.write(at("ImagesLinked.tesserly")) + "/Images"));

    PackageBuilder linkedImage = boardWithImages(1);
    const QString imageName = linkedImage.imageFiles().firstKey();
    linkedImage.imageFiles().clear();
    const QString outside = TestImages::writeFile(folder.path(), "outside.png", TestImages::png(QSize(3, 2)));
    ASSERT_TRUE(QFile::link(outside, linkedImage.write(at("ImageLinked.tesserly")) + "/Images/" + imageName));

    ASSERT_TRUE(QDir().mkpath(at("ManifestLinked.tesserly/Images")));
    ASSERT_TRUE(QFile::link(real + "/manifest.json", at("ManifestLinked.tesserly/manifest.json")));
    ASSERT_TRUE(QDir().mkpath(at("NoManifest.tesserly/Images")));
    TestImages::writeFile(folder.path(), QStringLiteral("File.tesserly"), "{}");
    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    noImagesFolder.write(at("NoImages.tesserly"));
    PackageBuilder huge;
    huge.setManifestBytes(QByteArray(1'048'577, ' '));
    huge.write(at("Huge.tesserly"));

    const std::pair<QUrl, QString> cases[] = {
        { fileUrl(real), QString() },
        { QUrl(QStringLiteral("https://example.com/a.tesserly")),
            QStringLiteral("This is not a Tesserly project. Choose a .tesserly file.") },
        { fileUrl(at("None.tesserly")), cannotOpenPackage },
        { fileUrl(at("File.tesserly")), cannotOpenPackage },
        { fileUrl(at("Linked.tesserly")), cannotOpenPackage },
        { fileUrl(at("Linked.tesserly") + "/"), cannotOpenPackage },
        { fileUrl(at("ImagesLinked.tesserly")), missingImages },
        { fileUrl(at("NoImages.tesserly")), missingImages },
        { fileUrl(at("ImageLinked.tesserly")), PosixError(ELOOP).description() },
        { fileUrl(at("ManifestLinked.tesserly")), PosixError(ELOOP).description() },
        { fileUrl(at("NoManifest.tesserly")), PosixError(ENOENT).description() },
        { fileUrl(at("Huge.tesserly")), BoundedFileError::tooLarge(1'048'576).description() },
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(FileTesting::failureMessage([&] { BoardProjectStore::load(url); }), expected)
            << url.toString().toStdString();
    }
}

TEST_F(HostileProject, DisplayStringLimitsCountBytesAndCharacters)
{
    const QString family = QStringLiteral("👨‍👩‍👧‍👦");
    const auto withCaption = [](const QString& caption) {
        PackageBuilder builder;
        builder.addImage(TestImages::png(QSize(2, 2)), QStringLiteral("a.png"), caption);
        return builder;
    };
    const auto withFileName = [](const QString& fileName) {
        PackageBuilder builder;
        builder.addImage(TestImages::png(QSize(2, 2)), fileName);
        return builder;
    };
    EXPECT_EQ(openFailure(withCaption(family.repeated(2000))), QString());
    EXPECT_EQ(openFailure(withCaption(family.repeated(2001))), invalidManifest);
    EXPECT_EQ(openFailure(withCaption(QStringLiteral("a") + QChar(u'\0'))), invalidManifest);
    EXPECT_EQ(openFailure(withFileName(QString(4096, QLatin1Char('n')))), QString());
    EXPECT_EQ(openFailure(withFileName(QString(4097, QLatin1Char('n')))), invalidManifest);
    // 2,000 two-byte characters are 4,000 bytes; one more is over 4,096 bytes though far under 4,096
    // characters.
    EXPECT_EQ(openFailure(withFileName(QString(2049, QChar(u'é')))), invalidManifest);
    EXPECT_EQ(openFailure(withFileName(QString())), invalidManifest);
    EXPECT_EQ(openFailure(withFileName(QStringLiteral("a/b.png"))), invalidManifest);
    EXPECT_EQ(openFailure(withFileName(QStringLiteral("a") + QChar(u'\0') + "b.png")), invalidManifest);

    const LoadedBoard board = BoardProjectStore::load(fileUrl(
        withCaption(family.repeated(2000)).write(folder.filePath(QStringLiteral("Family.tesserly")))));
    ASSERT_EQ(board.photos.size(), 1);
    EXPECT_EQ(board.photos[0].caption(), family.repeated(2000)) << "kept whole, not cut";
}

TEST_F(HostileProject, EveryDescriptorIsClosedOnEveryPath)
{
    PackageBuilder shorter;
    const QUuid id = shorter.addImage(TestImages::png(QSize(6, 6)), QStringLiteral("cut.png"));
    shorter.imageFiles()[PackageBuilder::imageName(id)].chop(1);
    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    PackageBuilder wrongPath = boardWithImages(1);
    wrongPath.record(0).insert(QStringLiteral("imagePath"), QStringLiteral("x"));
    const QList<PackageBuilder> packages { shorter, noImagesFolder, wrongPath, boardWithImages(3) };

    // One round first, so that anything the libraries open once and keep is already open.
    for (const PackageBuilder& package : packages) {
        openFailure(package);
    }
    const int before = FileTesting::openDescriptorCount();
    for (int round = 0; round < 20; ++round) {
        for (const PackageBuilder& package : packages) {
            openFailure(package);
        }
    }
    EXPECT_EQ(FileTesting::openDescriptorCount(), before);
}
