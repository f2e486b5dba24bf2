#include "ui/PanelFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString existingFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir() ? path : QString();
}

} // namespace

QString PanelFolders::settingsKey(Purpose purpose)
{
    switch (purpose) {
    case Purpose::images:
        return settingsGroup + QStringLiteral("/images");
    case Purpose::projects:
        return settingsGroup + QStringLiteral("/projects");
    case Purpose::exports:
        break;
    }
    return settingsGroup + QStringLiteral("/exports");
}

QString PanelFolders::folder(Purpose purpose)
{
    const QString remembered = existingFolder(QSettings().value(settingsKey(purpose)).toString());
    if (!remembered.isEmpty()) {
        return remembered;
    }
    const auto location
        = purpose == Purpose::images ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation;
    const QString standard = existingFolder(QStandardPaths::writableLocation(location));
    return standard.isEmpty() ? QDir::homePath() : standard;
}

void PanelFolders::remember(Purpose purpose, const QString& chosenPath)
{
    if (chosenPath.isEmpty()) {
        return;
    }
    // A package is a folder itself: a trailing slash must not make it its own parent.
    const QString parent = QFileInfo(QDir::cleanPath(chosenPath)).absolutePath();
    QSettings().setValue(settingsKey(purpose), parent);
}
