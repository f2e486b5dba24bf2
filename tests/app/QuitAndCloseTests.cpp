#include "AppTestSupport.h"

#include "app/AboutView.h"
#include "app/BoardWindow.h"
#include "app/WindowCloseGuard.h"
#include "store/BoardStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// The three buttons of the store's unsaved-changes question, in order.
constexpr qsizetype saveAnswer = 0;
constexpr qsizetype discardAnswer = 1;
constexpr qsizetype cancelAnswer = 2;

const QString unsavedQuestion = QStringLiteral("Save changes to this board?");

qsizetype countAlerts(const FakeBoardPlatform& platform, const QString& message)
{
    return std::count_if(platform.alerts.begin(), platform.alerts.end(),
        [&message](const AlertRequest& alert) { return alert.message == message; });
}

// A window whose own close handling says no, as a previous close handler may.
class RefusingWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

using QuitDecisionTest = AppTest;

TEST_F(QuitDecisionTest, BeforeTheWindowAppearsQuittingAsksNothing)
{
    TesserlyApp& app = makeApp();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    changeSettings();
    EXPECT_EQ(app.delegate().store(), nullptr);
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(terminated.count(), 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty());
}

TEST_F(QuitDecisionTest, BusyRefusesWithAnAlertAndTheWorkGoesOn)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    app.store().importURLs({ writeImage(QStringLiteral("a.png")) });
    ASSERT_TRUE(app.store().isBusy());

    menuItem(QStringLiteral("File"), QStringLiteral("Quit"))->trigger();
    EXPECT_EQ(terminated.count(), 0);
    ASSERT_EQ(m_platform.alerts.size(), 1);
    EXPECT_EQ(m_platform.alerts[0].message, QStringLiteral("Tesserly is finishing an operation"));
    EXPECT_EQ(m_platform.alerts[0].informativeText,
        QStringLiteral("Wait for the current import or export to finish, then quit again."));
    EXPECT_EQ(m_platform.alerts[0].buttons, QStringList { QStringLiteral("OK") });
    EXPECT_TRUE(app.boardWindow().isVisible());

    waitUntilIdle();
    EXPECT_EQ(app.store().photos().size(), 1) << "the import finished";
}

TEST_F(QuitDecisionTest, UnsavedChangesAreAskedAboutOnce)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);

    // Clean: no question at all.
    EXPECT_TRUE(app.delegate().shouldTerminate());
    EXPECT_TRUE(m_platform.alerts.isEmpty());

    changeSettings();
    m_platform.alertAnswers = { cancelAnswer };
    EXPECT_FALSE(app.requestQuit());
    EXPECT_EQ(terminated.count(), 0);
    EXPECT_TRUE(app.store().hasUnsavedChanges());

    // "Save…" on a never-saved board whose save panel is cancelled keeps the application.
    m_platform.alertAnswers = { saveAnswer };
    EXPECT_FALSE(app.requestQuit());
    EXPECT_EQ(m_platform.projectSavePanels.size(), 1);
    EXPECT_TRUE(app.store().hasUnsavedChanges());

    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(terminated.count(), 1);
    EXPECT_FALSE(app.store().hasUnsavedChanges());
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 3);
}

TEST_F(QuitDecisionTest, SavingFromTheQuestionWritesTheProjectThenQuits)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    addImages(1);
    const QUrl destination = QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Kept.tesserly")));
    m_platform.alertAnswers = { saveAnswer };
    m_platform.projectDestinations = { destination };
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(terminated.count(), 1);
    EXPECT_TRUE(QFileInfo::exists(m_folder.filePath(QStringLiteral("Kept.tesserly/manifest.json"))));
}

using CloseGuardTest = AppTest;

TEST_F(CloseGuardTest, ClosingWhileBusyOnlyBeeps)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    changeSettings();
    app.store().importURLs({ writeImage(QStringLiteral("a.png")) });
    ASSERT_TRUE(app.store().isBusy());

    EXPECT_FALSE(app.boardWindow().close());
    EXPECT_EQ(m_beeps, 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty()) << "no dialog while busy";
    EXPECT_TRUE(app.boardWindow().isVisible());

    waitUntilIdle();
    QTest::qWait(0);
    EXPECT_EQ(terminated.count(), 0);
    EXPECT_EQ(app.store().photos().size(), 1);
}

TEST_F(CloseGuardTest, UnsavedChangesDecideAndTheQuitThatFollowsDoesNotAskAgain)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    changeSettings();

    m_platform.alertAnswers = { cancelAnswer };
    EXPECT_FALSE(app.boardWindow().close());
    EXPECT_TRUE(app.boardWindow().isVisible());
    EXPECT_TRUE(app.store().hasUnsavedChanges());

    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.boardWindow().close());
    EXPECT_FALSE(app.store().hasUnsavedChanges());
    // Closing the board window ends the application, through the quit decision.
    EXPECT_TRUE(QTest::qWaitFor([&terminated] { return terminated.count() == 1; }, 2000));
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 2);
    EXPECT_EQ(m_platform.alerts.size(), 2);
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(CloseGuardTest, ACleanBoardClosesWithoutAQuestion)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    EXPECT_TRUE(app.boardWindow().close());
    EXPECT_TRUE(QTest::qWaitFor([&terminated] { return terminated.count() == 1; }, 2000));
    EXPECT_TRUE(m_platform.alerts.isEmpty());
    QTest::qWait(10);
    EXPECT_EQ(terminated.count(), 1);
}

TEST_F(CloseGuardTest, TheWindowsOwnRefusalKeepsTheBoardChanged)
{
    TesserlyApp& app = makeApp();
    changeSettings();
    RefusingWindow window;
    new WindowCloseGuard(app.store(), window, [this] { ++m_beeps; });
    window.show();

    m_platform.alertAnswers = { discardAnswer };
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(m_platform.alerts.size(), 1) << "the user agreed to discard";
    EXPECT_TRUE(app.store().hasUnsavedChanges());
}

TEST_F(CloseGuardTest, OtherEventsPassAndAGoneStoreLetsTheWindowClose)
{
    FakeBoardPlatform platform;
    auto store = std::make_unique<BoardStore>(platform);
    QWidget window;
    new WindowCloseGuard(*store, window, [this] { ++m_beeps; });
    window.show();
    window.resize(320, 200);
    EXPECT_EQ(window.size(), QSize(320, 200));

    BoardSettings settings = store->settings();
    settings.title = QStringLiteral("Changed");
    store->setSettings(settings);
    store.reset();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(platform.alerts.isEmpty());
    EXPECT_EQ(m_beeps, 0);
}

using SessionEndTest = AppTest;

TEST_F(SessionEndTest, TheSessionEndsThroughTheSameDecision)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    int permissionRequests = 0;
    const auto granted = [&permissionRequests] {
        ++permissionRequests;
        return true;
    };
    const auto denied = [&permissionRequests] {
        ++permissionRequests;
        return false;
    };

    // Nothing to ask: agreed without asking the session for the user's attention.
    EXPECT_TRUE(app.sessionMayEnd(denied));
    EXPECT_EQ(permissionRequests, 0);

    // Unsaved and no permission to ask: the board is kept and the shutdown refused.
    changeSettings();
    EXPECT_FALSE(app.sessionMayEnd(denied));
    EXPECT_EQ(permissionRequests, 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty());
    EXPECT_TRUE(app.store().hasUnsavedChanges());

    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.sessionMayEnd(granted));
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 1);
    EXPECT_FALSE(app.store().hasUnsavedChanges());

    app.store().importURLs({ writeImage(QStringLiteral("a.png")) });
    EXPECT_FALSE(app.sessionMayEnd(granted));
    EXPECT_EQ(countAlerts(m_platform, QStringLiteral("Tesserly is finishing an operation")), 1);
}

TEST_F(SessionEndTest, QuitWorksFromTheAboutWindowWhichEscapeCloses)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    QSignalSpy terminated(&app, &TesserlyApp::terminated);
    app.showAbout();
    QWidget* about = app.aboutWindow();
    QApplication::setActiveWindow(about);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));

    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.aboutWindow(), nullptr);

    app.showAbout();
    about = app.aboutWindow();
    QApplication::setActiveWindow(about);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(terminated.count(), 1);
}
