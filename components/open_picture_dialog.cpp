// The open dialog for pictures: the file dialog with a preview of the selected picture.
#include "components/open_picture_dialog.h"

#include <QFileInfo>
#include <QVBoxLayout>

#include "components/image.h"
#include "platform/pseudo_file_system.h"

TOpenPictureDialog::TOpenPictureDialog(QWidget* parent) : TEnhOpenDialog(parent)
{
    SetCaptions(QStringLiteral("ファイルを開く"), QStringLiteral("開く(&O)"));
    SetFilter(kPictureFilter);
    SetFilterIndex(1);
    auto* column = new QVBoxLayout(ExtensionPanel());
    column->setContentsMargins(5, 2, 5, 5);
    preview_ = new TImage(ExtensionPanel());
    preview_->SetStretch(true);
    preview_->SetProportional(true);
    column->addWidget(preview_);
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
        const QFileInfo info(path);
        if (info.isFile() && !tavi::IsOnPseudoFileSystem(path))
            preview_->LoadPicture(path);
        else
            preview_->SetPicture({});
    });
}
