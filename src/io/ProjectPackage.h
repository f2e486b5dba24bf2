#pragma once

#include "model/BoardPhoto.h"
#include "model/BoardSettings.h"
#include "model/LoadedBoard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

// Writes a board to a ".tesserly" project package and reads one back. Every package is read as
// hostile input: names, counts and sizes are checked before any image is opened, no symbolic
// link inside it is followed, every read is bounded and every image is decoded again by the
// import service. Saving replaces only an older project of this format, in one atomic step.
//
// Both operations are synchronous, keep no state and may run on any thread. Failures throw
// BoardProjectError, or pass through PosixError, BoundedFileError and ImageImportError.
class ProjectPackage
{
public:
    static void save(const QList<BoardPhoto>& photos, const BoardSettings& settings, const QUrl& url);
    // Never returns part of a board.
    static LoadedBoard load(const QUrl& url);

    static constexpr qint64 maximumFileNameBytes = 4096;
    // The longest caption a manifest may hold; longer than a typed one, since a photo's first caption
    // may come from elsewhere.
    static constexpr qsizetype maximumStoredCaptionCharacters = 2000;

private:
    static void validateHeader(const QByteArray& data);
    static void validateDisplayStrings(const QString& fileName, const QString& caption);
    // True when a project of this format is there and may be replaced, false when nothing is
    // there; anything else throws.
    static bool validateExistingDestination(int parentDescriptor, const QByteArray& name);
};
