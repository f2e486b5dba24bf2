#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The byte form in which the package fuzzer receives a whole ".tesserly" folder, and the code
// that lays it out on disk. Kept byte-oriented and separator-based so that mutations of one part
// (the manifest, one image) leave the others intact:
//
//   flags byte | manifest bytes | (separator | entry control byte | entry bytes)*
//
// Images are named after the identifiers found in the manifest text, in order, so that a
// mutated manifest still points at files that exist.
class PackageRecipe
{
public:
    static constexpr QLatin1StringView separator { "\n@@ENTRY@@\n" };
    static constexpr int maximumEntries = 6;

    enum Flag : unsigned char {
        imagesFolderMissing = 0x01,
        imagesFolderIsLink = 0x02,
        manifestIsLink = 0x04,
        packageIsLink = 0x08,
        manifestIsFolder = 0x10,
        extraEntryInImages = 0x20,
    };

    enum class EntryKind { regularFile, symbolicLink, folder, namedPipe };

    struct Entry
    {
        EntryKind kind = EntryKind::regularFile;
        // Which identifier of the manifest names the file (modulo their count).
        int identifierIndex = 0;
        // Named with an upper-case identifier, which the reader must not accept.
        bool upperCaseName = false;
        QByteArray bytes;
    };

    unsigned char flags = 0;
    QByteArray manifest;
    QList<Entry> entries;

    static PackageRecipe parse(const QByteArray& input);
    QByteArray serialize() const;

    // The canonical identifiers written in the manifest text, in order of appearance.
    QStringList identifiers() const;

    // Builds the package under `workFolder` (which must exist and be empty) and returns the path
    // to hand to the reader. Anything the recipe asks for that the file system refuses is left
    // out: the reader must cope with whatever is there.
    QString materialize(const QString& workFolder) const;
};
