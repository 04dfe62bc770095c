// The editor customisation dialog: a preview of the main editor's look, changed by check boxes, choosers and numbers.
#include "app/customize_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "app/application.h"
#include "app/editor_look.h"
#include "app/main_editor_setup.h"
#include "components/bit_btn.h"
#include "components/control_links.h"
#include "components/font_chooser.h"
#include "components/html_color_dialog.h"
#include "components/image.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "dialogs/dialog_layout.h"
#include "editor/editor.h"
#include "platform/code_page.h"
#include "platform/font_names.h"
#include "platform/private_profile.h"

QPointer<TForm12> Form12;

namespace {

// The chooser speaks in points; the editor lays its grid out in pixels.
QFont PixelSized(const QFont& font)
{
    return WithPointSize(font, FontPointSize(font));
}

QCheckBox* Box(QWidget* parent, QPoint pos, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->move(pos);
    box->adjustSize();
    return box;
}

}  // namespace

TForm12::TForm12(TEditor* mainEditor, bool* insertRuleAtCaret, QWidget* parent)
    : QDialog(parent), main_(mainEditor), insertRuleAtCaret_(insertRuleAtCaret)
{
    setWindowTitle(QStringLiteral("メインエディタのカスタマイズ"));
    setFont(tavi::FormFont(12));
    setFixedSize(845, 417);
    move(126, 177);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ColorDialog1 = new THTMLcolorDialog(this);
    ColorDialog1->SetOptions(cdFullOpen);
    FontDialog1 = new TFontDialog(this);
    FontDialog1->OnApply = [this](const QFont& font) { Editor1->SetFont(PixelSized(font)); };

    CreateTexts();
    CreatePreview();
    CreateOptions();
    CreateSyntaxOptions();
    LinkOptions();
    FormCreate();
}

void TForm12::CreateTexts()
{
    Label1 = tavi::MakeLabel(this, {24, 8}, QStringLiteral("メインエディタ部の様々なスタイルを指定します。"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->adjustSize();
    Label3 = new QLabel(QStringLiteral("左のプレビュー画面で確認しながらスタイル指定してください。"
                                       "ただし、折り返し文字数はプレビューできません"),
                        this);
    Label3->setGeometry(24, 32, 321, 32);
    Label3->setWordWrap(true);
    Label2 =
        tavi::MakeLabel(this, {152, 360}, QStringLiteral("以上で指定したスタイルを、メインエディタ部に適用します。"));
    Image1 = tavi::MakeFigure(this, {376, 8, 249, 41}, QStringLiteral(":/pictures/customize_banner.jpg"));
}

void TForm12::CreatePreview()
{
    Editor1 = new TEditor(this);
    Editor1->setGeometry(24, 72, 209, 249);
    ConfigureMainEditor(Editor1);
    Editor1->SetReadOnly(true);
    Editor1->SetScrollBars(tavi::ssNone);
    Editor1->SetWrapByte(20);
    Editor1->SetReserveWordList({"Reserved"});
    Editor1->Lines().SetTextStr(tavi::ToCp932String(
        QStringLiteral("TAVI CSS Editor \r\nスタイルシート・エディタ\r\n/* コメント */\r\nP { color:#f00 }\r\n"
                       "Main Editor Style Editor\r\n\r\n"
                       "Reserved Word Color\r\nText Color\r\n")));
    Editor1->SetModified(false);
    Editor1->setAccessibleName(QStringLiteral("プレビュー"));
}

QToolButton* TForm12::ColorButton(QPoint pos, std::function<tavi::TColor()> get, std::function<void(tavi::TColor)> set)
{
    auto* button = new QToolButton(this);
    button->setGeometry(QRect(pos, QSize(25, 25)));
    button->setIcon(tavi::PaletteGlyph());
    button->setToolTip(QStringLiteral("色の選択"));
    connect(button, &QToolButton::clicked, this, [this, get = std::move(get), set = std::move(set)] {
        ColorDialog1->SetColor(get());
        if (ColorDialog1->Execute())
            set(ColorDialog1->Color());
    });
    return button;
}

void TForm12::CreateOptions()
{
    CheckBox1 = Box(this, {248, 72}, QStringLiteral("フォントの種類"));
    BitBtn1 = new TBitBtn(QStringLiteral("参照"), this);
    BitBtn1->setGeometry(352, 72, 64, 25);
    CheckBox2 = Box(this, {248, 104}, QStringLiteral("テキストの色"));
    SpeedButton1 = ColorButton(
        {344, 104}, [this] { return Editor1->FontColor(); }, [this](tavi::TColor c) { Editor1->SetFontColor(c); });
    CheckBox4 = Box(this, {248, 136}, QStringLiteral("背景色"));
    SpeedButton2 = ColorButton(
        {312, 136}, [this] { return Editor1->Color(); }, [this](tavi::TColor c) { Editor1->SetColor(c); });
    CheckBox6 = Box(this, {248, 168}, QStringLiteral("アンダーラインを表示する"));
    CheckBox5 = Box(this, {248, 200}, QStringLiteral("アンダーラインの色"));
    SpeedButton3 = ColorButton(
        {376, 200}, [this] { return Editor1->UnderLineColor(); },
        [this](tavi::TColor c) { Editor1->SetUnderLineColor(c); });
    CheckBox12 = Box(this, {248, 232}, QStringLiteral("折り返しする"));
    SpinEdit3 = tavi::MakeSpinEdit(this, {344, 232, 72, 22}, 0, 0, 0);
    CheckBox13 = Box(this, {248, 264}, QStringLiteral("ファイル終端[EOF]を表示する"));
    CheckBox15 = Box(this, {248, 296}, QStringLiteral("改行記号を表示する"));
    CheckBox17 = Box(this, {248, 328}, QStringLiteral("オートインデントする"));

    CheckBox3 = Box(this, {440, 72}, QStringLiteral("予約語の色を別色表示する"));
    CheckBox7 = Box(this, {440, 104}, QStringLiteral("予約語の色"));
    SpeedButton4 = ColorButton(
        {536, 104}, [this] { return Editor1->ReserveWordFontColor(); },
        [this](tavi::TColor c) { Editor1->SetReserveWordFontColor(c); });
    CheckBox8 = Box(this, {440, 136}, QStringLiteral("予約語のフォント"));
    Button1 = new QPushButton(QStringLiteral("参照"), this);
    Button1->setGeometry(552, 136, 64, 25);
    CheckBox9 = Box(this, {440, 168}, QStringLiteral("予約語の背景色"));
    SpeedButton5 = ColorButton(
        {560, 168}, [this] { return Editor1->ReserveBkColor(); },
        [this](tavi::TColor c) { Editor1->SetReserveBkColor(c); });
    CheckBox10 = Box(this, {440, 200}, QStringLiteral("左マージン"));
    SpinEdit1 = tavi::MakeSpinEdit(this, {528, 200, 72, 22}, 0, 0, 0);
    CheckBox11 = Box(this, {440, 232}, QStringLiteral("行間距離"));
    SpinEdit2 = tavi::MakeSpinEdit(this, {528, 232, 72, 22}, 0, 0, 0);
    CheckBox14 = Box(this, {440, 264}, QStringLiteral("[EOF]の色"));
    SpeedButton6 = ColorButton(
        {528, 264}, [this] { return Editor1->EofMarkColor(); },
        [this](tavi::TColor c) { Editor1->SetEofMarkColor(c); });
    CheckBox16 = Box(this, {440, 296}, QStringLiteral("改行記号の色"));
    SpeedButton7 = ColorButton(
        {544, 296}, [this] { return Editor1->RetMarkColor(); },
        [this](tavi::TColor c) { Editor1->SetRetMarkColor(c); });

    tavi::NameEach({{BitBtn1, QStringLiteral("フォントの種類を参照")},
                    {SpeedButton1, QStringLiteral("テキストの色の選択")},
                    {SpeedButton2, QStringLiteral("背景色の選択")},
                    {SpeedButton3, QStringLiteral("アンダーラインの色の選択")},
                    {SpinEdit3, QStringLiteral("折り返し桁数")},
                    {SpeedButton4, QStringLiteral("予約語の色の選択")},
                    {Button1, QStringLiteral("予約語のフォントを参照")},
                    {SpeedButton5, QStringLiteral("予約語の背景色の選択")},
                    {SpeedButton6, QStringLiteral("[EOF]の色の選択")},
                    {SpeedButton7, QStringLiteral("改行記号の色の選択")}});
    tavi::NameAfter(SpinEdit1, CheckBox10);
    tavi::NameAfter(SpinEdit2, CheckBox11);

    BitBtn3 = new TBitBtn(QStringLiteral("&OK"), this);
    BitBtn3->SetKind(TBitBtn::bkOK);
    BitBtn3->setGeometry(464, 352, 75, 25);
    BitBtn4 = new TBitBtn(QStringLiteral("&Cancel"), this);
    BitBtn4->SetKind(TBitBtn::bkCancel);
    BitBtn4->setGeometry(552, 352, 75, 25);
}

void TForm12::CreateSyntaxOptions()
{
    CheckBox18 = Box(this, {648, 72}, QStringLiteral("CSS の構文で色分け"));
    const QString names[] = {QStringLiteral("コメント"),
                             QStringLiteral("文字列と URL"),
                             QStringLiteral("セレクタ"),
                             QStringLiteral("プロパティ名"),
                             QStringLiteral("未知のプロパティ名"),
                             QStringLiteral("値のキーワード"),
                             QStringLiteral("数値と単位"),
                             QStringLiteral("色の値"),
                             QStringLiteral("@規則"),
                             QStringLiteral("!important")};
    for (std::size_t i = 0; i < SyntaxColorButtons.size(); ++i) {
        const auto cls = static_cast<tavi::TCssClass>(i + 1);
        auto* button = new QToolButton(this);
        button->setGeometry(664, 100 + static_cast<int>(i) * 25, 170, 24);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setText(names[i]);
        button->setAccessibleName(names[i] + QStringLiteral("の色の選択"));
        button->setEnabled(false);
        connect(button, &QToolButton::clicked, this, [this, cls] {
            ColorDialog1->SetColor(Editor1->SyntaxColor(cls));
            if (ColorDialog1->Execute()) {
                Editor1->SetSyntaxColor(cls, ColorDialog1->Color());
                ShowSyntaxColors();
            }
        });
        SyntaxColorButtons[i] = button;
    }
    CheckBox19 = Box(this, {440, 328}, QStringLiteral("ルールをキャレット位置に書く"));
    CheckBox19->setToolTip(QStringLiteral("オフのときは、ダイアログのルールを文書の末尾に追加します"));
    CheckBox20 = Box(this, {648, 360}, QStringLiteral("行番号を表示する"));
    connect(CheckBox20, &QCheckBox::toggled, this, [this](bool on) { Editor1->SetLineNumbers(on); });
    // The preview keeps its narrow width of 20 whatever its size: like the wrap width, this is
    // for the main editor only.
    CheckBox21 = Box(this, {648, 384}, QStringLiteral("ウィンドウ幅で折り返す"));
    CheckBox21->setToolTip(QStringLiteral("折り返し桁数をウィンドウの幅に合わせます"));
    connect(CheckBox18, &QCheckBox::toggled, this, [this](bool on) {
        Editor1->SetSyntaxColoring(on);
        for (QToolButton* button : SyntaxColorButtons)
            button->setEnabled(on);
    });
}

void TForm12::ShowSyntaxColors()
{
    for (std::size_t i = 0; i < SyntaxColorButtons.size(); ++i) {
        QPixmap swatch(14, 14);
        swatch.fill(tavi::ColorToQColor(Editor1->SyntaxColor(static_cast<tavi::TCssClass>(i + 1))));
        SyntaxColorButtons[i]->setIcon(QIcon(swatch));
    }
}

void TForm12::LinkOptions()
{
    tavi::ShowWith(CheckBox1, {BitBtn1});
    tavi::ShowWith(CheckBox2, {SpeedButton1});
    tavi::ShowWith(CheckBox4, {SpeedButton2});
    tavi::EnableWith(CheckBox6, {CheckBox5});
    tavi::ShowWith(CheckBox5, {SpeedButton3});
    tavi::EnableWith(CheckBox12, {SpinEdit3, CheckBox21});
    tavi::EnableWith(CheckBox13, {CheckBox14});
    tavi::EnableWith(CheckBox15, {CheckBox16});
    tavi::EnableWith(CheckBox3, {CheckBox7, CheckBox8, CheckBox9});
    tavi::ShowWith(CheckBox7, {SpeedButton4});
    tavi::ShowWith(CheckBox8, {Button1});
    tavi::ShowWith(CheckBox9, {SpeedButton5});
    tavi::EnableWith(CheckBox10, {SpinEdit1});
    tavi::EnableWith(CheckBox11, {SpinEdit2});
    tavi::ShowWith(CheckBox14, {SpeedButton6});
    tavi::ShowWith(CheckBox16, {SpeedButton7});
    // The boxes that switch a part of the preview's look.
    const std::pair<QCheckBox*, std::function<void(bool)>> switches[] = {
        {CheckBox6, [this](bool on) { Editor1->SetUnderLine(on); }},
        {CheckBox12, [this](bool on) { Editor1->SetWordWrap(on); }},
        {CheckBox13, [this](bool on) { Editor1->SetEofMark(on); }},
        {CheckBox15, [this](bool on) { Editor1->SetRetMark(on); }},
        {CheckBox3, [this](bool on) { Editor1->SetReserveWordColor(on); }}};
    for (const auto& entry : switches)
        connect(entry.first, &QCheckBox::toggled, Editor1, entry.second);

    SpinEdit1->OnChange = [this] { SetPreviewNumber(SpinEdit1, [this](int v) { Editor1->SetLeftMargin(v); }); };
    SpinEdit2->OnChange = [this] { SetPreviewNumber(SpinEdit2, [this](int v) { Editor1->SetLineMargin(v); }); };
    connect(BitBtn1, &QPushButton::clicked, this, &TForm12::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { Guarded([this] { BitBtn3Click(); }); });
    connect(BitBtn4, &QPushButton::clicked, this, &TForm12::BitBtn4Click);
}

void TForm12::FormCreate()
{
    TEditorLook::Of(*main_).ApplyTo(*Editor1);
    Editor1->SetWrapByte(20);
    CheckBox17->setChecked(main_->CaretAutoIndent());
    CheckBox3->setChecked(main_->ReserveWordColor());
    CheckBox6->setChecked(main_->UnderLine());
    CheckBox13->setChecked(main_->EofMark());
    if (main_->WordWrap()) {
        CheckBox12->setChecked(true);
        SpinEdit3->SetText(QString::number(main_->WrapByte()));
    }
    SpinEdit1->SetText(QString::number(main_->LeftMargin()));
    SpinEdit2->SetText(QString::number(main_->LineMargin()));
    CheckBox15->setChecked(main_->RetMark());
    CheckBox18->setChecked(main_->SyntaxColoring());
    CheckBox20->setChecked(main_->LineNumbers());
    CheckBox21->setChecked(main_->WrapToWindow());
    ShowSyntaxColors();
    CheckBox19->setVisible(insertRuleAtCaret_ != nullptr);
    CheckBox19->setChecked(insertRuleAtCaret_ && *insertRuleAtCaret_);
}

void TForm12::SetPreviewNumber(const TSpinEdit* field, const std::function<void(int)>& set)
{
    Guarded([field, &set] {
        const std::string text = field->Text().toStdString();
        const std::optional<std::int32_t> value = tavi::ParseInteger(text);
        if (!value)
            throw tavi::NotAnInteger(text);
        set(*value);
    });
}

void TForm12::BitBtn1Click()
{
    FontDialog1->SetFont(Editor1->Font());
    if (FontDialog1->Execute())
        Editor1->SetFont(PixelSized(FontDialog1->Font()));
}

void TForm12::Button1Click()
{
    FontDialog1->SetFont(Editor1->ReserveWordFont());
    if (FontDialog1->Execute())
        Editor1->SetReserveWordFont(PixelSized(FontDialog1->Font()));
}

void TForm12::BitBtn3Click()
{
    TEditorLook look = TEditorLook::Of(*Editor1);
    look.CaretAutoIndent = CheckBox17->isChecked();
    look.ApplyTo(*main_);
    if (CheckBox12->isChecked()) {
        // The width is read last: a text that is no number stops here, with the rest applied.
        const std::string text = SpinEdit3->Text().toStdString();
        const std::optional<std::int32_t> width = tavi::ParseInteger(text);
        if (!width)
            throw tavi::NotAnInteger(text);
        main_->SetWrapByte(*width);
    }
    main_->SetWrapToWindow(CheckBox21->isChecked());
    if (insertRuleAtCaret_)
        *insertRuleAtCaret_ = CheckBox19->isChecked();
    close();
}
