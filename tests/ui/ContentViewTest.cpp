#include "ui/UiTesting.h"

#include "ui/BoardFooter.h"
#include "ui/BoardPreview.h"
#include "ui/BusyOverlay.h"
#include "ui/ContentView.h"
#include "ui/ElidedLabel.h"
#include "ui/ExportMenuButton.h"
#include "ui/InspectorView.h"
#include "ui/PhotoStripView.h"

#include <QAction>
#include <QApplication>
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
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            found.append(button);
        }
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->inherits("QComboBox") || widget->inherits("QSlider") || widget->inherits("QLineEdit")
                || widget->inherits("QPlainTextEdit")) {
                found.append(widget);
            }
        }
        return found;
    }

    QMainWindow window;
    ContentView* view = new ContentView(store);
};

TEST_F(ContentViewTest, FooterAndHeaderFollowThePhotoCount)
{
    EXPECT_EQ(countText(), "0 images");
    EXPECT_FALSE(sizeShown());
    EXPECT_FALSE(view->saveBoardAction()->isEnabled());
    EXPECT_FALSE(view->footer()->copyButton()->isEnabled());
    EXPECT_FALSE(view->footer()->exportButton()->isEnabled());
    EXPECT_FALSE(view->footer()->unsavedDot()->isVisible());
    EXPECT_EQ(view->footer()->statusLabel()->text(), store.statusMessage());

    installPhotos(1);
    EXPECT_EQ(countText(), "1 image");
    EXPECT_TRUE(sizeShown());
    EXPECT_TRUE(view->saveBoardAction()->isEnabled());
    EXPECT_TRUE(view->footer()->copyButton()->isEnabled());
    EXPECT_TRUE(view->footer()->exportButton()->isEnabled());
    EXPECT_TRUE(view->footer()->exportPNGAction()->isEnabled());

    installPhotos(2);
    EXPECT_EQ(countText(), "2 images");
    // The header shows the layout's size: default settings, 3 columns of landscape cells.
    EXPECT_EQ(view->exportSizeLabel()->text(), "2400 × 738 px");
    BoardSettings narrower = store.settings();
    narrower.outputWidth = 1200;
    store.setSettings(narrower);
    EXPECT_TRUE(view->exportSizeLabel()->text().startsWith("1200 × "));

    store.removePhoto(idAt(0));
    EXPECT_EQ(countText(), "1 image");
    EXPECT_TRUE(view->footer()->unsavedDot()->isVisible());
    EXPECT_EQ(view->footer()->unsavedDot()->accessibleName(), "Unsaved changes");
    EXPECT_EQ(view->footer()->statusLabel()->text(), "Image removed from board");
}

TEST_F(ContentViewTest, ToolbarActionsReachThePanels)
{
    for (QAction* action : view->toolBar()->actions()) {
        EXPECT_FALSE(action->icon().pixmap(QSize(16, 16)).isNull()) << action->text().toStdString();
        EXPECT_TRUE(action->shortcut().isEmpty());
    }

    const QString chosen = TestImages::writeFile(
        folder, QStringLiteral("chosen.png"), TestImages::png(QSize(30, 20), Qt::blue));
    platform.imageChoices.append({ QUrl::fromLocalFile(chosen) });
    view->addImagesAction()->trigger();
    ASSERT_EQ(platform.imagePanels.size(), 1);
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_EQ(order(), QStringList { "chosen.png" });

    view->openBoardAction()->trigger();
    EXPECT_EQ(platform.openPanels.size(), 1);
    view->saveBoardAction()->trigger();
    ASSERT_EQ(platform.projectSavePanels.size(), 1);
    EXPECT_EQ(platform.projectSavePanels.first().proposedName, "Tesserly.tesserly");
}

TEST_F(ContentViewTest, BusyExportDimsAndDisablesEverything)
{
    installPhotos(3);
    platform.exportDestinations.append(QUrl::fromLocalFile(folder.filePath(QStringLiteral("board.png"))));
    view->footer()->exportPNGAction()->trigger();
    ASSERT_TRUE(store.isBusy());

    EXPECT_TRUE(view->overlay()->isVisible());
    EXPECT_EQ(view->overlay()->message(), "Exporting PNG…");
    EXPECT_EQ(view->overlay()->panel()->accessibleName(), "Exporting PNG…");
    EXPECT_FALSE(view->toolBar()->isEnabled());
    for (QWidget* control : controls()) {
        EXPECT_FALSE(control->isEnabled())
            << control->metaObject()->className() << " " << control->accessibleName().toStdString();
    }
    // A click on a control does nothing while busy.
    QTest::mouseClick(view->strip()->pasteButton(), Qt::LeftButton);
    store.setErrorMessage(std::nullopt);
    EXPECT_FALSE(store.errorMessage());

    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    EXPECT_FALSE(view->overlay()->isVisible());
    EXPECT_TRUE(view->toolBar()->isEnabled());
    EXPECT_TRUE(view->footer()->copyButton()->isEnabled());
    EXPECT_EQ(view->footer()->statusLabel()->text(), "Saved board.png");
}

TEST_F(ContentViewTest, ErrorAlertClearsAndComesBack)
{
    store.setErrorMessage(QStringLiteral("First failure"));
    // Shown asynchronously, never inside the store's signal.
    EXPECT_EQ(view->errorAlert(), nullptr);
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    QMessageBox* alert = view->errorAlert();
    EXPECT_EQ(alert->windowTitle(), "Tesserly");
    EXPECT_EQ(alert->text(), "First failure");
    ASSERT_EQ(alert->buttons().size(), 1);
    EXPECT_EQ(alert->buttons().first()->text(), "OK");
    QTest::mouseClick(alert->buttons().first(), Qt::LeftButton);
    EXPECT_FALSE(store.errorMessage());
    QTRY_VERIFY(view->errorAlert() == nullptr);

    // A real failure: a file that is no image.
    const QString text
        = TestImages::writeFile(folder, QStringLiteral("notes.png"), QByteArray("not an image"));
    store.importURLs({ QUrl::fromLocalFile(text) });
    ASSERT_TRUE(StoreTesting::waitUntilIdle(store));
    QTRY_VERIFY(view->errorAlert() != nullptr && view->errorAlert()->isVisible());
    EXPECT_TRUE(view->errorAlert()->text().startsWith("notes.png: "));
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
    EXPECT_EQ(status->text(), "Saved " + name);
    const QString shown = status->displayedText();
    EXPECT_LT(shown.size(), status->text().size());
    EXPECT_TRUE(shown.startsWith("Saved Start-"));
    EXPECT_TRUE(shown.endsWith("-finish.png"));
    EXPECT_TRUE(shown.contains(QStringLiteral("…")));
    // One line, never wrapped.
    EXPECT_LE(status->height(), status->fontMetrics().height() + 1);
}

TEST_F(ContentViewTest, SwitchingToDarkRecoloursTheTexts)
{
    installPhotos(1);
    const QPalette light = QApplication::palette();
    const auto secondaryLightness
        = [&] { return view->footer()->countLabel()->palette().color(QPalette::WindowText).lightness(); };
    const int before = secondaryLightness();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(30, 30, 32));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(22, 22, 24));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    const int after = secondaryLightness();
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    EXPECT_LT(before, 128) << "secondary text on a light window is dark";
    EXPECT_GT(after, 128) << "and turns light with a dark palette";
    EXPECT_EQ(secondaryLightness(), before);
}

} // namespace
