#include "support/TestImages.h"
#include "TesserlyProcess.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

namespace {

class RenderOutput : public RenderInFolder
{
protected:
    void SetUp() override { images = writeImages(10); }

    // The worked example's settings.
    const QStringList example { "--width", "2400", "--columns", "4", "--cell-aspect", "landscape",
        "--captions", "filename", "--title", "Field trip" };
    QStringList images;
};

} // namespace

TEST_F(RenderOutput, WorkedExampleAsPngAsPdfAndOnStandardOutput)
{
    const auto png = render(images + example + QStringList { "-o", "board.png" });
    EXPECT_EQ(png.exitCode, 0) << png.standardError.toStdString();
    EXPECT_TRUE(png.standardOutput.isEmpty());
    EXPECT_TRUE(png.standardError.isEmpty()) << png.standardError.toStdString();
    const QImage image(path("board.png"));
    EXPECT_EQ(image.size(), QSize(2400, 1725));
    // 144 DPI is 5669 dots per metre, rounded.
    EXPECT_NEAR(image.dotsPerMeterX(), 5669, 1);
    EXPECT_NEAR(image.dotsPerMeterY(), 5669, 1);
    EXPECT_TRUE(image.hasAlphaChannel());

    const auto pdf = render(images + example + QStringList { "-o", "Board.PDF" });
    EXPECT_EQ(pdf.exitCode, 0) << pdf.standardError.toStdString();
    EXPECT_TRUE(readAll("Board.PDF").startsWith("%PDF-"));

    // "-" writes the same PNG to standard output and nothing else.
    const auto piped = render(images + example + QStringList { "-o", "-" });
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.standardError.isEmpty()) << piped.standardError.toStdString();
    EXPECT_EQ(piped.standardOutput, readAll("board.png"));
    EXPECT_FALSE(QFileInfo::exists(path("-")));
}

TEST_F(RenderOutput, ProjectRendersToTheSameBytesAsItsImages)
{
    const auto direct = render(images + example + QStringList { "-o", "direct.png" });
    ASSERT_EQ(direct.exitCode, 0) << direct.standardError.toStdString();
    const auto saved = render(images + example + QStringList { "-o", "Trip.tesserly" });
    ASSERT_EQ(saved.exitCode, 0) << saved.standardError.toStdString();
    EXPECT_TRUE(QFileInfo(path("Trip.tesserly/manifest.json")).isFile());
    EXPECT_EQ(QDir(path("Trip.tesserly/Images")).entryList(QDir::Files).size(), 10);

    const auto again = render({ "Trip.tesserly", "-o", "again.png" });
    ASSERT_EQ(again.exitCode, 0) << again.standardError.toStdString();
    const QByteArray expected = readAll("direct.png");
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(readAll("again.png"), expected);

    // Options override the project's own settings, and only those given.
    const auto narrower = render({ "Trip.tesserly", "--columns", "5", "-o", "five.png" });
    ASSERT_EQ(narrower.exitCode, 0);
    EXPECT_EQ(QImage(path("five.png")).width(), 2400);
    EXPECT_LT(QImage(path("five.png")).height(), 1725);

    // Writing the project back over itself is an ordinary save with the new settings.
    const auto resaved = render({ "Trip.tesserly", "--background", "dark", "-o", "Trip.tesserly" });
    ASSERT_EQ(resaved.exitCode, 0) << resaved.standardError.toStdString();
    const QJsonObject manifest = manifestOf("Trip.tesserly");
    EXPECT_EQ(manifest.value("settings").toObject().value("background").toString(), QStringLiteral("dark"));
    EXPECT_EQ(manifest.value("settings").toObject().value("columns").toInt(), 4);
    EXPECT_EQ(manifest.value("photos").toArray().size(), 10);
}

TEST_F(RenderOutput, ReplacesAnExistingExportInOneStepAndLeavesNoTemporaryFiles)
{
    TestImages::writeFile(folder, "board.png", "old contents");
    const auto result = render(images.mid(0, 2) + QStringList { "--title=Two", "-o", "board.png" });
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    EXPECT_FALSE(QImage(path("board.png")).isNull());
    // A name at the file system's 255-byte limit still gets a temporary file beside it.
    const QString longest = QString(251, u'b') + QStringLiteral(".png");
    const auto named = render(images.mid(0, 1) + QStringList { "-o", longest });
    EXPECT_EQ(named.exitCode, 0) << named.standardError.toStdString();
    EXPECT_FALSE(QImage(path(longest)).isNull());
    const QStringList hidden
        = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(hidden.filter(QStringLiteral(".tmp")), QStringList());
}

TEST_F(RenderOutput, NeverOverwritesOneOfItsInputs)
{
    const QByteArray original = readAll(images.first());
    QFile::link(path(images.first()), path("alias.png"));
    for (const QString& output :
        { images.first(), QStringLiteral("./") + images.first(), QStringLiteral("alias.png") }) {
        const auto result = render(images.mid(0, 2) + QStringList { "-o", output });
        EXPECT_EQ(result.exitCode, 2) << output.toStdString();
        EXPECT_TRUE(result.standardError.contains(QStringLiteral("OUTPUT would replace the input")));
        EXPECT_EQ(readAll(images.first()), original);
    }
}

TEST(RenderCommandLine, HelpAndVersionNeedNoBoard)
{
    const QString here = QDir::currentPath();
    for (const QStringList& arguments : { QStringList { "render", "--help" }, QStringList { "--help" },
             QStringList { "-h" }, QStringList { "render", "a.png", "-h", "--colums" },
             QStringList { "render", "a.png", "--help", "--version" } }) {
        const auto help = TesserlyProcess::run(arguments, here);
        EXPECT_EQ(help.exitCode, 0) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(help.standardOutput.contains("--corner-radius X"));
        EXPECT_TRUE(help.standardOutput.contains("800 to 6000 (default 2400)"));
        EXPECT_TRUE(help.standardError.isEmpty());
    }
    // The project's version, as the build passes it on.
    for (const QStringList& arguments :
        { QStringList { "--version" }, QStringList { "render", "--version" } }) {
        const auto version = TesserlyProcess::run(arguments, here);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.standardOutput, QByteArray("tesserly " TESSERLY_VERSION "\n"));
    }
}
