// Carrying a file's extended attributes (its access control list among them) over to the file that replaces it.
#include "platform/os/file_attributes.h"

#include <sys/types.h>
#include <sys/xattr.h>

#include <string>
#include <string_view>
#include <vector>

namespace tavi {

namespace {

// The names of the file's attributes, each ending with a NUL; empty when there are none or
// the file system keeps none.
std::vector<char> AttributeNames(int fd)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0)
            return {};
        std::vector<char> names(static_cast<std::size_t>(size));
        const ssize_t got = ::flistxattr(fd, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return names;
        }
        // ERANGE: an attribute was added meanwhile; ask again.
    }
    return {};
}

}  // namespace

void CopyExtendedAttributes(int from, int to)
{
    const std::vector<char> names = AttributeNames(from);
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        const ssize_t size = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (size < 0)
            continue;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (got < 0)
            continue;
        // Refusals (a name space the caller may not write, a file system without it) are skipped.
        ::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(got), 0);
    }
}

}  // namespace tavi
