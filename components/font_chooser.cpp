// The font chooser the customisation dialog uses: fixed-pitch fonts only, with an Apply button.
#include "components/font_chooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>

TFontDialog::TFontDialog(QObject* owner) : QObject(owner) {}

bool TFontDialog::Execute()
{
    QFontDialog dialog(font_, QApplication::activeWindow());
    // The toolkit's own dialog: the desktop's could not carry the Apply button.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::MonospacedFonts);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(QStringLiteral("適用(&A)"), QDialogButtonBox::ApplyRole);
        connect(apply, &QPushButton::clicked, &dialog, [this, &dialog] {
            if (OnApply)
                OnApply(dialog.currentFont());
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font_ = dialog.selectedFont();
    return true;
}
