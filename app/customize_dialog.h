// The editor customisation dialog: a preview of the main editor's look, changed by check boxes, choosers and numbers.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>

#include "css/css_reader.h"
#include "platform/colors.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class TBitBtn;
class TEditor;
class TFontDialog;
class THTMLcolorDialog;
class TImage;
class TSpinEdit;

// Works on a copy of the main editor's look shown in the preview `Editor1`; OK copies it
// onto the main editor, Cancel and the close box leave the main editor as it was. The
// dialog never touches the settings file.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    // `insertRuleAtCaret`, when given, is the window's choice of where new rules go, which
    // OK sets from CheckBox19.
    explicit TForm12(TEditor* mainEditor, bool* insertRuleAtCaret = nullptr, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label2;
    TImage* Image1;
    TEditor* Editor1;  // the preview

    QCheckBox* CheckBox1;  // text font
    TBitBtn* BitBtn1;
    QCheckBox* CheckBox2;  // text colour
    QToolButton* SpeedButton1;
    QCheckBox* CheckBox4;  // background colour
    QToolButton* SpeedButton2;
    QCheckBox* CheckBox6;  // underline
    QCheckBox* CheckBox5;  // underline colour
    QToolButton* SpeedButton3;
    QCheckBox* CheckBox12;  // wrap
    TSpinEdit* SpinEdit3;
    QCheckBox* CheckBox13;  // [EOF] mark
    QCheckBox* CheckBox15;  // return marks
    QCheckBox* CheckBox17;  // auto-indent
    QCheckBox* CheckBox3;   // reserved words coloured
    QCheckBox* CheckBox7;   // reserved-word colour
    QToolButton* SpeedButton4;
    QCheckBox* CheckBox8;  // reserved-word font
    QPushButton* Button1;
    QCheckBox* CheckBox9;  // reserved-word background
    QToolButton* SpeedButton5;
    QCheckBox* CheckBox10;  // left margin
    TSpinEdit* SpinEdit1;
    QCheckBox* CheckBox11;  // line spacing
    TSpinEdit* SpinEdit2;
    QCheckBox* CheckBox14;  // [EOF] colour
    QToolButton* SpeedButton6;
    QCheckBox* CheckBox16;  // return mark colour
    QToolButton* SpeedButton7;
    QCheckBox* CheckBox18;  // CSS syntax colouring
    QCheckBox* CheckBox19;  // new rules at the caret
    QCheckBox* CheckBox20;  // line numbers
    QCheckBox* CheckBox21;  // wrap at the window's width
    // The colour of each class of the CSS reading but Plain, in TCssClass order from Comment.
    std::array<QToolButton*, tavi::kCssClassCount - 1> SyntaxColorButtons;
    TBitBtn* BitBtn3;  // OK
    TBitBtn* BitBtn4;  // Cancel
    THTMLcolorDialog* ColorDialog1;
    TFontDialog* FontDialog1;

public slots:
    void BitBtn1Click();
    void Button1Click();
    void BitBtn3Click();
    void BitBtn4Click() { close(); }

private:
    void CreateTexts();
    void CreatePreview();
    void CreateOptions();
    void LinkOptions();
    void CreateSyntaxOptions();
    // Shows the preview's colour of each class on its button.
    void ShowSyntaxColors();
    void FormCreate();
    // A colour button: opens the chooser on the preview's value and sets it on OK.
    QToolButton* ColorButton(QPoint pos, std::function<tavi::TColor()> get, std::function<void(tavi::TColor)> set);
    // Sets a preview number from a field's text, or raises the conversion error.
    void SetPreviewNumber(const TSpinEdit* field, const std::function<void(int)>& set);

    TEditor* main_;
    bool* insertRuleAtCaret_;
};

extern QPointer<TForm12> Form12;
