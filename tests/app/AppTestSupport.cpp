#include "AppTestSupport.h"

#include "model/BoardSettings.h"
#include "support/PackageBuilder.h"

#include <QMenuBar>
#include <QSettings>

namespace {

// Taken once before the first test, while the application still has the desktop's look.
class DesktopPaletteEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { palette = QApplication::palette(); }
    static inline QPalette palette;
};

[[maybe_unused]] const auto* const environment
    = ::testing::AddGlobalTestEnvironment(new DesktopPaletteEnvironment);

} // namespace

void AppTest::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    ASSERT_TRUE(m_settingsFolder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsFolder.path());
}

void AppTest::TearDown()
{
    if (m_app) {
        waitUntilIdle();
        // Later tests start from the desktop's look again.
        m_app->appearance().setValue("system");
    }
    m_app.reset();
}

TesserlyApp& AppTest::makeApp()
{
    m_app = std::make_unique<TesserlyApp>(m_platform, [this] { ++m_beeps; });
    return *m_app;
}

void AppTest::showAndActivate()
{
    m_app->showBoardWindow();
    QApplication::setActiveWindow(&m_app->boardWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_app->boardWindow()));
}

QMenu* AppTest::menu(const QString& title) const
{
    for (QAction* menuAction : m_app->boardWindow().menuBar()->actions()) {
        if (menuAction->menu() && QString(menuAction->text()).remove(QLatin1Char('&')) == title) {
            return menuAction->menu();
        }
    }
    return nullptr;
}

QAction* AppTest::menuItem(const QString& menuTitle, const QString& item) const
{
    if (QMenu* found = menu(menuTitle)) {
        for (QAction* action : found->actions()) {
            if (action->text() == item) {
                return action;
            }
        }
    }
    ADD_FAILURE() << "no menu item " << menuTitle.toStdString() << " > " << item.toStdString();
    return nullptr;
}

void AppTest::addImages(int count)
{
    QList<QUrl> urls;
    for (int index = 0; index < count; ++index) {
        urls.append(writeImage(QStringLiteral("image-%1.png").arg(index)));
    }
    const qsizetype before = m_app->store().photos().size();
    m_app->store().importURLs(urls);
    waitUntilIdle();
    ASSERT_EQ(m_app->store().photos().size(), before + count);
}

void AppTest::changeSettings()
{
    BoardSettings settings = m_app->store().settings();
    settings.title = settings.title + "x";
    m_app->store().setSettings(settings);
    ASSERT_TRUE(m_app->store().hasUnsavedChanges());
}

QPalette AppTest::desktopPalette()
{
    return DesktopPaletteEnvironment::palette;
}
