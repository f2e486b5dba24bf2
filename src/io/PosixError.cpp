#include "io/PosixError.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

PosixError::PosixError(int code)
    : m_code(code > 0 && code < 4096 ? code : EIO)
{ }

PosixError PosixError::current()
{
    return PosixError(errno);
}

QString PosixError::description() const
{
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(m_code, buffer, sizeof buffer);
    return QCoreApplication::translate("PosixError", "The operation couldn't be completed. (%1)")
        .arg(QString::fromLocal8Bit(text));
}
