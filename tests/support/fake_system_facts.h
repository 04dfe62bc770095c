// System facts a test sets itself, put in place for as long as the object lives.
#pragma once

#include "platform/system_facts.h"

class FakeSystemFacts : public tavi::TSystemFacts {
public:
    FakeSystemFacts() { tavi::SetSystemFacts(this); }
    ~FakeSystemFacts() override { tavi::SetSystemFacts(nullptr); }

    QString UserFullName() const override { return fullName; }
    QString LogOnUserName() const override { return logOn; }
    QString ComputerName() const override { return computer; }
    QString KernelName() const override { return kernel; }
    QString KernelRelease() const override { return release; }
    QString Machine() const override { return machine; }
    tavi::TMemoryStatus MemoryStatus() const override
    {
        ++memoryReads;
        return memory;
    }

    QString fullName = QStringLiteral("山田 太郎");
    QString logOn = QStringLiteral("taro");
    QString computer = QStringLiteral("desk");
    QString kernel = QStringLiteral("Linux");
    QString release = QStringLiteral("6.1.0-21-amd64");
    QString machine = QStringLiteral("x86_64");
    tavi::TMemoryStatus memory{std::int64_t{16} << 30, std::int64_t{3} << 30, std::int64_t{2} << 30, 1536};
    mutable int memoryReads = 0;
};
