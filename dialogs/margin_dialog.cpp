// The margin dialog: writes a rule with one margin for all sides or one margin per side.
#include "dialogs/margin_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/panel.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm3> Form3;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("マージン"),
    .ClientSize = {499, 539},
    .HeaderHeight = 150,
    .TitlePicture = QStringLiteral(":/pictures/margin_title.jpg"),
    .HeaderText = QStringLiteral("セレクターにスタイルシートを適用する要素・クラスを指定し、それぞれの指定を行います。"
                                 "このダイアログでは、マージンを調整することができます。"),
    .HeaderTextRect = {68, 10, 421, 48},
    .SelectorRect = {10, 62, 479, 80},
    .SelectorBehaviour = sbClear,
    .SelectorLabel = QStringLiteral("に対して下のスタイルを指定します"),
    .CommentPos = {16, 492},
    .OkPos = {320, 490},
    .CancelPos = {404, 490},
};

// Where the figure stands on the form, and the middle of each side's arrow on it.
constexpr QRect kFigure(40, 250, 420, 220);
constexpr QPoint kTopArrow(210, 35);
constexpr QPoint kRightArrow(362, 110);
constexpr QPoint kLeftArrow(58, 110);
constexpr QPoint kBottomArrow(210, 185);

}  // namespace

TForm3::TForm3(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image3, Label5, GroupBox1, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox3, Edit3,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm3::BitBtn1Click, &TForm3::BitBtn2Click);

    const tavi::TUnitSentence unit =
        tavi::UnitSentence(this, {16, 162}, QStringLiteral("ブロック要素のマージン（周囲の余白）を、"),
                           tavi::kUnitsWithPercent, QStringLiteral("で指定します"));
    Label1 = unit.before;
    ComboBox1 = unit.box;
    Label2 = unit.after;

    RadioButton2 = tavi::MakeRadioButton(this, {16, 196, 140, 22}, QStringLiteral("上下左右一括指定"));
    SpinEdit4 = tavi::MakeSpinEdit(this, {160, 196, 100, 22}, 1, 1000000, 1);
    RadioButton1 = tavi::MakeRadioButton(this, {16, 224, 160, 22}, QStringLiteral("下図でそれぞれ指定"));
    Image1 = tavi::MakeFigure(this, kFigure, QStringLiteral(":/pictures/margin_figure.jpg"));
    SpinEdit1 = tavi::MakeSpinEditOn(Image1, kTopArrow);
    SpinEdit5 = tavi::MakeSpinEditOn(Image1, kRightArrow);
    SpinEdit2 = tavi::MakeSpinEditOn(Image1, kLeftArrow);
    SpinEdit3 = tavi::MakeSpinEditOn(Image1, kBottomArrow);

    tavi::NameEach({{SpinEdit4, QStringLiteral("マージン 上下左右一括指定")},
                    {SpinEdit1, QStringLiteral("上のマージン")},
                    {SpinEdit5, QStringLiteral("右のマージン")},
                    {SpinEdit2, QStringLiteral("左のマージン")},
                    {SpinEdit3, QStringLiteral("下のマージン")}});

    tavi::ShowWith(RadioButton2, {SpinEdit4});
    tavi::ShowWith(RadioButton1, {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit5});
}

std::vector<tavi::TOptionGroup> TForm3::OptionGroups() const
{
    // Each radio button is a group of its own: the sides one by one, or all at once.
    const std::array<TSpinEdit*, 4> spins = {SpinEdit1, SpinEdit5, SpinEdit3, SpinEdit2};  // top, right, bottom, left
    const auto side = [this, spins](tavi::TSide s) { return tavi::LengthField(spins[s], ComboBox1); };
    return {
        {RadioButton1,
         [side] {
             return tavi::SideLines("margin", "", tavi::kMarginSideOrder,
                                    [&](tavi::TSide s) { return side(s).Text(); });
         },
         tavi::SideReadings("margin", "", side, nullptr),
         [side] {
             for (const tavi::TSide s : {tavi::sdTop, tavi::sdRight, tavi::sdBottom, tavi::sdLeft})
                 side(s).Clear();
         }},
        tavi::DeclarationGroup(RadioButton2, "  margin : ", tavi::LengthField(SpinEdit4, ComboBox1)),
    };
}
