// Tests of the main window: its layout, menus, shortcuts, splash window and first show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/window_placement.h"
#include "components/image.h"
#include "components/panel.h"
#include "components/splitter.h"
#include "components/status_bar.h"
#include "editor/editor.h"
#include "tests/support/modal_answer.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<TForm1>(); }

    void ShowAndActivate()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    std::unique_ptr<TForm1> form;
};

struct Entry {
    const char* name;
    const char* caption;  // "-" for a separator
    QKeySequence shortcut;
};

void ExpectItems(const QMenu* menu, const std::vector<Entry>& expected)
{
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size())) << menu->objectName().toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(action->objectName(), expected[i].name);
        if (QString(expected[i].caption) == "-") {
            EXPECT_TRUE(action->isSeparator());
        } else {
            EXPECT_EQ(action->text(), QString(expected[i].caption));
            EXPECT_EQ(action->shortcut(), expected[i].shortcut);
            EXPECT_TRUE(action->isEnabled());
        }
    }
}

}  // namespace

TEST_F(MainWindowTest, HasTheDesignCaptionFontAndSize)
{
    EXPECT_EQ(form->windowTitle(), "TAVI CSS Editor");
    EXPECT_EQ(form->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_EQ(form->size(), QSize(711, 571));
    // The form font's name is mapped to an installed Japanese face.
    EXPECT_TRUE(QFontInfo(form->font()).family().contains("IPA"));
}

TEST(WindowPlacement, AWindowThatFitsIsCentredAndOneThatDoesNotIsShrunkOntoTheFreeArea)
{
    const QRect screen(0, 0, 1920, 1080);
    const QRect available(0, 30, 1920, 1050);  // a panel across the top
    const struct {
        QSize Outer;
        QRect Expected;
    } cases[] = {
        {{711, 571}, {604, 254, 711, 571}},     // centred on the screen, as always
        {{1422, 1142}, {249, 30, 1422, 1050}},  // too tall: the free height, its top on the screen
        {{2500, 800}, {0, 155, 1920, 800}},     // too wide: the free width, centred in the free area
        {{1900, 1060}, {10, 30, 1900, 1050}},   // fits the screen but not the free area
        {{800, 1050}, {560, 30, 800, 1050}},    // exactly the free height: below the panel
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacedOnScreen(c.Outer, screen, available), c.Expected) << c.Outer.width() << "x" << c.Outer.height();
}

TEST(WindowPlacement, AFormIsCentredOverItsWindowAndKeptOnTheFreeArea)
{
    const QRect available(0, 30, 1920, 1050);
    const struct {
        QRect Owner;
        QSize Outer;
        QPoint Expected;
    } cases[] = {
        {{600, 250, 711, 571}, {200, 100}, {856, 486}},    // centred
        {{-500, 40, 711, 571}, {400, 300}, {0, 176}},      // the window half off the left edge
        {{1500, 900, 711, 571}, {400, 300}, {1520, 780}},  // off the bottom right
        {{0, 30, 400, 300}, {2000, 1200}, {0, 30}},        // larger than the screen: top-left on it
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredOver(c.Outer, c.Owner, available), QRect(c.Expected, c.Outer)) << c.Owner.x();
}

TEST_F(MainWindowTest, TheFormsOpenCentredOverTheWindow)
{
    ShowAndActivate();
    form->move(40, 50);
    QPoint centre;
    AnswerNextModal([&centre](QWidget* modal) {
        centre = modal->frameGeometry().center();
        modal->close();
    });
    form->About1->trigger();  // the about box, which had a place of its own
    EXPECT_LE((centre - form->frameGeometry().center()).manhattanLength(), 4)
        << centre.x() << "," << centre.y() << " " << form->frameGeometry().center().x() << ","
        << form->frameGeometry().center().y();
}

TEST_F(MainWindowTest, AStoredSizeLargerThanTheScreenOpensWithinIt)
{
    const QRect area = form->screen()->availableGeometry();
    form->resize(area.width() + 400, area.height() + 300);
    form->show();
    EXPECT_TRUE(area.contains(form->frameGeometry()))
        << form->frameGeometry().width() << "x" << form->frameGeometry().height();
}

TEST_F(MainWindowTest, CentresItselfOnTheScreenWhenFirstShown)
{
    form->move(3, 4);
    form->show();
    const QRect screen = form->screen()->geometry();
    const QRect frame = form->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);

    // Afterwards it stays where the user puts it.
    form->hide();
    form->move(10, 20);
    form->show();
    EXPECT_EQ(form->pos(), QPoint(10, 20));
}

TEST_F(MainWindowTest, TheEditorHasTheFocusAndTheCaretWhenTheWindowFirstAppears)
{
    ShowAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), form->ExtMemo1);
    EXPECT_FALSE(form->ExtMemo1->CaretRect().isEmpty());
    QTest::keyClicks(QApplication::focusWidget(), "p {");
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "p {");

    // Pressing a function-key button leaves the focus in the editor (released outside, so
    // that no dialog opens).
    QTest::mousePress(form->BitBtn5, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), form->ExtMemo1);
    QTest::mouseRelease(form->BitBtn5, Qt::LeftButton, {}, QPoint(-5, -5));
}

TEST_F(MainWindowTest, StacksPanelsEditorAndStatusLineFromTopToBottom)
{
    form->show();
    EXPECT_EQ(form->Panel1->height(), 65);
    EXPECT_EQ(form->Splitter1->height(), 3);
    EXPECT_EQ(form->Panel2->height(), 61);
    EXPECT_EQ(form->Splitter4->height(), 0);
    EXPECT_EQ(form->Splitter2->width(), 3);
    EXPECT_EQ(form->Splitter3->width(), 3);
    EXPECT_EQ(form->StatusBar1->height(), 21);

    EXPECT_EQ(form->Splitter1->y(), form->Panel1->geometry().bottom() + 1);
    EXPECT_EQ(form->Panel2->y(), form->Splitter1->geometry().bottom() + 1);
    EXPECT_EQ(form->ExtMemo1->y(), form->Panel2->geometry().bottom() + 1);
    EXPECT_EQ(form->ExtMemo1->x(), 3);
    EXPECT_EQ(form->ExtMemo1->geometry().right(), form->centralWidget()->width() - 4);
    EXPECT_EQ(form->StatusBar1->y(), form->ExtMemo1->geometry().bottom() + 1);
    EXPECT_EQ(form->StatusBar1->geometry().bottom(), form->centralWidget()->height() - 1);

    // The banner keeps to the right end of the tool panel.
    EXPECT_EQ(form->Image1->size(), QSize(257, 63));
    EXPECT_EQ(form->Image1->geometry().right(), form->Panel1->contentsRect().right());
    EXPECT_FALSE(form->Image1->Picture().isNull());
    form->resize(900, 571);
    EXPECT_EQ(form->Image1->geometry().right(), form->Panel1->contentsRect().right());

    EXPECT_EQ(form->ExtMemo1->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(MainWindowTest, PlacesTheFileBoxesAndLabelsAtTheirPositions)
{
    EXPECT_EQ(form->Label1->pos(), QPoint(10, 13));
    EXPECT_EQ(form->Label2->pos(), QPoint(216, 13));
    EXPECT_EQ(form->Label3->pos(), QPoint(216, 32));
    EXPECT_EQ(form->Label1->text(), "編集中のファイル名");
    EXPECT_EQ(form->Label2->text(), "参照用リンクタグ");
    EXPECT_EQ(form->Label3->text(), "ファイルの場所");
    EXPECT_EQ(form->Label1->toolTip(), "");
    EXPECT_EQ(form->Label2->toolTip(),
              "ＨＴＭＬから外部リンクとしてこのシートを参照する場合のリンクタグ（同一ディレクトリ）");
    EXPECT_EQ(form->Label3->toolTip(), "編集中のファイルのフルパス");

    struct Box {
        QLineEdit* edit;
        QPoint pos;
        int width;
        const char* text;
    };
    for (const Box& box : {Box{form->Edit3, {16, 28}, 177, "無題"}, Box{form->Edit2, {312, 8}, 337, ""},
                           Box{form->Edit4, {312, 32}, 337, ""}}) {
        EXPECT_EQ(box.edit->pos(), box.pos);
        EXPECT_EQ(box.edit->width(), box.width);
        EXPECT_EQ(box.edit->text(), box.text);
        EXPECT_TRUE(box.edit->isReadOnly());
        EXPECT_EQ(box.edit->parentWidget(), form->Panel2);
    }
}

TEST_F(MainWindowTest, PlacesToolAndFunctionKeyButtonsAtTheirPositions)
{
    struct Tool {
        QToolButton* button;
        QPoint pos;
        const char* hint;
    };
    for (const Tool& t : {Tool{form->SpeedButton1, {8, 8}, "保存"}, Tool{form->SpeedButton2, {8, 32}, "開く"},
                          Tool{form->SpeedButton5, {32, 8}, "アンドゥ"}, Tool{form->SpeedButton6, {32, 32}, "リドゥ"},
                          Tool{form->SpeedButton7, {56, 8}, "複写"}, Tool{form->SpeedButton8, {56, 32}, "貼り付け"},
                          Tool{form->SpeedButton9, {80, 8}, "切り取り"}, Tool{form->SpeedButton10, {80, 32}, "削除"}}) {
        SCOPED_TRACE(t.hint);
        EXPECT_EQ(t.button->geometry(), QRect(t.pos, QSize(25, 25)));
        EXPECT_EQ(t.button->toolTip(), t.hint);
        const QIcon icon = t.button->icon();
        EXPECT_FALSE(icon.pixmap(18, QIcon::Normal).isNull());
        // The disabled picture is a drawing of its own, not the same pixels.
        EXPECT_NE(icon.pixmap(18, QIcon::Normal).toImage(), icon.pixmap(18, QIcon::Disabled).toImage());
    }

    struct Key {
        QPushButton* button;
        QPoint pos;
        const char* caption;
        const char* hint;
    };
    for (const Key& k : {Key{form->BitBtn1, {112, 8}, "F1 フォント ", "フォント・テキストの装飾に関する指定(F1)"},
                         Key{form->BitBtn2, {112, 32}, "F2 マージン", "マージン（周囲の余白）の指定(F2)"},
                         Key{form->BitBtn3, {184, 8}, "F3 ボーダー", "ボーダーラインに関する指定(F3)"},
                         Key{form->BitBtn4, {184, 32}, "F4 リスト", "リストに関する指定(F4)"},
                         Key{form->BitBtn5, {256, 8}, "F5 色・背景", "色や背景に関する指定(F5)"},
                         Key{form->BitBtn6, {256, 32}, "F6 テキスト", "テキストのレイアウトに関する指定(F6)"},
                         Key{form->BitBtn7, {328, 8}, "F7 基本", "基本的な諸設定(F7)"},
                         Key{form->BitBtn8, {328, 32}, "F8 音声", "音声・読み上げに関する指定"}}) {
        SCOPED_TRACE(k.caption);
        EXPECT_EQ(k.button->geometry(), QRect(k.pos, QSize(73, 25)));
        EXPECT_EQ(k.button->text(), k.caption);
        EXPECT_EQ(k.button->toolTip(), k.hint);
    }
}

TEST_F(MainWindowTest, StatusLineShowsThreePanelsOfTheirDesignWidthsThenTheCaretPanel)
{
    // Start-up replaces the start texts of panels 1 and 2 (the status line's own tests).
    const auto& panels = form->StatusBar1->Panels();
    ASSERT_EQ(panels.size(), 4u);
    EXPECT_EQ(panels[0].Text, " TAVI CSS Editor ");
    EXPECT_EQ(panels[0].Width, 150);
    EXPECT_TRUE(panels[1].Text.startsWith("User: "));
    EXPECT_EQ(panels[1].Width, 400);
    EXPECT_FALSE(panels[2].Text.isEmpty());
    EXPECT_EQ(panels[3].Text, "行 1, 列 1");
    form->show();
    EXPECT_EQ(form->StatusBar1->PanelRect(3).right(), form->StatusBar1->width() - 1);
}

TEST_F(MainWindowTest, MainMenuHasEveryItemCaptionAndShortcut)
{
    const QList<QAction*> top = form->MainMenu1->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "ファイル(&F)");
    EXPECT_EQ(top[1]->text(), "編集(&E)");
    EXPECT_EQ(top[2]->text(), "オプション(&O)");
    EXPECT_EQ(top[3]->text(), "ヘルプ(&H)");

    // Each menu's own items in their order, with the commands every desktop editor has around them.
    ExpectItems(form->hu1, {{"New1", "新規(&N)", Qt::CTRL | Qt::Key_N},
                            {"Open1", "保存(&S)", {}},
                            {"SaveAs1", "名前を付けて保存(&A)...", {}},
                            {"N14", "-", {}},
                            {"Open2", "開く(&O)...", {}},
                            {"ReopenAs1", "文字コードを指定して開き直す(&R)", {}},
                            {"RecentSep1", "-", {}},
                            {"RecentFiles1", "最近使ったファイル(&R)", {}},
                            {"QuitSep1", "-", {}},
                            {"Quit1", "終了(&X)", Qt::CTRL | Qt::Key_Q}});
    ExpectItems(form->ReopenAs1, {{"ReopenShiftJis1", "Shift-JIS(&S)", {}}, {"ReopenUtf81", "UTF-8(&U)", {}}});
    ExpectItems(form->Edit1, {{"N1", "スタイル指定(&S)...", {}},
                              {"N15", "-", {}},
                              {"N7", "全て選択", Qt::CTRL | Qt::Key_F1},
                              {"N8", "全て削除", Qt::CTRL | Qt::Key_F2},
                              {"N9", "全てコピー", Qt::CTRL | Qt::Key_F3},
                              {"N10", "全て切り取り", Qt::CTRL | Qt::Key_F4},
                              {"N16", "-", {}},
                              {"Paste2", "貼り付け", Qt::CTRL | Qt::Key_V},
                              {"Delete1", "削除", Qt::CTRL | Qt::Key_D},
                              {"Cut2", "切り取り", Qt::CTRL | Qt::Key_X},
                              {"N17", "複写", Qt::CTRL | Qt::Key_C},
                              {"UndoSep1", "-", {}},
                              {"UndoKey", "元に戻す(&U)", Qt::CTRL | Qt::Key_Z},
                              {"RedoKey", "やり直し(&R)", Qt::CTRL | Qt::Key_Y},
                              {"FindSep1", "-", {}},
                              {"FindKey", "検索(&F)...", Qt::CTRL | Qt::Key_F},
                              {"ReplaceKey", "置換(&H)...", Qt::CTRL | Qt::Key_H},
                              {"GoToLineKey", "指定行へ移動(&G)...", Qt::CTRL | Qt::Key_G},
                              {"SheetSep1", "-", {}},
                              {"ToggleComment1", "コメントの切り替え(&M)", Qt::CTRL | Qt::Key_Slash},
                              {"PartnerBracket1", "対応する括弧へ移動(&B)", Qt::CTRL | Qt::Key_BracketRight},
                              {"Complete1", "入力候補(&P)", Qt::CTRL | Qt::Key_Space},
                              {"EditRuleMenu1", "ルールをダイアログで編集(&D)", {}}});
    ExpectItems(form->EditRuleMenu1, {{"EditRuleKey1", "フォント・テキストの修飾に関する指定", Qt::SHIFT | Qt::Key_F1},
                                      {"EditRuleKey2", "マージン（周囲の余白）の指定", Qt::SHIFT | Qt::Key_F2},
                                      {"EditRuleKey3", "ボーダーラインに関する指定", Qt::SHIFT | Qt::Key_F3},
                                      {"EditRuleKey4", "リストに関する指定", Qt::SHIFT | Qt::Key_F4},
                                      {"EditRuleKey5", "色と背景に関する指定", Qt::SHIFT | Qt::Key_F5},
                                      {"EditRuleKey6", "テキストのレイアウトに関する指定", Qt::SHIFT | Qt::Key_F6},
                                      {"EditRuleKey7", "各要素の基本的なスタイル指定", Qt::SHIFT | Qt::Key_F7},
                                      {"EditRuleKey8", "音声読み上げに関する指定", Qt::SHIFT | Qt::Key_F8}});
    ExpectItems(form->N1, {{"N3", "フォント・テキストの修飾に関する指定", Qt::Key_F1},
                           {"N4", "マージン（周囲の余白）の指定", Qt::Key_F2},
                           {"N5", "ボーダーラインに関する指定", Qt::Key_F3},
                           {"N6", "リストに関する指定", Qt::Key_F4},
                           {"N18", "色と背景に関する指定", Qt::Key_F5},
                           {"N19", "テキストのレイアウトに関する指定", Qt::Key_F6},
                           {"N20", "各要素の基本的なスタイル指定", Qt::Key_F7},
                           {"N21", "音声読み上げに関する指定", Qt::Key_F8},
                           {"N22", "色のダイアログ（１６進数生成）", Qt::Key_F9}});
    ExpectItems(form->N25, {{"N26", "エディタのカスタマイズ(&C)", {}},
                            {"Preview1", "プレビュー(&P)", Qt::Key_F10},
                            {"ZoomSep1", "-", {}},
                            {"ZoomIn1", "拡大(&I)", Qt::CTRL | Qt::Key_Plus},
                            {"ZoomOut1", "縮小(&O)", Qt::CTRL | Qt::Key_Minus},
                            {"ZoomReset1", "元の大きさ(&Z)", Qt::CTRL | Qt::Key_0}});
    ExpectItems(form->Help1,
                {{"Shortcuts1", "キーボードショートカット(&K)", {}}, {"About1", "バージョン情報(&A)", {}}});
}

TEST_F(MainWindowTest, ContextMenuHasEveryItemCaptionAndShortcut)
{
    ExpectItems(form->PopupMenu1, {{"N2", "削除", Qt::CTRL | Qt::Key_D},
                                   {"N11", "複写", Qt::CTRL | Qt::Key_C},
                                   {"Paste1", "貼り付け", Qt::CTRL | Qt::Key_V},
                                   {"Cut1", "切り取り", Qt::CTRL | Qt::Key_X},
                                   {"N12", "-", {}},
                                   {"N13", "コメント化", {}},
                                   {"STYLE1", "<STYLE>タグ", {}},
                                   {"N23", "-", {}},
                                   {"N24", "色のダイアログ", Qt::Key_F9},
                                   {"N27", "-", {}},
                                   {"N28", "アンドゥ", Qt::Key_F11},
                                   {"N29", "リドゥ", Qt::Key_F12},
                                   {"EditRule1", "このルールを編集", {}}});
}

// Keys whose item already opens a dialog are tested with that dialog.
TEST_F(MainWindowTest, FunctionKeysReachTheirMenuItemsWhereverTheFocusIs)
{
    ShowAndActivate();
    struct Route {
        int key;
        Qt::KeyboardModifiers modifiers;
        QAction* item;
        bool opensDialog = false;
    };
    const std::vector<Route> routes{
        {Qt::Key_F1, Qt::NoModifier, form->N3, true},   {Qt::Key_F6, Qt::NoModifier, form->N19, true},
        {Qt::Key_F7, Qt::NoModifier, form->N20, true},  {Qt::Key_F11, Qt::NoModifier, form->N28},
        {Qt::Key_F12, Qt::NoModifier, form->N29},       {Qt::Key_F1, Qt::ControlModifier, form->N7},
        {Qt::Key_D, Qt::ControlModifier, form->Delete1}};
    for (QWidget* focus : {static_cast<QWidget*>(form->ExtMemo1), static_cast<QWidget*>(form->BitBtn3)}) {
        focus->setFocus();
        for (const Route& route : routes) {
            SCOPED_TRACE(route.item->objectName().toStdString());
            QSignalSpy spy(route.item, &QAction::triggered);
            if (route.opensDialog)
                AnswerNextModal([](QWidget* modal) { modal->close(); });
            QTest::keyClick(focus, static_cast<Qt::Key>(route.key), route.modifiers);
            EXPECT_EQ(spy.count(), 1);
            if (route.opensDialog) {
                form->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
                focus->setFocus();
            }
        }
    }
}

TEST_F(MainWindowTest, SplitterDragResizesTheToolPanelButNotBelowThirtyPixels)
{
    form->show();
    QTest::mousePress(form->Splitter1, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(form->Splitter1, QPoint(10, 21));
    QTest::mouseRelease(form->Splitter1, Qt::LeftButton, {}, QPoint(10, 21));
    EXPECT_EQ(form->Panel1->height(), 85);

    QTest::mousePress(form->Splitter1, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(form->Splitter1, QPoint(10, -200));
    QTest::mouseRelease(form->Splitter1, Qt::LeftButton, {}, QPoint(10, -200));
    EXPECT_EQ(form->Panel1->height(), 30);
}

TEST(SplashWindow, ShowsDuringStartUpAndGoesWhenTheEventLoopRuns)
{
    TForm1 form;
    ASSERT_FALSE(Form5.isNull());
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_EQ(Form5->size(), QSize(296, 198));
    EXPECT_TRUE(Form5->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Form5->Image1->geometry(), Form5->rect());
    EXPECT_FALSE(Form5->Image1->Picture().isNull());
    const QRect screen = Form5->screen()->geometry();
    EXPECT_LE(std::abs(Form5->geometry().center().x() - screen.center().x()), 1);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Form5.isNull());
}
