#include "io/ProjectManifest.h"

#include <limits>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {
std::optional<QJsonObject> rootObject(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

std::optional<QString> stringMember(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        return std::nullopt;
    }
    return value.toString();
}

// Integers that fit 64 bits are kept exactly by the parser; an integral double such as 1.0 is
// accepted too, anything fractional or out of range is not.
std::optional<qint64> integerMember(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const qint64 sentinel = std::numeric_limits<qint64>::min();
    const qint64 exact = value.toInteger(sentinel);
    if (exact != sentinel) {
        return exact;
    }
    if (value.toDouble() == double(sentinel)) {
        return sentinel;
    }
    return std::nullopt;
}

// Only the canonical 36-character hyphenated form, in any letter case; QUuid alone would also
// take braces, and it cannot tell the nil identifier from a parse failure.
std::optional<QUuid> identifierFromText(const QString& text)
{
    if (text.size() != 36) {
        return std::nullopt;
    }
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char16_t character = text.at(index).unicode();
        const bool hyphenPlace = index == 8 || index == 13 || index == 18 || index == 23;
        const bool hexDigit = (character >= u'0' && character <= u'9')
            || (character >= u'a' && character <= u'f') || (character >= u'A' && character <= u'F');
        if (hyphenPlace ? character != u'-' : !hexDigit) {
            return std::nullopt;
        }
    }
    return QUuid::fromString(text);
}

std::optional<ProjectManifest::PhotoRecord> recordFromJson(const QJsonValue& value)
{
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const auto idText = stringMember(object, QLatin1StringView("id"));
    const auto id = idText ? identifierFromText(*idText) : std::nullopt;
    const auto fileName = stringMember(object, QLatin1StringView("fileName"));
    const auto caption = stringMember(object, QLatin1StringView("caption"));
    const auto imagePath = stringMember(object, QLatin1StringView("imagePath"));
    const auto byteCount = integerMember(object, QLatin1StringView("byteCount"));
    if (!id || !fileName || !caption || !imagePath || !byteCount) {
        return std::nullopt;
    }
    return ProjectManifest::PhotoRecord { *id, *fileName, *caption, *imagePath, *byteCount };
}

std::optional<ProjectManifest::Header> headerFromJson(const QJsonObject& root)
{
    const auto format = stringMember(root, QLatin1StringView("format"));
    const auto schemaVersion = integerMember(root, QLatin1StringView("schemaVersion"));
    if (!format || !schemaVersion) {
        return std::nullopt;
    }
    return ProjectManifest::Header { *format, *schemaVersion };
}
} // namespace

std::optional<ProjectManifest::Header> ProjectManifest::decodeHeader(const QByteArray& data)
{
    const std::optional<QJsonObject> root = rootObject(data);
    return root ? headerFromJson(*root) : std::nullopt;
}

std::optional<ProjectManifest> ProjectManifest::decode(const QByteArray& data)
{
    const std::optional<QJsonObject> root = rootObject(data);
    const std::optional<Header> header = root ? headerFromJson(*root) : std::nullopt;
    if (!header) {
        return std::nullopt;
    }
    const QJsonValue settingsValue = root->value(QLatin1StringView("settings"));
    const QJsonValue photosValue = root->value(QLatin1StringView("photos"));
    if (!settingsValue.isObject() || !photosValue.isArray()) {
        return std::nullopt;
    }
    const std::optional<BoardSettings> settings = BoardSettings::fromJson(settingsValue.toObject());
    if (!settings) {
        return std::nullopt;
    }
    ProjectManifest manifest;
    manifest.format = header->format;
    manifest.schemaVersion = header->schemaVersion;
    manifest.settings = *settings;
    const QJsonArray photos = photosValue.toArray();
    manifest.photos.reserve(photos.size());
    for (const QJsonValue& value : photos) {
        std::optional<PhotoRecord> record = recordFromJson(value);
        if (!record) {
            return std::nullopt;
        }
        manifest.photos.append(std::move(*record));
    }
    return manifest;
}

QByteArray ProjectManifest::encode() const
{
    QJsonArray records;
    for (const PhotoRecord& record : photos) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), record.id.toString(QUuid::WithoutBraces).toUpper());
        object.insert(QStringLiteral("fileName"), record.fileName);
        object.insert(QStringLiteral("caption"), record.caption);
        object.insert(QStringLiteral("imagePath"), record.imagePath);
        object.insert(QStringLiteral("byteCount"), record.byteCount);
        records.append(object);
    }
    // QJsonObject keeps its keys sorted, which is the order the format asks for.
    QJsonObject root;
    root.insert(QStringLiteral("format"), format);
    root.insert(QStringLiteral("schemaVersion"), schemaVersion);
    root.insert(QStringLiteral("settings"), settings.toJson());
    root.insert(QStringLiteral("photos"), records);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString ProjectManifest::imageName(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toLower() + QStringLiteral(".image");
}

QString ProjectManifest::imagePath(const QUuid& id)
{
    return QString(imagesFolderName) + QLatin1Char('/') + imageName(id);
}
