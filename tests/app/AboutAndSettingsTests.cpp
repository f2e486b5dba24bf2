#include "AppTestSupport.h"

#include "app/AppearancePreference.h"

#include <QAbstractButton>

namespace {

QColor windowColour(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

QColor schemeColour(ColorScheme scheme)
{
    return AppearancePreference::palette(scheme).color(QPalette::Window);
}

} // namespace

using AppearanceTest = AppTest;

TEST_F(AppearanceTest, TheStoredChoiceAppliesFromTheStartAndASegmentSwitchesOpenWindowsAtOnce)
{
    storeAppearance("dark");
    TesserlyApp& app = makeApp();
    app.showAbout();
    app.showSettings();
    TesserlySettingsView& settings = *app.settingsWindow();
    EXPECT_EQ(windowColour(app.boardWindow()), schemeColour(ColorScheme::dark));
    EXPECT_TRUE(settings.segment("dark")->isChecked());
    const std::pair<const char*, QColor> rows[] = { { "light", schemeColour(ColorScheme::light) },
        { "system", desktopPalette().color(QPalette::Window) }, { "dark", schemeColour(ColorScheme::dark) } };
    for (const auto& [value, window] : rows) {
        SCOPED_TRACE(value);
        QTest::mouseClick(settings.segment(QString::fromLatin1(value)), Qt::LeftButton);
        // The application's palette reaches open widgets as a change event, in this turn of the loop.
        QCoreApplication::processEvents();
        EXPECT_EQ(
            QSettings("Vandrel", "Tesserly").value("appearance").toString(), QString::fromLatin1(value));
        EXPECT_EQ(windowColour(*app.aboutWindow()), window);
        EXPECT_EQ(windowColour(app.boardWindow()), window);
    }
}

TEST_F(AppearanceTest, AnythingButExactLightOrDarkFollowsTheDesktopAndSelectsNoSegment)
{
    for (const char* stored : { "", "Dark", " light", "purple" }) {
        // A dark application first, so that following the desktop is a visible change.
        storeAppearance("dark");
        makeApp();
        m_app.reset();
        storeAppearance(QString::fromLatin1(stored));
        TesserlyApp& app = makeApp();
        app.showSettings();
        EXPECT_EQ(windowColour(app.boardWindow()), desktopPalette().color(QPalette::Window)) << stored;
        for (const char* value : { "system", "light", "dark" }) {
            EXPECT_FALSE(app.settingsWindow()->segment(QString::fromLatin1(value))->isChecked()) << value;
        }
    }
}
