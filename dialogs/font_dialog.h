// The font and text decoration dialog: font family, style, size, weight and name, text decoration, transform,
// vertical position and white-space handling.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class QRadioButton;
class TComboBox;
class TRadioGroup;
class TSpinEdit;

class TForm2 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm2(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image2;
    QLabel* Label1;
    TSelectorGroup* GroupBox4;
    QCheckBox* CheckBox8;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox9;  // class
    QLineEdit* Edit2;
    QLabel* Label2;

    QCheckBox* CheckBox1;  // font family by kind
    TRadioGroup* RadioGroup1;
    QCheckBox* CheckBox2;  // font style
    TRadioGroup* RadioGroup2;
    QCheckBox* CheckBox3;  // font size
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;  // size keyword
    TComboBox* ComboBox3;
    QRadioButton* RadioButton2;  // relative size
    TComboBox* ComboBox4;
    QRadioButton* RadioButton4;  // relative percentage
    TSpinEdit* UDNumeralEdit1;
    QRadioButton* RadioButton3;  // absolute size
    TSpinEdit* UDNumeralEdit2;
    TComboBox* ComboBox5;
    QCheckBox* CheckBox4;  // font weight
    QGroupBox* GroupBox2;
    QRadioButton* RadioButton5;  // relative weight
    TComboBox* ComboBox6;
    QRadioButton* RadioButton6;  // absolute weight
    TSpinEdit* SpinEdit3;
    QCheckBox* CheckBox5;  // font name
    QGroupBox* GroupBox3;
    TComboBox* ComboBox7;
    QCheckBox* CheckBox6;  // text decoration
    TRadioGroup* RadioGroup4;
    QCheckBox* CheckBox7;  // text transform
    TRadioGroup* RadioGroup3;
    QCheckBox* CheckBox10;  // vertical position
    TRadioGroup* RadioGroup5;
    QCheckBox* CheckBox11;  // line breaks and spaces
    TRadioGroup* RadioGroup6;

    QCheckBox* CheckBox12;  // comment
    QLineEdit* Edit3;
    TBitBtn* Button1;  // OK
    TBitBtn* BitBtn2;  // Cancel

public slots:
    // Fills ComboBox7 with the installed font families, keeping its prompt.
    void FormCreate();
    void Button1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreateFontControls();
    void CreateSizeControls();
    void CreateWeightControls();
    void CreateTextControls();
    void LinkControls();
    tavi::TRuleLines SizeLine() const;
    tavi::TRuleLines WeightLine() const;
};

extern QPointer<TForm2> Form2;
