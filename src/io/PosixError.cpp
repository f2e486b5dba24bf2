#include "io/PosixError.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

PosixError::PosixError(int code, QString fileName)
    : m_code(code > 0 && code < 4096 ? code : EIO)
    , m_fileName(std::move(fileName))
{ }

PosixError PosixError::current(const QString& fileName)
{
    return PosixError(errno, fileName);
}

QString PosixError::description() const
{
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
    const QString reason = QString::fromLocal8Bit(strerror_r(m_code, buffer, sizeof buffer));
    if (m_fileName.isEmpty()) {
        return QCoreApplication::translate("PosixError", "The operation couldn't be completed. (%1)")
            .arg(reason);
    }
    return QCoreApplication::translate("PosixError", "The operation on \"%1\" couldn't be completed. (%2)")
        .arg(m_fileName, reason);
}
