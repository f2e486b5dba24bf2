#include "cli/RenderOptions.h"
#include "cli/RenderHelp.h"
#include "cli/ShellCompletion.h"
#include "support/FileTesting.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const auto parse = &RenderOptions::parse;

BoardSettings settingsFrom(const QStringList& options)
{
    return parse(options + QStringList { "a.png", "-o", "b.png" }).overrides.appliedTo({});
}

QString usageErrorOf(const QStringList& arguments)
{
    return FileTesting::failureMessage([&] { parse(arguments); });
}

} // namespace

TEST(RenderOptions, EveryOptionSetsItsFieldInBothSpellings)
{
    const BoardSettings expected(4, CellAspect::portrait, PhotoFit::fill, BoardBackground::dark, false,
        CaptionMode::none, QStringLiteral("Trip"), 10, 20, 30, 3000, 40, 50);
    const QStringList separate { "--columns", "4", "--cell-aspect", "portrait", "--photo-fit", "fill",
        "--background", "dark", "--no-numbers", "--captions", "none", "--title", "Trip", "--spacing", "10",
        "--padding", "20", "--corner-radius", "30", "--width", "3000", "--caption-size", "40", "--title-size",
        "50" };
    const QStringList joined { "--columns=4", "--cell-aspect=portrait", "--photo-fit=fill",
        "--background=dark", "--no-numbers", "--captions=none", "--title=Trip", "--spacing=10",
        "--padding=20", "--corner-radius=30", "--width=3000", "--caption-size=40", "--title-size=50" };
    EXPECT_EQ(settingsFrom(separate), expected);
    EXPECT_EQ(settingsFrom(joined), expected);
    // Options not given leave the board's own values alone.
    EXPECT_EQ(settingsFrom({}), BoardSettings());
    EXPECT_TRUE(settingsFrom({ "--no-numbers", "--numbers" }).showNumbers);
    // A value that happens to look like an option is still the value.
    EXPECT_EQ(settingsFrom({ "--title", "--columns" }).title, QStringLiteral("--columns"));
    EXPECT_EQ(settingsFrom({ "--title=a=b" }).title, QStringLiteral("a=b"));
    // Numbers out of range are the board's to normalize, not refused.
    EXPECT_EQ(settingsFrom({ "--width", "99999999999999999999999" }).outputWidth, 6000);
}

TEST(RenderOptions, BadCommandLinesAreUsageErrors)
{
    // Options after a valid "a.png -o b.png", then whole command lines.
    const std::pair<QStringList, QString> options[] = {
        { { "--colums", "3" }, "unknown option \"--colums\"" },
        { { "-x" }, "unknown option \"-x\"" },
        { { "--columns", "three" }, "--columns expects a whole number, not \"three\"" },
        { { "--width=2400.5" }, "--width expects a whole number, not \"2400.5\"" },
        { { "--columns=" }, "--columns expects a whole number, not \"\"" },
        { { "--spacing", "nan" }, "--spacing expects a finite number, not \"nan\"" },
        { { "--padding", "inf" }, "--padding expects a finite number, not \"inf\"" },
        { { "--corner-radius", "1e999" }, "--corner-radius expects a finite number, not \"1e999\"" },
        { { "--spacing", "12px" }, "--spacing expects a finite number, not \"12px\"" },
        { { "--cell-aspect", "Square" },
            "--cell-aspect expects square|landscape|widescreen|portrait, not \"Square\"" },
        { { "--background", "grey" }, "--background expects light|dark, not \"grey\"" },
        { { "--photo-fit", "crop" }, "--photo-fit expects fit|fill, not \"crop\"" },
        { { "--captions", "all" }, "--captions expects none|filename|custom, not \"all\"" },
        { { "--numbers=yes" }, "--numbers takes no value" },
        { { "--title" }, "--title needs a value" },
        { { "--output", "c.png" }, "--output given more than once" },
        { { "--caption", "one", "--caption", "two" }, "2 captions given for 1 images" },
    };
    for (const auto& [arguments, message] : options) {
        EXPECT_EQ(usageErrorOf(QStringList { "a.png", "-o", "b.png" } + arguments), message)
            << arguments.join(u' ').toStdString();
    }
    const QString extensions
        = "OUTPUT must end in .png, .pdf or .tesserly, or be - for a PNG on standard output";
    const std::pair<QStringList, QString> lines[] = {
        { { "a.png", "-o" }, "--output needs a value" }, { { "a.png" }, "missing -o OUTPUT" },
        { { "-o", "b.png" }, "no INPUT given" }, { { "a.png", "-o", "b.jpg" }, extensions },
        { { "a.png", "-o", "png" }, extensions },
        { { "a.png", "b.tesserly", "-o", "c.png" }, "a .tesserly project must be the only INPUT" },
        { { "a.png", "-", "-o", "c.png" }, "images cannot be read from standard input; name the files" },
        { { "--", "--help" }, "missing -o OUTPUT" }, // after "--", a file name
    };
    for (const auto& [arguments, message] : lines) {
        EXPECT_EQ(usageErrorOf(arguments), message) << arguments.join(u' ').toStdString();
    }
}

TEST(RenderOptions, InputsKeepTheirOrderAndMayFollowDoubleDash)
{
    const RenderOptions options = parse({ "b.png", "-o", "x.png", "a.png", "--", "-odd.png", "--columns" });
    EXPECT_EQ(options.inputs, QStringList({ "b.png", "a.png", "-odd.png", "--columns" }));
    EXPECT_FALSE(options.readsProject());

    const RenderOptions project = parse({ "Trip.Tesserly", "-o", "x.pdf" });
    EXPECT_TRUE(project.readsProject());
    // The project's captions count is only known once it is read.
    EXPECT_NO_THROW(parse({ "Trip.tesserly", "--caption", "a", "--caption", "b", "-o", "x.png" }));
}

TEST(RenderOptions, CaptionsAreHeldToTheCaptionLimitAndSwitchToCustomCaptions)
{
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString long_ = family.repeated(250);
    const RenderOptions options
        = parse({ "a.png", "b.png", "--caption", long_, "--caption=", "-o", "x.png" });
    ASSERT_EQ(options.captions.size(), 2);
    EXPECT_EQ(options.captions.at(0), long_.left(family.size() * 240));
    EXPECT_EQ(options.captions.at(1), QString());
    EXPECT_EQ(options.overrides.captionMode, CaptionMode::custom);

    // An explicit mode wins, wherever it stands.
    const RenderOptions named = parse({ "a.png", "--captions", "filename", "--caption", "x", "-o", "x.png" });
    EXPECT_EQ(named.overrides.captionMode, CaptionMode::filename);
    EXPECT_FALSE(parse({ "a.png", "-o", "x.png" }).overrides.captionMode.has_value());
}

// The generated script, sourced by bash in a folder of files.
TEST(RenderOptions, BashCompletesOptionsChoicesAndFilesByExtension)
{
    QTemporaryDir folder;
    for (const char* name : { "a.png", "B.JPG", "notes.txt", "board.PDF", "Trip.tesserly/manifest.json" }) {
        QDir(folder.path()).mkpath(QFileInfo(folder.filePath(name)).path());
        TestImages::writeFile(folder, name, {});
    }
    TestImages::writeFile(folder, "completion.bash", ShellCompletion::bash(RenderHelp::text()).toUtf8());
    const std::pair<const char*, QString> rows[] = {
        { "tesserly render --cell-aspect ''", "square landscape widescreen portrait" },
        { "tesserly render --photo-fit f", "fit fill" },
        { "tesserly render --back", "--background" },
        { "tesserly render --title ''", "" },
        { "tesserly render -o ''", "Trip.tesserly a.png board.PDF" },
        { "tesserly render a.png ''", "B.JPG Trip.tesserly a.png" },
        { "tesserly ''", "render --help --version B.JPG Trip.tesserly a.png" },
    };
    QString script = QStringLiteral("export LC_ALL=C; source completion.bash\n");
    QStringList expected;
    for (const auto& [words, replies] : rows) {
        script += QStringLiteral("COMPREPLY=(); COMP_WORDS=(%1); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                                 "_tesserly; echo \"${COMPREPLY[*]}\"\n")
                      .arg(QLatin1String(words));
        expected << replies;
    }
    QProcess bash;
    bash.setWorkingDirectory(folder.path());
    bash.start(QStringLiteral("bash"), { QStringLiteral("-c"), script });
    ASSERT_TRUE(bash.waitForFinished(10000));
    EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n'), expected << QString());
}
