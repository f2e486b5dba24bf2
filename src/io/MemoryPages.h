#pragma once

#include <cstddef>

// Page-level help for large fresh buffers.
class MemoryPages
{
public:
    // Maps every whole page of [data, data + size) writable in one call. A fresh buffer otherwise
    // takes one fault per page as it is first written, and on virtual machines each fault is a
    // costly trap. Only a speed-up: where the system cannot do it, the pages fault in as usual.
    static void populate(void* data, std::size_t size);
};
