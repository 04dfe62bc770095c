// The system information component: facts about the machine gathered once, memory figures read fresh each time.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "platform/system_facts.h"

class QTimer;

enum TMemoryStatusKind { mkB, mkKB, mkMB };
enum TNtProductType { ntNone, ntWorkStation, ntServer };

// Gathers the system's facts when created (from tavi::SystemFacts()). Memory figures are
// read from the system on every read, in the unit of MemoryStatusKind, truncated toward
// zero; they are 64-bit.
class TSysInfo : public QObject {
    Q_OBJECT
public:
    explicit TSysInfo(QObject* owner = nullptr);

    // The user's full name from the account database, or "UnKnownUserName".
    QString Owner() const { return owner_; }
    // Not kept by this system: "UnKnownCompany", "UnKnownProductID" and empty.
    QString Organization() const { return QStringLiteral("UnKnownCompany"); }
    QString ProductID() const { return QStringLiteral("UnKnownProductID"); }
    QString PlusVersion() const { return {}; }
    // The account name, or "UnKnownLogOnUserName".
    QString LogOnUserName() const { return logOnUserName_; }
    QString ComputerName() const { return computerName_; }
    // The system's own folders and the user's desktop, documents, applications menu and
    // autostart folders (XDG).
    QString WindowsDir() const { return windowsDir_; }
    QString WindowsSystemDir() const { return windowsSystemDir_; }
    QString DeskTopDir() const { return deskTopDir_; }
    QString PersonalDir() const { return personalDir_; }
    QString StartMenuDir() const { return startMenuDir_; }
    QString StartUpDir() const { return startUpDir_; }
    TNtProductType NtProductType() const { return ntNone; }
    // The kernel's name ("Linux"), its release's third number, "major.minor" plus the rest
    // of the release text, and the machine ("x86_64").
    QString PlatForm() const { return platform_; }
    QString BuildNo() const { return buildNo_; }
    QString Version() const { return version_; }
    QString ProcessorType() const { return processorType_; }

    TMemoryStatusKind MemoryStatusKind() const { return memoryStatusKind_; }
    void SetMemoryStatusKind(TMemoryStatusKind kind);
    int MemoryLoad() const;
    std::int64_t MemoryTotal() const;
    std::int64_t MemoryFree() const;
    std::int64_t PageTotal() const;
    std::int64_t PageFree() const;

    bool MemoryAutoRefresh() const { return autoRefresh_; }
    void SetMemoryAutoRefresh(bool on);
    int MemoryAutoRefreshInterval() const { return interval_; }
    void SetMemoryAutoRefreshInterval(int milliseconds);
    // Raised after each refresh of the auto-refresh timer with the figures at that moment.
    std::function<void(TSysInfo* sender, const tavi::TMemoryStatus& status)> OnMemoryRefresh;
    // The refresh timer, once auto-refresh has been turned on (tests fire it themselves).
    QTimer* RefreshTimer() const { return timer_; }

private:
    std::int64_t InUnit(std::int64_t bytes) const;

    QString owner_, logOnUserName_, computerName_;
    QString windowsDir_, windowsSystemDir_, deskTopDir_, personalDir_, startMenuDir_, startUpDir_;
    QString platform_, buildNo_, version_, processorType_;
    TMemoryStatusKind memoryStatusKind_ = mkB;
    bool autoRefresh_ = false;
    int interval_ = 1000;
    QTimer* timer_ = nullptr;
};
