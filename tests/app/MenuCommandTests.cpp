#include "AppTestSupport.h"

#include <QTranslator>

namespace {

// When a board item is enabled.
enum class Rule { always, idle, canExport, undo, redo };

struct Item
{
    const char* menu;
    const char* title;
    Rule rule;
};

constexpr Item boardItems[]
    = { { "File", "New Board", Rule::idle }, { "File", "Open Board\u2026", Rule::idle },
          { "File", "Open Recent", Rule::idle }, { "File", "Add Images\u2026", Rule::idle },
          { "File", "Save Board", Rule::idle }, { "File", "Save Board As\u2026", Rule::idle },
          { "File", "Export PNG\u2026", Rule::canExport }, { "File", "Export PDF\u2026", Rule::canExport },
          { "File", "Print\u2026", Rule::canExport }, { "File", "Quit", Rule::always },
          { "Edit", "Undo Board Change", Rule::undo }, { "Edit", "Redo Board Change", Rule::redo },
          { "Edit", "Paste Images", Rule::idle }, { "Edit", "Copy Board as PNG", Rule::canExport },
          { "Help", "Tesserly Quick Guide", Rule::always }, { "Help", "About Tesserly", Rule::always } };

} // namespace

using MenuCommandTest = AppTest;

TEST_F(MenuCommandTest, EnabledStatesFollowTheStoreFlags)
{
    TesserlyApp& app = makeApp();
    const auto check = [this](const char* state, bool idle, bool canExport, bool canUndo, bool canRedo) {
        SCOPED_TRACE(state);
        for (const Item& item : boardItems) {
            const bool expected = item.rule == Rule::always || (item.rule == Rule::idle && idle)
                || (item.rule == Rule::canExport && canExport) || (item.rule == Rule::undo && idle && canUndo)
                || (item.rule == Rule::redo && idle && canRedo);
            QAction* action = menuItem(QString::fromUtf8(item.menu), QString::fromUtf8(item.title));
            EXPECT_EQ(action && action->isEnabled(), expected) << item.title;
        }
    };
    check("empty board", true, false, false, false);
    addImages(2);
    check("board with photos", true, true, true, false);
    app.store().undo();
    check("undone back to empty", true, false, false, true);
    app.store().redo();
    check("redone", true, true, true, false);
    // An import in progress: everything that would start work waits, undo included.
    app.store().importURLs({ writeImage("late.png") });
    ASSERT_TRUE(app.store().isBusy());
    check("busy", false, false, true, false);
    waitUntilIdle();
    check("finished", true, true, true, false);
}

TEST_F(MenuCommandTest, ItemsCallTheStoreAndTheWindows)
{
    TesserlyApp& app = makeApp();
    addImages(1);
    const auto trigger = [this](const char* menu, const char* item) {
        menuItem(QString::fromLatin1(menu), QString::fromUtf8(item))->trigger();
    };
    trigger("Edit", "Undo Board Change");
    EXPECT_TRUE(app.store().photos().isEmpty());
    trigger("Edit", "Redo Board Change");
    EXPECT_EQ(app.store().photos().size(), 1);
    // Each item asks the scripted desktop for the panel it needs.
    for (const char* item :
        { "Open Board\u2026", "Add Images\u2026", "Save Board As\u2026", "Export PDF\u2026" }) {
        trigger("File", item);
    }
    EXPECT_EQ(m_platform.openPanels.size(), 1);
    EXPECT_EQ(m_platform.imagePanels.size(), 1);
    EXPECT_EQ(m_platform.projectSavePanels.size(), 1);
    EXPECT_TRUE(m_platform.exportPanels.value(0).proposedName.endsWith(".pdf"));
    trigger("Edit", "Copy Board as PNG");
    waitUntilIdle();
    EXPECT_TRUE(m_platform.copiedPNG.value_or(QByteArray()).startsWith("\x89PNG"));
    m_platform.alertAnswers = { discardAnswer };
    trigger("File", "New Board");
    EXPECT_TRUE(app.store().photos().isEmpty());
    trigger("Help", "Tesserly Quick Guide");
    EXPECT_EQ(m_platform.alerts.last().message, "Make a board in three steps");
}

TEST_F(MenuCommandTest, InGermanTheMenusAndTheStoresQuestionsAreGerman)
{
    QTranslator german;
    ASSERT_TRUE(TesserlyApp::loadTranslation(german, QLocale(QLocale::German, QLocale::Germany)));
    QCoreApplication::installTranslator(&german);
    // Later tests run in English again, whatever happens here.
    const std::unique_ptr<QTranslator, void (*)(QTranslator*)> installed(
        &german, [](QTranslator* translator) { QCoreApplication::removeTranslator(translator); });
    makeApp();
    EXPECT_EQ(menuItem("Datei", "Drucken \u2026")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    changeSettings();
    m_platform.alertAnswers = { cancelAnswer };
    menuItem("Datei", "Neues Board")->trigger();
    EXPECT_EQ(m_platform.alerts.last().buttons,
        QStringList({ "Speichern \u2026", "\u00C4nderungen verwerfen", "Abbrechen" }));
    EXPECT_TRUE(m_app->store().hasUnsavedChanges());
}
