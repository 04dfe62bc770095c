// The system information component: facts about the machine gathered once, memory figures read fresh each time.
#include "components/sys_info.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

TSysInfo::TSysInfo(QObject* owner) : QObject(owner)
{
    const tavi::TSystemFacts& facts = tavi::SystemFacts();
    platform_ = facts.KernelName().isEmpty() ? QStringLiteral("UnSuccessful") : facts.KernelName();
    // "6.1.0-21-amd64": version "6.1" + "-21-amd64", build 0.
    const QRegularExpressionMatch release =
        QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?(.*)$")).match(facts.KernelRelease());
    if (release.hasMatch()) {
        version_ = release.captured(1) + QLatin1Char('.') + release.captured(2) + release.captured(4);
        buildNo_ = release.captured(3).isEmpty() ? QStringLiteral("0") : release.captured(3);
    } else {
        version_ = facts.KernelRelease();
    }
    owner_ = facts.UserFullName().isEmpty() ? QStringLiteral("UnKnownUserName") : facts.UserFullName();
    logOnUserName_ = facts.LogOnUserName().isEmpty() ? QStringLiteral("UnKnownLogOnUserName") : facts.LogOnUserName();
    computerName_ = facts.ComputerName();
    processorType_ = facts.Machine().isEmpty() ? QStringLiteral("UnKnown") : facts.Machine();
    windowsDir_ = QStringLiteral("/");
    windowsSystemDir_ = QStringLiteral("/usr/bin");
    deskTopDir_ = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    personalDir_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    startMenuDir_ = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    startUpDir_ = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath("autostart");
}

void TSysInfo::SetMemoryStatusKind(TMemoryStatusKind kind)
{
    // A value above mkMB is ignored.
    if (kind >= mkB && kind <= mkMB)
        memoryStatusKind_ = kind;
}

std::int64_t TSysInfo::InUnit(std::int64_t bytes) const
{
    static const std::int64_t divisors[] = {1, 1024, 1024 * 1024};
    return bytes / divisors[memoryStatusKind_];
}

int TSysInfo::MemoryLoad() const
{
    const tavi::TMemoryStatus status = tavi::SystemFacts().MemoryStatus();
    if (status.TotalPhys <= 0)
        return 0;
    return static_cast<int>((status.TotalPhys - status.AvailPhys) * 100 / status.TotalPhys);
}

std::int64_t TSysInfo::MemoryTotal() const
{
    return InUnit(tavi::SystemFacts().MemoryStatus().TotalPhys);
}

std::int64_t TSysInfo::MemoryFree() const
{
    return InUnit(tavi::SystemFacts().MemoryStatus().AvailPhys);
}

std::int64_t TSysInfo::PageTotal() const
{
    return InUnit(tavi::SystemFacts().MemoryStatus().TotalPageFile);
}

std::int64_t TSysInfo::PageFree() const
{
    return InUnit(tavi::SystemFacts().MemoryStatus().AvailPageFile);
}

void TSysInfo::SetMemoryAutoRefresh(bool on)
{
    autoRefresh_ = on;
    if (!on) {
        if (timer_)
            timer_->stop();
        return;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, [this] {
            if (OnMemoryRefresh)
                OnMemoryRefresh(this, tavi::SystemFacts().MemoryStatus());
        });
    }
    timer_->start(interval_);
}

void TSysInfo::SetMemoryAutoRefreshInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (timer_ && timer_->isActive())
        timer_->setInterval(milliseconds);
}
