// The border dialog: padding, border colour and border width, each per side or for all sides, and the border style.
#include "dialogs/border_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/html_color_dialog.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "components/value_pickers.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm4> Form4;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("ボーダー"),
    .ClientSize = {788, 497},
    .HeaderHeight = 100,
    .TitlePicture = QStringLiteral(":/pictures/border_title.jpg"),
    .HeaderText = QStringLiteral(" セレクターにスタイルシートを適用するタグ・クラスを指定し、それぞれの指定を行います。"
                                 "ここではボーダーラインに関わるスタイルを指定できます"),
    .HeaderTextRect = {470, 8, 310, 84},
    .SelectorRect = {66, 8, 396, 84},
    .SelectorBehaviour = sbNone,
    .SelectorLabel = QStringLiteral("に対し下のスタイルを適用します"),
    .CommentPos = {8, 470},
    .CommentEditWidth = 300,
    .OkPos = {616, 466},
    .CancelPos = {702, 466},
};

// The figure, and where each side's controls stand on it: the padding spin edits on the
// padding arrows, the colour edits (their buttons just right of them) and the width spin
// edits outside the border line, beside the captions the figure draws.
constexpr QRect kFigure(8, 106, 460, 330);
constexpr QPoint kPaddingTop(230, 94), kPaddingBottom(230, 236), kPaddingLeft(147, 165), kPaddingRight(313, 165);
constexpr QPoint kColorTop(190, 24), kColorBottom(190, 296), kColorLeft(48, 140), kColorRight(392, 140);
constexpr QPoint kWidthTop(312, 24), kWidthBottom(312, 296), kWidthLeft(60, 196), kWidthRight(404, 196);
constexpr int kSideColorWidth = 80;

constexpr int kColumn = 476;
constexpr int kColumnWidth = 304;

}  // namespace

TForm4::TForm4(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image2, Label5, GroupBox3, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox7, Edit8,
                      BitBtn6, BitBtn7);
    ConnectButtons(this, &TForm4::BitBtn6Click, &TForm4::BitBtn7Click);

    HTMLcolorDialog1 = new THTMLcolorDialog(this);
    HTMLcolorDialog1->SetCtl3D(true);
    HTMLcolorDialog1->SetOptions(cdFullOpen);
    Image1 = tavi::MakeFigure(this, kFigure, QStringLiteral(":/pictures/border_figure.jpg"));

    CreatePaddingControls();
    CreateColorControls();
    CreateWidthControls();
    RadioGroup1 = tavi::MakeOptionRadioGroup(
        this, CheckBox6, {kColumn, 394, kColumnWidth, 62}, QStringLiteral("ボーダーラインのスタイル"),
        {"dashed", "dotted", "double", "solid", "groove", "ridge", "outset", "inset"}, 4);
    LinkControls();
}

void TForm4::CreatePaddingControls()
{
    GroupBox1 =
        tavi::MakeOptionFrame(this, CheckBox3, {kColumn, 106, kColumnWidth, 98}, QStringLiteral("パッディング"));
    const tavi::TUnitSentence unit = tavi::UnitSentence(GroupBox1, {10, 22}, QStringLiteral("ボーダーまでの距離を"),
                                                        tavi::kUnitsWithPercent, QStringLiteral("で指定します"));
    Label1 = unit.before;
    ComboBox1 = unit.box;
    Label2 = unit.after;
    RadioButton1 = tavi::MakeRadioButton(GroupBox1, {10, 48, 170, 22}, QStringLiteral("左の図でそれぞれ指定"));
    RadioButton2 = tavi::MakeRadioButton(GroupBox1, {10, 72, 136, 22}, QStringLiteral("上下左右一括指定"));
    SpinEdit5 = tavi::MakeSpinEdit(GroupBox1, {150, 72, 72, 22}, 0, 0, 0);
    SpinEdit2 = tavi::MakeSpinEditOn(Image1, kPaddingTop, 52);
    SpinEdit4 = tavi::MakeSpinEditOn(Image1, kPaddingBottom, 52);
    SpinEdit11 = tavi::MakeSpinEditOn(Image1, kPaddingRight, 52);
    SpinEdit3 = tavi::MakeSpinEditOn(Image1, kPaddingLeft, 52);
    tavi::NameEach({{SpinEdit5, QStringLiteral("パッディング 上下左右一括指定")},
                    {SpinEdit2, QStringLiteral("上のパッディング")},
                    {SpinEdit4, QStringLiteral("下のパッディング")},
                    {SpinEdit11, QStringLiteral("右のパッディング")},
                    {SpinEdit3, QStringLiteral("左のパッディング")}});
}

TBitBtn* TForm4::ColorButton(const QRect& rect)
{
    auto* button = new TBitBtn(QString(), this);
    button->setGeometry(rect);
    button->setIcon(tavi::PaletteGlyph());
    button->setToolTip(QStringLiteral("色の選択"));
    return button;
}

void TForm4::CreateColorControls()
{
    GroupBox2 =
        tavi::MakeOptionFrame(this, CheckBox4, {kColumn, 210, kColumnWidth, 74}, QStringLiteral("ボーダーラインの色"));
    RadioButton3 = tavi::MakeRadioButton(GroupBox2, {10, 22, 170, 22}, QStringLiteral("左の図でそれぞれ指定"));
    RadioButton4 = tavi::MakeRadioButton(GroupBox2, {10, 46, 136, 22}, QStringLiteral("上下左右一括指定"));
    Edit7 = tavi::MakeEdit(GroupBox2, {150, 46, 100, 22});
    BitBtn1 = ColorButton({GroupBox2->pos() + QPoint(254, 46), QSize(22, 22)});

    Edit3 = tavi::MakeEditOn(Image1, kColorTop, kSideColorWidth + 4);
    Edit5 = tavi::MakeEditOn(Image1, kColorBottom, kSideColorWidth + 4);
    Edit6 = tavi::MakeEditOn(Image1, kColorRight, kSideColorWidth);
    Edit4 = tavi::MakeEditOn(Image1, kColorLeft, kSideColorWidth);
    const auto beside = [](const QLineEdit* edit) {
        return QRect(edit->geometry().topRight() + QPoint(2, 0), QSize(22, 22));
    };
    BitBtn2 = ColorButton(beside(Edit3));
    BitBtn3 = ColorButton(beside(Edit5));
    BitBtn5 = ColorButton(beside(Edit6));
    BitBtn4 = ColorButton(beside(Edit4));
    tavi::NameEach({{Edit7, QStringLiteral("ボーダーラインの色 上下左右一括指定")},
                    {BitBtn1, QStringLiteral("ボーダーラインの色の選択")},
                    {Edit3, QStringLiteral("上のボーダーラインの色")},
                    {BitBtn2, QStringLiteral("上のボーダーラインの色の選択")},
                    {Edit5, QStringLiteral("下のボーダーラインの色")},
                    {BitBtn3, QStringLiteral("下のボーダーラインの色の選択")},
                    {Edit6, QStringLiteral("右のボーダーラインの色")},
                    {BitBtn5, QStringLiteral("右のボーダーラインの色の選択")},
                    {Edit4, QStringLiteral("左のボーダーラインの色")},
                    {BitBtn4, QStringLiteral("左のボーダーラインの色の選択")}});

    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm4::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm4::BitBtn5Click);
}

void TForm4::CreateWidthControls()
{
    GroupBox4 = tavi::MakeOptionFrame(this, CheckBox5, {kColumn, 290, kColumnWidth, 98},
                                      QStringLiteral("ボーダーラインの太さ"));
    const tavi::TUnitSentence unit = tavi::UnitSentence(GroupBox4, {10, 22}, QStringLiteral("ボーダーラインの太さを"),
                                                        tavi::kUnitsWithPercent, QStringLiteral("で指定します"));
    Label4 = unit.before;
    ComboBox2 = unit.box;
    Label6 = unit.after;
    RadioButton5 = tavi::MakeRadioButton(GroupBox4, {10, 48, 170, 22}, QStringLiteral("左の図でそれぞれ指定"));
    RadioButton6 = tavi::MakeRadioButton(GroupBox4, {10, 72, 136, 22}, QStringLiteral("上下左右一括指定"));
    SpinEdit10 = tavi::MakeSpinEdit(GroupBox4, {150, 72, 72, 22}, 0, 0, 0);
    SpinEdit8 = tavi::MakeSpinEditOn(Image1, kWidthTop, 56);
    SpinEdit7 = tavi::MakeSpinEditOn(Image1, kWidthBottom, 56);
    SpinEdit9 = tavi::MakeSpinEditOn(Image1, kWidthRight, 56);
    SpinEdit6 = tavi::MakeSpinEditOn(Image1, kWidthLeft, 56);
    tavi::NameEach({{SpinEdit10, QStringLiteral("ボーダーラインの太さ 上下左右一括指定")},
                    {SpinEdit8, QStringLiteral("上のボーダーラインの太さ")},
                    {SpinEdit7, QStringLiteral("下のボーダーラインの太さ")},
                    {SpinEdit9, QStringLiteral("右のボーダーラインの太さ")},
                    {SpinEdit6, QStringLiteral("左のボーダーラインの太さ")}});
}

void TForm4::LinkControls()
{
    // Radio buttons and value controls start disabled; the per-side controls hidden.
    tavi::EnableWith(CheckBox3, {ComboBox1, RadioButton1, RadioButton2});
    tavi::ShowWith(RadioButton1, {SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit11});
    tavi::ShowWith(RadioButton2, {SpinEdit5});
    tavi::EnableWith(CheckBox4, {RadioButton3, RadioButton4});
    tavi::ShowWith(RadioButton3, {Edit3, Edit4, Edit5, Edit6, BitBtn2, BitBtn3, BitBtn4, BitBtn5});
    tavi::ShowWith(RadioButton4, {Edit7, BitBtn1});
    tavi::EnableWith(CheckBox5, {ComboBox2, RadioButton5, RadioButton6, SpinEdit10});
    tavi::ShowWith(RadioButton5, {SpinEdit6, SpinEdit7, SpinEdit8, SpinEdit9});
    tavi::ShowWith(RadioButton6, {SpinEdit10});
    tavi::EnableWith(CheckBox6, {RadioGroup1});
}

void TForm4::BitBtn1Click()
{
    tavi::PickColorInto(*HTMLcolorDialog1, Edit7);
}

void TForm4::BitBtn2Click()
{
    tavi::PickColorInto(*HTMLcolorDialog1, Edit3);
}

void TForm4::BitBtn3Click()
{
    tavi::PickColorInto(*HTMLcolorDialog1, Edit5);
}

void TForm4::BitBtn4Click()
{
    tavi::PickColorInto(*HTMLcolorDialog1, Edit4);
}

void TForm4::BitBtn5Click()
{
    tavi::PickColorInto(*HTMLcolorDialog1, Edit6);
}

std::vector<tavi::TOptionGroup> TForm4::OptionGroups() const
{
    using tavi::LengthField;
    using tavi::TextField;
    // Sides by index: top, right, bottom, left.
    return {
        tavi::SidesOrAllGroup(CheckBox3, "padding", "", tavi::kBorderSideOrder,
                              {LengthField(SpinEdit2, ComboBox1), LengthField(SpinEdit11, ComboBox1),
                               LengthField(SpinEdit4, ComboBox1), LengthField(SpinEdit3, ComboBox1)},
                              RadioButton1, "  padding : ", LengthField(SpinEdit5, ComboBox1), RadioButton2),
        tavi::SidesOrAllGroup(CheckBox4, "border", "-color", tavi::kBorderSideOrder,
                              {TextField(Edit3), TextField(Edit6), TextField(Edit5), TextField(Edit4)}, RadioButton3,
                              "  border-color : ", TextField(Edit7), RadioButton4),
        tavi::SidesOrAllGroup(CheckBox5, "border", "-width", tavi::kBorderSideOrder,
                              {LengthField(SpinEdit8, ComboBox2), LengthField(SpinEdit9, ComboBox2),
                               LengthField(SpinEdit7, ComboBox2), LengthField(SpinEdit6, ComboBox2)},
                              RadioButton5, "  border-width : ", LengthField(SpinEdit10, ComboBox2), RadioButton6),
        // The style lines close the rule whatever follows.
        tavi::KeywordGroup(CheckBox6, "  border-style: ", RadioGroup1, RadioGroup1->Items(), " }", " }"),
    };
}
