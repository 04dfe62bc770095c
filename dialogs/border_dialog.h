// The border dialog: padding, border colour and border width, each per side or for all sides, and the border style.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class QRadioButton;
class TComboBox;
class THTMLcolorDialog;
class TRadioGroup;
class TSpinEdit;

class TForm4 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm4(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image2;
    QLabel* Label5;
    TSelectorGroup* GroupBox3;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;
    TImage* Image1;  // the figure the per-side controls stand on

    QCheckBox* CheckBox3;  // padding
    QGroupBox* GroupBox1;
    QLabel* Label1;
    TComboBox* ComboBox1;  // padding unit
    QLabel* Label2;
    QRadioButton* RadioButton1;  // each side
    QRadioButton* RadioButton2;  // all sides
    TSpinEdit* SpinEdit2;        // top
    TSpinEdit* SpinEdit4;        // bottom
    TSpinEdit* SpinEdit11;       // right
    TSpinEdit* SpinEdit3;        // left
    TSpinEdit* SpinEdit5;        // all sides

    QCheckBox* CheckBox4;  // border colour
    QGroupBox* GroupBox2;
    QRadioButton* RadioButton3;  // each side
    QRadioButton* RadioButton4;  // all sides
    QLineEdit* Edit3;            // top
    QLineEdit* Edit5;            // bottom
    QLineEdit* Edit6;            // right
    QLineEdit* Edit4;            // left
    QLineEdit* Edit7;            // all sides
    TBitBtn* BitBtn1;            // colour for Edit7
    TBitBtn* BitBtn2;            // colour for Edit3
    TBitBtn* BitBtn3;            // colour for Edit5
    TBitBtn* BitBtn4;            // colour for Edit4
    TBitBtn* BitBtn5;            // colour for Edit6

    QCheckBox* CheckBox5;  // border width
    QGroupBox* GroupBox4;
    QLabel* Label4;
    TComboBox* ComboBox2;  // width unit
    QLabel* Label6;
    QRadioButton* RadioButton5;  // each side
    QRadioButton* RadioButton6;  // all sides
    TSpinEdit* SpinEdit8;        // top
    TSpinEdit* SpinEdit7;        // bottom
    TSpinEdit* SpinEdit9;        // right
    TSpinEdit* SpinEdit6;        // left
    TSpinEdit* SpinEdit10;       // all sides

    QCheckBox* CheckBox6;  // border style
    TRadioGroup* RadioGroup1;

    QCheckBox* CheckBox7;  // comment
    QLineEdit* Edit8;
    TBitBtn* BitBtn6;  // OK
    TBitBtn* BitBtn7;  // Cancel
    THTMLcolorDialog* HTMLcolorDialog1;

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click() { AppendRuleAndClose(); }
    void BitBtn7Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreatePaddingControls();
    void CreateColorControls();
    void CreateWidthControls();
    void LinkControls();
    TBitBtn* ColorButton(const QRect& rect);
};

extern QPointer<TForm4> Form4;
