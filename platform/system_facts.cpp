// Facts about the machine and the signed-in user, behind an interface so that tests can give their own.
#include "platform/system_facts.h"

#include <pwd.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <QFile>
#include <QMap>

namespace tavi {

namespace {

const passwd* CurrentAccount()
{
    return ::getpwuid(::geteuid());
}

// The figures of /proc/meminfo, in bytes; its "available" figure counts the page cache
// the kernel can give back, which is what a user means by free memory.
QMap<QByteArray, std::int64_t> ReadMemInfo()
{
    QMap<QByteArray, std::int64_t> figures;
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return figures;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QList<QByteArray> parts = line.mid(colon + 1).simplified().split(' ');
        const std::int64_t unit = parts.size() > 1 && parts[1] == "kB" ? 1024 : 1;
        figures.insert(line.left(colon), parts.value(0).toLongLong() * unit);
    }
    return figures;
}

class TRealSystemFacts : public TSystemFacts {
public:
    QString UserFullName() const override
    {
        const passwd* account = CurrentAccount();
        // The account's comment field: the full name, then office and telephone after commas.
        return account && account->pw_gecos ? QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0)
                                            : QString();
    }
    QString LogOnUserName() const override
    {
        const passwd* account = CurrentAccount();
        return account ? QString::fromLocal8Bit(account->pw_name) : QString();
    }
    QString ComputerName() const override
    {
        char name[256] = {};
        return ::gethostname(name, sizeof name - 1) == 0 ? QString::fromLocal8Bit(name) : QString();
    }
    QString KernelName() const override { return Uname().sysname; }
    QString KernelRelease() const override { return Uname().release; }
    QString Machine() const override { return Uname().machine; }
    TMemoryStatus MemoryStatus() const override
    {
        const QMap<QByteArray, std::int64_t> figures = ReadMemInfo();
        TMemoryStatus status;
        status.TotalPhys = figures.value("MemTotal");
        status.AvailPhys = figures.value("MemAvailable", figures.value("MemFree"));
        status.TotalPageFile = figures.value("SwapTotal");
        status.AvailPageFile = figures.value("SwapFree");
        if (status.TotalPhys == 0) {
            struct sysinfo info {};
            if (::sysinfo(&info) == 0) {
                status.TotalPhys = static_cast<std::int64_t>(info.totalram) * info.mem_unit;
                status.AvailPhys = static_cast<std::int64_t>(info.freeram) * info.mem_unit;
            }
        }
        return status;
    }

private:
    struct TUname {
        QString sysname, release, machine;
    };
    static TUname Uname()
    {
        struct utsname names {};
        if (::uname(&names) != 0)
            return {};
        return {QString::fromLocal8Bit(names.sysname), QString::fromLocal8Bit(names.release),
                QString::fromLocal8Bit(names.machine)};
    }
};

const TSystemFacts* replacement = nullptr;

}  // namespace

const TSystemFacts& RealSystemFacts()
{
    static const TRealSystemFacts facts;
    return facts;
}

const TSystemFacts& SystemFacts()
{
    return replacement ? *replacement : RealSystemFacts();
}

void SetSystemFacts(const TSystemFacts* facts)
{
    replacement = facts;
}

}  // namespace tavi
