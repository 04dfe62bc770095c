// The margin dialog: writes a rule with one margin for all sides or one margin per side.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QRadioButton;
class TComboBox;
class TSpinEdit;

class TForm3 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm3(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image3;
    QLabel* Label5;
    TSelectorGroup* GroupBox1;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;
    QLabel* Label1;
    TComboBox* ComboBox1;  // unit
    QLabel* Label2;
    QRadioButton* RadioButton2;  // all sides at once
    TSpinEdit* SpinEdit4;
    QRadioButton* RadioButton1;  // each side in the figure
    TImage* Image1;
    TSpinEdit* SpinEdit1;  // top
    TSpinEdit* SpinEdit5;  // right
    TSpinEdit* SpinEdit2;  // left
    TSpinEdit* SpinEdit3;  // bottom
    QCheckBox* CheckBox3;  // comment
    QLineEdit* Edit3;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel

public slots:
    void BitBtn1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;
};

extern QPointer<TForm3> Form3;
