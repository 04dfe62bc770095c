// The basic style dialog: display kind, width and height, float and clear.
#include "dialogs/basic_style_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm8> Form8;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("基本スタイル"),
    .ClientSize = {588, 438},
    .HeaderHeight = 121,
    .TitlePicture = QStringLiteral(":/pictures/basic_title.jpg"),
    .HeaderText = QStringLiteral(" セレクターにスタイルシートを適用するタグ・クラスを指定し、それぞれの指定を行います。"
                                 "ここでは各要素の基本的なスタイルを指定できます"),
    .HeaderTextRect = {68, 6, 512, 34},
    .SelectorRect = {66, 42, 512, 76},
    .SelectorBehaviour = sbDisableKeepText,
    .SelectorLabel = QStringLiteral("に対し下のスタイルを適用します"),
    .CommentPos = {8, 406},
    .CommentEditWidth = 250,
    .OkPos = {414, 402},
    .CancelPos = {500, 402},
};

// The size figure in its group, and where each spin edit stands on it: right of its label.
constexpr QRect kFigure(40, 80, 201, 153);
constexpr QPoint kHeightBesideLabel(62, 15);
constexpr QPoint kWidthBesideLabel(116, 138);

}  // namespace

TForm8::TForm8(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image2, Label5, GroupBox3, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox7, Edit3,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm8::BitBtn1Click, &TForm8::BitBtn2Click);

    RadioGroup1 = tavi::MakeOptionRadioGroup(this, CheckBox3, {8, 128, 282, 72}, QStringLiteral("表示上の要素種別"),
                                             {QStringLiteral("ブロック要素"), QStringLiteral("インライン要素"),
                                              QStringLiteral("リスト・アイテム"), QStringLiteral("無表示")});
    RadioGroup1->SetItemIndex(0);
    RadioGroup2 =
        tavi::MakeOptionRadioGroup(this, CheckBox5, {8, 210, 282, 50}, QStringLiteral("配置"),
                                   {QStringLiteral("左"), QStringLiteral("指定なし"), QStringLiteral("右")}, 3);
    RadioGroup2->SetItemIndex(0);
    RadioGroup3 = tavi::MakeOptionRadioGroup(
        this, CheckBox6, {8, 270, 282, 72}, QStringLiteral("テキストの回り込み制御"),
        {QStringLiteral("左"), QStringLiteral("指定なし"), QStringLiteral("右"), QStringLiteral("左右両方")});
    RadioGroup3->SetItemIndex(2);
    CreateSizeGroup();

    tavi::EnableWith(CheckBox3, {RadioGroup1});
    tavi::EnableWith(CheckBox4, {RadioButton1, RadioButton2});
    tavi::ShowWith(RadioButton2, {SpinEdit1, SpinEdit2});
    tavi::EnableWith(RadioButton2, {ComboBox1});
    tavi::EnableWith(CheckBox5, {RadioGroup2});
    tavi::EnableWith(CheckBox6, {RadioGroup3});
}

void TForm8::CreateSizeGroup()
{
    GroupBox1 = tavi::MakeOptionFrame(this, CheckBox4, {298, 128, 282, 250}, QStringLiteral("要素の表示サイズ"));
    RadioButton1 = tavi::MakeRadioButton(GroupBox1, {10, 22, 200, 22}, QStringLiteral("自動（ブラウザ依存）"));
    RadioButton1->setChecked(true);
    RadioButton2 = tavi::MakeRadioButton(GroupBox1, {10, 50, 60, 22}, QStringLiteral("単位"));
    ComboBox1 = tavi::MakeComboBox(GroupBox1, {72, 50, 72, 22}, tavi::kUnitsWithPercent, QStringLiteral("%"));
    Label1 = tavi::MakeLabel(GroupBox1, {150, 54}, QStringLiteral("で指定"));
    Image1 = tavi::MakeFigure(GroupBox1, kFigure, QStringLiteral(":/pictures/size_figure.jpg"));
    SpinEdit1 = tavi::MakeSpinEditOn(Image1, kHeightBesideLabel, 56);
    SpinEdit2 = tavi::MakeSpinEditOn(Image1, kWidthBesideLabel, 56);
    tavi::NameEach({{ComboBox1, QStringLiteral("要素の表示サイズの単位")},
                    {SpinEdit1, QStringLiteral("要素の高さ")},
                    {SpinEdit2, QStringLiteral("要素の幅")}});
}

std::vector<tavi::TOptionGroup> TForm8::OptionGroups() const
{
    using tavi::KeywordGroup;
    using tavi::Line;
    const tavi::TField width = tavi::LengthField(SpinEdit2, ComboBox1);
    const tavi::TField height = tavi::LengthField(SpinEdit1, ComboBox1);
    const auto isAuto = [](const QString& value) { return value.trimmed().compare("auto", Qt::CaseInsensitive) == 0; };
    return {
        KeywordGroup(CheckBox3, "  display: ", RadioGroup1, {"block", "inline", "list-item", "none"}),
        {CheckBox4,
         [this, width, height] {
             // Width always goes on; the height line ends the group. Both share the one unit.
             if (RadioButton1->isChecked())
                 return tavi::TRuleLines{Line("  width : auto"), Line("  height : auto")};
             if (RadioButton2->isChecked()) {
                 tavi::TRuleLines lines = tavi::Declaration("  width : ", width.Text());
                 const tavi::TRuleLines heightLines = tavi::Declaration("  height : ", height.Text());
                 lines.insert(lines.end(), heightLines.begin(), heightLines.end());
                 return lines;
             }
             return tavi::TRuleLines{};
         },
         {{"width", isAuto, RadioButton1},
          {"height", isAuto, RadioButton1},
          {"width", width.Take, RadioButton2},
          {"height", height.Take, RadioButton2}},
         [width, height] {
             width.Clear();
             height.Clear();
         }},
        KeywordGroup(CheckBox5, "  float : ", RadioGroup2, {"left", "none", "right"}),
        KeywordGroup(CheckBox6, "  clear : ", RadioGroup3, {"left", "none", "right", "both"}),
    };
}
