// The text layout dialog: indent, line height, alignment, word spacing and letter spacing.
#include "dialogs/text_layout_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm10> Form10;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("テキスト・レイアウト"),
    .ClientSize = {585, 459},
    .HeaderHeight = 113,
    .TitlePicture = QStringLiteral(":/pictures/layout_title.jpg"),
    .HeaderText =
        QStringLiteral(" セレクターに、スタイルシートを適用する要素、クラスを指定し、それぞれのスタイル指定を行います。"
                       "ここではテキストのレイアウトに関する指定が行えます"),
    .HeaderTextRect = {68, 2, 510, 31},
    .SelectorRect = {66, 34, 511, 76},
    .SelectorBehaviour = sbDisableKeepText,
    .SelectorLabel = QStringLiteral("に対して、下のスタイルを指定します"),
    .CommentPos = {8, 426},
    .CommentEditWidth = 250,
    .OkPos = {412, 422},
    .CancelPos = {498, 422},
};

// The layout figure right of the indent and line-height rows, and where each spin edit
// stands on it: right of its label.
constexpr QRect kFigure(280, 118, 297, 177);
constexpr QPoint kIndentBesideLabel(140, 17);
constexpr QPoint kLineHeightBesideLabel(130, 67);

}  // namespace

TForm10::TForm10(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image2, Label1, GroupBox3, CheckBox1, Edit1, CheckBox2, Edit2, Label8, CheckBox8, Edit3,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm10::BitBtn1Click, &TForm10::BitBtn2Click);

    CreateIndentRows();
    RadioGroup1 = tavi::MakeOptionRadioGroup(this, CheckBox5, {8, 206, 264, 66}, QStringLiteral("テキストの配置"),
                                             {QStringLiteral("左寄せ"), QStringLiteral("右寄せ"),
                                              QStringLiteral("中央寄せ"), QStringLiteral("均等割り振り")});
    CreateSpacingGroups();

    // The two spin edits on the figure are always enabled; they are shown and hidden instead.
    tavi::ShowWith(CheckBox3, {SpinEdit1});
    tavi::EnableWith(CheckBox3, {ComboBox1});
    tavi::ShowWith(CheckBox4, {SpinEdit2});
    tavi::EnableWith(CheckBox4, {ComboBox2});
    tavi::EnableWith(CheckBox5, {RadioGroup1});
    tavi::EnableWith(CheckBox6, {SpinEdit3, ComboBox3});
    tavi::EnableWith(CheckBox7, {SpinEdit4, ComboBox4});
}

void TForm10::CreateIndentRows()
{
    // Each row: the option box whose caption starts the sentence, the unit, the rest of it.
    const auto row = [this](int top, const QString& caption, QCheckBox*& box, TComboBox*& unit, QLabel*& rest) {
        box = tavi::MakeCheckBox(this, {8, top, 110, 22}, caption);
        unit = tavi::MakeComboBox(this, {120, top, 72, 22}, tavi::kUnitsWithPercent, QStringLiteral("px"));
        rest = tavi::MakeLabel(this, {198, top + 4}, QStringLiteral("で指定"));
        tavi::NameAfter(unit, box, QStringLiteral("単位で指定"));
    };
    row(130, QStringLiteral("インデントを"), CheckBox3, ComboBox1, Label2);
    row(166, QStringLiteral("一行の高さを"), CheckBox4, ComboBox2, Label3);
    Image1 = tavi::MakeFigure(this, kFigure, QStringLiteral(":/pictures/layout_figure.jpg"));
    SpinEdit1 = tavi::MakeSpinEditOn(Image1, kIndentBesideLabel, 60);
    SpinEdit2 = tavi::MakeSpinEditOn(Image1, kLineHeightBesideLabel, 60);
    tavi::NameEach({{SpinEdit1, QStringLiteral("インデント")}, {SpinEdit2, QStringLiteral("一行の高さ")}});
}

void TForm10::CreateSpacingGroups()
{
    // Each group: a sentence "<before>" [number][unit] "とります" on a frame titled by its box.
    const auto group = [this](int top, const QString& caption, const QString& before, QCheckBox*& box,
                              QGroupBox*& frame, QLabel*& lead, TSpinEdit*& value, TComboBox*& unit, QLabel*& rest) {
        frame = tavi::MakeOptionFrame(this, box, {8, top, 569, 52}, caption);
        lead = tavi::MakeLabel(frame, {12, 26}, before);
        value = tavi::MakeSpinEdit(frame, {lead->geometry().right() + 6, 22, 80, 22}, 0, 0, 0);
        unit = tavi::MakeComboBox(frame, {value->geometry().right() + 3, 22, 72, 22}, tavi::kUnitsWithPercent,
                                  QStringLiteral("px"));
        rest = tavi::MakeLabel(frame, {unit->geometry().right() + 6, 26}, QStringLiteral("とります"));
        tavi::NameAfter(value, box);
        tavi::NameAfter(unit, box, QStringLiteral("の単位"));
    };
    group(304, QStringLiteral("単語間の距離"), QStringLiteral("単語と単語の間の距離を"), CheckBox6, GroupBox1, Label4,
          SpinEdit3, ComboBox3, Label5);
    SpinEdit3->SetMinValue(-10000);
    SpinEdit3->SetMaxValue(100000);
    group(362, QStringLiteral("文字間の距離"), QStringLiteral("文字と文字の間の距離を"), CheckBox7, GroupBox2, Label6,
          SpinEdit4, ComboBox4, Label7);
}

std::vector<tavi::TOptionGroup> TForm10::OptionGroups() const
{
    using tavi::DeclarationGroup;
    using tavi::LengthField;
    return {
        DeclarationGroup(CheckBox3, "  text-indent : ", LengthField(SpinEdit1, ComboBox1)),
        DeclarationGroup(CheckBox4, "  line-height : ", LengthField(SpinEdit2, ComboBox2)),
        tavi::KeywordGroup(CheckBox5, "  text-align: ", RadioGroup1, {"left", "right", "center", "justify"}),
        DeclarationGroup(CheckBox6, "  word-spacing : ", LengthField(SpinEdit3, ComboBox3)),
        DeclarationGroup(CheckBox7, "  letter-spacing : ", LengthField(SpinEdit4, ComboBox4)),
    };
}
