#include "FileSizeLimit.h"

#include <gtest/gtest.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    struct sigaction ignore
    {
    };
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &m_previousAction), 0);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_previousLimit), 0);
    struct rlimit limited = m_previousLimit;
    limited.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previousLimit);
    ::sigaction(SIGXFSZ, &m_previousAction, nullptr);
}
