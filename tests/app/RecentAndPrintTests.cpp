#include "AppTestSupport.h"

#include "app/OpenRecentMenu.h"
#include "app/RecentProjects.h"
#include "model/BoardSettings.h"
#include "render/BoardLayout.h"

#include <QDir>
#include <QImage>
#include <QMenu>
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

// The bounds of the pixels darker than mid-grey.
QRect darkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
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
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    }
    QMenu* recentMenu() const
    {
        return menuItem(QStringLiteral("File"), QString::fromUtf8(OpenRecentMenu::title))->menu();
    }
    QAction* recentItem(const QString& text) const
    {
        const QList<QAction*> actions = recentMenu()->actions();
        const auto found = std::find_if(
            actions.begin(), actions.end(), [&text](QAction* action) { return action->text() == text; });
        return found == actions.end() ? nullptr : *found;
    }
    void open(const QUrl& url)
    {
        m_app->store().openProject(url);
        waitUntilIdle();
    }
};

TEST_F(RecentProjectsTest, OpenedAndSavedProjectsComeFirstAndOutliveTheApplication)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    EXPECT_FALSE(recentItem(QStringLiteral("Clear Menu"))->isEnabled());

    const QUrl trip = writeProject(QStringLiteral("Trip.tesserly"));
    open(trip);
    const QUrl copy = QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Copy.tesserly")));
    m_platform.projectDestinations = { copy };
    ASSERT_TRUE(app.store().saveProject(true));
    EXPECT_EQ(app.recentProjects().urls(), QList<QUrl>({ copy, trip }));
    // Opened again, through its folder path with a trailing slash: moved up, not listed twice.
    open(QUrl::fromLocalFile(trip.toLocalFile() + QLatin1Char('/')));
    EXPECT_EQ(app.recentProjects().urls(), QList<QUrl>({ trip, copy }));
    EXPECT_EQ(menuTexts(), QStringList({ "Trip.tesserly", "Copy.tesserly", "-", "Clear Menu" }));

    m_app.reset();
    makeApp();
    EXPECT_EQ(m_app->recentProjects().urls(), QList<QUrl>({ trip, copy }));
    recentItem(QStringLiteral("Clear Menu"))->trigger();
    EXPECT_EQ(menuTexts(), QStringList { "Clear Menu" });
}

TEST_F(RecentProjectsTest, TheListKeepsTheTenNewest)
{
    makeApp();
    QList<QUrl> added;
    for (int index = 0; index < RecentProjects::limit + 2; ++index) {
        added.prepend(QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Board %1.tesserly").arg(index))));
        m_app->recentProjects().add(added.first());
    }
    EXPECT_EQ(m_app->recentProjects().urls(), added.first(RecentProjects::limit));
}

TEST_F(RecentProjectsTest, ChoosingOneRunsTheOpenFlowAndOneThatFailsLeavesTheList)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    const QUrl trip = writeProject(QStringLiteral("Trip.tesserly"));
    const QUrl gone = writeProject(QStringLiteral("Gone.tesserly"));
    app.recentProjects().add(gone);
    app.recentProjects().add(trip);
    changeSettings();

    // Unsaved changes: the question comes first, and Cancel keeps the board.
    m_platform.alertAnswers = { 2 };
    recentItem(QStringLiteral("Trip.tesserly"))->trigger();
    EXPECT_EQ(m_platform.alerts.size(), 1);
    EXPECT_EQ(app.store().projectURL(), std::nullopt);
    m_platform.alertAnswers = { 1 };
    recentItem(QStringLiteral("Trip.tesserly"))->trigger();
    waitUntilIdle();
    EXPECT_EQ(app.store().projectURL(), trip);

    ASSERT_TRUE(QDir(gone.toLocalFile()).removeRecursively());
    recentItem(QStringLiteral("Gone.tesserly"))->trigger();
    waitUntilIdle();
    EXPECT_TRUE(app.store().errorMessage());
    EXPECT_EQ(app.store().projectURL(), trip);
    EXPECT_EQ(app.recentProjects().urls(), QList<QUrl> { trip });
}

class PrintTest : public AppTest
{
protected:
    static std::shared_ptr<QPrinter> pdfPrinter(const QString& path)
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    }
};

TEST_F(PrintTest, TheBoardPrintsOnOnePageFittedAndCentredWithItsText)
{
    TesserlyApp& app = makeApp();
    app.showBoardWindow();
    addImages(5);
    BoardSettings settings = app.store().settings();
    settings.title = QStringLiteral("Harbour Walk");
    settings.background = BoardBackground::dark;
    app.store().setSettings(settings);
    const QString pdf = m_folder.filePath(QStringLiteral("printed.pdf"));
    m_platform.printer = pdfPrinter(pdf);

    menuItem(QStringLiteral("File"), QStringLiteral("Print\u2026"))->trigger();
    EXPECT_EQ(m_platform.printJobNames, QStringList { app.store().suggestedName() });
    EXPECT_TRUE(app.store().isBusy()) << "the page is drawn off the window's thread";
    waitUntilIdle();
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("Board printed"));
    m_platform.printer.reset();

    EXPECT_TRUE(runTool("pdfinfo", { pdf }).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = runTool("pdftotext", { pdf, "-" });
    EXPECT_TRUE(text.contains("Harbour Walk") && text.contains("image-4")) << text.toStdString();

    // The dark board on white paper: its proportions kept, as wide as the printable area
    // allows, centred.
    runTool("pdftoppm", { "-r", "40", "-png", "-singlefile", pdf, m_folder.filePath("page") });
    const QImage page(m_folder.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    const QRect board = darkBounds(page);
    const BoardLayout layout = app.store().layout();
    EXPECT_NEAR(double(board.width()) / board.height(), layout.width() / layout.height(), 0.02);
    EXPECT_GT(board.width(), page.width() * 0.8);
    EXPECT_NEAR(board.left(), page.width() - 1 - board.right(), 2);
    EXPECT_NEAR(board.top(), page.height() - 1 - board.bottom(), 2);

    // A printer that cannot write its page: reported, the board untouched.
    m_platform.printer = pdfPrinter(m_folder.filePath("missing/folder/printed.pdf"));
    app.store().printBoard();
    waitUntilIdle();
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("Print failed"));
    EXPECT_EQ(app.store().photos().size(), 5);
}
