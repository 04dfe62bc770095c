// Filling a form's edit from a chooser: a colour as HTML colour text, or a file's bare name.
#pragma once

#include <QString>
#include <optional>

#include "platform/colors.h"

class QLineEdit;
class QWidget;
class TEnhOpenDialog;
class THTMLcolorDialog;

namespace tavi {

// Runs the colour chooser, which starts from its last confirmed colour. On OK the edit's
// text becomes the colour text ("#RRGGBB") and true is returned; on Cancel nothing changes.
bool PickColorText(THTMLcolorDialog& dialog, QLineEdit* edit);

// As PickColorText, and the edit then shows its text in the chosen colour.
bool PickColorInto(THTMLcolorDialog& dialog, QLineEdit* edit);

// Shows a control's text, or fills its background, in `color`.
void SetTextColor(QWidget* control, TColor color);
void SetBackgroundColor(QWidget* control, TColor color);

// Runs a file dialog; on a confirmed choice gives the file's name without its folder
// ("sky.jpg"), on Cancel nothing.
std::optional<QString> PickFileName(TEnhOpenDialog& dialog);

}  // namespace tavi
