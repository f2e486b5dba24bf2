#pragma once

#include "store/BoardPlatform.h"

#include <functional>
#include <QLatin1StringView>
#include <QObject>
#include <QPointer>
#include <QStringView>

class BoardStore;
class QAction;
class QMenu;
class QMenuBar;

// The menu bar's board commands: File (new, open, add, save, export, quit), Edit (undo, redo,
// paste, copy, settings) and Help (the quick guide). Each item calls a store operation; its
// enabled state follows the store's flags. The commands keep no state of their own.
class TesserlyCommands : public QObject
{
    Q_OBJECT

public:
    // Titles in English; menus show them through translated(), in the desktop's language.
    static constexpr const char* fileMenuTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "&File");
    static constexpr const char* editMenuTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "&Edit");
    static constexpr const char* helpMenuTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "&Help");

    static constexpr const char* newBoardTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "New Board");
    static constexpr const char* openBoardTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Open Board\u2026");
    static constexpr const char* addImagesTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Add Images\u2026");
    static constexpr const char* saveBoardTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Save Board");
    static constexpr const char* saveBoardAsTitle
        = QT_TRANSLATE_NOOP("TesserlyCommands", "Save Board As\u2026");
    static constexpr const char* exportPNGTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Export PNG\u2026");
    static constexpr const char* exportPDFTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Export PDF\u2026");
    static constexpr const char* quitTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Quit");
    static constexpr const char* undoTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Undo Board Change");
    static constexpr const char* redoTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Redo Board Change");
    static constexpr const char* pasteImagesTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Paste Images");
    static constexpr const char* copyPNGTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Copy Board as PNG");
    static constexpr const char* settingsTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Settings\u2026");
    static constexpr const char* quickGuideTitle
        = QT_TRANSLATE_NOOP("TesserlyCommands", "Tesserly Quick Guide");

    // What the application does for the items that are not board operations.
    struct ApplicationActions
    {
        std::function<void()> quit;
        std::function<void()> showSettings;
        std::function<void(const AlertRequest&)> showAlert;
    };

    // The quick guide alert: its message, four paragraphs and one button.
    static AlertRequest quickGuide();

    // Fills the File, Edit and Help menus of `menuBar` (creating them when missing). The store must
    // outlive the menu bar's use of it; the commands are owned by the menu bar.
    TesserlyCommands(BoardStore& store, QMenuBar& menuBar, ApplicationActions actions);

    // A menu or item title in the application's language.
    static QString translated(const char* title);
    // The menu titled `title` (mnemonic included), created at the end of the bar when missing.
    static QMenu* menu(QMenuBar& menuBar, const char* title);
    // The action just after the item titled `title` in `menu` (nullptr at the end or when missing),
    // for commands placed among these items.
    static QAction* actionAfter(const QMenu& menu, const char* title);

private:
    QAction* addItem(
        QMenu* menu, const char* title, const QList<QKeySequence>& shortcuts, std::function<void()> trigger);
    // Re-reads the store's flags into every item's enabled state.
    void updateEnabledStates();

    QPointer<BoardStore> m_store;
    ApplicationActions m_actions;
    QAction* m_newBoard = nullptr;
    QAction* m_openBoard = nullptr;
    QAction* m_addImages = nullptr;
    QAction* m_saveBoard = nullptr;
    QAction* m_saveBoardAs = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_pasteImages = nullptr;
    QAction* m_copyPNG = nullptr;
    QAction* m_exportPNG = nullptr;
    QAction* m_exportPDF = nullptr;
};
