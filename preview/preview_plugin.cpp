// The preview module's entry: the factory the main window finds when it loads the module.
#include <QObject>

#include "preview/preview_pane.h"

class TPreviewPlugin : public QObject, public TPreviewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TPreviewFactory_iid)
    Q_INTERFACES(TPreviewFactory)
public:
    TPreview* CreatePreview(QWidget* parent) override { return new TPreviewPane(parent); }
};

#include "preview_plugin.moc"
