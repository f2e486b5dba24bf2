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
#include <tuple>
#include <unistd.h>

namespace {
const QString invalidDestination = "Save the project with the .tesserly extension.";
const QString unsafeExisting
    = QStringLiteral("That location contains something other than a supported Tesserly "
                     "project. Choose a different name to keep its contents safe.");
const QString invalidManifest = "The board's project information is incomplete or damaged.";
const QString imageTooLarge = BoardLimits::storedImageTooLargeText();
const QString boardTooLarge = BoardLimits::boardTooLargeText();

class ProjectSave : public ::testing::Test
{
protected:
    QString path(const QString& name = "Board.tesserly") const { return folder.filePath(name); }

    QString saveFailure(const QList<BoardPhoto>& photos)
    {
        return FileTesting::failureMessage(
            [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(path())); });
    }

    // A photo under exactly the given name (the import service would have tidied it) around the
    // given bytes: saving trusts the photos it is given to hold real images.
    static BoardPhoto photo(
        const QString& fileName = "p.png", const QByteArray& bytes = TestImages::png(QSize(3, 3)))
    {
        return BoardPhoto(QUuid::createUuid(), fileName, QString(), bytes, 3, 3, QImage());
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

    QTemporaryDir folder;
};
} // namespace

TEST_F(ProjectSave, DestinationMustBeALocalTesserlyNameInAnExistingFolder)
{
    const std::pair<QUrl, QString> destinations[] = {
        { fileUrl(path("Board.tesserly.zip")), invalidDestination },
        { fileUrl(path("Board.tesserlyx")), invalidDestination },
        { QUrl("https://example.com/Board.tesserly"), invalidDestination },
        { fileUrl(path("Missing/Board.tesserly")), PosixError(ENOENT, "Board.tesserly").description() },
    };
    for (const auto& [url, failure] : destinations) {
        EXPECT_EQ(
            FileTesting::failureMessage([&] { ProjectPackage::save({ photo() }, BoardSettings(), url); }),
            failure);
    }
    EXPECT_TRUE(FileTesting::folderEntries(folder.path()).isEmpty());
}

TEST_F(ProjectSave, AnythingButAnOlderProjectAtTheDestinationIsLeftUntouched)
{
    TestImages::writeFile(folder.path(), "File.tesserly", "precious");
    const QString project = PackageBuilder().write(path("Real.tesserly"));
    ASSERT_TRUE(QFile::link(project, path("Link.tesserly")));
    ASSERT_TRUE(QDir().mkpath(path("Folder.tesserly/Images")));
    TestImages::writeFile(path("Folder.tesserly"), "notes.txt", "keep me");
    PackageBuilder later;
    later.manifest().insert("schemaVersion", 2);
    later.write(path("Later.tesserly"));
    PackageBuilder other;
    other.manifest().insert("format", "com.example.board");
    other.write(path("Other.tesserly"));
    ASSERT_TRUE(QDir().mkpath(path("LinkedManifest.tesserly/Images")));
    ASSERT_TRUE(QFile::link(project + "/manifest.json", path("LinkedManifest.tesserly/manifest.json")));

    for (const QString name : { "File", "Link", "Folder", "Later", "Other", "LinkedManifest" }) {
        SCOPED_TRACE(name.toStdString());
        const QString destination = path(name + ".tesserly");
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
    const BoardPhoto empty = photo("b.png", QByteArray());
    const BoardPhoto maxImage = photo("b.png", QByteArray(67'108'864, '\0'));
    const BoardPhoto slash = photo("a/b.png");
    // Sixty captions of 2,000 family emoji (25 bytes each) are about 3 MB of manifest.
    const BoardPhoto family(QUuid(), "f.png", QStringLiteral("👨‍👩‍👧‍👦").repeated(2000),
        first.imageData(), 3, 3, {});
    const std::pair<QList<BoardPhoto>, QString> cases[] = {
        { copies(61, photo("b.png", "x")), BoardLimits::tooManyPhotosText() },
        { { first, twin }, "The board contains duplicate image identifiers and cannot be opened safely." },
        { { slash },
            invalidManifest }, // display strings are checked as on loading, where their limits are tested
        { { first, empty }, imageTooLarge },
        { { photo("b.png", maxImage.imageData() + '\0') }, imageTooLarge },
        // One buffer shared by the photos: 256 MiB and one byte declared, 64 MiB held.
        { copies(4, maxImage) << photo("b.png", "1"), boardTooLarge },
        { copies(4, maxImage) << empty, imageTooLarge }, // exactly the board limit passes
        { copies(60, family), "The board's project information exceeds the supported size." },
        // A refusal of an earlier photo wins over a later one.
        { { slash, empty }, invalidManifest },
        { { empty, slash }, imageTooLarge },
    };
    for (const auto& [photos, expected] : cases) {
        EXPECT_EQ(saveFailure(photos), expected);
    }
    EXPECT_TRUE(FileTesting::folderEntries(folder.path()).isEmpty());
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

TEST_F(ProjectSave, EveryDescriptorIsClosedOnEveryPathOfSavingAndLoading)
{
    TestImages::writeFile(folder.path(), "File.tesserly", "x");
    ASSERT_TRUE(QDir().mkpath(path("Folder.tesserly")));
    PackageBuilder shorter;
    shorter.imageFiles()[PackageBuilder::imageName(shorter.addImage(TestImages::png(QSize(6, 6))))].chop(1);
    shorter.write(path("Short.tesserly"));
    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    noImagesFolder.write(path("NoImages.tesserly"));
    const QList<BoardPhoto> photos { photo(), photo() };
    const auto round = [&] {
        for (const char* name : { "File.tesserly", "Folder.tesserly", "Board.tesserly" }) {
            FileTesting::failureMessage(
                [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(path(name))); });
        }
        for (const char* name : { "Short.tesserly", "NoImages.tesserly", "Board.tesserly" }) {
            FileTesting::failureMessage([&] { ProjectPackage::load(fileUrl(path(name))); });
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
    EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { "Board.tesserly" });
}

TEST_F(ProjectSave, ManifestHasTheFixedLayoutEveryFormatReopensAndNothingOfAnOlderSaveStays)
{
    // The extension is compared in lower case, a trailing slash is harmless, and a name of 255
    // bytes leaves room for the temporary folder beside it.
    const QString name = QStringLiteral("é").repeated(121) + "Loud.TESSERLY";
    ASSERT_EQ(QFile::encodeName(name).size(), 255);
    const QString loud = path(name);
    ProjectPackage::save({}, BoardSettings(), fileUrl(loud));
    EXPECT_EQ(FileTesting::treeSnapshot(loud).keys(), QStringList({ ".", "Images", "manifest.json" }));
    ProjectPackage::save(
        { importedPhoto(TestImages::png(QSize(5, 5)), "older.png") }, BoardSettings(), fileUrl(loud));

    const QImage picture = TestImages::quadrants(QSize(64, 48));
    const QList<BoardPhoto> photos {
        importedPhoto(TestImages::png(picture), "harbour.png", "The harbour"),
        importedPhoto(TestImages::jpeg(picture, 6), "turned.jpg", "Tür 👩‍👩‍👧"),
        importedPhoto(TestImages::tiff(QSize(30, 20)), "scan.tiff"),
        // The longest caption a project keeps, whole.
        importedPhoto(TestImages::gif(QSize(12, 34)), "loop.gif",
            QStringLiteral("👨‍👩‍👧‍👦").repeated(2000)),
        importedPhoto(TestImages::bmp(QSize(7, 5)), "tiny.bmp", "   "),
        importedPhoto(TestImages::heic(picture, 8), "phone.heic", "HEIC"),
        importedPhoto(TestImages::heif(picture), "camera.heif", "HEIF"),
    };
    // The JPEG's orientation swaps its axes; the reopened photo must be upright too.
    ASSERT_EQ(QSize(photos[1].pixelWidth(), photos[1].pixelHeight()), QSize(48, 64));
    const BoardSettings settings(5, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::custom, "Harbour, May", 10, 20, 30, 9000, 20, 50);
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
    EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { name })
        << "neither the old tree nor the temporary folder is left beside it";

    const auto contents = [](const QList<BoardPhoto>& list) {
        QList<std::tuple<QUuid, QString, QString, QByteArray, QSize, bool>> rows;
        for (const BoardPhoto& p : list) {
            rows.append({ p.id(), p.fileName(), p.caption(), p.imageData(),
                QSize(p.pixelWidth(), p.pixelHeight()), p.thumbnail().isNull() });
        }
        return rows;
    };
    const LoadedBoard board = ProjectPackage::load(fileUrl(loud));
    EXPECT_EQ(contents(board.photos), contents(photos));
    EXPECT_EQ(board.settings, settings.normalized());
}
