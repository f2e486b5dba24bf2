#pragma once

#include "model/BoardFailure.h"

#include <QString>

class BoardProjectError : public BoardFailure
{
public:
    enum class Kind {
        unsupportedVersion,
        changedImage,
        invalidProject,
        invalidManifest,
        invalidDestination,
        cannotOpenPackage,
        unsafeExistingDestination,
        manifestTooLarge,
        tooManyImages,
        imageTooLarge,
        boardTooLarge,
        duplicateIdentifier,
        unsafeImagePath,
        missingImages,
        missingImage,
    };

    explicit BoardProjectError(Kind kind)
        : m_kind(kind)
    { }
    static BoardProjectError unsupportedVersion(qint64 version);
    static BoardProjectError changedImage(const QString& fileName);
    // An image the manifest lists is not in the package; named by its path inside the package.
    static BoardProjectError missingImage(const QString& imagePath);

    Kind kind() const { return m_kind; }
    qint64 version() const { return m_version; }
    // The photo's file name, or for missingImage the image's path inside the package.
    const QString& fileName() const { return m_fileName; }
    QString description() const override;

private:
    Kind m_kind;
    qint64 m_version = 0;
    QString m_fileName;
};
