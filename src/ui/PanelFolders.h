#pragma once

#include <QLatin1StringView>
#include <QString>

// The folder each kind of file panel starts in: where the user last chose something for the
// same purpose, kept in the user settings across runs.
class PanelFolders
{
public:
    enum class Purpose { images, projects, exports };

    static constexpr QLatin1StringView settingsGroup { "panelFolders" };

    static QString settingsKey(Purpose purpose);
    // The remembered folder when it still exists; otherwise the desktop's own folder for the
    // purpose (Pictures for images, Documents otherwise), or the home folder.
    static QString folder(Purpose purpose);
    // Remembers the folder holding a chosen file or package.
    static void remember(Purpose purpose, const QString& chosenPath);
};
