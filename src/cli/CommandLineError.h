#pragma once

#include "model/BoardFailure.h"

#include <QString>

// A command line that cannot be carried out as written: an unknown option, a bad value, a missing
// output. Always a usage error (exit status 2); failures of the work itself are the components' own.
class CommandLineError : public BoardFailure
{
public:
    explicit CommandLineError(QString message)
        : m_message(std::move(message))
    { }

    QString description() const override { return m_message; }

private:
    QString m_message;
};
