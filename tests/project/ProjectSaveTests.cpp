#include "ProjectTesting.h"
#include "support/PackageBuilder.h"
#include "support/TestImages.h"

#include "io/AtomicPackageWriter.h"
#include "io/PosixError.h"
#include "io/ProjectPackage.h"
#include "model/BoardLimits.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString invalidDestination = "Save the project with the .tesserly extension.";
const QString unsafeExisting
    = QStringLiteral("That location contains something other than a supported Tesserly "
                     "project. Choose a different name to keep its contents safe.");
const QString invalidManifest = "The board's project information is incomplete or damaged.";
const QString imageTooLarge = BoardLimits::storedImageTooLargeText();
const QString boardTooLarge = BoardLimits::boardTooLargeText();

BoardSettings customSettings()
{
    return BoardSettings(5, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::custom, "Harbour, May", 10, 20, 30, 3000, 20, 50);
}

class ProjectSave : public ::testing::Test
{
protected:
    QString path(const QString& name = "Board.tesserly") const { return folder.filePath(name); }

    QString saveFailure(const QList<BoardPhoto>& photos)
    {
        return FileTesting::failureMessage(
            [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(path())); });
    }

    // A real image under exactly the given name; the import service would have tidied the name.
    static BoardPhoto photo(const QString& fileName = "p.png")
    {
        const BoardPhoto imported = importedPhoto(TestImages::png(QSize(3, 3)), "p.png");
        return BoardPhoto(
            imported.id(), fileName, QString(), imported.imageData(), 3, 3, imported.thumbnail());
    }

    // A photo around arbitrary bytes: saving trusts the photos it is given to hold real images.
    static BoardPhoto withBytes(const QByteArray& bytes)
    {
        return BoardPhoto(QUuid::createUuid(), "b.png", QString(), bytes, 1, 1, QImage());
    }

    // Photos like `photo` with identifiers of their own, sharing its bytes.
    static QList<BoardPhoto> copies(qsizetype count, const BoardPhoto& photo)
    {
        QList<BoardPhoto> photos;
        for (qsizetype index = 0; index < count; ++index) {
            photos.append(BoardPhoto(QUuid::createUuid(), photo.fileName(), photo.caption(),
                photo.imageData(), photo.pixelWidth(), photo.pixelHeight(), {}));
        }
        return photos;
    }

    QStringList folderEntries() const { return FileTesting::folderEntries(folder.path()); }

    QTemporaryDir folder;
};
} // namespace

TEST_F(ProjectSave, DestinationMustBeALocalTesserlyNameInAnExistingFolder)
{
    const std::pair<QUrl, QString> destinations[] = {
        { fileUrl(path("Board.tesserly.zip")), invalidDestination },
        { fileUrl(path("Board")), invalidDestination },
        { fileUrl(path("Board.tesserlyx")), invalidDestination },
        { QUrl("https://example.com/Board.tesserly"), invalidDestination },
        { fileUrl(path("Missing/Board.tesserly")), PosixError(ENOENT, "Board.tesserly").description() },
    };
    for (const auto& [url, failure] : destinations) {
        EXPECT_EQ(
            FileTesting::failureMessage([&] { ProjectPackage::save({ photo() }, BoardSettings(), url); }),
            failure);
    }
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(ProjectSave, AnythingButAnOlderProjectAtTheDestinationIsLeftUntouched)
{
    const QString regularFile = TestImages::writeFile(folder.path(), "File.tesserly", "precious");

    const QString project = PackageBuilder().write(path("Real.tesserly"));
    const QString link = path("Link.tesserly");
    ASSERT_TRUE(QFile::link(project, link));

    const QString plainFolder = path("Folder.tesserly");
    ASSERT_TRUE(QDir().mkpath(plainFolder + "/Images"));
    TestImages::writeFile(plainFolder, "notes.txt", "keep me");

    PackageBuilder laterVersion;
    laterVersion.manifest().insert("schemaVersion", 2);
    const QString later = laterVersion.write(path("Later.tesserly"));

    PackageBuilder otherFormat;
    otherFormat.manifest().insert("format", "com.example.board");
    const QString other = otherFormat.write(path("Other.tesserly"));

    const QString linkedManifest = path("LinkedManifest.tesserly");
    ASSERT_TRUE(QDir().mkpath(linkedManifest + "/Images"));
    ASSERT_TRUE(QFile::link(project + "/manifest.json", linkedManifest + "/manifest.json"));

    for (const QString& destination : { regularFile, link, plainFolder, later, other, linkedManifest }) {
        SCOPED_TRACE(destination.toStdString());
        const auto before = FileTesting::treeSnapshot(destination);
        EXPECT_EQ(FileTesting::failureMessage(
                      [&] { ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(destination)); }),
            unsafeExisting);
        EXPECT_EQ(FileTesting::treeSnapshot(destination), before);
    }
    EXPECT_TRUE(leftoverSaveFolders(folder.path()).isEmpty());
}

TEST_F(ProjectSave, PhotosAreCheckedInBoardOrderBeforeAnythingIsWritten)
{
    const BoardPhoto first = photo();
    const BoardPhoto twin(first.id(), "twin.png", QString(), first.imageData(), 3, 3, {});
    const BoardPhoto empty = withBytes(QByteArray());
    const BoardPhoto slash = photo("a/b.png");
    // Sixty captions of 2,000 family emoji (25 bytes each) are about 3 MB of manifest.
    const BoardPhoto family(QUuid(), "f.png", QStringLiteral("👨‍👩‍👧‍👦").repeated(2000),
        first.imageData(), 3, 3, {});
    const std::pair<QList<BoardPhoto>, QString> cases[] = {
        { copies(61, withBytes("x")), BoardLimits::tooManyPhotosText() },
        { { first, twin }, "The board contains duplicate image identifiers and cannot be opened safely." },
        { { slash },
            invalidManifest }, // display strings are checked as on loading, where their limits are tested
        { { first, empty }, imageTooLarge },
        { { withBytes(QByteArray(67'108'865, '\0')) }, imageTooLarge },
        // One buffer shared by five photos: 320 MiB declared, 64 MiB held.
        { copies(5, withBytes(QByteArray(67'108'864, '\0'))), boardTooLarge },
        { copies(60, family), "The board's project information exceeds the supported size." },
        // A refusal of an earlier photo wins over a later one.
        { { slash, empty }, invalidManifest },
        { { empty, slash }, imageTooLarge },
    };
    for (const auto& [photos, expected] : cases) {
        EXPECT_EQ(saveFailure(photos), expected);
    }
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(ProjectSave, ExactlyTheBoardByteLimitSavesAndOpens)
{
    const BoardPhoto big
        = importedPhoto(TestImages::padded(TestImages::png(QSize(5, 4)), 67'108'864), "big.png");
    QList<BoardPhoto> photos = copies(4, big);
    ASSERT_EQ(saveFailure(photos), QString());
    const LoadedBoard board = ProjectPackage::load(fileUrl(path()));
    ASSERT_EQ(board.photos.size(), 4);
    EXPECT_EQ(board.photos[3].imageData(), big.imageData());

    const QByteArray manifest = FileTesting::fileBytes(path() + "/manifest.json");
    photos.append(withBytes("1"));
    EXPECT_EQ(saveFailure(photos), boardTooLarge);
    EXPECT_EQ(FileTesting::fileBytes(path() + "/manifest.json"), manifest) << "the saved board is untouched";
}

TEST_F(ProjectSave, LeftoversOfKilledSavesGoButARunningSaveKeepsItsFolder)
{
    const QByteArray prefix = AtomicPackageWriter::temporaryPrefix("Board.tesserly");
    const QString stale = path(QString::fromUtf8(prefix + "stale"));
    ASSERT_TRUE(QDir().mkpath(stale + "/Images"));
    TestImages::writeFile(stale, "manifest.json", "{}");
    const QString running = path(QString::fromUtf8(prefix + "running"));
    ASSERT_TRUE(QDir().mkpath(running));
    // Another destination's leftovers are not this save's business.
    const QString otherPrefix = QString::fromUtf8(AtomicPackageWriter::temporaryPrefix("Other.tesserly"));
    ASSERT_TRUE(QDir().mkpath(path(otherPrefix + "stale")));

    const int lock = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
    ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(path()));
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(running));
    EXPECT_TRUE(QFileInfo::exists(path(otherPrefix + "stale")));

    ::close(lock);
    ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(path()));
    EXPECT_FALSE(QFileInfo::exists(running));
    EXPECT_EQ(ProjectPackage::load(fileUrl(path())).photos.size(), 1);
}

TEST_F(ProjectSave, ALongNameLeavesRoomForTheTemporaryFolder)
{
    const QString longName = QStringLiteral("é").repeated(123) + ".tesserly";
    ASSERT_EQ(QFile::encodeName(longName).size(), 255);
    ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(path(longName)));
    ProjectPackage::save({ photo(), photo() }, BoardSettings(), fileUrl(path(longName)));
    EXPECT_EQ(ProjectPackage::load(fileUrl(path(longName))).photos.size(), 2);
    EXPECT_EQ(folderEntries(), QStringList { longName });
}

TEST_F(ProjectSave, EveryDescriptorIsClosedOnEveryPathOfSavingAndLoading)
{
    const QString regularFile = TestImages::writeFile(folder.path(), "File.tesserly", "x");
    const QString plainFolder = path("Folder.tesserly");
    ASSERT_TRUE(QDir().mkpath(plainFolder));
    PackageBuilder shorter;
    const QUuid id = shorter.addImage(TestImages::png(QSize(6, 6)));
    shorter.imageFiles()[PackageBuilder::imageName(id)].chop(1);
    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    const QList<QUrl> packages { fileUrl(shorter.write(path("Short.tesserly"))),
        fileUrl(noImagesFolder.write(path("NoImages.tesserly"))), fileUrl(path()) };
    const QList<BoardPhoto> photos { photo(), photo() };
    const auto round = [&] {
        FileTesting::failureMessage(
            [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(regularFile)); });
        FileTesting::failureMessage(
            [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(plainFolder)); });
        ProjectPackage::save(photos, BoardSettings(), fileUrl(path()));
        for (const QUrl& package : packages) {
            FileTesting::failureMessage([&] { ProjectPackage::load(package); });
        }
    };
    round(); // anything the libraries open once and keep is open from now on
    const int before = FileTesting::openDescriptorCount();
    for (int count = 0; count < 10; ++count) {
        round();
    }
    EXPECT_EQ(FileTesting::openDescriptorCount(), before);
}

TEST_F(ProjectSave, WhatTookAnOldProjectsPlaceAfterItsCheckIsPutBack)
{
    ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(path()));
    {
        AtomicPackageWriter writer(path());
        writer.write({ AtomicPackageWriter::File { "manifest.json", "{}" } }, "Images",
            { AtomicPackageWriter::File { "a.image", "a" } });
        // Between the check and the swap, the project is replaced by someone's own folder.
        ASSERT_TRUE(QDir(path()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(path("Board.tesserly/mine")));
        TestImages::writeFile(path("Board.tesserly/mine"), "letter.txt", "dear");
        const auto before = FileTesting::treeSnapshot(path());

        QByteArray checkedName;
        const QString failure = FileTesting::failureMessage([&] {
            writer.commit(true, [&](int, const QByteArray& name) {
                checkedName = name;
                throw PosixError(EPERM);
            });
        });
        EXPECT_EQ(failure, PosixError(EPERM).description());
        EXPECT_TRUE(checkedName.startsWith(AtomicPackageWriter::temporaryPrefix("Board.tesserly")))
            << "the displaced item is checked where it was moved";
        EXPECT_EQ(FileTesting::treeSnapshot(path()), before);
    }
    EXPECT_EQ(folderEntries(), QStringList { "Board.tesserly" });
}

TEST_F(ProjectSave, ManifestHasTheFixedLayoutEveryFormatReopensAndNothingOfAnOlderSaveStays)
{
    // The extension is compared in lower case and a trailing slash is harmless.
    const QString loud = path("Loud.TESSERLY");
    ProjectPackage::save({}, BoardSettings(), fileUrl(loud));
    EXPECT_EQ(FileTesting::treeSnapshot(loud).keys(), QStringList({ ".", "Images", "manifest.json" }));
    ProjectPackage::save(
        { importedPhoto(TestImages::png(QSize(5, 5)), "older.png") }, BoardSettings(), fileUrl(loud));

    const QImage picture = TestImages::quadrants(QSize(64, 48));
    const QList<BoardPhoto> photos {
        importedPhoto(TestImages::png(picture), "harbour.png", "The harbour"),
        importedPhoto(TestImages::jpeg(picture, 6), "turned.jpg", "Tür 👩‍👩‍👧"),
        importedPhoto(TestImages::tiff(QSize(30, 20)), "scan.tiff"),
        importedPhoto(TestImages::gif(QSize(12, 34)), "loop.gif", "loop"),
        importedPhoto(TestImages::bmp(QSize(7, 5)), "tiny.bmp", "   "),
        importedPhoto(TestImages::heic(picture, 8), "phone.heic", "HEIC"),
        importedPhoto(TestImages::heif(picture), "camera.heif", "HEIF"),
    };
    // The JPEG's orientation swaps its axes; the reopened photo must be upright too.
    ASSERT_EQ(QSize(photos[1].pixelWidth(), photos[1].pixelHeight()), QSize(48, 64));
    BoardSettings settings = customSettings();
    settings.outputWidth = 9000;
    ProjectPackage::save(photos, settings, fileUrl(loud + "/"));

    QJsonArray records;
    QMap<QString, QByteArray> expectedTree { { ".", "folder" }, { "Images", "folder" } };
    for (const BoardPhoto& photo : photos) {
        const QString lower = photo.id().toString(QUuid::WithoutBraces);
        records.append(QJsonObject { { "byteCount", photo.imageData().size() },
            { "caption", photo.caption() }, { "fileName", photo.fileName() }, { "id", lower.toUpper() },
            { "imagePath", "Images/" + lower + ".image" } });
        expectedTree.insert("Images/" + lower + ".image", photo.imageData());
    }
    const QJsonObject expected { { "format", "com.vandrel.tesserly.project" }, { "photos", records },
        { "schemaVersion", 1 }, { "settings", settings.normalized().toJson() } };
    QMap<QString, QByteArray> tree = FileTesting::treeSnapshot(loud);
    const QByteArray text = tree.take("manifest.json");
    EXPECT_EQ(tree, expectedTree);
    EXPECT_EQ(text, QJsonDocument(expected).toJson(QJsonDocument::Indented)) << "pretty-printed, keys sorted";
    EXPECT_EQ(folderEntries(), QStringList { "Loud.TESSERLY" })
        << "neither the old tree nor the temporary folder is left beside it";

    const LoadedBoard board = ProjectPackage::load(fileUrl(loud));
    ASSERT_EQ(board.photos.size(), photos.size());
    for (qsizetype index = 0; index < photos.size(); ++index) {
        const BoardPhoto& loaded = board.photos[index];
        SCOPED_TRACE(photos[index].fileName().toStdString());
        EXPECT_EQ(loaded.id(), photos[index].id());
        EXPECT_EQ(loaded.fileName(), photos[index].fileName());
        EXPECT_EQ(loaded.caption(), photos[index].caption());
        EXPECT_EQ(loaded.imageData(), photos[index].imageData());
        EXPECT_EQ(QSize(loaded.pixelWidth(), loaded.pixelHeight()),
            QSize(photos[index].pixelWidth(), photos[index].pixelHeight()));
        EXPECT_FALSE(loaded.thumbnail().isNull());
    }
    EXPECT_EQ(board.settings, settings.normalized());
}

TEST_F(ProjectSave, PackagesWrittenInAnotherSpellingOpen)
{
    // Two-space indentation, " : " separators, escaped slashes, a lower-case identifier, an
    // integral number written with a fraction and members this version does not know.
    const QByteArray image = TestImages::png(QSize(9, 4));
    const QString id = "3f2504e0-4f89-11d3-9a0c-0305e82c3301";
    const QByteArray manifest = QStringLiteral(R"({
  "format" : "com.vandrel.tesserly.project", "generator" : "Tesserly 2.0",
  "photos" : [ { "byteCount" : %1, "caption" : "Quay \/ dusk", "colourLabel" : "red",
      "fileName" : "quay.png", "id" : "%2", "imagePath" : "Images\/%2.image" } ],
  "schemaVersion" : 1.0,
  "settings" : { "background" : "dark", "captionFontSize" : 80, "captionMode" : "custom", "cellAspect" : "square",
    "columns" : 40, "cornerRadius" : 0, "outputWidth" : 2400, "padding" : 48, "photoFit" : "fill",
    "showNumbers" : false, "spacing" : 24, "title" : "Quay", "titleFontSize" : 48, "future" : true }
})")
                                    .arg(image.size())
                                    .arg(id)
                                    .toUtf8();
    QDir(folder.path()).mkpath("Quay.tesserly/Images");
    TestImages::writeFile(path("Quay.tesserly"), "manifest.json", manifest);
    TestImages::writeFile(path("Quay.tesserly/Images"), id + ".image", image);

    const LoadedBoard board = ProjectPackage::load(fileUrl(path("Quay.tesserly")));
    ASSERT_EQ(board.photos.size(), 1);
    EXPECT_EQ(board.photos[0].id(), QUuid::fromString(id));
    EXPECT_EQ(board.photos[0].caption(), "Quay / dusk");
    EXPECT_EQ(board.settings.columns, 6) << "normalized on reading";
}
