#include "ui/UiTesting.h"

#include "ui/BoardFooter.h"
#include "ui/BusyOverlay.h"
#include "ui/ContentView.h"
#include "ui/ElidedLabel.h"
#include "ui/ExportMenuButton.h"
#include "ui/PhotoStripView.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

class ContentViewTest : public UiTest
{
protected:
    void SetUp() override
    {
        window.setCentralWidget(view);
        window.addToolBar(view->toolBar());
        window.resize(1180, 820);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString countText() const { return view->footer()->countLabel()->text(); }
    bool sizeShown() const { return view->exportSizeLabel()->isVisible(); }

    // Every control a user could press, toolbar included.
    QList<QWidget*> controls() const
    {
        QList<QWidget*> found;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            for (const char* type :
                { "QAbstractButton", "QComboBox", "QSlider", "QLineEdit", "QPlainTextEdit" }) {
                if (widget->inherits(type)) {
                    found.append(widget);
                    break;
                }
            }
        }
        return found;
    }

    QMainWindow window;
    ContentView* view = new ContentView(store);
};

TEST_F(ContentViewTest, FooterAndHeaderFollowTheBoard)
{
    const auto exportable = [this] {
        return QList<bool> { sizeShown(), view->saveBoardAction()->isEnabled(),
            view->footer()->copyButton()->isEnabled(), view->footer()->exportButton()->isEnabled() };
    };
    EXPECT_EQ(countText(), "0 images");
    EXPECT_EQ(exportable(), QList<bool>(4, false));
    EXPECT_FALSE(view->footer()->unsavedDot()->isVisible());

    installPhotos(1);
    EXPECT_EQ(countText(), "1 image");
    EXPECT_EQ(exportable(), QList<bool>(4, true));
    installPhotos(2);
    EXPECT_EQ(countText(), "2 images");
    BoardSettings narrower = store.settings();
    narrower.outputWidth = 1200;
    store.setSettings(narrower);
    EXPECT_TRUE(view->exportSizeLabel()->text().startsWith("1200 × "));

    store.removePhoto(idAt(0));
    EXPECT_EQ(countText(), "1 image");
    EXPECT_TRUE(view->footer()->unsavedDot()->isVisible());
    EXPECT_EQ(view->footer()->statusLabel()->text(), store.statusMessage());
}

TEST_F(ContentViewTest, BusyExportDimsAndDisablesEverything)
{
    installPhotos(3);
    platform.exportDestinations.append(QUrl::fromLocalFile(folder.filePath(QStringLiteral("board.png"))));
    view->footer()->exportPNGAction()->trigger();
    ASSERT_TRUE(store.isBusy());

    EXPECT_TRUE(view->overlay()->isVisible());
    EXPECT_EQ(view->overlay()->panel()->accessibleName(), "Exporting PNG…");
    EXPECT_FALSE(view->toolBar()->isEnabled());
    for (QWidget* control : controls()) {
        EXPECT_FALSE(control->isEnabled())
            << control->metaObject()->className() << " " << control->accessibleName().toStdString();
    }
    // A click on a control does nothing while busy (an empty clipboard would report an error).
    QTest::mouseClick(view->strip()->pasteButton(), Qt::LeftButton);
    EXPECT_FALSE(store.errorMessage());

    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_FALSE(view->overlay()->isVisible());
    EXPECT_TRUE(view->toolBar()->isEnabled());
    EXPECT_TRUE(view->footer()->copyButton()->isEnabled());
}

TEST_F(ContentViewTest, ErrorAlertClearsAndComesBack)
{
    store.setErrorMessage(QStringLiteral("First failure"));
    // Shown asynchronously, never inside the store's signal.
    EXPECT_EQ(view->errorAlert(), nullptr);
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    QMessageBox* alert = view->errorAlert();
    EXPECT_EQ(alert->text(), "First failure");
    ASSERT_EQ(alert->buttons().size(), 1);
    QTest::mouseClick(alert->buttons().first(), Qt::LeftButton);
    EXPECT_FALSE(store.errorMessage());
    QTRY_VERIFY(view->errorAlert() == nullptr);

    store.setErrorMessage(QStringLiteral("Second failure"));
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    // Escape dismisses it as well, and clears the error the same way.
    QTest::keyClick(view->errorAlert(), Qt::Key_Escape);
    EXPECT_FALSE(store.errorMessage());
    QTRY_VERIFY(view->errorAlert() == nullptr);

    store.setErrorMessage(QStringLiteral("Third failure"));
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    EXPECT_EQ(view->errorAlert()->text(), "Third failure");
    view->errorAlert()->close();
    EXPECT_FALSE(store.errorMessage());
}

TEST_F(ContentViewTest, LongStatusIsShortenedInTheMiddle)
{
    installPhotos(1);
    const QString name
        = QStringLiteral("Start-") + QString(190, QLatin1Char('m')) + QStringLiteral("-finish.png");
    platform.exportDestinations.append(QUrl::fromLocalFile(folder.filePath(name)));
    view->footer()->exportPNGAction()->trigger();
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));

    ElidedLabel* status = view->footer()->statusLabel();
    const QString shown = status->displayedText();
    EXPECT_LT(shown.size(), status->text().size());
    EXPECT_TRUE(shown.startsWith("Saved Start-") && shown.endsWith("-finish.png")) << shown.toStdString();
    // One line, never wrapped.
    EXPECT_LE(status->height(), status->fontMetrics().height() + 1);
}

} // namespace
