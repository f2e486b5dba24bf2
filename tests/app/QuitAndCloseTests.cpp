#include "AppTestSupport.h"

#include "app/WindowCloseGuard.h"

#include <QCloseEvent>
#include <QSignalSpy>

namespace {

// The buttons of the store's unsaved-changes question, in order.
constexpr qsizetype saveAnswer = 0;
constexpr qsizetype discardAnswer = 1;
constexpr qsizetype cancelAnswer = 2;

const QString unsavedQuestion = "Save changes to this board?";
const QString busyAlert = "Tesserly is finishing an operation";

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

class QuitDecisionTest : public AppTest
{
protected:
    TesserlyApp& shownApp()
    {
        makeApp().showBoardWindow();
        terminated = std::make_unique<QSignalSpy>(m_app.get(), &TesserlyApp::terminated);
        return *m_app;
    }
    std::unique_ptr<QSignalSpy> terminated;
};

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

TEST_F(QuitDecisionTest, UnsavedChangesAreAskedAboutOnce)
{
    TesserlyApp& app = shownApp();
    EXPECT_TRUE(app.delegate().shouldTerminate()) << "clean: no question";
    EXPECT_TRUE(m_platform.alerts.isEmpty());
    changeSettings();
    m_platform.alertAnswers = { cancelAnswer };
    EXPECT_FALSE(app.requestQuit());
    EXPECT_EQ(terminated->count(), 0);
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(terminated->count(), 1);
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 2);
}

TEST_F(QuitDecisionTest, SavingFromTheQuestionWritesTheProjectThenQuits)
{
    TesserlyApp& app = shownApp();
    addImages(1);
    m_platform.alertAnswers = { saveAnswer };
    m_platform.projectDestinations = { QUrl::fromLocalFile(m_folder.filePath("Kept.tesserly")) };
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(terminated->count(), 1);
    EXPECT_TRUE(QFileInfo::exists(m_folder.filePath("Kept.tesserly/manifest.json")));
}

TEST_F(QuitDecisionTest, WhileBusyClosingOnlyBeepsQuittingAlertsAndTheWorkGoesOn)
{
    TesserlyApp& app = shownApp();
    changeSettings();
    app.store().importURLs({ writeImage("a.png") });
    ASSERT_TRUE(app.store().isBusy());
    EXPECT_FALSE(app.boardWindow().close());
    EXPECT_EQ(m_beeps, 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty()) << "no dialog for a close while busy";
    menuItem("File", "Quit")->trigger();
    ASSERT_EQ(m_platform.alerts.size(), 1);
    EXPECT_EQ(m_platform.alerts[0].message, busyAlert);
    EXPECT_TRUE(app.boardWindow().isVisible());
    waitUntilIdle();
    QTest::qWait(0);
    EXPECT_EQ(terminated->count(), 0);
    EXPECT_EQ(app.store().photos().size(), 1) << "the import finished";
}

TEST_F(QuitDecisionTest, ClosingAsksAboutUnsavedChangesAndTheQuitThatFollowsDoesNotAskAgain)
{
    TesserlyApp& app = shownApp();
    changeSettings();
    m_platform.alertAnswers = { cancelAnswer };
    EXPECT_FALSE(app.boardWindow().close());
    EXPECT_TRUE(app.boardWindow().isVisible());
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.boardWindow().close());
    // Closing the board window ends the application, through the quit decision.
    EXPECT_TRUE(QTest::qWaitFor([this] { return terminated->count() == 1; }, 2000));
    EXPECT_EQ(m_platform.alerts.size(), 2);
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 2);
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(QuitDecisionTest, TheGuardRespectsTheWindowsOwnRefusalAndAGoneStore)
{
    TesserlyApp& app = makeApp();
    changeSettings();
    RefusingWindow refusing;
    new WindowCloseGuard(app.store(), refusing, [this] { ++m_beeps; });
    refusing.show();
    m_platform.alertAnswers = { discardAnswer };
    EXPECT_FALSE(refusing.close());
    EXPECT_TRUE(refusing.isVisible());
    EXPECT_TRUE(app.store().hasUnsavedChanges()) << "discarded although the window stayed";
    auto store = std::make_unique<BoardStore>(m_platform);
    QWidget window;
    new WindowCloseGuard(*store, window, [this] { ++m_beeps; });
    window.show();
    store->setSettings(app.store().settings());
    store.reset();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(m_platform.alerts.size(), 1);
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(QuitDecisionTest, TheSessionEndsThroughTheSameDecision)
{
    TesserlyApp& app = shownApp();
    int permissionRequests = 0;
    const auto asking = [&permissionRequests](bool answer) {
        return [&permissionRequests, answer] {
            ++permissionRequests;
            return answer;
        };
    };
    EXPECT_TRUE(app.sessionMayEnd(asking(false)));
    EXPECT_EQ(permissionRequests, 0) << "nothing to ask: the session is not asked for attention";
    // Unsaved and no permission to ask: the board is kept and the shutdown refused.
    changeSettings();
    EXPECT_FALSE(app.sessionMayEnd(asking(false)));
    EXPECT_EQ(permissionRequests, 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty());
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.sessionMayEnd(asking(true)));
    EXPECT_EQ(countAlerts(m_platform, unsavedQuestion), 1);
    EXPECT_FALSE(app.store().hasUnsavedChanges());
    app.store().importURLs({ writeImage("a.png") });
    EXPECT_FALSE(app.sessionMayEnd(asking(true)));
    EXPECT_EQ(countAlerts(m_platform, busyAlert), 1);
}

TEST_F(QuitDecisionTest, QuitWorksFromTheAboutWindowWhichEscapeCloses)
{
    TesserlyApp& app = shownApp();
    const auto openAbout = [&app] {
        app.showAbout();
        QApplication::setActiveWindow(app.aboutWindow());
        return QTest::qWaitForWindowActive(app.aboutWindow());
    };
    ASSERT_TRUE(openAbout());
    QTest::keyClick(app.aboutWindow(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.aboutWindow(), nullptr);
    ASSERT_TRUE(openAbout());
    QTest::keyClick(app.aboutWindow(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(terminated->count(), 1);
}
