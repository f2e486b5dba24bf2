#pragma once

#include <QByteArray>
#include <QString>

// Reads one whole regular file into memory, never holding more than the caller's limit.
// Failures throw its own errors only: BoundedFileError, or PosixError naming the file.
class BoundedFileReader
{
public:
    static constexpr qint64 chunkSize = 1'048'576;

    // A local path; symbolic links are followed.
    static QByteArray read(const QString& path, qint64 maximumBytes);
    // A single path component inside an open folder; a symbolic link is never followed. Anything
    // else ("", ".", "..", a "/" or NUL in it) is refused as EINVAL before the file system is touched.
    static QByteArray read(const QString& name, int directoryDescriptor, qint64 maximumBytes);
    // Does the work; never closes the descriptor. A system error names fileName.
    static QByteArray read(int descriptor, qint64 maximumBytes, const QString& fileName = QString());
};
