// Telling folders of the kernel's pseudo file systems (/proc, /sys, /dev) from folders that hold files.
#pragma once

#include <QString>

namespace tavi {

// True when `path` (a folder or a file) lies in /proc, /sys or /dev, or on a file system
// of the kernel's own kinds (proc, sysfs, devtmpfs, cgroup, ...). Their files are not
// documents: reading one may never end, so dialogs neither start in such folders nor read
// their files.
bool IsOnPseudoFileSystem(const QString& path);

}  // namespace tavi
