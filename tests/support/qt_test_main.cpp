// Runs GoogleTest inside the program's own application object, on the offscreen platform.
#include <gtest/gtest.h>

#include "app/application.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    return RUN_ALL_TESTS();
}
