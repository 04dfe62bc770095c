// Facts about the machine and the signed-in user, behind an interface so that tests can give their own.
#pragma once

#include <QString>
#include <cstdint>

namespace tavi {

// The system's memory at one moment, in bytes. 64-bit: today's machines have more than
// 2 GiB, which 32-bit figures would turn negative or wrap.
struct TMemoryStatus {
    std::int64_t TotalPhys = 0;
    std::int64_t AvailPhys = 0;
    std::int64_t TotalPageFile = 0;
    std::int64_t AvailPageFile = 0;
};

class TSystemFacts {
public:
    virtual ~TSystemFacts() = default;
    // The signed-in user's full name from the account database; empty when it has none.
    virtual QString UserFullName() const = 0;
    // The signed-in user's account name; empty when it cannot be found.
    virtual QString LogOnUserName() const = 0;
    virtual QString ComputerName() const = 0;
    // The kernel's name ("Linux"), release ("6.1.0-21-amd64") and machine ("x86_64").
    virtual QString KernelName() const = 0;
    virtual QString KernelRelease() const = 0;
    virtual QString Machine() const = 0;
    // The memory figures now; nothing is cached.
    virtual TMemoryStatus MemoryStatus() const = 0;
};

// The facts of the running system (the account database, uname, /proc/meminfo).
const TSystemFacts& RealSystemFacts();

// The facts the program uses: the real ones unless a test has put its own in place.
const TSystemFacts& SystemFacts();
// Puts `facts` (which must outlive its use) in place; nullptr restores the real facts.
void SetSystemFacts(const TSystemFacts* facts);

}  // namespace tavi
