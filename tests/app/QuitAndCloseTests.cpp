#include "AppTestSupport.h"

#include "app/WindowCloseGuard.h"

#include <QCloseEvent>

namespace {

const QString unsavedQuestion = "Save changes to this board?";
const QString busyAlert = "Tesserly is finishing an operation";

// A window whose own close handling says no, as a previous close handler may.
class RefusingWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

using QuitDecisionTest = AppTest;

// Before the board window appears: a window's own refusal keeps the board, a gone store asks
// nothing, and neither does quitting.
TEST_F(QuitDecisionTest, TheGuardRespectsTheWindowsOwnRefusalAndAGoneStoreAndNoWindowYetMeansNoQuestion)
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
    // A guard whose store is gone lets its window close without asking.
    auto store = std::make_unique<BoardStore>(m_platform);
    QWidget window;
    new WindowCloseGuard(*store, window, [this] { ++m_beeps; });
    window.show();
    store->setSettings(app.store().settings());
    store.reset();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(m_beeps, 0);
    EXPECT_TRUE(app.requestQuit());
    EXPECT_EQ(m_terminated->count(), 1);
    EXPECT_EQ(alertMessages(), QStringList { unsavedQuestion });
}

TEST_F(QuitDecisionTest, UnsavedChangesAreAskedAboutOnceAndSavedOnRequestWhereverQuitIsChosen)
{
    TesserlyApp& app = shownApp();
    EXPECT_TRUE(app.delegate().shouldTerminate()) << "clean: no question";
    addImages(1);
    m_platform.alertAnswers = { cancelAnswer, saveAnswer };
    m_platform.projectDestinations = { QUrl::fromLocalFile(m_folder.filePath("Kept.tesserly")) };
    EXPECT_FALSE(app.requestQuit());
    EXPECT_EQ(m_terminated->count(), 0);
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    app.showAbout();
    QApplication::setActiveWindow(app.aboutWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.aboutWindow()));
    QTest::keyClick(app.aboutWindow(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(m_terminated->count(), 1);
    EXPECT_EQ(alertMessages(), QStringList(2, unsavedQuestion));
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
    EXPECT_EQ(alertMessages(), QStringList { busyAlert });
    EXPECT_TRUE(app.boardWindow().isVisible());
    waitUntilIdle();
    QTest::qWait(0);
    EXPECT_EQ(m_terminated->count(), 0);
    EXPECT_EQ(app.store().photos().size(), 1) << "the import finished";
}

TEST_F(QuitDecisionTest, ClosingAsksAboutUnsavedChangesAndTheQuitThatFollowsDoesNotAskAgain)
{
    TesserlyApp& app = shownApp();
    changeSettings();
    m_platform.alertAnswers = { cancelAnswer, discardAnswer };
    EXPECT_FALSE(app.boardWindow().close());
    EXPECT_TRUE(app.boardWindow().isVisible());
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    EXPECT_TRUE(app.boardWindow().close());
    // Closing the board window ends the application, through the quit decision.
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_terminated->count() == 1; }, 2000));
    EXPECT_EQ(alertMessages(), QStringList(2, unsavedQuestion));
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(QuitDecisionTest, TheSessionEndsThroughTheSameDecision)
{
    TesserlyApp& app = shownApp();
    int permissionRequests = 0;
    bool permitted = false;
    const auto asking = [&] {
        ++permissionRequests;
        return permitted;
    };
    EXPECT_TRUE(app.sessionMayEnd(asking));
    EXPECT_EQ(permissionRequests, 0) << "nothing to ask: the session is not asked for attention";
    // Unsaved and no permission to ask: the board is kept and the shutdown refused.
    changeSettings();
    EXPECT_FALSE(app.sessionMayEnd(asking));
    EXPECT_EQ(permissionRequests, 1);
    EXPECT_TRUE(m_platform.alerts.isEmpty());
    EXPECT_TRUE(app.store().hasUnsavedChanges());
    permitted = true;
    m_platform.alertAnswers = { discardAnswer };
    EXPECT_TRUE(app.sessionMayEnd(asking));
    EXPECT_FALSE(app.store().hasUnsavedChanges());
    app.store().importURLs({ writeImage("a.png") });
    EXPECT_FALSE(app.sessionMayEnd(asking));
    EXPECT_EQ(alertMessages(), QStringList({ unsavedQuestion, busyAlert }));
}
