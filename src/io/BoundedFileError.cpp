#include "io/BoundedFileError.h"

#include "model/ByteCount.h"

QString BoundedFileError::description() const
{
    if (m_kind == Kind::notRegularFile) {
        return QStringLiteral("Choose a regular image file, rather than a folder or special file.");
    }
    return QStringLiteral("The file is larger than the available %1 import limit.")
        .arg(ByteCount::text(m_limit));
}
