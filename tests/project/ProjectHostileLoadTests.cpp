#include "ProjectTesting.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/BoundedFileError.h"
#include "io/PosixError.h"
#include "io/ProjectPackage.h"
#include "model/BoardLimits.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
const QString invalidManifest = "The board's project information is incomplete or damaged.";
const QString unsafeImagePath = "The board contains an invalid image reference.";
const QString notTesserly = "This is not a Tesserly project. Choose a .tesserly file.";
const QString missingImages = "The board's Images folder is missing or is a symbolic link.";
const QString cannotOpenPackage = QStringLiteral(
    "The board could not be opened. Make sure it is fully downloaded and is not a symbolic link.");

// Fixed identifiers, so that expected texts can name the image files.
QUuid fixedId(int index)
{
    return QUuid::fromString(
        QStringLiteral("3f2504e0-4f89-11d3-9a0c-0305e82c33%1").arg(index, 2, 10, QLatin1Char('0')));
}

PackageBuilder boardWithImages(int count)
{
    PackageBuilder builder;
    for (int index = 0; index < count; ++index) {
        builder.addImage(
            TestImages::png(QSize(3, 2)), QStringLiteral("photo%1.png").arg(index), {}, fixedId(index));
    }
    return builder;
}

class HostileProject : public ::testing::Test
{
protected:
    // Writes the package and returns the load's failure text (empty when it opened).
    QString openFailure(const PackageBuilder& builder)
    {
        const QString path = builder.write(folder.filePath(QStringLiteral("P%1.tesserly").arg(++written)));
        return FileTesting::failureMessage([&] { ProjectPackage::load(fileUrl(path)); });
    }

    QTemporaryDir folder;
    int written = 0;
};
} // namespace

TEST_F(HostileProject, DamagedManifestsAndImagesAreRefusedWithTheirOwnText)
{
    using Edit = std::function<void(PackageBuilder&)>;
    const auto member = [](const char* key, const QJsonValue& value) -> Edit {
        return [=](PackageBuilder& builder) { builder.manifest().insert(QLatin1String(key), value); };
    };
    const auto field = [](qsizetype record, const char* key, const QJsonValue& value) -> Edit {
        return [=](PackageBuilder& builder) { builder.record(record).insert(QLatin1String(key), value); };
    };
    const auto bytes = [](const QByteArray& raw) -> Edit {
        return [=](PackageBuilder& builder) { builder.setManifestBytes(raw); };
    };
    const auto image = [](const std::function<void(QByteArray&)>& change) -> Edit {
        return [=](PackageBuilder& builder) {
            change(builder.imageFiles()[PackageBuilder::imageName(fixedId(0))]);
        };
    };
    const QString id = fixedId(0).toString(QUuid::WithoutBraces);
    const qsizetype pngSize = TestImages::png(QSize(3, 2)).size();
    const QString imageTooLarge = BoardLimits::storedImageTooLargeText();
    const QString boardTooLarge = BoardLimits::boardTooLargeText();
    // Four records at the image limit, and one more byte when over.
    const auto declared = [](bool over, bool imagesFolder) -> Edit {
        return [=](PackageBuilder& builder) {
            const int count = over ? 5 : 4;
            for (int index = 2; index < count; ++index) {
                builder.addImage("x", "large.png", {}, fixedId(index));
            }
            for (int index = 0; index < count; ++index) {
                builder.record(index).insert("byteCount", qint64(index < 4 ? 67'108'864 : 1));
            }
            // No image file at all, so any attempt to read one would fail differently.
            builder.imageFiles().clear();
            builder.setWritesImagesFolder(imagesFolder);
        };
    };
    const std::tuple<const char*, Edit, QString> cases[] = {
        { "sound", [](PackageBuilder&) {}, QString() },
        { "unknown member", member("generator", "Tesserly 2.0"), QString() },
        { "unknown record member", field(0, "colourLabel", "red"), QString() },
        { "other format", member("format", "com.example.board"), notTesserly },
        // A later version may change everything else, so only its number is reported.
        { "later version without settings",
            [](PackageBuilder& builder) {
                builder.manifest().insert("schemaVersion", 2);
                builder.manifest().remove("settings");
            },
            "This board uses project format 2, which this version of Tesserly cannot open." },
        { "fractional version", member("schemaVersion", 1.5), invalidManifest },
        { "no photos", [](PackageBuilder& builder) { builder.manifest().remove("photos"); },
            invalidManifest },
        { "not json", bytes("not json"), invalidManifest },
        { "an array", bytes("[1, 2]"), invalidManifest },
        { "empty", bytes(""), invalidManifest },
        { "header only", bytes("{\"format\": \"com.vandrel.tesserly.project\"}"), invalidManifest },
        { "bad identifier", field(0, "id", "not-a-uuid"), invalidManifest },
        { "braced identifier", field(0, "id", "{" + id + "}"), invalidManifest },
        { "same identifier in another case", field(1, "id", id.toLower()),
            "The board contains duplicate image identifiers and cannot be opened safely." },
        { "fractional byte count", field(0, "byteCount", 10.5), invalidManifest },
        { "byte count as text", field(0, "byteCount", "10"), invalidManifest },
        { "null caption", field(0, "caption", QJsonValue::Null), invalidManifest },
        { "numeric file name", field(0, "fileName", 7), invalidManifest },
        { "no image path", [](PackageBuilder& builder) { builder.record(0).remove("imagePath"); },
            invalidManifest },
        { "climbing image path", field(0, "imagePath", "Images/../x.image"), unsafeImagePath },
        { "absolute image path", field(0, "imagePath", "/etc/passwd"), unsafeImagePath },
        { "upper-case image path", field(0, "imagePath", "Images/" + id.toUpper() + ".image"),
            unsafeImagePath },
        { "borrowed image path", field(1, "imagePath", "Images/" + id + ".image"), unsafeImagePath },
        // Display strings: captions count characters, file names count bytes.
        { "2,001 emoji", field(0, "caption", QStringLiteral("👨‍👩‍👧‍👦").repeated(2001)),
            invalidManifest },
        { "caption with NUL", field(0, "caption", QStringLiteral("a") + QChar(u'\0')), invalidManifest },
        { "4,096-byte name", field(0, "fileName", QString(4096, QLatin1Char('n'))), QString() },
        { "4,097-byte name", field(0, "fileName", QString(4097, QLatin1Char('n'))), invalidManifest },
        { "4,098 bytes in 2,049 characters", field(0, "fileName", QString(2049, QChar(u'é'))),
            invalidManifest },
        { "empty name", field(0, "fileName", ""), invalidManifest },
        { "name with a slash", field(0, "fileName", "a/b.png"), invalidManifest },
        { "name with NUL", field(0, "fileName", QStringLiteral("a") + QChar(u'\0') + "b.png"),
            invalidManifest },
        // Counts and declared sizes are settled before any image is opened.
        { "61 photos",
            [](PackageBuilder& builder) {
                for (int index = 2; index < 61; ++index) {
                    builder.addImage("x", "more.png", {}, fixedId(index));
                }
            },
            BoardLimits::tooManyPhotosText() },
        { "zero bytes declared", field(0, "byteCount", 0), imageTooLarge },
        { "64 MiB and one byte declared", field(0, "byteCount", qint64(67'108'865)), imageTooLarge },
        { "256 MiB and one byte, no images", declared(true, true), boardTooLarge },
        { "256 MiB and one byte, no Images folder", declared(true, false), boardTooLarge },
        { "exactly 256 MiB, no Images folder", declared(false, false), missingImages },
        // Image files must match their records.
        { "image cut short", image([](QByteArray& file) { file.chop(1); }),
            "The saved image photo0.png is incomplete or has changed." },
        { "image grown", image([](QByteArray& file) { file.append('x'); }),
            BoundedFileError::tooLarge(pngSize).description() },
        { "image missing",
            [](PackageBuilder& builder) {
                builder.imageFiles().remove(PackageBuilder::imageName(fixedId(0)));
            },
            "The board could not be opened because its image \"Images/" + id
                + ".image\" is missing from the package." },
        // The right length but no image: the import service's own refusal.
        { "image of text", image([](QByteArray& file) { file.fill('a'); }),
            "The image is damaged or could not be decoded." },
    };
    for (const auto& [name, edit, expected] : cases) {
        PackageBuilder builder = boardWithImages(2);
        edit(builder);
        EXPECT_EQ(openFailure(builder), expected) << name;
    }
    BoardSettings wide;
    wide.columns = 40;
    PackageBuilder builder = boardWithImages(1);
    builder.manifest().insert("settings", wide.toJson());
    EXPECT_EQ(ProjectPackage::load(fileUrl(builder.write(folder.filePath("Wide.tesserly")))).settings,
        wide.normalized())
        << "normalized on reading";
}

TEST_F(HostileProject, PackageShapesAreCheckedAndNoSymbolicLinkIsFollowed)
{
    const QString real = boardWithImages(2).write(folder.filePath("Real.tesserly"));
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
    TestImages::writeFile(folder.path(), "File.tesserly", "{}");
    PackageBuilder huge;
    huge.setManifestBytes(QByteArray(1'048'577, ' '));
    huge.write(at("Huge.tesserly"));

    const std::pair<QUrl, QString> cases[] = {
        { fileUrl(real), QString() },
        { QUrl("https://example.com/a.tesserly"), notTesserly },
        { fileUrl(at("None.tesserly")), cannotOpenPackage },
        { fileUrl(at("File.tesserly")), cannotOpenPackage },
        { fileUrl(at("Linked.tesserly")), cannotOpenPackage },
        { fileUrl(at("Linked.tesserly") + "/"), cannotOpenPackage },
        { fileUrl(at("ImagesLinked.tesserly")), missingImages },
        { fileUrl(at("ImageLinked.tesserly")), PosixError(ELOOP, "Images/" + imageName).description() },
        { fileUrl(at("ManifestLinked.tesserly")), PosixError(ELOOP, "manifest.json").description() },
        { fileUrl(at("NoManifest.tesserly")), PosixError(ENOENT, "manifest.json").description() },
        { fileUrl(at("Huge.tesserly")), BoundedFileError::tooLarge(1'048'576).description() },
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(FileTesting::failureMessage([&] { ProjectPackage::load(url); }), expected)
            << url.toString().toStdString();
    }
}
