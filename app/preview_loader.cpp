// Loading the preview module, which holds the browser engine, when the preview is first opened.
#include "app/preview_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "platform/os/process_user.h"
#include "preview/preview.h"

TPreviewFactory* LoadPreviewModule(QString& error)
{
    if (tavi::RunsAsRoot() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList places = {programFolder + QStringLiteral("/tavi-preview.so"),
                                programFolder + QStringLiteral("/../lib/tavi-css-editor/tavi-preview.so")};
    QString file;
    for (const QString& place : places) {
        if (QFileInfo::exists(place)) {
            file = QDir::cleanPath(place);
            break;
        }
    }
    if (file.isEmpty()) {
        error = QStringLiteral("プレビューの部品 (tavi-preview.so) が見つかりません。");
        return nullptr;
    }
    // The loader stays loaded for the rest of the run, as the panes it makes do.
    auto* loader = new QPluginLoader(file, QCoreApplication::instance());
    auto* factory = qobject_cast<TPreviewFactory*>(loader->instance());
    if (!factory)
        error = QStringLiteral("プレビューの部品を読み込めません: ") + loader->errorString();
    return factory;
}
