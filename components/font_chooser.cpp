// The font chooser the customisation dialog uses: fixed-pitch fonts only, with an Apply button.
#include "components/font_chooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>

#include "platform/font_names.h"

namespace {

// The font the chooser opens on: the installed family a stored name stands for (the
// editor's "FixedSys" is a substitution), in the style the font system chose for it, at
// the font's size in points.
QFont StartFont(const QFont& font)
{
    const QFontInfo resolved(font);
    QFont start(resolved.family());
    start.setPointSize(std::max(1, resolved.pointSize()));
    // The face the font system chose; named, so that the chooser does not guess among
    // styles of the same weight ("Book" and "Oblique" are both normal and upright to it).
    if (QFontDatabase::styles(resolved.family()).contains(resolved.styleName()))
        start.setStyleName(resolved.styleName());
    return start;
}

// Selects `item` in whichever of the chooser's lists holds it; false when none does.
bool SelectListItem(QFontDialog& dialog, const QString& item)
{
    for (QListView* list : dialog.findChildren<QListView*>()) {
        auto* model = qobject_cast<QStringListModel*>(list->model());
        const qsizetype row = model != nullptr ? model->stringList().indexOf(item) : -1;
        if (row >= 0) {
            list->setCurrentIndex(model->index(static_cast<int>(row)));
            return true;
        }
    }
    return false;
}

// Leaves only families whose characters all have one width in the chooser's family list,
// then selects the start font's family and style in it again. The toolkit's own filter
// trusts a pitch flag the font system does not keep for every family.
void KeepFixedPitchFamilies(QFontDialog& dialog, const QFont& start)
{
    for (QListView* list : dialog.findChildren<QListView*>()) {
        auto* model = qobject_cast<QStringListModel*>(list->model());
        if (model == nullptr || !model->stringList().contains(start.family()))
            continue;  // the style or size list
        const QStringList fixed = tavi::FixedPitchFontFamilies();
        QStringList kept;
        for (const QString& name : model->stringList()) {
            if (fixed.contains(QString(name).section(QStringLiteral(" ["), 0, 0)))
                kept << name;
        }
        model->setStringList(kept);
        break;
    }
    // Refilling the list passed through another family, which chose a style of its own.
    SelectListItem(dialog, start.family());
    SelectListItem(dialog, start.styleName());
}

}  // namespace

TFontDialog::TFontDialog(QObject* owner) : QObject(owner) {}

bool TFontDialog::Execute()
{
    QFontDialog dialog(QApplication::activeWindow());
    // The toolkit's own dialog: the desktop's could not carry the Apply button.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::MonospacedFonts);
    // Set after the options, which refill the lists and would lose it.
    const QFont start = StartFont(font_);
    dialog.setCurrentFont(start);
    KeepFixedPitchFamilies(dialog, start);
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
