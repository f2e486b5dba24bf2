#include "store/ProjectFingerprint.h"

#include "io/BoundedFileReader.h"
#include "io/ProjectManifest.h"

#include <QDir>
#include <QFileInfo>

std::optional<ProjectFingerprint> ProjectFingerprint::read(const QUrl& url)
{
    const QString path = url.toLocalFile();
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        return std::nullopt;
    }
    ProjectFingerprint fingerprint;
    try {
        fingerprint.m_manifest
            = BoundedFileReader::read(QDir(path).filePath(QString(ProjectManifest::manifestName)),
                ProjectManifest::maximumManifestBytes);
    } catch (...) {
        fingerprint.m_manifest.reset();
    }
    const QDir images(QDir(path).filePath(QString(ProjectManifest::imagesFolderName)));
    const QFileInfoList entries = images.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const bool regular = entry.isFile() && !entry.isSymLink();
        fingerprint.m_images.append({ entry.fileName(), regular ? entry.size() : -1 });
    }
    return fingerprint;
}
