// The text layout dialog: indent, line height, alignment, word spacing and letter spacing.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class TComboBox;
class TRadioGroup;
class TSpinEdit;

class TForm10 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm10(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image2;
    QLabel* Label1;
    TSelectorGroup* GroupBox3;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label8;

    QCheckBox* CheckBox3;  // indent
    TComboBox* ComboBox1;
    QLabel* Label2;
    QCheckBox* CheckBox4;  // line height
    TComboBox* ComboBox2;
    QLabel* Label3;
    TImage* Image1;        // the layout figure
    TSpinEdit* SpinEdit1;  // indent
    TSpinEdit* SpinEdit2;  // line height
    QCheckBox* CheckBox5;  // alignment
    TRadioGroup* RadioGroup1;
    QCheckBox* CheckBox6;  // word spacing
    QGroupBox* GroupBox1;
    QLabel* Label4;
    TSpinEdit* SpinEdit3;
    TComboBox* ComboBox3;
    QLabel* Label5;
    QCheckBox* CheckBox7;  // letter spacing
    QGroupBox* GroupBox2;
    QLabel* Label6;
    TSpinEdit* SpinEdit4;
    TComboBox* ComboBox4;
    QLabel* Label7;

    QCheckBox* CheckBox8;  // comment
    QLineEdit* Edit3;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel

public slots:
    void BitBtn1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreateIndentRows();
    void CreateSpacingGroups();
};

extern QPointer<TForm10> Form10;
