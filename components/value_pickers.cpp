// Filling a form's edit from a chooser: a colour as HTML colour text, or a file's bare name.
#include "components/value_pickers.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPalette>

#include "components/html_color_dialog.h"
#include "components/text_file_dialogs.h"

namespace tavi {

bool PickColorText(THTMLcolorDialog& dialog, QLineEdit* edit)
{
    if (!dialog.Execute())
        return false;
    edit->setText(dialog.HtmlColorText());
    return true;
}

bool PickColorInto(THTMLcolorDialog& dialog, QLineEdit* edit)
{
    if (!PickColorText(dialog, edit))
        return false;
    SetTextColor(edit, dialog.Color());
    return true;
}

void SetTextColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    const QColor c = ColorToQColor(color);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::Text, c);
    control->setPalette(palette);
}

void SetBackgroundColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

std::optional<QString> PickFileName(TEnhOpenDialog& dialog)
{
    if (!dialog.Execute())
        return std::nullopt;
    return QFileInfo(dialog.FileName()).fileName();
}

}  // namespace tavi
