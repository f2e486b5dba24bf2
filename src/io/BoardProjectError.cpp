#include "io/BoardProjectError.h"

#include "model/BoardLimits.h"

#include <QCoreApplication>

BoardProjectError BoardProjectError::unsupportedVersion(qint64 version)
{
    BoardProjectError error(Kind::unsupportedVersion);
    error.m_version = version;
    return error;
}

BoardProjectError BoardProjectError::changedImage(const QString& fileName)
{
    BoardProjectError error(Kind::changedImage);
    error.m_fileName = fileName;
    return error;
}

BoardProjectError BoardProjectError::missingImage(const QString& imagePath)
{
    BoardProjectError error(Kind::missingImage);
    error.m_fileName = imagePath;
    return error;
}

QString BoardProjectError::description() const
{
    switch (m_kind) {
    case Kind::unsupportedVersion:
        return QCoreApplication::translate("BoardProjectError",
            "This board uses project format %1, which this version of Tesserly cannot open.")
            .arg(m_version);
    case Kind::changedImage:
        return QCoreApplication::translate(
            "BoardProjectError", "The saved image %1 is incomplete or has changed.")
            .arg(m_fileName);
    case Kind::invalidProject:
        return QCoreApplication::translate(
            "BoardProjectError", "This is not a Tesserly project. Choose a .tesserly file.");
    case Kind::invalidManifest:
        return QCoreApplication::translate(
            "BoardProjectError", "The board's project information is incomplete or damaged.");
    case Kind::invalidDestination:
        return QCoreApplication::translate(
            "BoardProjectError", "Save the project with the .tesserly extension.");
    case Kind::cannotOpenPackage:
        return QCoreApplication::translate("BoardProjectError",
            "The board could not be opened. Make sure it is fully downloaded and is not a symbolic link.");
    case Kind::unsafeExistingDestination:
        return QCoreApplication::translate("BoardProjectError",
            "That location contains something other than a supported Tesserly project. "
            "Choose a different name to keep its contents safe.");
    case Kind::manifestTooLarge:
        return QCoreApplication::translate(
            "BoardProjectError", "The board's project information exceeds the supported size.");
    case Kind::tooManyImages:
        return BoardLimits::tooManyPhotosText();
    case Kind::imageTooLarge:
        return BoardLimits::storedImageTooLargeText();
    case Kind::boardTooLarge:
        return BoardLimits::boardTooLargeText();
    case Kind::duplicateIdentifier:
        return QCoreApplication::translate("BoardProjectError",
            "The board contains duplicate image identifiers and cannot be opened safely.");
    case Kind::unsafeImagePath:
        return QCoreApplication::translate(
            "BoardProjectError", "The board contains an invalid image reference.");
    case Kind::missingImage:
        return QCoreApplication::translate("BoardProjectError",
            "The board could not be opened because its image \"%1\" is missing from the package.")
            .arg(m_fileName);
    case Kind::missingImages:
        break;
    }
    return QCoreApplication::translate(
        "BoardProjectError", "The board's Images folder is missing or is a symbolic link.");
}
