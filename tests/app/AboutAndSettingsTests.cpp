#include "AppTestSupport.h"

#include "app/AboutView.h"
#include "app/AppearancePreference.h"
#include "app/AppInfo.h"
#include "app/BoardWindow.h"
#include "app/TesserlySettingsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace {

QColor windowColour(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

QColor schemeColour(ColorScheme scheme, QPalette::ColorRole role = QPalette::Window)
{
    return AppearancePreference::palette(scheme).color(role);
}

} // namespace

TEST(AppInfoTest, VersionTextFallsBackPieceByPiece)
{
    using Row = std::tuple<std::optional<QString>, std::optional<QString>, const char*>;
    for (const auto& [version, build, expected] :
        { Row { std::nullopt, "7", "Version 1.0 (7)" }, Row { std::nullopt, std::nullopt, "Version 1.0 (1)" },
            Row { "2.3", std::nullopt, "Version 2.3 (1)" }, Row { "2.3", "41", "Version 2.3 (41)" },
            Row { QString(), " ", "Version 1.0 (1)" } }) {
        EXPECT_EQ(AppInfo(version, build).version(), QString::fromLatin1(expected));
    }
}

using AppearanceTest = AppTest;

TEST_F(AppearanceTest, OnlyExactLightOrDarkIsKeptAndUnknownValuesFollowTheDesktop)
{
    for (const QString& stored : { QString(), QStringLiteral("Dark"), QStringLiteral("purple") }) {
        // A dark application first, so that following the desktop is a visible change.
        storeAppearance(QStringLiteral("dark"));
        makeApp().showAbout();
        EXPECT_EQ(windowColour(*m_app->aboutWindow()), schemeColour(ColorScheme::dark))
            << "dark from the start";
        m_app.reset();
        storeAppearance(stored);
        TesserlyApp& app = makeApp();
        app.showSettings();
        EXPECT_EQ(windowColour(app.boardWindow()), desktopPalette().color(QPalette::Window))
            << stored.toStdString();
        for (const char* value : { "system", "light", "dark" }) {
            EXPECT_FALSE(app.settingsWindow()->segment(QString::fromLatin1(value))->isChecked()) << value;
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
    const struct
    {
        const char* value;
        QColor window;
    } rows[] = {
        { "dark", schemeColour(ColorScheme::dark) },
        { "light", schemeColour(ColorScheme::light) },
        { "system", desktopPalette().color(QPalette::Window) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        QTest::mouseClick(settings.segment(QString::fromLatin1(row.value)), Qt::LeftButton);
        // The application's palette reaches open widgets as a change event, in this turn of the loop.
        QCoreApplication::processEvents();
        EXPECT_EQ(storedAppearance(), QString::fromLatin1(row.value));
        EXPECT_EQ(windowColour(*app.aboutWindow()), row.window);
        EXPECT_EQ(windowColour(app.boardWindow()), row.window);
        EXPECT_TRUE(settings.segment(QString::fromLatin1(row.value))->isChecked());
    }
    // The chosen segment stands out in the accent colour of the palette in use.
    QTest::mouseClick(settings.segment(QStringLiteral("light")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(settings.segment(QStringLiteral("light"))->palette().color(QPalette::Button),
        schemeColour(ColorScheme::light, QPalette::Highlight));
    EXPECT_EQ(settings.segment(QStringLiteral("dark"))->palette().color(QPalette::Button),
        schemeColour(ColorScheme::light, QPalette::Button));
}
