#pragma once

#include <QString>
#include <QtGlobal>

// A byte count as the user reads it, in the units the limits are written in: binary multiples
// named KB, MB, GB (1 MB = 1,048,576 bytes), so the 64 MB limit reads "64 MB" in the help, in
// the README and in every refusal alike. Kilobytes are whole, megabytes have one decimal and
// larger units two, trailing zeros dropped: "0 bytes", "1 byte", "500 bytes", "2 KB", "64 MB",
// "6.5 MB", "1.5 GB". Negative counts read as 0.
class ByteCount
{
public:
    static QString text(qint64 bytes);
};
