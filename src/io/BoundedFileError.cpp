#include "io/BoundedFileError.h"

#include "model/ByteCount.h"

#include <QCoreApplication>

QString BoundedFileError::description() const
{
    if (m_kind == Kind::notRegularFile) {
        return QCoreApplication::translate(
            "BoundedFileError", "Choose a regular image file, rather than a folder or special file.");
    }
    return QCoreApplication::translate(
        "BoundedFileError", "The file is larger than the available %1 import limit.")
        .arg(ByteCount::text(m_limit));
}
