// The colour and background dialog: a background picture with its attachment, position and tiling, the text colour
// and the background colour.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class QToolButton;
class QPushButton;
class TCheckGroupBox;
class TComboBox;
class THTMLcolorDialog;
class TOpenPictureDialog;
class TRadioGroup;
class TSpinEdit;

class TForm9 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm9(TLineSink sink, QWidget* parent = nullptr);

    TPanel* Panel1;
    TImage* Image3;
    QLabel* Label5;
    TSelectorGroup* GroupBox1;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;

    TCheckGroupBox* GroupBox5;  // background picture
    QCheckBox* CheckBox5;
    QLabel* Label6;
    QLineEdit* Edit5;      // picture URL
    QPushButton* Button1;  // browse
    QGroupBox* GroupBox4;
    TComboBox* ComboBox1;       // attachment
    TRadioGroup* RadioGroup1;   // tiling
    TCheckGroupBox* GroupBox6;  // position
    QCheckBox* CheckBox8;
    QLabel* Label7;
    TSpinEdit* SpinEdit3;  // horizontal
    TComboBox* ComboBox2;
    QLabel* ii;
    TSpinEdit* SpinEdit4;  // vertical
    TComboBox* ComboBox3;
    TCheckGroupBox* GroupBox2;  // text colour
    QCheckBox* CheckBox3;
    QLineEdit* Edit3;
    QToolButton* SpeedButton1;
    TCheckGroupBox* GroupBox3;  // background colour
    QCheckBox* CheckBox4;
    QLineEdit* Edit4;
    QToolButton* SpeedButton2;
    QLabel* Label1;  // colour preview

    QCheckBox* CheckBox9;  // comment
    QLineEdit* Edit6;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel
    THTMLcolorDialog* HTMLcolorDialog1;
    TOpenPictureDialog* OpenPictureDialog1;

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void BitBtn1Click() { AppendRuleAndClose(); }
    // Closes without writing, as every other dialog's Cancel does.
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreatePictureGroup();
    void CreatePositionGroup();
    void CreateColorGroups();
    void LinkControls();
    tavi::TRuleLines BackgroundLine() const;
    // Sets the background controls from a "background" value as BackgroundLine writes it.
    bool TakeBackground(const QString& value) const;
};

extern QPointer<TForm9> Form9;
