#include "app/RecentProjects.h"

#include "app/AppearancePreference.h"

#include <QDir>
#include <QSettings>

namespace {

QSettings userSettings()
{
    return QSettings(QString(AppearancePreference::organization), QString(AppearancePreference::application));
}

// One spelling per project: a package is a folder, and a trailing slash must not make it twice.
QString pathOf(const QUrl& url)
{
    return url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
}

QStringList storedPaths()
{
    QStringList paths;
    for (const QString& path : userSettings().value(QString(RecentProjects::settingsKey)).toStringList()) {
        const QString clean = path.isEmpty() ? QString() : QDir::cleanPath(path);
        if (!clean.isEmpty() && !paths.contains(clean) && paths.size() < RecentProjects::limit) {
            paths.append(clean);
        }
    }
    return paths;
}

} // namespace

RecentProjects::RecentProjects(QObject* parent)
    : QObject(parent)
{ }

QList<QUrl> RecentProjects::urls() const
{
    QList<QUrl> urls;
    for (const QString& path : storedPaths()) {
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

void RecentProjects::add(const QUrl& url)
{
    const QString path = pathOf(url);
    if (path.isEmpty()) {
        return;
    }
    QStringList paths = storedPaths();
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.first(std::min(paths.size(), limit)));
}

void RecentProjects::remove(const QUrl& url)
{
    QStringList paths = storedPaths();
    if (paths.removeAll(pathOf(url)) > 0) {
        store(paths);
    }
}

void RecentProjects::clear()
{
    store({});
}

void RecentProjects::store(const QStringList& paths)
{
    userSettings().setValue(QString(settingsKey), paths);
    emit changed();
}
