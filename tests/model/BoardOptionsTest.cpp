#include "model/BoardBackground.h"
#include "model/CaptionMode.h"
#include "model/CellShape.h"
#include "model/ContentTypes.h"
#include "model/PhotoFit.h"

#include <gtest/gtest.h>

namespace {
// Every case survives identifier -> case, and identifiers match exactly, case included.
template <typename Option>
void expectIdentifiersRoundTrip(
    const QList<Option>& all, std::optional<Option> (*fromIdentifier)(const QString&))
{
    for (Option option : all) {
        EXPECT_EQ(fromIdentifier(identifier(option)), option) << identifier(option).toStdString();
        EXPECT_FALSE(fromIdentifier(identifier(option).toUpper()));
        EXPECT_FALSE(fromIdentifier(identifier(option) + QLatin1Char(' ')));
    }
    EXPECT_FALSE(fromIdentifier(QString()));
}

void expectGrey(const QColor& colour, double white)
{
    EXPECT_NEAR(colour.redF(), white, 0.002);
    EXPECT_NEAR(colour.greenF(), white, 0.002);
    EXPECT_NEAR(colour.blueF(), white, 0.002);
    EXPECT_EQ(colour.alphaF(), 1.0);
}
} // namespace

TEST(BoardOptions, CasesHaveTheirIdentifiersTitlesAndOrder)
{
    EXPECT_EQ(allCellAspects(),
        QList<CellAspect>(
            { CellAspect::square, CellAspect::landscape, CellAspect::widescreen, CellAspect::portrait }));
    QStringList identifiers, titles;
    for (CellAspect aspect : allCellAspects()) {
        identifiers << identifier(aspect);
        titles << title(aspect);
    }
    EXPECT_EQ(identifiers, QStringList({ "square", "landscape", "widescreen", "portrait" }));
    EXPECT_EQ(titles,
        QStringList({ QString::fromUtf8("Square \u00b7 1:1"), QString::fromUtf8("Landscape \u00b7 4:3"),
            QString::fromUtf8("Widescreen \u00b7 16:9"), QString::fromUtf8("Portrait \u00b7 3:4") }));

    EXPECT_EQ(allPhotoFits(), QList<PhotoFit>({ PhotoFit::fit, PhotoFit::fill }));
    EXPECT_EQ(identifier(PhotoFit::fill), "fill");
    EXPECT_EQ(title(PhotoFit::fit), "Fit");
    EXPECT_EQ(title(PhotoFit::fill), "Fill");

    EXPECT_EQ(allCaptionModes(),
        QList<CaptionMode>({ CaptionMode::none, CaptionMode::filename, CaptionMode::custom }));
    EXPECT_EQ(identifier(CaptionMode::filename), "filename");
    EXPECT_EQ(title(CaptionMode::none), "None");
    EXPECT_EQ(title(CaptionMode::filename), "File names");
    EXPECT_EQ(title(CaptionMode::custom), "Custom captions");

    EXPECT_EQ(
        allBoardBackgrounds(), QList<BoardBackground>({ BoardBackground::light, BoardBackground::dark }));
    EXPECT_EQ(identifier(BoardBackground::dark), "dark");
    EXPECT_EQ(title(BoardBackground::light), "Light");
    EXPECT_EQ(title(BoardBackground::dark), "Dark");
}

TEST(BoardOptions, IdentifiersMatchExactly)
{
    expectIdentifiersRoundTrip(allCellAspects(), cellAspectFromIdentifier);
    expectIdentifiersRoundTrip(allPhotoFits(), photoFitFromIdentifier);
    expectIdentifiersRoundTrip(allCaptionModes(), captionModeFromIdentifier);
    expectIdentifiersRoundTrip(allBoardBackgrounds(), boardBackgroundFromIdentifier);
}

TEST(BoardOptions, AspectRatiosAreWidthOverHeight)
{
    EXPECT_EQ(ratio(CellAspect::square), 1.0);
    EXPECT_EQ(ratio(CellAspect::landscape), 4.0 / 3.0);
    EXPECT_EQ(ratio(CellAspect::widescreen), 16.0 / 9.0);
    EXPECT_EQ(ratio(CellAspect::portrait), 0.75);
}

TEST(BoardOptions, BackgroundColoursAreOpaqueAndDistinct)
{
    const QColor lightCanvas = canvasColor(BoardBackground::light);
    EXPECT_NEAR(lightCanvas.redF(), 0.97, 0.002);
    EXPECT_NEAR(lightCanvas.greenF(), 0.97, 0.002);
    EXPECT_NEAR(lightCanvas.blueF(), 0.98, 0.002);
    const QColor darkCanvas = canvasColor(BoardBackground::dark);
    EXPECT_NEAR(darkCanvas.redF(), 0.105, 0.002);
    EXPECT_NEAR(darkCanvas.greenF(), 0.115, 0.002);
    EXPECT_NEAR(darkCanvas.blueF(), 0.13, 0.002);
    EXPECT_EQ(darkCanvas.alphaF(), 1.0);
    expectGrey(textColor(BoardBackground::light), 0.12);
    expectGrey(textColor(BoardBackground::dark), 0.94);
    expectGrey(secondaryTextColor(BoardBackground::light), 0.38);
    expectGrey(secondaryTextColor(BoardBackground::dark), 0.7);
    expectGrey(imageWellColor(BoardBackground::light), 0.91);
    expectGrey(imageWellColor(BoardBackground::dark), 0.17);
}

TEST(BoardOptions, ContentTypesAreTheApplicationsOwn)
{
    EXPECT_EQ(QString(ContentTypes::tesserlyProject), "com.vandrel.tesserly.project");
    EXPECT_EQ(QString(ContentTypes::tesserlyPhoto), "com.vandrel.tesserly.photo");
    EXPECT_EQ(QString(ContentTypes::projectExtension), "tesserly");
}
