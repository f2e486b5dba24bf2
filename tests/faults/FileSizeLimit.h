#pragma once

#include <csignal>
#include <sys/resource.h>

// While alive, no file this process writes may grow past `bytes` (RLIMIT_FSIZE): a write across
// the limit fails with EFBIG, as a full disk fails with ENOSPC. SIGXFSZ is ignored meanwhile so
// that the failure comes back as an error instead of ending the process. Both are restored.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

private:
    struct rlimit m_previousLimit
    {
    };
    struct sigaction m_previousAction
    {
    };
};
