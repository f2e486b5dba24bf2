#pragma once

#include <optional>
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QUuid>

// Builds project packages on disk, valid by default and broken on purpose where a test says so:
// edit the manifest's members or records, replace or remove image files, or hand over raw
// manifest bytes. It writes only what it is told; it never checks anything.
class PackageBuilder
{
public:
    // A valid, empty board: the current format and version, default settings, no photos.
    PackageBuilder();

    // Adds a record (in the form a saved project has) and its image file; returns the identifier.
    QUuid addImage(const QByteArray& bytes, const QString& fileName = QStringLiteral("photo.png"),
        const QString& caption = QString(), QUuid id = QUuid::createUuid());

    // Top-level members. "photos" is written from the records as long as this object has a
    // "photos" member at all; remove it to leave the member out.
    QJsonObject& manifest() { return m_manifest; }
    QJsonObject& record(qsizetype index) { return m_records[index]; }
    // Files of the Images folder by name.
    QMap<QString, QByteArray>& imageFiles() { return m_imageFiles; }
    // Written instead of the JSON when set.
    void setManifestBytes(const QByteArray& bytes) { m_manifestBytes = bytes; }
    void setWritesImagesFolder(bool writes) { m_writesImagesFolder = writes; }

    // Creates the package folder at `packagePath` (which must not exist) and returns the path.
    // Fails the running test on any file-system error.
    QString write(const QString& packagePath) const;

    static QString imageName(const QUuid& id);

private:
    QByteArray manifestBytes() const;

    QJsonObject m_manifest;
    QList<QJsonObject> m_records;
    QMap<QString, QByteArray> m_imageFiles;
    std::optional<QByteArray> m_manifestBytes;
    bool m_writesImagesFolder = true;
};
