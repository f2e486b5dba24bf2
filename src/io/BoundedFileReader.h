#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Reads one whole regular file into memory, never holding more than the caller's limit.
// Failures throw: PosixError, BoundedFileError, ImageImportError (not a local file) or
// BoardProjectError (unsafe name inside a package).
class BoundedFileReader
{
public:
    static constexpr qint64 chunkSize = 1'048'576;

    static QByteArray read(const QUrl& url, qint64 maximumBytes);
    // A single path component inside an open folder; a symbolic link is never followed.
    static QByteArray read(const QString& name, int directoryDescriptor, qint64 maximumBytes);
    // Does the work; never closes the descriptor.
    static QByteArray read(int descriptor, qint64 maximumBytes);
};
