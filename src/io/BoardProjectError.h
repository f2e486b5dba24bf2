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
    };

    explicit BoardProjectError(Kind kind)
        : m_kind(kind)
    { }
    static BoardProjectError unsupportedVersion(qint64 version);
    static BoardProjectError changedImage(const QString& fileName);

    Kind kind() const { return m_kind; }
    qint64 version() const { return m_version; }
    const QString& fileName() const { return m_fileName; }
    QString description() const override;

private:
    Kind m_kind;
    qint64 m_version = 0;
    QString m_fileName;
};
