#include "model/BoardFailure.h"

const char* BoardFailure::what() const noexcept
{
    try {
        m_what = description().toUtf8();
    } catch (...) {
        return "Tesserly error";
    }
    return m_what.constData();
}
