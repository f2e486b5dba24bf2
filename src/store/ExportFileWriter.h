#pragma once

#include <QByteArray>
#include <QString>

// Writes an exported file so that the destination holds either its old content or the whole
// new file, never part of one: a temporary file beside it is written, synced and renamed over
// it. Throws PosixError; the temporary file is removed on every failure.
class ExportFileWriter
{
public:
    static void write(const QString& path, const QByteArray& bytes);
};
