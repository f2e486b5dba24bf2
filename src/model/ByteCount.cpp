#include "model/ByteCount.h"

#include <QCoreApplication>

#include <cmath>
#include <iterator>

namespace {

// Drops a trailing ".0" or ".00" so that round values read "1 MB".
QString trimmedNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text;
}

} // namespace

QString ByteCount::text(qint64 bytes)
{
    if (bytes == 1) {
        return QCoreApplication::translate("ByteCount", "1 byte");
    }
    if (bytes < 1024) {
        return QCoreApplication::translate("ByteCount", "%1 bytes").arg(std::max<qint64>(bytes, 0));
    }
    struct Unit
    {
        const char* name;
        double size;
        int decimals;
    };
    static constexpr Unit units[] = {
        { "KB", 1024.0, 0 },
        { "MB", 1024.0 * 1024.0, 1 },
        { "GB", 1024.0 * 1024.0 * 1024.0, 2 },
        { "TB", 1024.0 * 1024.0 * 1024.0 * 1024.0, 2 },
    };
    for (std::size_t index = 0; index < std::size(units); ++index) {
        const Unit& unit = units[index];
        const double scale = std::pow(10.0, unit.decimals);
        const double rounded = std::round(double(bytes) / unit.size * scale) / scale;
        // 1,048,575 bytes rounds to 1024 KB, which reads better as the next unit up.
        if (rounded < 1024.0 || index + 1 == std::size(units)) {
            return trimmedNumber(rounded, unit.decimals) + QLatin1Char(' ') + QLatin1String(unit.name);
        }
    }
    return {};
}
