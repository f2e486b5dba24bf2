#include "app/TesserlyCommands.h"

#include "store/BoardStore.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

// The desktop's own Preferences binding; desktops without one get Ctrl+, as most applications use.
QList<QKeySequence> preferencesShortcuts()
{
    QList<QKeySequence> shortcuts = QKeySequence::keyBindings(QKeySequence::Preferences);
    if (shortcuts.isEmpty()) {
        shortcuts.append(keys(Qt::CTRL | Qt::Key_Comma));
    }
    return shortcuts;
}

} // namespace

AlertRequest TesserlyCommands::quickGuide()
{
    const QStringList paragraphs {
        QCoreApplication::translate(
            "TesserlyCommands", "1. Drop images onto the preview, or choose Add Images."),
        QCoreApplication::translate("TesserlyCommands",
            "2. Set the columns, image shape, captions, and background. Drag the thumbnails to "
            "reorder; use the arrow buttons for precise movement."),
        QCoreApplication::translate("TesserlyCommands",
            "3. Copy a PNG or export a PNG/PDF. Save a .tesserly project to continue editing later."),
        QCoreApplication::translate(
            "TesserlyCommands", "Everything stays on your computer. Original images are never edited."),
    };
    return AlertRequest { QCoreApplication::translate("TesserlyCommands", "Make a board in three steps"),
        paragraphs.join(QStringLiteral("\n\n")),
        { QCoreApplication::translate("TesserlyCommands", "Got It") }, AlertIcon::information };
}

QString TesserlyCommands::translated(const char* title)
{
    return QCoreApplication::translate("TesserlyCommands", title);
}

QMenu* TesserlyCommands::menu(QMenuBar& menuBar, const char* title)
{
    const QString text = translated(title);
    for (QAction* action : menuBar.actions()) {
        if (action->menu() && action->text() == text) {
            return action->menu();
        }
    }
    return menuBar.addMenu(text);
}

TesserlyCommands::TesserlyCommands(BoardStore& store, QMenuBar& menuBar, ApplicationActions actions)
    : QObject(&menuBar)
    , m_store(&store)
    , m_actions(std::move(actions))
{
    QMenu* file = menu(menuBar, fileMenuTitle);
    m_newBoard
        = addItem(file, newBoardTitle, { keys(Qt::CTRL | Qt::Key_N) }, [this] { m_store->newBoard(); });
    m_openBoard
        = addItem(file, openBoardTitle, { keys(Qt::CTRL | Qt::Key_O) }, [this] { m_store->openProject(); });
    file->addSeparator();
    m_addImages = addItem(
        file, addImagesTitle, { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_I) }, [this] { m_store->addImages(); });
    file->addSeparator();
    m_saveBoard = addItem(
        file, saveBoardTitle, { keys(Qt::CTRL | Qt::Key_S) }, [this] { m_store->saveProject(false); });
    m_saveBoardAs = addItem(file, saveBoardAsTitle, { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S) },
        [this] { m_store->saveProject(true); });
    file->addSeparator();
    m_exportPNG
        = addItem(file, exportPNGTitle, { keys(Qt::CTRL | Qt::Key_E) }, [this] { m_store->exportPNG(); });
    m_exportPDF = addItem(
        file, exportPDFTitle, { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_E) }, [this] { m_store->exportPDF(); });
    file->addSeparator();
    QAction* quit = addItem(file, quitTitle, { keys(Qt::CTRL | Qt::Key_Q) }, [this] { m_actions.quit(); });
    quit->setMenuRole(QAction::QuitRole);
    // Quitting and Settings also work from the About and Settings windows.
    quit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* edit = menu(menuBar, editMenuTitle);
    m_undo = addItem(edit, undoTitle, { keys(Qt::CTRL | Qt::Key_Z) }, [this] { m_store->undo(); });
    m_redo
        = addItem(edit, redoTitle, { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) }, [this] { m_store->redo(); });
    edit->addSeparator();
    // Ctrl+V as well, as users expect; a focused text field still takes it for its own paste.
    m_pasteImages = addItem(edit, pasteImagesTitle,
        { keys(Qt::CTRL | Qt::ALT | Qt::Key_V), keys(Qt::CTRL | Qt::Key_V) },
        [this] { m_store->pasteImages(); });
    m_copyPNG = addItem(
        edit, copyPNGTitle, { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C) }, [this] { m_store->copyPNG(); });
    edit->addSeparator();
    QAction* settings
        = addItem(edit, settingsTitle, preferencesShortcuts(), [this] { m_actions.showSettings(); });
    settings->setMenuRole(QAction::PreferencesRole);
    settings->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* help = menu(menuBar, helpMenuTitle);
    addItem(help, quickGuideTitle, {}, [this] { m_actions.showAlert(quickGuide()); });

    connect(&store, &BoardStore::changed, this, &TesserlyCommands::updateEnabledStates);
    updateEnabledStates();
}

QAction* TesserlyCommands::addItem(
    QMenu* menu, const char* title, const QList<QKeySequence>& shortcuts, std::function<void()> trigger)
{
    QAction* action = menu->addAction(translated(title));
    action->setShortcuts(shortcuts);
    // Active anywhere in the board window. Text fields claim their own editing keys (Ctrl+Z,
    // Ctrl+V, ...) before a window shortcut sees them, so typing in a caption is never undone
    // on the board.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, trigger = std::move(trigger)] {
        if (m_store) {
            trigger();
        }
    });
    return action;
}

void TesserlyCommands::updateEnabledStates()
{
    if (!m_store) {
        return;
    }
    const bool idle = !m_store->isBusy();
    const bool canExport = m_store->canExport();
    for (QAction* action :
        { m_newBoard, m_openBoard, m_addImages, m_saveBoard, m_saveBoardAs, m_pasteImages }) {
        action->setEnabled(idle);
    }
    m_undo->setEnabled(idle && m_store->canUndo());
    m_redo->setEnabled(idle && m_store->canRedo());
    for (QAction* action : { m_copyPNG, m_exportPNG, m_exportPDF }) {
        action->setEnabled(canExport);
    }
}

QAction* TesserlyCommands::actionAfter(const QMenu& menu, const char* title)
{
    const QString text = translated(title);
    const QList<QAction*> actions = menu.actions();
    for (qsizetype index = 0; index < actions.size(); ++index) {
        if (actions[index]->text() == text) {
            return actions.value(index + 1);
        }
    }
    return nullptr;
}
