#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file in one step: the bytes go to a fresh file in the same folder, reach the disk,
// and are renamed over the destination, so a reader never sees a half-written export and a
// failure leaves whatever was there before. Throws PosixError.
class AtomicFileWriter
{
public:
    static void write(const QString& path, const QByteArray& bytes);
    // Every byte to an open descriptor (a file, a pipe), however many calls that takes.
    static void writeAll(int descriptor, const QByteArray& bytes);
};
