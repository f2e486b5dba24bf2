#pragma once

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

// While alive, no file this process writes may grow past `bytes` (RLIMIT_FSIZE): a write across
// the limit fails with EFBIG, as a full disk fails with ENOSPC. SIGXFSZ is ignored meanwhile so
// that the failure comes back as an error instead of ending the process. Both are restored.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &m_previousAction), 0);
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_previousLimit), 0);
        struct rlimit limited = m_previousLimit;
        limited.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previousLimit);
        ::sigaction(SIGXFSZ, &m_previousAction, nullptr);
    }

private:
    struct rlimit m_previousLimit = {};
    struct sigaction m_previousAction = {};
};
