#pragma once

#include <exception>
#include <QString>

// Base of every error a component raises. Each component throws its own subclass (a closed
// set of cases); errors of lower components pass through unchanged, and the store shows
// description() to the user.
class BoardFailure : public std::exception
{
public:
    virtual QString description() const = 0;
    const char* what() const noexcept override;

private:
    mutable QByteArray m_what;
};
