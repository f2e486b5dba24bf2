#pragma once

#include "model/BoardFailure.h"

#include <QString>

// A failed system call, carrying its errno (EIO when errno is not a known code) and the name of
// the file it concerns, which its description names.
class PosixError : public BoardFailure
{
public:
    explicit PosixError(int code, QString fileName = QString());
    // The error for the errno of the call that just failed.
    static PosixError current(const QString& fileName = QString());

    int code() const { return m_code; }
    const QString& fileName() const { return m_fileName; }
    QString description() const override;

private:
    int m_code;
    QString m_fileName;
};
