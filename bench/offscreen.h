// Benchmarks run headless unless the caller picked a platform.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tavi::bench {

// Call before the application object is made.
inline void PreferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}

}  // namespace tavi::bench
