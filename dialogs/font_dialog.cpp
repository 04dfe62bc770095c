// The font and text decoration dialog: font family, style, size, weight and name, text decoration, transform,
// vertical position and white-space handling.
#include "dialogs/font_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "dialogs/css_values.h"
#include "dialogs/dialog_layout.h"
#include "platform/font_names.h"

QPointer<TForm2> Form2;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("フォント・テキスト装飾"),
    .ClientSize = {654, 517},
    .HeaderHeight = 98,
    .TitlePicture = QStringLiteral(":/pictures/font_title.jpg"),
    .HeaderText =
        QStringLiteral("  セレクターにスタイルシートを適用する要素・クラスを指定し、それぞれの指定を行います"),
    .HeaderTextRect = {470, 10, 176, 80},
    .SelectorRect = {66, 8, 396, 82},
    .SelectorBehaviour = sbDisableAndClear,
    .SelectorLabel = QStringLiteral("に対し下のスタイルを適用します"),
    .CommentPos = {12, 488},
    .CommentEditWidth = 260,
    .OkPos = {478, 485},
    .CancelPos = {564, 485},
    .OkHasGlyph = false,
};

// The two columns of option groups under the top panel.
constexpr int kLeft = 10;
constexpr int kRight = 332;
constexpr int kColumnWidth = 312;

}  // namespace

TForm2::TForm2(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image2, Label1, GroupBox4, CheckBox8, Edit1, CheckBox9, Edit2, Label2, CheckBox12, Edit3,
                      Button1, BitBtn2);
    ConnectButtons(this, &TForm2::Button1Click, &TForm2::BitBtn2Click);

    CreateFontControls();
    CreateSizeControls();
    CreateWeightControls();
    CreateTextControls();
    LinkControls();
    FormCreate();
}

void TForm2::CreateFontControls()
{
    RadioGroup1 =
        tavi::MakeOptionRadioGroup(this, CheckBox1, {kLeft, 104, kColumnWidth, 80}, QStringLiteral("フォント系統"),
                                   {"Serif", "Sans-Serif", "Cursive", "Fantasy", "Monospace"});
    RadioGroup2 =
        tavi::MakeOptionRadioGroup(this, CheckBox2, {kLeft, 190, kColumnWidth, 44}, QStringLiteral("フォントスタイル"),
                                   {QStringLiteral("通常"), QStringLiteral("イタリック")});
    GroupBox3 = tavi::MakeOptionFrame(this, CheckBox5, {kRight, 432, kColumnWidth, 48}, QStringLiteral("フォント名"));
    ComboBox7 = tavi::MakeComboBox(GroupBox3, {10, 19, kColumnWidth - 20, 22}, {}, {});
    ComboBox7->SetPrompt(QStringLiteral("Font Name"));
    tavi::NameAfter(ComboBox7, CheckBox5);
}

void TForm2::CreateSizeControls()
{
    GroupBox1 =
        tavi::MakeOptionFrame(this, CheckBox3, {kLeft, 240, kColumnWidth, 118}, QStringLiteral("フォントの大きさ"));
    const auto row = [](int i) { return 20 + 24 * i; };
    RadioButton1 = tavi::MakeRadioButton(GroupBox1, {8, row(0), 118, 22}, QStringLiteral("大小の指定"));
    ComboBox3 = tavi::MakeComboBox(GroupBox1, {130, row(0), 130, 22},
                                   {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large"}, {});
    ComboBox3->SetPrompt(QStringLiteral("大～小"));
    RadioButton2 = tavi::MakeRadioButton(GroupBox1, {8, row(1), 118, 22}, QStringLiteral("相対大小の指定"));
    ComboBox4 = tavi::MakeComboBox(GroupBox1, {130, row(1), 130, 22},
                                   {QStringLiteral("周囲より大"), QStringLiteral("周囲より小")}, {});
    ComboBox4->SetPrompt(QStringLiteral("周囲より大～小"));
    RadioButton4 = tavi::MakeRadioButton(GroupBox1, {8, row(2), 118, 22}, QStringLiteral("相対百分率指定"));
    UDNumeralEdit1 = tavi::MakeSpinEdit(GroupBox1, {130, row(2), 72, 22}, 1, 100, 100);
    RadioButton3 = tavi::MakeRadioButton(GroupBox1, {8, row(3), 118, 22}, QStringLiteral("絶対指定"));
    UDNumeralEdit2 = tavi::MakeSpinEdit(GroupBox1, {130, row(3), 72, 22}, 0, 0, 1);
    ComboBox5 = tavi::MakeComboBox(GroupBox1, {208, row(3), 72, 22}, tavi::kUnits, QStringLiteral("pt"));
    tavi::NameEach({{ComboBox3, QStringLiteral("フォントの大きさ 大小の指定")},
                    {ComboBox4, QStringLiteral("フォントの大きさ 相対大小の指定")},
                    {UDNumeralEdit1, QStringLiteral("フォントの大きさ 相対百分率指定")},
                    {UDNumeralEdit2, QStringLiteral("フォントの大きさ 絶対指定")},
                    {ComboBox5, QStringLiteral("フォントの大きさ 絶対指定の単位")}});
}

void TForm2::CreateWeightControls()
{
    GroupBox2 =
        tavi::MakeOptionFrame(this, CheckBox4, {kLeft, 364, kColumnWidth, 70}, QStringLiteral("フォントの太さ"));
    RadioButton5 = tavi::MakeRadioButton(GroupBox2, {8, 20, 118, 22}, QStringLiteral("相対指定"));
    ComboBox6 = tavi::MakeComboBox(GroupBox2, {130, 20, 130, 22}, {"lighter", "normal", "bolder"}, {});
    ComboBox6->SetPrompt(QStringLiteral("周囲より太～細"));
    RadioButton6 = tavi::MakeRadioButton(GroupBox2, {8, 44, 118, 22}, QStringLiteral("絶対指定"));
    SpinEdit3 = tavi::MakeSpinEdit(GroupBox2, {130, 44, 72, 22}, 100, 900, 100, 100);
    tavi::NameEach({{ComboBox6, QStringLiteral("フォントの太さ 相対指定")},
                    {SpinEdit3, QStringLiteral("フォントの太さ 絶対指定")}});
}

void TForm2::CreateTextControls()
{
    RadioGroup4 = tavi::MakeOptionRadioGroup(
        this, CheckBox6, {kRight, 104, kColumnWidth, 80}, QStringLiteral("テキストの修飾"),
        {QStringLiteral("下線付き"), QStringLiteral("上部にライン"), QStringLiteral("打ち消し線"),
         QStringLiteral("点滅"), QStringLiteral("無効・無し")});
    RadioGroup3 =
        tavi::MakeOptionRadioGroup(this, CheckBox7, {kRight, 190, kColumnWidth, 62}, QStringLiteral("テキストの整形"),
                                   {QStringLiteral("先頭を大文字に"), QStringLiteral("全てを大文字に"),
                                    QStringLiteral("全てを小文字に"), QStringLiteral("無し・無効")});
    RadioGroup5 =
        tavi::MakeOptionRadioGroup(this, CheckBox10, {kRight, 258, kColumnWidth, 98}, QStringLiteral("文字の表示位置"),
                                   {"baseline", "sub", "super", "text-top", "middle", "text-bottom", "top", "bottom"});
    RadioGroup6 = tavi::MakeOptionRadioGroup(
        this, CheckBox11, {kRight, 362, kColumnWidth, 62}, QStringLiteral("改行・空白記号"),
        {QStringLiteral("改行・空白無視"), QStringLiteral("改行・空白反映"), QStringLiteral("改行のみ反映")});
}

void TForm2::LinkControls()
{
    // Every choice control starts disabled; the option boxes and radio buttons enable them.
    for (QWidget* value :
         {static_cast<QWidget*>(ComboBox3), static_cast<QWidget*>(ComboBox4), static_cast<QWidget*>(UDNumeralEdit1),
          static_cast<QWidget*>(UDNumeralEdit2), static_cast<QWidget*>(ComboBox5), static_cast<QWidget*>(ComboBox6),
          static_cast<QWidget*>(SpinEdit3)})
        value->setEnabled(false);
    tavi::EnableWith(CheckBox1, {RadioGroup1});
    tavi::EnableWith(CheckBox5, {ComboBox7});
    tavi::ExcludeEachOther(CheckBox1, CheckBox5);
    tavi::EnableWith(CheckBox2, {RadioGroup2});
    tavi::EnableWith(CheckBox3, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    tavi::EnableWhenChosen(RadioButton1, {ComboBox3});
    tavi::EnableWhenChosen(RadioButton2, {ComboBox4});
    tavi::EnableWhenChosen(RadioButton4, {UDNumeralEdit1});
    tavi::EnableWhenChosen(RadioButton3, {UDNumeralEdit2, ComboBox5});
    tavi::EnableWith(CheckBox4, {RadioButton5, RadioButton6});
    tavi::EnableWhenChosen(RadioButton5, {ComboBox6});
    tavi::EnableWhenChosen(RadioButton6, {SpinEdit3});
    tavi::EnableWith(CheckBox6, {RadioGroup4});
    tavi::EnableWith(CheckBox7, {RadioGroup3});
    tavi::EnableWith(CheckBox10, {RadioGroup5});
    tavi::EnableWith(CheckBox11, {RadioGroup6});
}

void TForm2::FormCreate()
{
    const QString prompt = ComboBox7->Text();
    ComboBox7->addItems(tavi::InstalledFontFamilies());
    ComboBox7->setMaxVisibleItems(16);
    ComboBox7->SetPrompt(prompt);
}

tavi::TRuleLines TForm2::SizeLine() const
{
    const QString body = QStringLiteral("  font-size: ");
    // A list still showing its prompt writes nothing.
    if (RadioButton1->isChecked())
        return tavi::Declaration(body, tavi::ListText(ComboBox3));
    if (RadioButton2->isChecked()) {
        // Read by the chosen item: the prompt alone writes nothing.
        const char* const relative[] = {"larger", "smaller"};
        const int item = ComboBox4->ItemIndex();
        if (item < 0 || item > 1)
            return {};
        return {tavi::Line(body + QLatin1String(relative[item]))};
    }
    if (RadioButton4->isChecked()) {
        const QString percent = tavi::Number(UDNumeralEdit1);
        return percent.isEmpty() ? tavi::TRuleLines{} : tavi::TRuleLines{tavi::Line(body + percent, "%;", "% }")};
    }
    if (RadioButton3->isChecked())
        return tavi::Declaration(body, tavi::Length(UDNumeralEdit2, ComboBox5));
    return {};
}

tavi::TRuleLines TForm2::WeightLine() const
{
    const QString body = QStringLiteral("  font-weight: ");
    if (RadioButton5->isChecked())
        return tavi::Declaration(body, tavi::ListText(ComboBox6));
    if (RadioButton6->isChecked())
        return tavi::Declaration(body, tavi::Number(SpinEdit3));
    return {};
}

std::vector<tavi::TOptionGroup> TForm2::OptionGroups() const
{
    using tavi::KeywordGroup;
    // Font sizes are tried from the narrowest reading to the widest: a relative keyword, a
    // percentage, a length, and any text for the keyword list.
    const auto relative = [this](const QString& value) {
        const int item = QStringList{"larger", "smaller"}.indexOf(value.trimmed().toLower());
        if (item < 0)
            return false;
        ComboBox4->SetItemIndex(item);
        return true;
    };
    const auto percent = [this](const QString& value) {
        const QString v = value.trimmed();
        return v.endsWith(QLatin1Char('%')) && tavi::NumberField(UDNumeralEdit1).Take(v.chopped(1));
    };
    const auto family = [this](const QString& value) {
        // A quoted name is shown without its quotes; CssFontFamily quotes it again.
        qsizetype end = 0;
        const std::optional<QString> quoted = tavi::CssStringText(value.trimmed(), 0, &end);
        ComboBox7->SetText(quoted && end == value.trimmed().size() ? *quoted : value.trimmed());
        return true;
    };
    return {
        KeywordGroup(CheckBox1, "  font-family: ", RadioGroup1,
                     {"serif", "sans-serif", "cursive", "fantasy", "monospace"}),
        KeywordGroup(CheckBox2, "  font-style: ", RadioGroup2, {"normal", "italic"}, " ;", " }"),
        {CheckBox3,
         [this] { return SizeLine(); },
         {{"font-size", relative, RadioButton2},
          {"font-size", percent, RadioButton4},
          {"font-size", tavi::LengthField(UDNumeralEdit2, ComboBox5).Take, RadioButton3},
          {"font-size", tavi::ListField(ComboBox3).Take, RadioButton1}}},
        {CheckBox4,
         [this] { return WeightLine(); },
         {{"font-weight", tavi::NumberField(SpinEdit3).Take, RadioButton6},
          {"font-weight", tavi::ListField(ComboBox6).Take, RadioButton5}}},
        {CheckBox5,
         [this] { return tavi::Declaration("  font-family: ", tavi::CssFontFamily(tavi::ListText(ComboBox7))); },
         {{"font-family", family}}},
        KeywordGroup(CheckBox6, "  text-decoration: ", RadioGroup4,
                     {"underline", "overline", "line-through", "blink", "none"}, " ;", "}"),
        KeywordGroup(CheckBox7, "  text-transform: ", RadioGroup3, {"capitalize", "uppercase", "lowercase", "none"}),
        KeywordGroup(CheckBox10, "  vertical-align: ", RadioGroup5, RadioGroup5->Items()),
        KeywordGroup(CheckBox11, "  white-space: ", RadioGroup6, {"normal", "pre", "nowrap"}),
    };
}
