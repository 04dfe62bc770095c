// Runs GoogleTest inside the program's own application object, on the offscreen platform.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/application.h"
#include "app/settings_file.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    // As the program does: the preview's browser engine shares the toolkit's drawing contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    // Windows read and write their settings in a folder of the test run's own, never a real file.
    QTemporaryDir settings;
    SetSettingsPlace({settings.filePath("program/tavi-css-editor"), false, settings.filePath("config")});
    // Recovery journals of the windows tests edit go to the test run's own state folder too.
    qputenv("XDG_STATE_HOME", settings.filePath("state").toLocal8Bit());
    return RUN_ALL_TESTS();
}
