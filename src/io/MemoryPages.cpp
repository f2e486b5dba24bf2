#include "io/MemoryPages.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

void MemoryPages::populate(void* data, std::size_t size)
{
#if defined(MADV_POPULATE_WRITE)
    static const auto pageSize = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    if (data == nullptr || pageSize == 0 || size < pageSize) {
        return;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t end = (start + size) & ~(pageSize - 1);
    if (end > first) {
        // Fails harmlessly on kernels older than 5.14.
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
    }
#else
    (void)data;
    (void)size;
#endif
}
