#include "AppTestSupport.h"

#include "app/AboutView.h"
#include "app/AppearancePreference.h"
#include "app/AppInfo.h"
#include "app/BoardWindow.h"
#include "app/TesserlySettingsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTest>

namespace {

QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    return texts;
}

QColor windowColour(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

} // namespace

TEST(AppInfoTest, VersionTextFallsBackPieceByPiece)
{
    EXPECT_EQ(AppInfo(std::nullopt, QStringLiteral("7")).version(), QStringLiteral("Version 1.0 (7)"));
    EXPECT_EQ(AppInfo(std::nullopt, std::nullopt).version(), QStringLiteral("Version 1.0 (1)"));
    EXPECT_EQ(AppInfo(QStringLiteral("2.3"), std::nullopt).version(), QStringLiteral("Version 2.3 (1)"));
    EXPECT_EQ(
        AppInfo(QStringLiteral("2.3"), QStringLiteral("41")).version(), QStringLiteral("Version 2.3 (41)"));
    // An empty build definition is no build at all.
    EXPECT_EQ(AppInfo(QString(), QStringLiteral(" ")).version(), QStringLiteral("Version 1.0 (1)"));
}

TEST(AboutViewTest, ShowsTheFactsAndOnlyAGivenBadge)
{
    const AboutView plain(AppInfo(std::nullopt, QStringLiteral("7")));
    EXPECT_TRUE(labelTexts(plain).contains(QStringLiteral("Version 1.0 (7)")));
    const QLabel* link = plain.findChild<QLabel*>(QStringLiteral("website"));
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->text().contains(AppInfo::websiteLabel()));
    EXPECT_TRUE(link->text().contains(AppInfo::website().toString()));
    EXPECT_EQ(plain.originBadge(), nullptr);

    QImage badgeImage(120, 60, QImage::Format_ARGB32);
    badgeImage.fill(Qt::darkGreen);
    AboutView badged(AppInfo(std::nullopt, QStringLiteral("7"), badgeImage));
    ASSERT_NE(badged.originBadge(), nullptr);
    EXPECT_FALSE(badged.originBadge()->toolTip().isEmpty());

    // Both windows take their content's size: the same width, and the badge adds height.
    AboutView shownPlain(AppInfo(std::nullopt, QStringLiteral("7")));
    shownPlain.show();
    badged.show();
    EXPECT_EQ(shownPlain.width(), AboutView::contentWidth);
    EXPECT_EQ(badged.width(), AboutView::contentWidth);
    EXPECT_GT(badged.height(), shownPlain.height() + 46);
    EXPECT_EQ(shownPlain.minimumSize(), shownPlain.maximumSize());

    // The description wraps within the column and every line of it fits.
    for (const QLabel* label : shownPlain.findChildren<QLabel*>()) {
        if (label->text() == AppInfo::description) {
            EXPECT_LT(label->width(), AboutView::contentWidth);
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            EXPECT_GT(label->height(), label->fontMetrics().lineSpacing());
        }
    }
}

TEST(AppearancePreferenceTest, OnlyExactLightAndDarkChooseAScheme)
{
    EXPECT_EQ(AppearancePreference::preferredScheme(QStringLiteral("light")), ColorScheme::light);
    EXPECT_EQ(AppearancePreference::preferredScheme(QStringLiteral("dark")), ColorScheme::dark);
    for (const QString& other : { QStringLiteral("system"), QString(), QStringLiteral("Dark"),
             QStringLiteral(" light"), QStringLiteral("sepia") }) {
        EXPECT_EQ(AppearancePreference::preferredScheme(other), std::nullopt) << other.toStdString();
    }
}

using AppearanceTest = AppTest;

TEST_F(AppearanceTest, StoredDarkTurnsEveryWindowDarkFromTheStart)
{
    storeAppearance(QStringLiteral("dark"));
    TesserlyApp& app = makeApp();
    app.showAbout();
    app.showSettings();
    const QColor dark = AppearancePreference::palette(ColorScheme::dark).color(QPalette::Window);
    EXPECT_EQ(windowColour(app.boardWindow()), dark);
    EXPECT_EQ(windowColour(*app.aboutWindow()), dark);
    EXPECT_EQ(windowColour(*app.settingsWindow()), dark);
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_TRUE(app.settingsWindow()->segment(QStringLiteral("dark"))->isChecked());
}

TEST_F(AppearanceTest, UnknownStoredValueFollowsTheDesktopAndSelectsNoSegment)
{
    for (const QString& stored : { QString(), QStringLiteral("Dark"), QStringLiteral("purple") }) {
        // A dark application first, so that following the desktop is a visible change.
        storeAppearance(QStringLiteral("dark"));
        makeApp();
        m_app.reset();
        storeAppearance(stored);
        TesserlyApp& app = makeApp();
        app.showSettings();
        EXPECT_EQ(windowColour(app.boardWindow()), desktopPalette().color(QPalette::Window))
            << stored.toStdString();
        EXPECT_EQ(QApplication::palette().color(QPalette::WindowText),
            desktopPalette().color(QPalette::WindowText));
        for (const QString& value :
            { QStringLiteral("system"), QStringLiteral("light"), QStringLiteral("dark") }) {
            EXPECT_FALSE(app.settingsWindow()->segment(value)->isChecked()) << value.toStdString();
        }
        EXPECT_EQ(app.appearance().value(), stored);
    }
}

TEST_F(AppearanceTest, ChoosingASegmentStoresItAndSwitchesOpenWindowsAtOnce)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    app.showAbout();
    app.showSettings();
    TesserlySettingsView& settings = *app.settingsWindow();
    EXPECT_TRUE(settings.segment(QStringLiteral("system"))->isChecked());

    // The application's palette reaches open widgets as a change event, in this turn of the loop.
    QTest::mouseClick(settings.segment(QStringLiteral("dark")), Qt::LeftButton);
    QCoreApplication::processEvents();
    const QColor dark = AppearancePreference::palette(ColorScheme::dark).color(QPalette::Window);
    EXPECT_EQ(storedAppearance(), QStringLiteral("dark"));
    EXPECT_EQ(windowColour(*app.aboutWindow()), dark);
    EXPECT_EQ(windowColour(app.boardWindow()), dark);
    EXPECT_EQ(windowColour(settings), dark);
    EXPECT_EQ(settings.segment(QStringLiteral("dark"))->palette().color(QPalette::ButtonText),
        AppearancePreference::palette(ColorScheme::dark).color(QPalette::HighlightedText));
    EXPECT_EQ(settings.segment(QStringLiteral("system"))->palette().color(QPalette::Window), dark);

    QTest::mouseClick(settings.segment(QStringLiteral("light")), Qt::LeftButton);
    QCoreApplication::processEvents();
    const QColor light = AppearancePreference::palette(ColorScheme::light).color(QPalette::Window);
    EXPECT_NE(light, dark);
    EXPECT_EQ(storedAppearance(), QStringLiteral("light"));
    EXPECT_EQ(windowColour(*app.aboutWindow()), light);
    EXPECT_TRUE(settings.segment(QStringLiteral("light"))->isChecked());
    EXPECT_FALSE(settings.segment(QStringLiteral("dark"))->isChecked());
    // The chosen segment stands out in the accent colour of the palette now in use.
    const QPalette lightPalette = AppearancePreference::palette(ColorScheme::light);
    EXPECT_EQ(settings.segment(QStringLiteral("light"))->palette().color(QPalette::Button),
        lightPalette.color(QPalette::Highlight));
    EXPECT_EQ(settings.segment(QStringLiteral("dark"))->palette().color(QPalette::Button),
        lightPalette.color(QPalette::Button));

    QTest::mouseClick(settings.segment(QStringLiteral("system")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(storedAppearance(), QStringLiteral("system"));
    EXPECT_EQ(windowColour(*app.aboutWindow()), desktopPalette().color(QPalette::Window));
}
