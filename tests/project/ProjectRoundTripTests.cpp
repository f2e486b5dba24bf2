#include "ProjectTesting.h"
#include "support/TestImages.h"

#include "io/ProjectManifest.h"
#include "io/ProjectPackage.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>

namespace {
class ProjectRoundTrip : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("Board.tesserly")) const
    {
        return folder.filePath(name);
    }

    static void expectSamePhotos(const QList<BoardPhoto>& loaded, const QList<BoardPhoto>& saved)
    {
        ASSERT_EQ(loaded.size(), saved.size());
        for (qsizetype index = 0; index < saved.size(); ++index) {
            SCOPED_TRACE(saved[index].fileName().toStdString());
            EXPECT_EQ(loaded[index].id(), saved[index].id());
            EXPECT_EQ(loaded[index].fileName(), saved[index].fileName());
            EXPECT_EQ(loaded[index].caption(), saved[index].caption());
            EXPECT_EQ(loaded[index].imageData(), saved[index].imageData());
            EXPECT_EQ(loaded[index].pixelWidth(), saved[index].pixelWidth());
            EXPECT_EQ(loaded[index].pixelHeight(), saved[index].pixelHeight());
            EXPECT_FALSE(loaded[index].thumbnail().isNull());
        }
    }

    QTemporaryDir folder;
};

BoardSettings customSettings()
{
    return BoardSettings(5, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::custom, QStringLiteral("Harbour, May"), 10, 20, 30, 3000, 20, 50);
}
} // namespace

TEST_F(ProjectRoundTrip, EveryFormatKeepsItsBytesCaptionOrderAndIdentifier)
{
    const QImage picture = TestImages::quadrants(QSize(64, 48));
    const QList<BoardPhoto> photos {
        importedPhoto(TestImages::png(picture), QStringLiteral("harbour.png"), QStringLiteral("The harbour")),
        importedPhoto(TestImages::jpeg(picture, 6), QStringLiteral("turned.jpg"),
            QStringLiteral("Tür 👩‍👩‍👧")),
        importedPhoto(TestImages::tiff(QSize(30, 20)), QStringLiteral("scan.tiff")),
        importedPhoto(TestImages::gif(QSize(12, 34)), QStringLiteral("loop.gif"), QStringLiteral("loop")),
        importedPhoto(TestImages::bmp(QSize(7, 5)), QStringLiteral("tiny.bmp"), QStringLiteral("   ")),
        importedPhoto(TestImages::heic(picture, 8), QStringLiteral("phone.heic"), "HEIC"),
        importedPhoto(TestImages::heif(picture), QStringLiteral("camera.heif"), "HEIF"),
    };
    // The JPEG's orientation swaps its axes; the reopened photo must be upright too.
    ASSERT_EQ(photos[1].pixelWidth(), 48);
    ASSERT_EQ(photos[1].pixelHeight(), 64);

    ProjectPackage::save(photos, customSettings(), fileUrl(path()));
    const LoadedBoard board = ProjectPackage::load(fileUrl(path()));

    expectSamePhotos(board.photos, photos);
    EXPECT_EQ(board.settings, customSettings());
}

TEST_F(ProjectRoundTrip, ManifestHasTheFixedLayoutAndNothingOfAnOlderSaveStays)
{
    ProjectPackage::save({}, BoardSettings(), fileUrl(path()));
    EXPECT_EQ(FileTesting::treeSnapshot(path()).keys(), QStringList({ ".", "Images", "manifest.json" }));
    ProjectPackage::save({ importedPhoto(TestImages::png(QSize(5, 5)), QStringLiteral("older.png")) },
        BoardSettings(), fileUrl(path()));

    const QList<BoardPhoto> photos { importedPhoto(
                                         TestImages::png(QSize(4, 4)), QStringLiteral("a.png"), "A"),
        importedPhoto(TestImages::bmp(QSize(3, 3)), QStringLiteral("b.bmp"), "B") };
    BoardSettings settings = customSettings();
    settings.outputWidth = 9000;
    ProjectPackage::save(photos, settings, fileUrl(path()));

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
    QMap<QString, QByteArray> tree = FileTesting::treeSnapshot(path());
    const QByteArray text = tree.take(QStringLiteral("manifest.json"));
    EXPECT_EQ(tree, expectedTree);
    EXPECT_EQ(text, QJsonDocument(expected).toJson(QJsonDocument::Indented)) << "pretty-printed, keys sorted";
    EXPECT_EQ(FileTesting::folderEntries(folder.path()), QStringList { QStringLiteral("Board.tesserly") })
        << "neither the old tree nor the temporary folder is left beside it";
}

TEST_F(ProjectRoundTrip, ExtensionIsComparedInLowerCaseAndATrailingSlashIsHarmless)
{
    const QList<BoardPhoto> photos { importedPhoto(TestImages::png(QSize(5, 5)), QStringLiteral("one.png")) };
    ProjectPackage::save(photos, BoardSettings(), fileUrl(path(QStringLiteral("Loud.TESSERLY"))));
    expectSamePhotos(ProjectPackage::load(fileUrl(path(QStringLiteral("Loud.TESSERLY")))).photos, photos);
    expectSamePhotos(ProjectPackage::load(fileUrl(path(QStringLiteral("Loud.TESSERLY/")))).photos, photos);

    ProjectPackage::save(photos, customSettings(), fileUrl(path(QStringLiteral("Slash.tesserly/"))));
    EXPECT_EQ(
        ProjectPackage::load(fileUrl(path(QStringLiteral("Slash.tesserly")))).settings, customSettings());
}

TEST_F(ProjectRoundTrip, PackagesInTheOtherPlatformsSpellingOpen)
{
    // Two-space indentation, " : " separators, escaped slashes, a lower-case identifier, an
    // integral number written with a fraction and members this version does not know.
    const QByteArray image = TestImages::png(QSize(9, 4));
    const QString id = QStringLiteral("3f2504e0-4f89-11d3-9a0c-0305e82c3301");
    const QByteArray manifest = QStringLiteral(R"({
  "format" : "com.vandrel.tesserly.project",
  "generator" : "Tesserly 2.0",
  "photos" : [
    {
      "byteCount" : %1,
      "caption" : "Quay \/ dusk",
      "colourLabel" : "red",
      "fileName" : "quay.png",
      "id" : "%2",
      "imagePath" : "Images\/%2.image"
    }
  ],
  "schemaVersion" : 1.0,
  "settings" : {
    "background" : "dark", "captionFontSize" : 80, "captionMode" : "custom", "cellAspect" : "square",
    "columns" : 40, "cornerRadius" : 0, "outputWidth" : 2400, "padding" : 48, "photoFit" : "fill",
    "showNumbers" : false, "spacing" : 24, "title" : "Quay", "titleFontSize" : 48, "future" : true
  }
})")
                                    .arg(image.size())
                                    .arg(id)
                                    .toUtf8();
    QDir(folder.path()).mkpath(QStringLiteral("Quay.tesserly/Images"));
    TestImages::writeFile(path(QStringLiteral("Quay.tesserly")), QStringLiteral("manifest.json"), manifest);
    TestImages::writeFile(path(QStringLiteral("Quay.tesserly/Images")), id + ".image", image);

    const LoadedBoard board = ProjectPackage::load(fileUrl(path(QStringLiteral("Quay.tesserly"))));
    ASSERT_EQ(board.photos.size(), 1);
    EXPECT_EQ(board.photos[0].id(), QUuid::fromString(id));
    EXPECT_EQ(board.photos[0].caption(), QStringLiteral("Quay / dusk"));
    EXPECT_EQ(board.photos[0].pixelWidth(), 9);
    EXPECT_EQ(board.settings.columns, 6) << "normalized on reading";
    EXPECT_EQ(board.settings.captionFontSize, 60);
    EXPECT_EQ(board.settings.background, BoardBackground::dark);
}
