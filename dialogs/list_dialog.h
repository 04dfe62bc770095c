// The list dialog: the kind of list mark or a picture as the mark, and where the mark stands.
#pragma once

#include <QPointer>

#include "dialogs/style_dialog.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class TOpenPictureDialog;
class TRadioGroup;

class TForm7 : public TStyleDialog {
    Q_OBJECT
public:
    explicit TForm7(TLineSink sink, QWidget* parent = nullptr);

    // The keyword each list mark item writes, in item order.
    static const QStringList kMarkKeywords;

    TPanel* Panel1;
    TImage* Image1;
    QLabel* Label2;
    TSelectorGroup* GroupBox1;
    QCheckBox* CheckBox1;  // element
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // class
    QLineEdit* Edit2;
    QLabel* Label3;

    QCheckBox* CheckBox3;  // kind of mark
    TRadioGroup* RadioGroup1;
    QCheckBox* CheckBox4;  // picture as the mark
    QGroupBox* GroupBox2;
    QLabel* Label1;
    QLineEdit* Edit3;
    QPushButton* Button1;  // browse
    QCheckBox* CheckBox5;  // position of the mark
    QGroupBox* GroupBox3;
    QRadioButton* RadioButton1;  // outside
    QRadioButton* RadioButton2;  // inside
    TImage* Image2;              // marks outside
    TImage* Image3;              // marks inside

    QCheckBox* CheckBox6;  // comment
    QLineEdit* Edit4;
    TBitBtn* BitBtn1;  // OK
    TBitBtn* BitBtn2;  // Cancel
    TOpenPictureDialog* OpenPictureDialog1;

public slots:
    void Button1Click();
    void BitBtn1Click() { AppendRuleAndClose(); }
    void BitBtn2Click() { close(); }

protected:
    std::vector<tavi::TOptionGroup> OptionGroups() const override;

private:
    void CreatePictureGroup();
    void CreatePositionGroup();
};

extern QPointer<TForm7> Form7;
