// The open dialog for pictures: the file dialog with a preview of the selected picture.
#pragma once

#include "components/text_file_dialogs.h"

class TImage;

// The picture types the dialogs offer, all of them first.
inline const QString kPictureFilter = QStringLiteral(
    "すべてのﾌｧｲﾙ (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|"
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp|ｱｲｺﾝ (*.ico)|*.ico|"
    "ｴﾝﾊﾝｽ ﾒﾀﾌｧｲﾙ (*.emf)|*.emf|ﾒﾀﾌｧｲﾙ (*.wmf)|*.wmf");

// Shows the selected picture, scaled to fit, under the standard controls; a file that is
// not a picture (or one of a kind the toolkit cannot draw) shows nothing.
class TOpenPictureDialog : public TEnhOpenDialog {
    Q_OBJECT
public:
    explicit TOpenPictureDialog(QWidget* parent = nullptr);

    TImage* PreviewImage() const { return preview_; }

private:
    TImage* preview_;
};
