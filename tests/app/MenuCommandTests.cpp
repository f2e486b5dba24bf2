#include "AppTestSupport.h"

#include "app/AboutView.h"
#include "app/BoardWindow.h"
#include "app/TesserlyCommands.h"
#include "app/TesserlySettingsView.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>

namespace {

struct Item
{
    const char* menu;
    const char* title;
};

// Every board item with its menu, as the user reads them.
constexpr Item boardItems[] = {
    { "File", "New Board" },
    { "File", "Open Board\u2026" },
    { "File", "Open Recent" },
    { "File", "Add Images\u2026" },
    { "File", "Save Board" },
    { "File", "Save Board As\u2026" },
    { "File", "Export PNG\u2026" },
    { "File", "Export PDF\u2026" },
    { "File", "Print\u2026" },
    { "File", "Quit" },
    { "Edit", "Undo Board Change" },
    { "Edit", "Redo Board Change" },
    { "Edit", "Paste Images" },
    { "Edit", "Copy Board as PNG" },
    { "Help", "Tesserly Quick Guide" },
    { "Help", "About Tesserly" },
};

} // namespace

class MenuCommandTest : public AppTest
{
protected:
    // The enabled state of every board item, by title.
    QMap<QString, bool> enabledStates() const
    {
        QMap<QString, bool> states;
        for (const Item& item : boardItems) {
            if (QAction* action = menuItem(QString::fromUtf8(item.menu), QString::fromUtf8(item.title))) {
                states.insert(QString::fromUtf8(item.title), action->isEnabled());
            }
        }
        return states;
    }

    static QMap<QString, bool> expectedStates(bool idle, bool canExport, bool canUndo, bool canRedo)
    {
        return {
            { QStringLiteral("New Board"), idle },
            { QStringLiteral("Open Board\u2026"), idle },
            { QStringLiteral("Open Recent"), idle },
            { QStringLiteral("Add Images\u2026"), idle },
            { QStringLiteral("Save Board"), idle },
            { QStringLiteral("Save Board As\u2026"), idle },
            { QStringLiteral("Export PNG\u2026"), canExport },
            { QStringLiteral("Export PDF\u2026"), canExport },
            { QStringLiteral("Print\u2026"), canExport },
            { QStringLiteral("Quit"), true },
            { QStringLiteral("Undo Board Change"), idle && canUndo },
            { QStringLiteral("Redo Board Change"), idle && canRedo },
            { QStringLiteral("Paste Images"), idle },
            { QStringLiteral("Copy Board as PNG"), canExport },
            { QStringLiteral("Tesserly Quick Guide"), true },
            { QStringLiteral("About Tesserly"), true },
        };
    }
};

TEST_F(MenuCommandTest, EnabledStatesFollowTheStoreFlags)
{
    TesserlyApp& app = makeApp();
    EXPECT_EQ(enabledStates(), expectedStates(true, false, false, false)) << "empty board";

    addImages(2);
    EXPECT_EQ(enabledStates(), expectedStates(true, true, true, false)) << "board with photos";

    app.store().undo();
    EXPECT_EQ(app.store().photos().size(), 0);
    EXPECT_EQ(enabledStates(), expectedStates(true, false, false, true)) << "undone back to empty";

    app.store().redo();
    EXPECT_EQ(enabledStates(), expectedStates(true, true, true, false)) << "redone";

    // An import in progress: everything that would start work waits, undo included.
    app.store().importURLs({ writeImage(QStringLiteral("late.png")) });
    ASSERT_TRUE(app.store().isBusy());
    ASSERT_TRUE(app.store().canUndo());
    EXPECT_EQ(enabledStates(), expectedStates(false, false, true, false)) << "busy";

    waitUntilIdle();
    EXPECT_EQ(enabledStates(), expectedStates(true, true, true, false)) << "finished";
}

TEST_F(MenuCommandTest, ItemsCallTheStoreAndTheWindows)
{
    TesserlyApp& app = makeApp();
    addImages(1);

    menuItem(QStringLiteral("Edit"), QStringLiteral("Undo Board Change"))->trigger();
    EXPECT_TRUE(app.store().photos().isEmpty());
    menuItem(QStringLiteral("Edit"), QStringLiteral("Redo Board Change"))->trigger();
    EXPECT_EQ(app.store().photos().size(), 1);

    // Panels come from the scripted desktop; each item asks for the one it needs.
    menuItem(QStringLiteral("File"), QStringLiteral("Open Board\u2026"))->trigger();
    menuItem(QStringLiteral("File"), QStringLiteral("Add Images\u2026"))->trigger();
    menuItem(QStringLiteral("File"), QStringLiteral("Save Board As\u2026"))->trigger();
    menuItem(QStringLiteral("File"), QStringLiteral("Export PNG\u2026"))->trigger();
    menuItem(QStringLiteral("File"), QStringLiteral("Export PDF\u2026"))->trigger();
    EXPECT_EQ(m_platform.openPanels.size(), 1);
    EXPECT_EQ(m_platform.imagePanels.size(), 1);
    EXPECT_EQ(m_platform.projectSavePanels.size(), 1);
    ASSERT_EQ(m_platform.exportPanels.size(), 2);
    EXPECT_TRUE(m_platform.exportPanels[1].proposedName.endsWith(QStringLiteral(".pdf")));

    menuItem(QStringLiteral("Edit"), QStringLiteral("Copy Board as PNG"))->trigger();
    waitUntilIdle();
    ASSERT_TRUE(m_platform.copiedPNG.has_value());
    EXPECT_TRUE(m_platform.copiedPNG->startsWith("\x89PNG"));

    m_platform.alertAnswers = { 1 }; // "Discard Changes"
    menuItem(QStringLiteral("File"), QStringLiteral("New Board"))->trigger();
    EXPECT_TRUE(app.store().photos().isEmpty());
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("New board"));

    menuItem(QStringLiteral("Help"), QStringLiteral("Tesserly Quick Guide"))->trigger();
    const AlertRequest guide = m_platform.alerts.last();
    EXPECT_EQ(guide.message, QStringLiteral("Make a board in three steps"));
    EXPECT_EQ(guide.buttons, QStringList { QStringLiteral("Got It") });
    const QStringList paragraphs = guide.informativeText.split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 4);
    EXPECT_TRUE(paragraphs[0].startsWith(QStringLiteral("1. Drop images")));
    EXPECT_TRUE(paragraphs[1].startsWith(QStringLiteral("2. Set the columns")));
    EXPECT_TRUE(paragraphs[2].startsWith(QStringLiteral("3. Copy a PNG")));
    EXPECT_EQ(paragraphs[3],
        QStringLiteral("Everything stays on your computer. Original images are never edited."));
    EXPECT_FALSE(guide.informativeText.contains(QStringLiteral("\n\n\n")));
}

TEST_F(MenuCommandTest, AboutAndSettingsOpenOneWindowEach)
{
    TesserlyApp& app = makeApp();
    menuItem(QStringLiteral("Help"), QStringLiteral("About Tesserly"))->trigger();
    AboutView* about = app.aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    about->hide();
    menuItem(QStringLiteral("Help"), QStringLiteral("About Tesserly"))->trigger();
    EXPECT_EQ(app.aboutWindow(), about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().count(about), 1);

    // Closing deletes it; the next request builds a fresh one.
    about->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.aboutWindow(), nullptr);
    menuItem(QStringLiteral("Help"), QStringLiteral("About Tesserly"))->trigger();
    ASSERT_NE(app.aboutWindow(), nullptr);

    menuItem(QStringLiteral("Edit"), QStringLiteral("Settings\u2026"))->trigger();
    TesserlySettingsView* settings = app.settingsWindow();
    ASSERT_NE(settings, nullptr);
    menuItem(QStringLiteral("Edit"), QStringLiteral("Settings\u2026"))->trigger();
    EXPECT_EQ(app.settingsWindow(), settings);
    EXPECT_TRUE(settings->isVisible());
}

TEST_F(MenuCommandTest, ShortcutsReachTheBoardButLeaveTextFieldsTheirEditingKeys)
{
    TesserlyApp& app = makeApp();
    addImages(1);
    showAndActivate();
    BoardWindow& window = app.boardWindow();

    // A text field in the window, as the caption editor or the title field is.
    auto* field = new QLineEdit(&window);
    field->show();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    QTest::keyClicks(field, QStringLiteral("abc"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString()) << "the field undid its own typing";
    EXPECT_EQ(app.store().photos().size(), 1) << "the board was not undone";

    // Busy: the shortcut of a disabled item does nothing.
    app.store().importURLs({ writeImage(QStringLiteral("busy.png")) });
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(app.store().isBusy());
    waitUntilIdle();
    ASSERT_EQ(app.store().photos().size(), 2);

    // Outside a text field the same key undoes the board change.
    delete field;
    window.activateWindow();
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app.store().photos().size(), 1);
    EXPECT_EQ(app.store().statusMessage(), QStringLiteral("Undid last change"));
}

TEST_F(MenuCommandTest, InGermanTheMenusTheGuideAndTheStoresQuestionsAreGerman)
{
    QTranslator german;
    ASSERT_TRUE(TesserlyApp::loadTranslation(german, QLocale(QLocale::German, QLocale::Germany)));
    QCoreApplication::installTranslator(&german);
    // Later tests run in English again, whatever happens here.
    const std::unique_ptr<QTranslator, void (*)(QTranslator*)> installed(
        &german, [](QTranslator* translator) { QCoreApplication::removeTranslator(translator); });
    makeApp();
    QStringList titles;
    for (const QString& title :
        { QStringLiteral("Datei"), QStringLiteral("Bearbeiten"), QStringLiteral("Hilfe") }) {
        QMenu* found = menu(title);
        ASSERT_NE(found, nullptr) << title.toStdString();
        for (QAction* action : found->actions()) {
            if (!action->isSeparator()) {
                titles << action->text();
            }
        }
    }
    EXPECT_EQ(titles,
        QStringList({ "Neues Board", "Board \u00F6ffnen \u2026", "Zuletzt ge\u00F6ffnet",
            "Bilder hinzuf\u00FCgen \u2026", "Board speichern", "Board speichern unter \u2026",
            "Als PNG exportieren \u2026", "Als PDF exportieren \u2026", "Drucken \u2026", "Beenden",
            "Board-\u00C4nderung widerrufen", "Board-\u00C4nderung wiederholen", "Bilder einf\u00FCgen",
            "Board als PNG kopieren", "Einstellungen \u2026", "Tesserly-Kurzanleitung",
            "\u00DCber Tesserly" }));
    EXPECT_EQ(menuItem(QStringLiteral("Datei"), QStringLiteral("Drucken \u2026"))->shortcut(),
        QKeySequence(Qt::CTRL | Qt::Key_P));

    menuItem(QStringLiteral("Hilfe"), QStringLiteral("Tesserly-Kurzanleitung"))->trigger();
    ASSERT_FALSE(m_platform.alerts.isEmpty());
    EXPECT_EQ(m_platform.alerts.last().message, QStringLiteral("Ein Board in drei Schritten"));
    EXPECT_EQ(m_platform.alerts.last().buttons, QStringList { QStringLiteral("Verstanden") });
    EXPECT_TRUE(m_platform.alerts.last().informativeText.startsWith(QStringLiteral("1. Ziehen Sie Bilder")));

    // The store's question before an edited board is replaced.
    changeSettings();
    m_platform.alertAnswers = { 2 };
    menuItem(QStringLiteral("Datei"), QStringLiteral("Neues Board"))->trigger();
    EXPECT_EQ(m_platform.alerts.last().message, QStringLiteral("\u00C4nderungen an diesem Board speichern?"));
    EXPECT_EQ(m_platform.alerts.last().buttons,
        QStringList({ "Speichern \u2026", "\u00C4nderungen verwerfen", "Abbrechen" }));
    EXPECT_TRUE(m_app->store().hasUnsavedChanges());
}
