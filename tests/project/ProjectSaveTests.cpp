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
#include <QTemporaryDir>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString invalidDestination = QStringLiteral("Save the project with the .tesserly extension.");
const QString unsafeExisting
    = QStringLiteral("That location contains something other than a supported Tesserly "
                     "project. Choose a different name to keep its contents safe.");
const QString invalidManifest = QStringLiteral("The board's project information is incomplete or damaged.");
const QString imageTooLarge = BoardLimits::storedImageTooLargeText();
const QString boardTooLarge = BoardLimits::boardTooLargeText();

class ProjectSave : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("Board.tesserly")) const
    {
        return folder.filePath(name);
    }

    QString saveFailure(const QList<BoardPhoto>& photos)
    {
        return FileTesting::failureMessage(
            [&] { ProjectPackage::save(photos, BoardSettings(), fileUrl(path())); });
    }

    // A real image under exactly the given name; the import service would have tidied the name.
    static BoardPhoto photo(const QString& fileName = QStringLiteral("p.png"))
    {
        const BoardPhoto imported = importedPhoto(TestImages::png(QSize(3, 3)), QStringLiteral("p.png"));
        return BoardPhoto(
            imported.id(), fileName, QString(), imported.imageData(), 3, 3, imported.thumbnail());
    }

    // A photo around arbitrary bytes: saving trusts the photos it is given to hold real images.
    static BoardPhoto withBytes(const QByteArray& bytes)
    {
        return BoardPhoto(QUuid::createUuid(), QStringLiteral("b.png"), QString(), bytes, 1, 1, QImage());
    }

    QStringList folderEntries() const { return FileTesting::folderEntries(folder.path()); }

    QTemporaryDir folder;
};
} // namespace

TEST_F(ProjectSave, DestinationMustBeALocalTesserlyNameInAnExistingFolder)
{
    const std::pair<QUrl, QString> destinations[] = {
        { fileUrl(path(QStringLiteral("Board.tesserly.zip"))), invalidDestination },
        { fileUrl(path(QStringLiteral("Board"))), invalidDestination },
        { fileUrl(path(QStringLiteral("Board.tesserlyx"))), invalidDestination },
        { QUrl(QStringLiteral("https://example.com/Board.tesserly")), invalidDestination },
        { fileUrl(path(QStringLiteral("Missing/Board.tesserly"))),
            PosixError(ENOENT, "Board.tesserly").description() },
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
    const QString regularFile
        = TestImages::writeFile(folder.path(), QStringLiteral("File.tesserly"), "precious");

    const QString project = PackageBuilder().write(path(QStringLiteral("Real.tesserly")));
    const QString link = path(QStringLiteral("Link.tesserly"));
    ASSERT_TRUE(QFile::link(project, link));

    const QString plainFolder = path(QStringLiteral("Folder.tesserly"));
    ASSERT_TRUE(QDir().mkpath(plainFolder + "/Images"));
    TestImages::writeFile(plainFolder, QStringLiteral("notes.txt"), "keep me");

    PackageBuilder laterVersion;
    laterVersion.manifest().insert(QStringLiteral("schemaVersion"), 2);
    const QString later = laterVersion.write(path(QStringLiteral("Later.tesserly")));

    PackageBuilder otherFormat;
    otherFormat.manifest().insert(QStringLiteral("format"), QStringLiteral("com.example.board"));
    const QString other = otherFormat.write(path(QStringLiteral("Other.tesserly")));

    const QString linkedManifest = path(QStringLiteral("LinkedManifest.tesserly"));
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
    QList<BoardPhoto> sixtyOne;
    for (int index = 0; index < 61; ++index) {
        sixtyOne.append(withBytes("x"));
    }
    EXPECT_EQ(saveFailure(sixtyOne), BoardLimits::tooManyPhotosText());

    const BoardPhoto first = photo(QStringLiteral("first.png"));
    const BoardPhoto twin(
        first.id(), QStringLiteral("twin.png"), QStringLiteral("other"), first.imageData(), 3, 3, {});
    EXPECT_EQ(saveFailure({ first, twin }),
        QStringLiteral("The board contains duplicate image identifiers and cannot be opened safely."));

    // Display strings are checked as on loading, where their limits are tested.
    EXPECT_EQ(saveFailure({ photo(QStringLiteral("a/b.png")) }), invalidManifest);
    EXPECT_EQ(saveFailure({ photo(), withBytes(QByteArray()) }), imageTooLarge);
    EXPECT_EQ(saveFailure({ withBytes(QByteArray(67'108'865, '\0')) }), imageTooLarge);
    // One buffer shared by five photos: 320 MiB declared, 64 MiB held.
    const QByteArray sixtyFour(67'108'864, '\0');
    EXPECT_EQ(saveFailure({ withBytes(sixtyFour), withBytes(sixtyFour), withBytes(sixtyFour),
                  withBytes(sixtyFour), withBytes(sixtyFour) }),
        boardTooLarge);

    // A refusal of an earlier photo wins over a later one.
    EXPECT_EQ(saveFailure({ photo(QStringLiteral("a/b.png")), withBytes(QByteArray()) }), invalidManifest);
    EXPECT_EQ(saveFailure({ withBytes(QByteArray()), photo(QStringLiteral("a/b.png")) }), imageTooLarge);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(ProjectSave, ManifestOverOneMebibyteIsRefused)
{
    // Sixty captions of 2,000 family emoji (25 bytes each) are about 3 MB of manifest.
    const QString caption = QStringLiteral("👨‍👩‍👧‍👦").repeated(2000);
    const BoardPhoto image = photo();
    QList<BoardPhoto> photos;
    for (int index = 0; index < 60; ++index) {
        photos.append(
            BoardPhoto(QUuid::createUuid(), image.fileName(), caption, image.imageData(), 3, 3, {}));
    }
    EXPECT_EQ(
        saveFailure(photos), QStringLiteral("The board's project information exceeds the supported size."));
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(ProjectSave, ExactlyTheBoardByteLimitSavesAndOpens)
{
    const BoardPhoto big
        = importedPhoto(TestImages::padded(TestImages::png(QSize(5, 4)), 67'108'864), "big.png");
    QList<BoardPhoto> photos;
    for (int index = 0; index < 4; ++index) {
        photos.append(BoardPhoto(QUuid::createUuid(), big.fileName(), QString(), big.imageData(), 5, 4, {}));
    }
    ASSERT_EQ(saveFailure(photos), QString());
    const LoadedBoard board = ProjectPackage::load(fileUrl(path()));
    ASSERT_EQ(board.photos.size(), 4);
    EXPECT_EQ(board.photos[3].imageData(), big.imageData());

    const QString manifestPath = path(QStringLiteral("Board.tesserly/manifest.json"));
    const QByteArray manifest = FileTesting::treeSnapshot(manifestPath).value(QStringLiteral("."));
    photos.append(withBytes("1"));
    EXPECT_EQ(saveFailure(photos), boardTooLarge);
    EXPECT_EQ(FileTesting::treeSnapshot(path()).value(QStringLiteral("manifest.json")), manifest)
        << "the saved board is untouched";
}

TEST_F(ProjectSave, LeftoversOfKilledSavesGoButARunningSaveKeepsItsFolder)
{
    const QByteArray prefix = AtomicPackageWriter::temporaryPrefix("Board.tesserly");
    const QString stale = path(QString::fromUtf8(prefix + "stale"));
    ASSERT_TRUE(QDir().mkpath(stale + "/Images"));
    TestImages::writeFile(stale, QStringLiteral("manifest.json"), "{}");
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

TEST_F(ProjectSave, TemporaryNamesStayShortAndHiddenForLongNames)
{
    const QString longName = QStringLiteral("é").repeated(120) + QStringLiteral(".tesserly");
    ASSERT_LE(QFile::encodeName(longName).size(), 255);
    const QByteArray prefix = AtomicPackageWriter::temporaryPrefix(QFile::encodeName(longName));
    EXPECT_TRUE(prefix.startsWith('.'));
    EXPECT_LE(prefix.size() + 13, 255) << "room for the random part";
    EXPECT_TRUE(QString::fromUtf8(prefix).toUtf8() == prefix) << "no character cut in half";
    EXPECT_NE(prefix,
        AtomicPackageWriter::temporaryPrefix(
            QFile::encodeName(QStringLiteral("é").repeated(121) + ".tesserly")));

    ProjectPackage::save({ photo() }, BoardSettings(), fileUrl(path(longName)));
    EXPECT_EQ(ProjectPackage::load(fileUrl(path(longName))).photos.size(), 1);
    EXPECT_EQ(folderEntries(), QStringList { longName });
}

TEST_F(ProjectSave, EveryDescriptorIsClosedOnEveryPathOfSavingAndLoading)
{
    const QString regularFile = TestImages::writeFile(folder.path(), QStringLiteral("File.tesserly"), "x");
    const QString plainFolder = path(QStringLiteral("Folder.tesserly"));
    ASSERT_TRUE(QDir().mkpath(plainFolder));
    PackageBuilder shorter;
    const QUuid id = shorter.addImage(TestImages::png(QSize(6, 6)));
    shorter.imageFiles()[PackageBuilder::imageName(id)].chop(1);
    PackageBuilder noImagesFolder;
    noImagesFolder.setWritesImagesFolder(false);
    PackageBuilder wrongPath;
    wrongPath.addImage(TestImages::png(QSize(6, 6)));
    wrongPath.record(0).insert(QStringLiteral("imagePath"), QStringLiteral("x"));
    const QList<QUrl> packages { fileUrl(shorter.write(path(QStringLiteral("Short.tesserly")))),
        fileUrl(noImagesFolder.write(path(QStringLiteral("NoImages.tesserly")))),
        fileUrl(wrongPath.write(path(QStringLiteral("WrongPath.tesserly")))), fileUrl(path()) };
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
        writer.write({ AtomicPackageWriter::File { QStringLiteral("manifest.json"), "{}" } },
            QStringLiteral("Images"), { AtomicPackageWriter::File { QStringLiteral("a.image"), "a" } });
        // Between the check and the swap, the project is replaced by someone's own folder.
        ASSERT_TRUE(QDir(path()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Board.tesserly/mine"))));
        TestImages::writeFile(
            path(QStringLiteral("Board.tesserly/mine")), QStringLiteral("letter.txt"), "dear");
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
    EXPECT_EQ(folderEntries(), QStringList { QStringLiteral("Board.tesserly") });
}
