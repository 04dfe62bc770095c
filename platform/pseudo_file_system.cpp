// Telling folders of the kernel's pseudo file systems (/proc, /sys, /dev) from folders that hold files.
#include "platform/pseudo_file_system.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <iterator>

namespace tavi {

namespace {

// /dev is often a plain tmpfs (in containers), so the folders count by name as well.
constexpr const char* kPseudoRoots[] = {"/proc", "/sys", "/dev"};

constexpr const char* kPseudoTypes[] = {"proc",   "sysfs",    "devtmpfs", "devpts",    "debugfs",    "tracefs",
                                        "cgroup", "cgroup2",  "pstore",   "bpf",       "securityfs", "configfs",
                                        "mqueue", "efivarfs", "fusectl",  "hugetlbfs", "binfmt_misc"};

bool UnderRoot(const QString& path, const char* root)
{
    const QString r = QString::fromLatin1(root);
    return path == r || path.startsWith(r + QLatin1Char('/'));
}

}  // namespace

bool IsOnPseudoFileSystem(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    QString real = info.canonicalFilePath();
    if (real.isEmpty())
        real = QDir::cleanPath(info.absoluteFilePath());
    if (std::any_of(std::begin(kPseudoRoots), std::end(kPseudoRoots),
                    [&](const char* root) { return UnderRoot(real, root); }))
        return true;
    const QStorageInfo storage(real);
    if (!storage.isValid())
        return false;
    const QByteArray type = storage.fileSystemType();
    return std::any_of(std::begin(kPseudoTypes), std::end(kPseudoTypes), [&](const char* t) { return type == t; });
}

}  // namespace tavi
