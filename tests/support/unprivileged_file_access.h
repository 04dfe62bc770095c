// File access on this thread as an ordinary user, so that permissions hold even for a test run as root.
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

// While it lives, files are opened and made as the user "nobody" (65534) on this thread; a
// run that is not root is left as it is.
class UnprivilegedFileAccess {
public:
    UnprivilegedFileAccess() : root_(::geteuid() == 0)
    {
        if (root_)
            ::setfsuid(65534);
    }
    ~UnprivilegedFileAccess()
    {
        if (root_)
            ::setfsuid(0);
    }
    UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
    UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

private:
    bool root_;
};
