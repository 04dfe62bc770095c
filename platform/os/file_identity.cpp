// What a file on disk is at one moment, to notice later that another program changed or removed it.
#include "platform/os/file_identity.h"

#include <sys/stat.h>

#include <cstring>

namespace tavi {

TFileIdentity FileIdentityOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::uint64_t ContentDigest(std::string_view bytes)
{
    // Eight bytes at a time, each word mixed in by a multiply and a rotation; the length goes
    // in last, so that texts differing only in trailing zero bytes differ too.
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = 0xCBF29CE484222325ull;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = ((hash ^ word) * kMultiplier);
        hash ^= hash >> 29;
    }
    std::uint64_t tail = 0;
    if (i < bytes.size())
        std::memcpy(&tail, bytes.data() + i, bytes.size() - i);
    hash = ((hash ^ tail) * kMultiplier);
    hash ^= hash >> 29;
    hash = (hash ^ bytes.size()) * kMultiplier;
    return hash ^ (hash >> 32);
}

}  // namespace tavi
