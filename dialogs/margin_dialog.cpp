// The margin dialog: writes a rule with one margin for all sides or one margin per side.
#include "dialogs/margin_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/panel.h"
#include "components/spin_edit.h"
#include "dialogs/rule_lines.h"
#include "dialogs/selector_group.h"

QPointer<TForm3> Form3;

namespace {
// Where the figure stands on the form, and the middle of each side's arrow on it.
constexpr QPoint kFigurePos(40, 250);
constexpr QSize kFigureSize(420, 220);
constexpr QPoint kTopArrow(210, 35);
constexpr QPoint kRightArrow(362, 110);
constexpr QPoint kLeftArrow(58, 110);
constexpr QPoint kBottomArrow(210, 185);
}  // namespace

TForm3::TForm3(TLineSink sink, QWidget* parent)
    : TStyleDialog(QStringLiteral("マージン"), QSize(499, 539), std::move(sink), parent)
{
    CreateHeader();
    CreateMarginControls();

    CheckBox3 = new QCheckBox(QStringLiteral("コメントを入れる"), this);
    CheckBox3->setGeometry(16, 492, 120, 20);
    Edit3 = new QLineEdit(this);
    Edit3->setGeometry(136, 491, 170, 21);
    SetCommentOption(CheckBox3, Edit3);

    BitBtn1 = MakeOkButton(QPoint(320, 490));
    BitBtn2 = MakeCancelButton(QPoint(404, 490));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
}

void TForm3::CreateHeader()
{
    Panel1 = new TPanel(this);
    Panel1->setGeometry(0, 0, 499, 150);
    Image3 = new TImage(Panel1);
    Image3->setGeometry(10, 10, 48, 48);
    Image3->LoadPicture(QStringLiteral(":/pictures/margin_title.jpg"));
    Label5 =
        new QLabel(QStringLiteral("セレクターにスタイルシートを適用する要素・クラスを指定し、それぞれの指定を行います。"
                                  "このダイアログでは、マージンを調整することができます。"),
                   Panel1);
    Label5->setGeometry(68, 10, 420, 48);
    Label5->setWordWrap(true);

    GroupBox1 = new TSelectorGroup(QStringLiteral("に対して下のスタイルを指定します"), sbClear, Panel1);
    GroupBox1->setGeometry(10, 62, 479, 80);
    CheckBox1 = GroupBox1->ElementBox;
    Edit1 = GroupBox1->ElementEdit;
    CheckBox2 = GroupBox1->ClassBox;
    Edit2 = GroupBox1->ClassEdit;
    Label3 = GroupBox1->AppliesLabel;
    SetSelectorGroup(GroupBox1);
}

void TForm3::CreateMarginControls()
{
    Label1 = new QLabel(QStringLiteral("ブロック要素のマージン（周囲の余白）を、"), this);
    Label1->move(16, 166);
    Label1->adjustSize();
    ComboBox1 = new TComboBox({"px", "mm", "cm", "inch", "pt", "pc", "%"}, QStringLiteral("px"), this);
    ComboBox1->setGeometry(Label1->geometry().right() + 4, 162, 72, 22);
    Label2 = new QLabel(QStringLiteral("で指定します"), this);
    Label2->move(ComboBox1->geometry().right() + 4, 166);
    Label2->adjustSize();

    RadioButton2 = new QRadioButton(QStringLiteral("上下左右一括指定"), this);
    RadioButton2->setGeometry(16, 196, 140, 22);
    SpinEdit4 = new TSpinEdit(this);
    SpinEdit4->setGeometry(160, 196, 100, 22);
    SpinEdit4->SetMinValue(1);
    SpinEdit4->SetMaxValue(1000000);
    SpinEdit4->SetValue(1);

    RadioButton1 = new QRadioButton(QStringLiteral("下図でそれぞれ指定"), this);
    RadioButton1->setGeometry(16, 224, 160, 22);
    Image1 = new TImage(this);
    Image1->setGeometry(QRect(kFigurePos, kFigureSize));
    Image1->LoadPicture(QStringLiteral(":/pictures/margin_figure.jpg"));
    SpinEdit1 = SideSpinEdit(kTopArrow);
    SpinEdit5 = SideSpinEdit(kRightArrow);
    SpinEdit2 = SideSpinEdit(kLeftArrow);
    SpinEdit3 = SideSpinEdit(kBottomArrow);

    connect(RadioButton1, &QRadioButton::clicked, this, &TForm3::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TForm3::RadioButton1Click);
    RadioButton1Click();
}

TSpinEdit* TForm3::SideSpinEdit(QPoint centreOnFigure)
{
    auto* spin = new TSpinEdit(this);
    const QSize size(72, 22);
    spin->setGeometry(QRect(kFigurePos + centreOnFigure - QPoint(size.width() / 2, size.height() / 2), size));
    return spin;
}

void TForm3::RadioButton1Click()
{
    SpinEdit4->setVisible(RadioButton2->isChecked());
    for (TSpinEdit* side : {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit5})
        side->setVisible(RadioButton1->isChecked());
}

QStringList TForm3::Declarations() const
{
    const QString unit = ComboBox1->Text();
    QStringList lines;
    if (RadioButton1->isChecked()) {
        lines << QStringLiteral("  margin-top : ") + SpinEdit1->Text() + unit + tavi::Terminator(false)
              << QStringLiteral("  margin-right : ") + SpinEdit5->Text() + unit + tavi::Terminator(false)
              << QStringLiteral("  margin-left : ") + SpinEdit2->Text() + unit + tavi::Terminator(false)
              << QStringLiteral("  margin-bottom : ") + SpinEdit3->Text() + unit + tavi::Terminator(true);
    }
    if (RadioButton2->isChecked())
        lines << QStringLiteral("  margin : ") + SpinEdit4->Text() + unit + tavi::Terminator(true);
    return lines;
}

void TForm3::BitBtn1Click()
{
    AppendRuleAndClose();
}

void TForm3::BitBtn2Click()
{
    close();
}
