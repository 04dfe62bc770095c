// Large buffers backed by large pages where the system offers them.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace tavi {

// Asks the system to back the whole 2 MiB pages inside [data, data + bytes) with large pages
// when they are first written. A fresh buffer of tens of MiB otherwise costs a page fault
// every 4 KiB, which on virtual machines is most of the time spent filling it. Only worth
// calling before a buffer of several MiB is first written; does nothing where unsupported.
inline void PreferLargePages(void* data, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    if (bytes < 2 * kLargePage)
        return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLargePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace tavi
