#pragma once

#include <QObject>
#include <QPointer>

class BoardStore;
class QMenu;
class QMenuBar;
class RecentProjects;

// File > Open Recent: the recent projects, newest first, then "Clear Menu". Choosing one runs the
// store's open flow (with its unsaved-changes question). The list follows the store: a project
// opened or saved goes to the top, one that fails to open leaves the list.
class OpenRecentMenu : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* title = QT_TRANSLATE_NOOP("TesserlyCommands", "Open Recent");
    static constexpr const char* clearTitle = QT_TRANSLATE_NOOP("TesserlyCommands", "Clear Menu");

    // Placed after File > Open Board…; owned by the menu bar. Store and list must outlive it.
    OpenRecentMenu(BoardStore& store, RecentProjects& recent, QMenuBar& menuBar);

    QMenu* menu() const { return m_menu; }

private:
    void rebuild();

    QPointer<BoardStore> m_store;
    RecentProjects& m_recent;
    QMenu* m_menu = nullptr;
};
