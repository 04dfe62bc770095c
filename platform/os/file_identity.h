// What a file on disk is at one moment, to notice later that another program changed or removed it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavi {

// A file's place and version as the file system tells them: which file (device, inode), its
// size and its modification time to the nanosecond. Equal identities mean nobody wrote it.
struct TFileIdentity {
    bool Exists = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    bool operator==(const TFileIdentity&) const = default;
};

// The identity of the file `path` names (following links); Exists false when there is none.
TFileIdentity FileIdentityOf(const std::string& path);

// A 64-bit digest of `bytes`, fast enough to take of every file opened (a few milliseconds
// for 20 MiB): two files whose digests differ differ.
std::uint64_t ContentDigest(std::string_view bytes);

}  // namespace tavi
