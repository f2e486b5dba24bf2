#include "ProjectTesting.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/BoardProjectStore.h"
#include "io/BoundedFileError.h"
#include "io/PosixError.h"
#include "model/BoardLimits.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {
const QString invalidManifest = QStringLiteral("The board's project information is incomplete or damaged.");
const QString unsafeImagePath = QStringLiteral("The board contains an invalid image reference.");
const QString imageTooLarge = BoardLimits::storedImageTooLargeText();
const QString boardTooLarge = BoardLimits::boardTooLargeText();
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
        return failureMessage([&] { BoardProjectStore::load(fileUrl(path)); });
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

TEST_F(HostileProject, HeaderIsJudgedBeforeTheRest)
{
    PackageBuilder otherFormat = boardWithImages(1);
    otherFormat.manifest().insert(QStringLiteral("format"), QStringLiteral("com.example.board"));
    EXPECT_EQ(
        openFailure(otherFormat), QStringLiteral("This is not a Tesserly project. Choose a .tesserly file."));

    // A later version may change everything else, so only its number is reported.
    PackageBuilder later;
    later.manifest().insert(QStringLiteral("schemaVersion"), 2);
    later.manifest().remove(QStringLiteral("settings"));
    EXPECT_EQ(openFailure(later),
        QStringLiteral("This board uses project format 2, which this version of Tesserly cannot open."));

    PackageBuilder noPhotos = boardWithImages(1);
    noPhotos.manifest().remove(QStringLiteral("photos"));
    EXPECT_EQ(openFailure(noPhotos), invalidManifest);

    PackageBuilder fractionalVersion;
    fractionalVersion.manifest().insert(QStringLiteral("schemaVersion"), 1.5);
    EXPECT_EQ(openFailure(fractionalVersion), invalidManifest);

    for (const QByteArray& raw : { QByteArray("not json"), QByteArray("[1, 2]"), QByteArray(),
             QByteArray("{\"format\": \"com.vandrel.tesserly.project\"}") }) {
        PackageBuilder damaged;
        damaged.setManifestBytes(raw);
        EXPECT_EQ(openFailure(damaged), invalidManifest) << raw.constData();
    }
}

TEST_F(HostileProject, RecordsOfTheWrongShapeAreDamage)
{
    const QList<std::pair<QString, QJsonValue>> edits {
        { QStringLiteral("id"), QStringLiteral("not-a-uuid") },
        { QStringLiteral("id"), QStringLiteral("{3f2504e0-4f89-11d3-9a0c-0305e82c3301}") },
        { QStringLiteral("byteCount"), 10.5 },
        { QStringLiteral("byteCount"), QStringLiteral("10") },
        { QStringLiteral("caption"), QJsonValue::Null },
        { QStringLiteral("fileName"), 7 },
    };
    for (const auto& [key, value] : edits) {
        PackageBuilder builder = boardWithImages(1);
        builder.record(0).insert(key, value);
        EXPECT_EQ(openFailure(builder), invalidManifest) << key.toStdString();
    }
    PackageBuilder missingMember = boardWithImages(1);
    missingMember.record(0).remove(QStringLiteral("imagePath"));
    EXPECT_EQ(openFailure(missingMember), invalidManifest);

    PackageBuilder badSettings = boardWithImages(1);
    QJsonObject settings = badSettings.manifest().value(QStringLiteral("settings")).toObject();
    settings.insert(QStringLiteral("background"), QStringLiteral("Dark"));
    badSettings.manifest().insert(QStringLiteral("settings"), settings);
    EXPECT_EQ(openFailure(badSettings), invalidManifest);
}

TEST_F(HostileProject, ImagePathsMustBeDerivedFromTheirOwnIdentifier)
{
    PackageBuilder climbing = boardWithImages(1);
    climbing.record(0).insert(QStringLiteral("imagePath"), QStringLiteral("Images/../x.image"));
    EXPECT_EQ(openFailure(climbing), unsafeImagePath);

    PackageBuilder upperCase = boardWithImages(1);
    upperCase.record(0).insert(QStringLiteral("imagePath"),
        upperCase.record(0).value(QStringLiteral("imagePath")).toString().toUpper());
    EXPECT_EQ(openFailure(upperCase), unsafeImagePath);

    PackageBuilder borrowed = boardWithImages(2);
    borrowed.record(1).insert(
        QStringLiteral("imagePath"), borrowed.record(0).value(QStringLiteral("imagePath")));
    EXPECT_EQ(openFailure(borrowed), unsafeImagePath);

    PackageBuilder absolute = boardWithImages(1);
    absolute.record(0).insert(QStringLiteral("imagePath"), QStringLiteral("/etc/passwd"));
    EXPECT_EQ(openFailure(absolute), unsafeImagePath);
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
    EXPECT_EQ(openFailure(tooMany), BoardLimits::tooManyPhotosText());

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
    const QString lost = missing.imageFiles().lastKey();
    missing.imageFiles().remove(lost);
    EXPECT_EQ(openFailure(missing),
        "The board could not be opened because its image \"Images/" + lost
            + "\" is missing from the package.");

    // The right length, but no image at all: the import service's own refusal.
    PackageBuilder text;
    const QByteArray png = TestImages::png(QSize(6, 6));
    const QUuid textId = text.addImage(png, QStringLiteral("notes.png"));
    text.imageFiles()[PackageBuilder::imageName(textId)] = QByteArray(png.size(), 'a');
    EXPECT_EQ(openFailure(text), QStringLiteral("The image is damaged or could not be decoded."));
}

TEST_F(HostileProject, NoSymbolicLinkIsFollowed)
{
    const QString real = boardWithImages(2).write(folder.filePath(QStringLiteral("Real.tesserly")));
    ASSERT_NO_THROW(BoardProjectStore::load(fileUrl(real)));

    const QString linkedPackage = folder.filePath(QStringLiteral("Linked.tesserly"));
    ASSERT_TRUE(QFile::link(real, linkedPackage));
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(linkedPackage)); }), cannotOpenPackage);
    EXPECT_EQ(
        failureMessage([&] { BoardProjectStore::load(fileUrl(linkedPackage + "/")); }), cannotOpenPackage);

    PackageBuilder linkedImages = boardWithImages(2);
    linkedImages.setWritesImagesFolder(false);
    const QString imagesLinked = linkedImages.write(folder.filePath(QStringLiteral("ImagesLinked.tesserly")));
    ASSERT_TRUE(QFile::link(real + "/Images", imagesLinked + "/Images"));
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(imagesLinked)); }), missingImages);

    PackageBuilder linkedImage = boardWithImages(1);
    const QString imageName = linkedImage.imageFiles().firstKey();
    linkedImage.imageFiles().clear();
    const QString imageLinked = linkedImage.write(folder.filePath(QStringLiteral("ImageLinked.tesserly")));
    const QString target
        = TestImages::writeFile(folder.path(), QStringLiteral("outside.png"), TestImages::png(QSize(3, 2)));
    ASSERT_TRUE(QFile::link(target, imageLinked + "/Images/" + imageName));
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(imageLinked)); }),
        PosixError(ELOOP, "Images/" + imageName).description());

    const QString manifestLinked = folder.filePath(QStringLiteral("ManifestLinked.tesserly"));
    ASSERT_TRUE(QDir().mkpath(manifestLinked + "/Images"));
    ASSERT_TRUE(QFile::link(real + "/manifest.json", manifestLinked + "/manifest.json"));
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(manifestLinked)); }),
        PosixError(ELOOP, "manifest.json").description());
}

TEST_F(HostileProject, PackageAndFolderShapesAreChecked)
{
    EXPECT_EQ(failureMessage(
                  [] { BoardProjectStore::load(QUrl(QStringLiteral("https://example.com/a.tesserly"))); }),
        QStringLiteral("This is not a Tesserly project. Choose a .tesserly file."));
    EXPECT_EQ(failureMessage([&] {
        BoardProjectStore::load(fileUrl(folder.filePath(QStringLiteral("None.tesserly"))));
    }),
        cannotOpenPackage);
    const QString file = TestImages::writeFile(folder.path(), QStringLiteral("File.tesserly"), "{}");
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(file)); }), cannotOpenPackage);

    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    EXPECT_EQ(openFailure(noImagesFolder), missingImages);

    const QString noManifest = folder.filePath(QStringLiteral("NoManifest.tesserly"));
    ASSERT_TRUE(QDir().mkpath(noManifest + "/Images"));
    EXPECT_EQ(failureMessage([&] { BoardProjectStore::load(fileUrl(noManifest)); }),
        PosixError(ENOENT, "manifest.json").description());

    PackageBuilder huge;
    huge.setManifestBytes(QByteArray(1'048'577, ' '));
    EXPECT_EQ(openFailure(huge), BoundedFileError::tooLarge(1'048'576).description());
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
    const int before = openDescriptorCount();
    for (int round = 0; round < 20; ++round) {
        for (const PackageBuilder& package : packages) {
            openFailure(package);
        }
    }
    EXPECT_EQ(openDescriptorCount(), before);
}
