#include "AppTestSupport.h"

#include "app/OpenRecentMenu.h"
#include "render/BoardLayout.h"

#include <QBitmap>
#include <QPrinter>
#include <QProcess>

namespace {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class RecentProjectsTest : public AppTest
{
protected:
    // The menu's items, the separator as "-".
    QStringList menuTexts() const
    {
        QStringList texts;
        for (QAction* action : recentMenu()->actions()) {
            texts << (action->isSeparator() ? "-" : action->text());
        }
        return texts;
    }
    QMenu* recentMenu() const { return menuItem("File", QString::fromUtf8(OpenRecentMenu::title))->menu(); }
    void choose(const QString& text) const
    {
        for (QAction* action : recentMenu()->actions()) {
            if (action->text() == text) {
                action->trigger();
            }
        }
    }
};

TEST_F(RecentProjectsTest, OpenedAndSavedProjectsComeFirstOnceEachAndOutliveTheApplication)
{
    TesserlyApp& app = shownApp();
    const QUrl trip = writeProject("Trip.tesserly");
    app.store().openProject(trip);
    waitUntilIdle();
    const QUrl copy = QUrl::fromLocalFile(m_folder.filePath("Copy.tesserly"));
    m_platform.projectDestinations = { copy };
    ASSERT_TRUE(app.store().saveProject(true));
    EXPECT_EQ(app.recentProjects().urls(), QList<QUrl>({ copy, trip }));
    // Opened again, through its folder path with a trailing slash: moved up, not listed twice.
    app.store().openProject(QUrl::fromLocalFile(trip.toLocalFile() + QLatin1Char('/')));
    waitUntilIdle();
    EXPECT_EQ(menuTexts(), QStringList({ "Trip.tesserly", "Copy.tesserly", "-", "Clear Menu" }));
    m_app.reset();
    makeApp();
    EXPECT_EQ(m_app->recentProjects().urls(), QList<QUrl>({ trip, copy }));
    choose("Clear Menu");
    EXPECT_EQ(menuTexts(), QStringList { "Clear Menu" });
    EXPECT_FALSE(recentMenu()->actions().last()->isEnabled());
    QList<QUrl> added;
    for (int index = 0; index < 12; ++index) {
        added.prepend(QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Board %1.tesserly").arg(index))));
        m_app->recentProjects().add(added.first());
    }
    EXPECT_EQ(m_app->recentProjects().urls(), added.first(10)) << "the newest ten";
}

TEST_F(RecentProjectsTest, ChoosingOneRunsTheOpenFlowAndOneThatFailsLeavesTheList)
{
    TesserlyApp& app = shownApp();
    const QUrl trip = writeProject("Trip.tesserly");
    const QUrl gone = QUrl::fromLocalFile(m_folder.filePath("Gone.tesserly"));
    app.recentProjects().add(gone);
    app.recentProjects().add(trip);
    changeSettings();
    // Unsaved changes: the store's question comes first.
    m_platform.alertAnswers = { discardAnswer };
    choose("Trip.tesserly");
    waitUntilIdle();
    EXPECT_EQ(m_platform.alerts.size(), 1);
    EXPECT_EQ(app.store().projectURL(), trip);
    choose("Gone.tesserly");
    waitUntilIdle();
    EXPECT_TRUE(app.store().errorMessage());
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_EQ(app.recentProjects().urls(), QList<QUrl> { trip });
}

TEST_F(AppTest, TheBoardPrintsOnOnePageFittedAndCentredWithItsText)
{
    TesserlyApp& app = shownApp();
    addImages(5);
    BoardSettings settings = app.store().settings();
    settings.title = "Harbour Walk";
    settings.background = BoardBackground::dark;
    app.store().setSettings(settings);
    const auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = m_folder.filePath("printed.pdf");
    printer->setOutputFileName(pdf);
    m_platform.printer = printer;
    menuItem("File", "Print\u2026")->trigger();
    EXPECT_EQ(m_platform.printJobNames, QStringList { app.store().suggestedName() });
    EXPECT_TRUE(app.store().isBusy()) << "the page is drawn off the window's thread";
    waitUntilIdle();
    EXPECT_EQ(app.store().statusMessage(), "Board printed");
    EXPECT_TRUE(runTool("pdfinfo", { pdf }).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = runTool("pdftotext", { pdf, "-" });
    EXPECT_TRUE(text.contains("Harbour Walk") && text.contains("image-4")) << text.toStdString();
    // The dark board on white paper: its proportions kept, as wide as the printable area
    // allows, centred.
    runTool("pdftoppm", { "-r", "40", "-png", "-singlefile", pdf, m_folder.filePath("page") });
    const QImage page(m_folder.filePath("page.png"));
    const QImage inked = page.createMaskFromColor(qRgb(255, 255, 255));
    const QRect board = QRegion(QBitmap::fromImage(inked)).boundingRect();
    const BoardLayout layout = app.store().layout();
    EXPECT_NEAR(double(board.width()) / board.height(), layout.width() / layout.height(), 0.02);
    EXPECT_GT(board.width(), page.width() * 0.8);
    EXPECT_NEAR(board.left(), page.width() - 1 - board.right(), 2);
    EXPECT_NEAR(board.top(), page.height() - 1 - board.bottom(), 2);
    // A printer that cannot write its page: reported, the board untouched.
    printer->setOutputFileName(m_folder.filePath("missing/folder/printed.pdf"));
    app.store().printBoard();
    waitUntilIdle();
    EXPECT_EQ(app.store().statusMessage(), "Print failed");
    EXPECT_EQ(app.store().photos().size(), 5);
}
