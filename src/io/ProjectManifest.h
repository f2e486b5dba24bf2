#pragma once

#include "model/BoardSettings.h"

#include <optional>
#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QUuid>

// The JSON manifest of a ".tesserly" package and the fixed names inside the package. Decoding is
// strict about types and lenient about everything else: extra members are ignored, and the
// checks on names, counts and sizes belong to ProjectPackage.
class ProjectManifest
{
public:
    static constexpr QLatin1StringView manifestName { "manifest.json" };
    static constexpr QLatin1StringView imagesFolderName { "Images" };
    static constexpr qint64 maximumManifestBytes = 1'048'576;
    static constexpr qint64 currentSchemaVersion = 1;

    // Only the two members that tell whether the rest is worth decoding.
    struct Header
    {
        QString format;
        qint64 schemaVersion = 0;
    };

    struct PhotoRecord
    {
        QUuid id;
        QString fileName;
        QString caption;
        QString imagePath;
        qint64 byteCount = 0;
    };

    QString format;
    qint64 schemaVersion = currentSchemaVersion;
    BoardSettings settings;
    QList<PhotoRecord> photos;

    static std::optional<Header> decodeHeader(const QByteArray& data);
    static std::optional<ProjectManifest> decode(const QByteArray& data);
    // Pretty-printed, keys sorted, identifiers in upper case.
    QByteArray encode() const;

    // The lower-case identifier plus ".image": never derived from the photo's own name or type.
    static QString imageName(const QUuid& id);
    static QString imagePath(const QUuid& id);
};
