#include "PackageBuilder.h"

#include "model/BoardSettings.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(bytes) == bytes.size())
        << "could not write " << path.toStdString() << ": " << file.errorString().toStdString();
}
} // namespace

PackageBuilder::PackageBuilder()
{
    m_manifest.insert(QStringLiteral("format"), QStringLiteral("com.vandrel.tesserly.project"));
    m_manifest.insert(QStringLiteral("schemaVersion"), 1);
    m_manifest.insert(QStringLiteral("settings"), BoardSettings().toJson());
    m_manifest.insert(QStringLiteral("photos"), QJsonArray());
}

QUuid PackageBuilder::addImage(
    const QByteArray& bytes, const QString& fileName, const QString& caption, QUuid id)
{
    QJsonObject record;
    record.insert(QStringLiteral("id"), id.toString(QUuid::WithoutBraces).toUpper());
    record.insert(QStringLiteral("fileName"), fileName);
    record.insert(QStringLiteral("caption"), caption);
    record.insert(QStringLiteral("imagePath"), QStringLiteral("Images/") + imageName(id));
    record.insert(QStringLiteral("byteCount"), qint64(bytes.size()));
    m_records.append(record);
    m_imageFiles.insert(imageName(id), bytes);
    return id;
}

QByteArray PackageBuilder::manifestBytes() const
{
    if (m_manifestBytes) {
        return *m_manifestBytes;
    }
    QJsonObject manifest = m_manifest;
    if (manifest.contains(QStringLiteral("photos"))) {
        QJsonArray photos;
        for (const QJsonObject& record : m_records) {
            photos.append(record);
        }
        manifest.insert(QStringLiteral("photos"), photos);
    }
    return QJsonDocument(manifest).toJson(QJsonDocument::Compact);
}

QString PackageBuilder::write(const QString& packagePath) const
{
    if (!QDir().mkdir(packagePath)) {
        ADD_FAILURE() << "could not create the package folder " << packagePath.toStdString();
        return packagePath;
    }
    writeBytes(packagePath + QStringLiteral("/manifest.json"), manifestBytes());
    if (m_writesImagesFolder) {
        const QString images = packagePath + QStringLiteral("/Images");
        EXPECT_TRUE(QDir().mkdir(images)) << "could not create " << images.toStdString();
        for (auto file = m_imageFiles.cbegin(); file != m_imageFiles.cend(); ++file) {
            writeBytes(images + QLatin1Char('/') + file.key(), file.value());
        }
    }
    return packagePath;
}

QString PackageBuilder::imageName(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toLower() + QStringLiteral(".image");
}
