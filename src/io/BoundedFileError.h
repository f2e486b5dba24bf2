#pragma once

#include "model/BoardFailure.h"

#include <QtGlobal>

class BoundedFileError : public BoardFailure
{
public:
    enum class Kind { tooLarge, notRegularFile };

    static BoundedFileError tooLarge(qint64 limit) { return BoundedFileError(Kind::tooLarge, limit); }
    static BoundedFileError notRegularFile() { return BoundedFileError(Kind::notRegularFile, 0); }

    Kind kind() const { return m_kind; }
    // The byte limit that was exceeded (the caller's limit, not the file's size).
    qint64 limit() const { return m_limit; }
    QString description() const override;

private:
    BoundedFileError(Kind kind, qint64 limit)
        : m_kind(kind)
        , m_limit(limit)
    { }

    Kind m_kind;
    qint64 m_limit;
};
