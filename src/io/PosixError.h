#pragma once

#include "model/BoardFailure.h"

// A failed system call, carrying its errno (EIO when errno is not a known code).
class PosixError : public BoardFailure
{
public:
    explicit PosixError(int code);
    // The error for the errno of the call that just failed.
    static PosixError current();

    int code() const { return m_code; }
    QString description() const override;

private:
    int m_code;
};
