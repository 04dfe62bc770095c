// The aural dialog: the speech properties of CSS level 2, with a dial for the direction the voice comes from.
#pragma once

#include <QPointer>
#include <array>

#include "dialogs/style_dialog.h"

class QPushButton;
class QRadioButton;
class TCheckGroupBox;
class TComboBox;
class TEnhOpenDialog;
class TSpinEdit;

class TForm11 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm11(TLineSink sink, QWidget* parent = nullptr);

    // The azimuth keyword of each dial position, clockwise from the top.
    static const std::array<const char*, 16> kAzimuths;

    TPanel* Panel1;
    TImage* Image2;
    QLabel* Label5;
    TSelectorGroup* GroupBox3;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;

    TCheckGroupBox* GroupBox1;  // voice kind
    QCheckBox* CheckBox3;
    TComboBox* ComboBox1;
    TCheckGroupBox* GroupBox4;  // reading speed
    QCheckBox* CheckBox4;
    TComboBox* ComboBox2;
    TCheckGroupBox* GroupBox5;  // pitch
    QCheckBox* CheckBox5;
    TComboBox* ComboBox3;
    TCheckGroupBox* GroupBox6;  // intonation
    QCheckBox* CheckBox6;
    TSpinEdit* SpinEdit2;
    TCheckGroupBox* GroupBox7;  // accent
    QCheckBox* CheckBox7;
    TSpinEdit* SpinEdit3;
    TCheckGroupBox* GroupBox8;  // richness
    QCheckBox* CheckBox8;
    TSpinEdit* SpinEdit4;
    TCheckGroupBox* GroupBox2;  // volume
    QCheckBox* CheckBox9;
    QRadioButton* RadioButton1;  // silent
    QRadioButton* RadioButton2;  // a volume
    TSpinEdit* SpinEdit1;
    TCheckGroupBox* GroupBox9;  // azimuth dial
    QCheckBox* CheckBox10;
    TImage* Image1;
    // The dial's sixteen positions, clockwise from the top (RadioButton3 … RadioButton18).
    QRadioButton *RadioButton3, *RadioButton4, *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8,
        *RadioButton9, *RadioButton10, *RadioButton11, *RadioButton12, *RadioButton13, *RadioButton14, *RadioButton15,
        *RadioButton16, *RadioButton17, *RadioButton18;
    TCheckGroupBox* GroupBox10;  // table headings
    QCheckBox* CheckBox11;
    TComboBox* ComboBox4;
    TCheckGroupBox* GroupBox11;  // background music
    QCheckBox* CheckBox12;
    QLabel* Label1;
    QLineEdit* Edit3;
    QPushButton* Button1;   // browse
    QCheckBox* CheckBox13;  // repeat
    QCheckBox* CheckBox14;  // mix with the parent's music

    QCheckBox* CheckBox15;  // comment
    QLineEdit* Edit4;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel
    TEnhOpenDialog* OpenDialog1;

    std::array<QRadioButton*, 16> DialButtons() const;

public slots:
    void Button1Click();
    void BitBtn1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreateValueGroups();
    void CreateDial();
    void CreateMusicGroup();
    void LinkControls();
    tavi::TRuleLines VolumeLine() const;
    tavi::TRuleLines AzimuthLine() const;
    tavi::TRuleLines PlayDuringLine() const;
    // Set the dial and the play controls from values as AzimuthLine and PlayDuringLine write them.
    bool TakeAzimuth(const QString& value) const;
    bool TakePlayDuring(const QString& value) const;
};

extern QPointer<TForm11> Form11;
