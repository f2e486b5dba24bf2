#include "model/BoardBackground.h"
#include "model/CaptionMode.h"
#include "model/CellShape.h"
#include "model/PhotoFit.h"

#include <gtest/gtest.h>

namespace {
// Appends every case's identifier and title in order; each identifier must read back exactly,
// letter case and spaces included, as project files and the command line give them.
template <typename Option>
void collect(const QList<Option>& all, std::optional<Option> (*fromIdentifier)(const QString&),
    QStringList& identifiers, QStringList& titles)
{
    for (Option option : all) {
        identifiers << identifier(option);
        titles << title(option);
        EXPECT_EQ(fromIdentifier(identifier(option)), option);
        EXPECT_FALSE(fromIdentifier(identifier(option).toUpper()));
        EXPECT_FALSE(fromIdentifier(identifier(option) + QLatin1Char(' ')));
    }
    EXPECT_FALSE(fromIdentifier(QString()));
}
} // namespace

TEST(BoardOptions, IdentifiersAndTitlesInMenuOrder)
{
    QStringList identifiers, titles;
    collect(allCellAspects(), cellAspectFromIdentifier, identifiers, titles);
    collect(allPhotoFits(), photoFitFromIdentifier, identifiers, titles);
    collect(allCaptionModes(), captionModeFromIdentifier, identifiers, titles);
    collect(allBoardBackgrounds(), boardBackgroundFromIdentifier, identifiers, titles);
    EXPECT_EQ(identifiers,
        QStringList({ "square", "landscape", "widescreen", "portrait", "fit", "fill", "none", "filename",
            "custom", "light", "dark" }));
    EXPECT_EQ(titles,
        QStringList({ QString::fromUtf8("Square \u00b7 1:1"), QString::fromUtf8("Landscape \u00b7 4:3"),
            QString::fromUtf8("Widescreen \u00b7 16:9"), QString::fromUtf8("Portrait \u00b7 3:4"), "Fit",
            "Fill", "None", "File names", "Custom captions", "Light", "Dark" }));
    EXPECT_EQ(QList<double>({ ratio(CellAspect::square), ratio(CellAspect::landscape),
                  ratio(CellAspect::widescreen), ratio(CellAspect::portrait) }),
        QList<double>({ 1.0, 4.0 / 3.0, 16.0 / 9.0, 0.75 }));
}

TEST(BoardOptions, BackgroundColoursAreOpaqueAndChannelExact)
{
    struct Case
    {
        const char* name;
        QColor colour;
        double red, green, blue;
    };
    const Case cases[] = {
        { "light canvas", canvasColor(BoardBackground::light), 0.97, 0.97, 0.98 },
        { "dark canvas", canvasColor(BoardBackground::dark), 0.105, 0.115, 0.13 },
        { "light text", textColor(BoardBackground::light), 0.12, 0.12, 0.12 },
        { "dark text", textColor(BoardBackground::dark), 0.94, 0.94, 0.94 },
        { "light secondary", secondaryTextColor(BoardBackground::light), 0.38, 0.38, 0.38 },
        { "dark secondary", secondaryTextColor(BoardBackground::dark), 0.7, 0.7, 0.7 },
        { "light well", imageWellColor(BoardBackground::light), 0.91, 0.91, 0.91 },
        { "dark well", imageWellColor(BoardBackground::dark), 0.17, 0.17, 0.17 },
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.colour.redF(), c.red, 0.002) << c.name;
        EXPECT_NEAR(c.colour.greenF(), c.green, 0.002) << c.name;
        EXPECT_NEAR(c.colour.blueF(), c.blue, 0.002) << c.name;
        EXPECT_EQ(c.colour.alphaF(), 1.0) << c.name;
    }
}
