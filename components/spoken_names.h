// The names a screen reader speaks for controls whose meaning is shown by a caption beside them.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

namespace tavi {

// What a caption says aloud: without its "&" access-key marks, a closing colon and the
// spaces around it.
QString SpokenCaption(const QString& caption);

// Names `control` after the caption of `captioned` (a label, a button, a check box or a
// group box), followed by `detail` when given: "上下左右一括指定" or "絶対指定 単位". A label
// also becomes the control's buddy, so that its access key reaches the control.
void NameAfter(QWidget* control, QWidget* captioned, const QString& detail = {});

// Names controls whose caption is a picture, such as the edits on a dialog's figure.
void NameEach(std::initializer_list<std::pair<QWidget*, QString>> names);

}  // namespace tavi
