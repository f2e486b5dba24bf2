#include "ui/UiTesting.h"

#include "ui/BoardFooter.h"
#include "ui/BusyOverlay.h"
#include "ui/ExportMenuButton.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

namespace {

class ContentViewTest : public UiTest
{
protected:
    void SetUp() override
    {
        window.setCentralWidget(view);
        window.addToolBar(view->toolBar());
        ASSERT_TRUE(shown(window, QSize(1180, 820)));
    }
    QMainWindow window;
    ContentView* view = new ContentView(store);
};

TEST_F(ContentViewTest, BusyExportDimsAndDisablesEverything)
{
    installPhotos(3);
    platform.exportDestinations.append(fileUrl("board.png"));
    view->footer()->exportPNGAction()->trigger();
    ASSERT_TRUE(store.isBusy());
    EXPECT_TRUE(view->overlay()->isVisible());
    EXPECT_EQ(view->overlay()->panel()->accessibleName(), "Exporting PNG…");
    EXPECT_FALSE(view->toolBar()->isEnabled());
    EXPECT_FALSE(view->footer()->countLabel()->isEnabled()) << "the footer's texts are not dimmed";
    // Every control a user could press or type into, toolbar included.
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(control)) {
            EXPECT_FALSE(control->isEnabled())
                << control->metaObject()->className() << " " << control->accessibleName().toStdString();
        }
    }
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_FALSE(view->overlay()->isVisible());
    EXPECT_TRUE(view->footer()->copyButton()->isEnabled());
}

TEST_F(ContentViewTest, ErrorAlertClearsTheErrorHoweverItIsDismissed)
{
    const std::function<void(QMessageBox*)> dismissals[] = {
        [](QMessageBox* alert) { QTest::mouseClick(alert->buttons().first(), Qt::LeftButton); },
        [](QMessageBox* alert) { QTest::keyClick(alert, Qt::Key_Escape); },
        [](QMessageBox* alert) { alert->close(); },
    };
    for (const auto& dismiss : dismissals) {
        store.setErrorMessage("Failure");
        EXPECT_EQ(view->errorAlert(), nullptr) << "shown later, never inside the store's signal";
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->errorAlert() && view->errorAlert()->isVisible(); }));
        EXPECT_EQ(view->errorAlert()->text(), "Failure");
        dismiss(view->errorAlert());
        EXPECT_FALSE(store.errorMessage());
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->errorAlert() == nullptr; }));
    }
}

} // namespace
