#pragma once

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <utility>

// What a project package on disk holds, enough to tell whether anyone has written it since it
// was last looked at: the manifest's bytes and each image file's name and size. A time stamp
// alone would miss a copy that kept its time and see a change in a plain touch.
class ProjectFingerprint
{
public:
    // The package at url as it is now; absent when nothing is there.
    static std::optional<ProjectFingerprint> read(const QUrl& url);

    bool operator==(const ProjectFingerprint& other) const = default;

private:
    // Absent when the manifest could not be read (gone, too large, not a file).
    std::optional<QByteArray> m_manifest;
    // Sorted by name; a size of -1 marks an entry that is no regular file.
    QList<std::pair<QString, qint64>> m_images;
};
