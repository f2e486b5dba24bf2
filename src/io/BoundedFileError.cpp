#include "io/BoundedFileError.h"

#include <cmath>
#include <QCoreApplication>
#include <QString>

namespace {

// Drops a trailing ".0" or ".00" so that round values read "1 MB", as the desktop shows them.
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

QString BoundedFileError::formattedByteCount(qint64 bytes)
{
    if (bytes <= 0) {
        return QCoreApplication::translate("BoundedFileError", "Zero KB");
    }
    if (bytes == 1) {
        return QCoreApplication::translate("BoundedFileError", "1 byte");
    }
    if (bytes < 1000) {
        return QCoreApplication::translate("BoundedFileError", "%1 bytes").arg(bytes);
    }
    struct Unit
    {
        const char* name;
        double size;
        int decimals;
    };
    static constexpr Unit units[] = {
        { "KB", 1e3, 0 },
        { "MB", 1e6, 1 },
        { "GB", 1e9, 2 },
        { "TB", 1e12, 2 },
        { "PB", 1e15, 2 },
    };
    for (std::size_t index = 0; index < std::size(units); ++index) {
        const Unit& unit = units[index];
        const double scale = std::pow(10.0, unit.decimals);
        const double rounded = std::round(double(bytes) / unit.size * scale) / scale;
        // 999,999 bytes rounds to 1000 KB, which reads better as the next unit up.
        if (rounded < 1000.0 || index + 1 == std::size(units)) {
            return trimmedNumber(rounded, unit.decimals) + QLatin1Char(' ') + QLatin1String(unit.name);
        }
    }
    return {};
}

QString BoundedFileError::description() const
{
    if (m_kind == Kind::notRegularFile) {
        return QCoreApplication::translate(
            "BoundedFileError", "Choose a regular image file, rather than a folder or special file.");
    }
    return QCoreApplication::translate(
        "BoundedFileError", "The file is larger than the available %1 import limit.")
        .arg(formattedByteCount(std::max<qint64>(m_limit, 0)));
}
