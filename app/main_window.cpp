// The main window: tool panel, file boxes, the editor holding the document, and the status line.
#include "app/main_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "app/command.h"
#include "app/find_bar.h"
#include "app/main_editor_setup.h"
#include "app/splash_window.h"
#include "app/window_placement.h"
#include "components/image.h"
#include "components/panel.h"
#include "components/splitter.h"
#include "components/spoken_names.h"
#include "components/status_bar.h"
#include "editor/editor.h"
#include "platform/font_names.h"

QPointer<TForm1> Form1;

namespace {

QIcon Glyph(const QString& name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/glyphs/%1.png").arg(name), {}, QIcon::Normal);
    icon.addFile(QStringLiteral(":/glyphs/%1_disabled.png").arg(name), {}, QIcon::Disabled);
    return icon;
}

QToolButton* SpeedButton(QWidget* parent, int left, int top, const QString& glyph, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setGeometry(left, top, 25, 25);
    button->setIcon(Glyph(glyph));
    button->setIconSize(QSize(18, 18));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);  // tool buttons never take the focus from the editor
    button->setToolTip(hint);
    button->setAccessibleName(hint);  // the glyph says nothing to a screen reader
    return button;
}

QPushButton* FunctionKeyButton(QWidget* parent, int left, int top, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, top, 73, 25);
    // Reached by Tab, but a click leaves the focus in the editor, where typing belongs.
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(hint);
    return button;
}

QLabel* Label(QWidget* parent, int left, int top, const QString& caption, const QString& hint = {})
{
    auto* label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    label->setToolTip(hint);
    return label;
}

QLineEdit* FileBox(QWidget* parent, int left, int top, int width, const QString& text = {})
{
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(left, top, width, 20);
    box->setReadOnly(true);
    return box;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("TAVI CSS Editor"));
    setFont(tavi::FormFont(12));
    resize(711, 571);

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);

    CreateToolPanel();
    CreateFilePanel();
    CreateEditorArea();
    ShowEncoding();  // the file-name box's tip names the editor's line end too
    Journal1 = new TJournalKeeper(*ExtMemo1, this);
    Journal1->Describe = [this] { return DescribeForJournal(); };
    Journal1->OnWriteFailed = [this] { StatusBar1->SetPanelText(0, QStringLiteral("復元記録を書けません")); };
    column->addWidget(Panel1);
    column->addWidget(Splitter1);
    column->addWidget(Panel2);
    column->addWidget(Splitter4);
    editorRow_ = new QHBoxLayout;
    editorRow_->setSpacing(0);
    editorRow_->addWidget(Splitter2);
    editorRow_->addWidget(ExtMemo1, 1);
    editorRow_->addWidget(Splitter3);
    column->addLayout(editorRow_, 1);
    FindBar1 = new TFindBar(ExtMemo1, client);
    column->addWidget(FindBar1);
    column->addWidget(StatusBar1);

    CreateMainMenu();
    CreatePopupMenu();
    CreateRuleEditing();
    CreateKeyboardHabits();
    CreateDesktopCommands();
    CreateFileDialogs();
    CreateStatusSources();
    ConnectCommands();
    CreatePreviewCommands();
    FormCreate();
    // Keys typed as soon as the window appears go into the document.
    ExtMemo1->setFocus();
}

void TForm1::CreateToolPanel()
{
    QWidget* client = centralWidget();
    Panel1 = new TPanel(client);
    Panel1->setFixedHeight(65);
    Image1 = new TImage(Panel1);
    Image1->resize(257, 63);
    Image1->LoadPicture(QStringLiteral(":/pictures/banner.jpg"));
    Panel1->SetRightAligned(Image1);

    SpeedButton1 = SpeedButton(Panel1, 8, 8, QStringLiteral("save"), QStringLiteral("保存"));
    SpeedButton2 = SpeedButton(Panel1, 8, 32, QStringLiteral("open"), QStringLiteral("開く"));
    SpeedButton5 = SpeedButton(Panel1, 32, 8, QStringLiteral("undo"), QStringLiteral("アンドゥ"));
    SpeedButton6 = SpeedButton(Panel1, 32, 32, QStringLiteral("redo"), QStringLiteral("リドゥ"));
    SpeedButton7 = SpeedButton(Panel1, 56, 8, QStringLiteral("copy"), QStringLiteral("複写"));
    SpeedButton8 = SpeedButton(Panel1, 56, 32, QStringLiteral("paste"), QStringLiteral("貼り付け"));
    SpeedButton9 = SpeedButton(Panel1, 80, 8, QStringLiteral("cut"), QStringLiteral("切り取り"));
    SpeedButton10 = SpeedButton(Panel1, 80, 32, QStringLiteral("delete"), QStringLiteral("削除"));

    BitBtn1 = FunctionKeyButton(Panel1, 112, 8, QStringLiteral("F1 フォント "),
                                QStringLiteral("フォント・テキストの装飾に関する指定(F1)"));
    BitBtn2 = FunctionKeyButton(Panel1, 112, 32, QStringLiteral("F2 マージン"),
                                QStringLiteral("マージン（周囲の余白）の指定(F2)"));
    BitBtn3 = FunctionKeyButton(Panel1, 184, 8, QStringLiteral("F3 ボーダー"),
                                QStringLiteral("ボーダーラインに関する指定(F3)"));
    BitBtn4 = FunctionKeyButton(Panel1, 184, 32, QStringLiteral("F4 リスト"), QStringLiteral("リストに関する指定(F4)"));
    BitBtn5 =
        FunctionKeyButton(Panel1, 256, 8, QStringLiteral("F5 色・背景"), QStringLiteral("色や背景に関する指定(F5)"));
    BitBtn6 = FunctionKeyButton(Panel1, 256, 32, QStringLiteral("F6 テキスト"),
                                QStringLiteral("テキストのレイアウトに関する指定(F6)"));
    BitBtn7 = FunctionKeyButton(Panel1, 328, 8, QStringLiteral("F7 基本"), QStringLiteral("基本的な諸設定(F7)"));
    BitBtn8 =
        FunctionKeyButton(Panel1, 328, 32, QStringLiteral("F8 音声"), QStringLiteral("音声・読み上げに関する指定"));

    Splitter1 = new TSplitter(Qt::Horizontal, 3, client);
    Splitter1->SetControl(Panel1);
    Splitter1->SetMinSize(30);
}

void TForm1::CreateFilePanel()
{
    Panel2 = new TPanel(centralWidget());
    Panel2->setFixedHeight(61);
    Label1 = Label(Panel2, 10, 13, QStringLiteral("編集中のファイル名"));
    Edit3 = FileBox(Panel2, 16, 28, 177, QStringLiteral("無題"));
    Label2 =
        Label(Panel2, 216, 13, QStringLiteral("参照用リンクタグ"),
              QStringLiteral("ＨＴＭＬから外部リンクとしてこのシートを参照する場合のリンクタグ（同一ディレクトリ）"));
    Edit2 = FileBox(Panel2, 312, 8, 337);
    Label3 = Label(Panel2, 216, 32, QStringLiteral("ファイルの場所"), QStringLiteral("編集中のファイルのフルパス"));
    Edit4 = FileBox(Panel2, 312, 32, 337);
    tavi::NameAfter(Edit3, Label1);
    tavi::NameAfter(Edit2, Label2);
    tavi::NameAfter(Edit4, Label3);
}

void TForm1::CreateEditorArea()
{
    QWidget* client = centralWidget();
    // These bars only frame the editor: there is no control on their far side to resize.
    Splitter4 = new TSplitter(Qt::Horizontal, 0, client);
    Splitter2 = new TSplitter(Qt::Vertical, 3, client);
    Splitter3 = new TSplitter(Qt::Vertical, 3, client);

    ExtMemo1 = new TEditor(client);
    ExtMemo1->setObjectName(QStringLiteral("ExtMemo1"));
    ConfigureMainEditor(ExtMemo1);
    ExtMemo1->setAccessibleName(QStringLiteral("編集中のスタイルシート"));

    StatusBar1 = new TStatusBar(client);
    StatusBar1->SetPanels({{QStringLiteral(" TAVI CSS Editor "), 150, false, false, true},
                           {QStringLiteral("UserUnknown"), 400, true},
                           {QString(), 50, false, true},
                           {QStringLiteral("行 1, 列 1"), 0, false, false, false, true}});
}

void TForm1::FormCreate()
{
    Form5 = new TForm5;
    Form5->show();
    Form5->repaint();

    FillStatusTexts();

    // Files dropped anywhere on the window are opened (dropEvent).
    setAcceptDrops(true);

    ApplySettings();

    // The splash goes when the event loop first runs, that is when this window shows.
    Form5->deleteLater();
}

void TForm1::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        CenterOnScreen();
    }
    QMainWindow::showEvent(event);
}

void TForm1::CenterOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize frame = frameGeometry().size() - size();  // the window manager's share
    const QRect placed = PlacedOnScreen(frameGeometry().size(), screen->geometry(), screen->availableGeometry());
    if (placed.size() != frameGeometry().size())
        resize(placed.size() - frame);  // a stored size larger than the screen
    move(placed.topLeft());
}
