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
    static constexpr QStringView fileMenuTitle { u"&File" };
    static constexpr QStringView editMenuTitle { u"&Edit" };
    static constexpr QStringView helpMenuTitle { u"&Help" };

    static constexpr QStringView newBoardTitle { u"New Board" };
    static constexpr QStringView openBoardTitle { u"Open Board\u2026" };
    static constexpr QStringView addImagesTitle { u"Add Images\u2026" };
    static constexpr QStringView saveBoardTitle { u"Save Board" };
    static constexpr QStringView saveBoardAsTitle { u"Save Board As\u2026" };
    static constexpr QStringView exportPNGTitle { u"Export PNG\u2026" };
    static constexpr QStringView exportPDFTitle { u"Export PDF\u2026" };
    static constexpr QStringView quitTitle { u"Quit" };
    static constexpr QStringView undoTitle { u"Undo Board Change" };
    static constexpr QStringView redoTitle { u"Redo Board Change" };
    static constexpr QStringView pasteImagesTitle { u"Paste Images" };
    static constexpr QStringView copyPNGTitle { u"Copy Board as PNG" };
    static constexpr QStringView settingsTitle { u"Settings\u2026" };
    static constexpr QStringView quickGuideTitle { u"Tesserly Quick Guide" };

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

    // The menu titled `title` (mnemonic included), created at the end of the bar when missing.
    static QMenu* menu(QMenuBar& menuBar, QStringView title);
    // The action just after the item titled `title` in `menu` (nullptr at the end or when missing),
    // for commands placed among these items.
    static QAction* actionAfter(const QMenu& menu, QStringView title);

private:
    QAction* addItem(
        QMenu* menu, QStringView title, const QList<QKeySequence>& shortcuts, std::function<void()> trigger);
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
