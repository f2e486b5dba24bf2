#include "io/BoardProjectError.h"
#include "io/BoundedFileError.h"
#include "io/ImageImportError.h"
#include "io/PosixError.h"
#include "model/BoardLimits.h"
#include "render/BoardRenderError.h"
#include "support/TestImages.h"
#include "TesserlyProcess.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using RenderInputs = RenderInFolder;

TEST_F(RenderInputs, BadInputsAreListedAndTheGoodOnesMakeTheBoard)
{
    const QStringList good = writeImages(3);
    TestImages::writeFile(folder, "notes.txt", "not an image at all");
    TestImages::writeFile(folder, "Anim.webp", TestImages::webp(QSize(10, 10)));
    ASSERT_TRUE(QDir(folder.path()).mkdir("Holiday"));

    const auto clean = render(good + QStringList { "-o", "good.png" });
    ASSERT_EQ(clean.exitCode, 0) << clean.standardError.toStdString();

    // Two refused files of one name are told apart by the paths they were given as.
    ASSERT_TRUE(QDir(folder.path()).mkpath("d1") && QDir(folder.path()).mkpath("d2"));
    TestImages::writeFile(path("d1"), "notes.txt", "not an image either");
    TestImages::writeFile(path("d2"), "notes.txt", "nor this");
    const QStringList mixed { good.at(0), "notes.txt", good.at(1), "Holiday", "missing.png", "Anim.webp",
        "d1/notes.txt", path("d2/notes.txt"), good.at(2) };
    const auto result = render(mixed + QStringList { "-o", "mixed.png" });
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.standardOutput.isEmpty());
    const QString unreadable = ": " + ImageImportError(ImageImportError::Kind::unreadableImage).description();
    EXPECT_EQ(result.errorLines(),
        QStringList(
            { "notes.txt" + unreadable, "Holiday: " + BoundedFileError::notRegularFile().description(),
                "missing.png: " + PosixError(ENOENT, "missing.png").description(),
                "Anim.webp: " + ImageImportError(ImageImportError::Kind::unsupportedFormat).description(),
                "d1/notes.txt" + unreadable, path("d2/notes.txt") + unreadable }));
    // The refused inputs leave no trace: the board is the one of the good images alone.
    EXPECT_EQ(readAll("mixed.png"), readAll("good.png"));
}

TEST_F(RenderInputs, SixtyFiveImagesGiveSixtyAndALineForEachOneBeyond)
{
    const QStringList names = writeImages(65);
    const auto result = render(names + QStringList { "--columns", "6", "-o", "Many.tesserly" });
    EXPECT_EQ(result.exitCode, 3);
    QStringList expected;
    for (const QString& name : names.mid(60)) {
        expected << BoardLimits::beyondCountLine(name);
    }
    EXPECT_EQ(result.errorLines(), expected);
    const QJsonArray photos = manifestOf("Many.tesserly").value("photos").toArray();
    ASSERT_EQ(photos.size(), 60);
    EXPECT_EQ(photos.first().toObject().value("fileName").toString(), names.first());
    EXPECT_EQ(photos.last().toObject().value("fileName").toString(), names.at(59));
}

TEST_F(RenderInputs, TheImageThatCrossesTheTotalIsNamedWithThatLimit)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("big"));
    QStringList inputs;
    const QByteArray large = TestImages::padded(TestImages::jpeg(QSize(64, 48)), 62'914'560);
    for (int index = 1; index <= 5; ++index) {
        inputs << "big/" + QString::number(index) + ".jpg";
        TestImages::writeFile(path("big"), QString::number(index) + ".jpg", large);
    }
    inputs << writeImages(1);
    const auto result = render(inputs + QStringList { "-o", "board.png" });
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.errorLines(),
        QStringList { "big/5.jpg: adding this image would exceed the board's 256 MB source-image limit." });
}

// Every input refused, a hostile package, or a project that would replace a folder of other
// files: the reader's or writer's message, exit status 1, and nothing written.
TEST_F(RenderInputs, RefusalsExitWithOneAndWriteNothing)
{
    writeImages(2);
    TestImages::writeFile(folder, "a.txt", "text");
    TestImages::writeFile(folder, "keep.png", "old");
    ASSERT_EQ(render({ "image01.png", "image02.png", "-o", "Base.tesserly" }).exitCode, 0);
    // A copy whose first image path climbs out of the package, and a link to the package.
    ASSERT_TRUE(QDir(folder.path()).mkpath("Climb.tesserly/Images"));
    for (const QString& image : QDir(path("Base.tesserly/Images")).entryList(QDir::Files)) {
        QFile::copy(path("Base.tesserly/Images/" + image), path("Climb.tesserly/Images/" + image));
    }
    const QString first = manifestOf("Base.tesserly")["photos"][0]["imagePath"].toString();
    TestImages::writeFile(path("Climb.tesserly"), "manifest.json",
        readAll("Base.tesserly/manifest.json").replace(first.toUtf8(), "Images/../manifest.json"));
    QFile::link(path("Base.tesserly"), path("Link.tesserly"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("Precious.tesserly"));
    TestImages::writeFile(path("Precious.tesserly"), "notes.txt", "mine");

    const QString unreadable
        = "a.txt: " + ImageImportError(ImageImportError::Kind::unreadableImage).description();
    const QString empty = BoardRenderError(BoardRenderError::Kind::emptyBoard).description();
    const auto projectError
        = [](BoardProjectError::Kind kind) { return BoardProjectError(kind).description(); };
    const std::pair<QStringList, QStringList> cases[] = {
        { { "a.txt", "-o", "keep.png" }, { unreadable, empty } },
        { { "a.txt", "-o", "new.pdf" }, { unreadable, empty } },
        { { "a.txt", "-o", "new.tesserly" }, { unreadable, empty } },
        { { "Climb.tesserly", "-o", "new.png" }, { projectError(BoardProjectError::Kind::unsafeImagePath) } },
        { { "Link.tesserly", "-o", "new.png" },
            { projectError(BoardProjectError::Kind::cannotOpenPackage) } },
        { { "image01.png", "-o", "Precious.tesserly" },
            { projectError(BoardProjectError::Kind::unsafeExistingDestination) } },
    };
    for (const auto& [arguments, lines] : cases) {
        const auto result = render(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(result.errorLines(), lines);
    }
    EXPECT_EQ(readAll("keep.png"), QByteArray("old"));
    EXPECT_EQ(readAll("Precious.tesserly/notes.txt"), QByteArray("mine"));
    for (const char* name : { "new.pdf", "new.tesserly", "new.png" }) {
        EXPECT_FALSE(QFileInfo::exists(path(name))) << name;
    }
}

TEST_F(RenderInputs, CaptionsFollowTheirInputsPastRefusedOnes)
{
    writeImages(2);
    TestImages::writeFile(folder, "broken.png", "not a png");
    const auto result = render({ "image01.png", "broken.png", "image02.png", "--caption", "First",
        "--caption", "Of the broken one", "--caption", "Second", "-o", "Captions.tesserly" });
    EXPECT_EQ(result.exitCode, 3);
    const QJsonObject manifest = manifestOf("Captions.tesserly");
    const QJsonArray photos = manifest.value("photos").toArray();
    ASSERT_EQ(photos.size(), 2);
    EXPECT_EQ(photos.at(0).toObject().value("caption").toString(), QStringLiteral("First"));
    EXPECT_EQ(photos.at(1).toObject().value("caption").toString(), QStringLiteral("Second"));
    EXPECT_EQ(
        manifest.value("settings").toObject().value("captionMode").toString(), QStringLiteral("custom"));

    // A project's captions are replaced in board order; one caption too many is a usage error.
    const auto recaptioned = render({ "Captions.tesserly", "--caption", "New", "-o", "Captions.tesserly" });
    ASSERT_EQ(recaptioned.exitCode, 0) << recaptioned.standardError.toStdString();
    const QJsonArray renamed = manifestOf("Captions.tesserly").value("photos").toArray();
    EXPECT_EQ(renamed.at(0).toObject().value("caption").toString(), QStringLiteral("New"));
    EXPECT_EQ(renamed.at(1).toObject().value("caption").toString(), QStringLiteral("Second"));
    const auto tooMany
        = render({ "Captions.tesserly", "--caption=a", "--caption=b", "--caption=c", "-o", "x.png" });
    EXPECT_EQ(tooMany.exitCode, 2);
    EXPECT_EQ(tooMany.errorLines().first(),
        QStringLiteral("tesserly render: 3 captions given for 2 images in the project"));
}

TEST_F(RenderInputs, UsageErrorsExitWithTwoAndWriteNothing)
{
    writeImages(1);
    const QList<QStringList> cases { { "image01.png", "--shadow", "-o", "out.png" }, { "image01.png" },
        { "image01.png", "-o", "out.gif" } };
    for (const QStringList& arguments : cases) {
        const auto result = render(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.standardOutput.isEmpty());
        EXPECT_TRUE(result.errorLines().value(0).startsWith(QStringLiteral("tesserly render: ")));
        EXPECT_EQ(result.errorLines().mid(1),
            QStringList({ "Usage: tesserly render [OPTIONS] INPUT... -o OUTPUT",
                "Try 'tesserly render --help' for more information." }));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList { "image01.png" });
}
