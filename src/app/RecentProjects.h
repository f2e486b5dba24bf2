#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QObject>
#include <QUrl>

// The projects last opened or saved, newest first, kept in the user settings so that the list
// survives the application. Each project appears once; the oldest drop off past the limit.
class RecentProjects : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype limit = 10;
    static constexpr QLatin1StringView settingsKey { "recentProjects" };

    explicit RecentProjects(QObject* parent = nullptr);

    // Read from the settings on each call, so that every window sees the same list.
    QList<QUrl> urls() const;
    // Puts a project at the top.
    void add(const QUrl& url);
    void remove(const QUrl& url);
    void clear();

signals:
    void changed();

private:
    void store(const QStringList& paths);
};
