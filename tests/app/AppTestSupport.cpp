#include "AppTestSupport.h"

#include <QMenuBar>

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

void AppTest::showAndActivate()
{
    m_app->showBoardWindow();
    QApplication::setActiveWindow(&m_app->boardWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_app->boardWindow()));
}

QAction* AppTest::menuItem(const QString& menuTitle, const QString& item) const
{
    for (QAction* menuAction : m_app->boardWindow().menuBar()->actions()) {
        const QList<QAction*> items = menuAction->menu() ? menuAction->menu()->actions() : QList<QAction*>();
        for (QAction* action : items) {
            if (QString(menuAction->text()).remove(u'&') == menuTitle && action->text() == item) {
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
