#pragma once

#include <QByteArray>
#include <QtGlobal>

// Benchmarks run headless unless the caller names a platform (xcb to watch one).
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
