#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file in one step: the bytes go to a fresh file in the same folder, reach the disk,
// and are renamed over the destination, so a reader never sees a half-written export and a
// failure leaves whatever was there before. Throws PosixError naming the destination.
class AtomicFileWriter
{
public:
    static void write(const QString& path, const QByteArray& bytes);
    // Every byte to an open descriptor (a file, a pipe), however many calls that takes. A system
    // error names fileName.
    static void writeAll(int descriptor, const QByteArray& bytes, const QString& fileName = QString());
};
