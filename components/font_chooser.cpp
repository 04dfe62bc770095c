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
    // The style is named, so that the chooser does not guess among styles of the same
    // weight ("Book" and "Oblique" are both normal weight and not italic to it).
    const QStringList styles = QFontDatabase::styles(resolved.family());
    if (styles.contains(resolved.styleName())) {
        start.setStyleName(resolved.styleName());
        return start;
    }
    for (const QString& style : styles) {
        const QFont face = QFontDatabase::font(resolved.family(), style, start.pointSize());
        if (face.weight() == resolved.weight() && face.style() == resolved.style()) {
            start.setStyleName(style);
            break;
        }
    }
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

// Lists the families whose characters all have one width, and the start font's own, in
// the chooser's family list, then selects the start font's family and style again. The
// toolkit's own filter trusts a pitch flag the font system does not keep for every family.
void ListFixedPitchFamilies(QFontDialog& dialog, const QFont& start)
{
    QStringList families = tavi::FixedPitchFontFamilies();
    if (!families.contains(start.family()))
        families.prepend(start.family());
    // The family list is the first of the chooser's three lists (family, style, size).
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    if (auto* model = lists.isEmpty() ? nullptr : qobject_cast<QStringListModel*>(lists.first()->model()))
        model->setStringList(families);
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
    ListFixedPitchFamilies(dialog, start);
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
