// The basic style dialog: display kind, width and height, float and clear.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class QRadioButton;
class TComboBox;
class TRadioGroup;
class TSpinEdit;

class TForm8 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm8(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image2;
    QLabel* Label5;
    TSelectorGroup* GroupBox3;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;

    QCheckBox* CheckBox3;  // display
    TRadioGroup* RadioGroup1;
    QCheckBox* CheckBox4;  // size
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;  // automatic
    QRadioButton* RadioButton2;  // in a unit
    TComboBox* ComboBox1;
    QLabel* Label1;
    TImage* Image1;        // the size figure
    TSpinEdit* SpinEdit1;  // height
    TSpinEdit* SpinEdit2;  // width
    QCheckBox* CheckBox5;  // float
    TRadioGroup* RadioGroup2;
    QCheckBox* CheckBox6;  // clear
    TRadioGroup* RadioGroup3;

    QCheckBox* CheckBox7;  // comment
    QLineEdit* Edit3;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel

public slots:
    void BitBtn1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreateSizeGroup();
};

extern QPointer<TForm8> Form8;
