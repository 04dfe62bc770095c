// Tests of the find bar in the main window: opening it with the selection, finding with Enter and Shift+Enter, its
// notes, replacing, and keys that stay in its boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/find_bar.h"
#include "tests/support/active_main_window.h"
#include "tests/support/qt_printers.h"

namespace {

class FindBarTest : public ActiveMainWindowTest {
protected:
    void Load(const std::string& text) { form->ExtMemo1->Lines().SetTextStr(text); }
    std::string Text() const { return form->ExtMemo1->Lines().GetTextStr(); }
    tavi::TEditorCore& Core() const { return form->ExtMemo1->Core(); }
    void Select(long long start, long long length)
    {
        Core().SetSelStart(start);
        Core().SetSelLength(length);
    }
    std::pair<long long, long long> Selection() const { return {Core().SelStart(), Core().SelLength()}; }
    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, key, modifiers);
    }
    TFindBar* Bar() const { return form->FindBar1; }
};

const std::string kSheet = "h1 { color: red; }\r\nh2 { color: red; }\r\n";

TEST_F(FindBarTest, CtrlFTakesTheSelectionAndEnterFindsOnAndRoundWithNotesInTheBar)
{
    Load(kSheet);
    Select(12, 3);
    Key(form->ExtMemo1, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Bar()->isVisible());
    EXPECT_FALSE(Bar()->ReplaceEdit->isVisible());
    EXPECT_EQ(Bar()->FindEdit->text(), QStringLiteral("red"));
    EXPECT_TRUE(Bar()->FindEdit->hasFocus());

    Key(Bar()->FindEdit, Qt::Key_Return);
    EXPECT_EQ(Selection(), std::make_pair(32LL, 3LL));
    EXPECT_EQ(Bar()->Note(), QString());
    Key(Bar()->FindEdit, Qt::Key_Return);
    EXPECT_EQ(Selection(), std::make_pair(12LL, 3LL));
    EXPECT_EQ(Bar()->Note(), QStringLiteral("末尾に達したので先頭から検索しました"));
    Key(Bar()->FindEdit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Selection(), std::make_pair(32LL, 3LL));
    EXPECT_EQ(Bar()->Note(), QStringLiteral("先頭に達したので末尾から検索しました"));

    Bar()->FindEdit->clear();
    QTest::keyClicks(Bar()->FindEdit, "blue");
    Key(Bar()->FindEdit, Qt::Key_Return);
    EXPECT_EQ(Bar()->Note(), QStringLiteral("見つかりません"));
    EXPECT_EQ(Selection(), std::make_pair(32LL, 3LL));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A selection over a line break is no text to find: the box keeps its own.
    Select(0, 25);
    Key(form->ExtMemo1, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Bar()->FindEdit->text(), QStringLiteral("blue"));
    Key(Bar()->FindEdit, Qt::Key_Escape);
    EXPECT_FALSE(Bar()->isVisible());
    EXPECT_TRUE(form->ExtMemo1->hasFocus());
}

TEST_F(FindBarTest, AMatchFarDownIsScrolledIntoView)
{
    std::string sheet;
    for (int i = 0; i < 300; ++i)
        sheet += "p { margin: 0; }\r\n";
    Load(sheet + "#target { }\r\n");
    Bar()->OpenFind(QStringLiteral("#TARGET"));
    Bar()->FindNext();
    EXPECT_EQ(Core().CaretRow(), 300);
    EXPECT_LE(form->ExtMemo1->TopRow(), 300);
    EXPECT_GT(form->ExtMemo1->TopRow() + form->ExtMemo1->VisibleRows(), 300);
    Bar()->MatchCaseBox->setChecked(true);
    Bar()->FindNext();
    EXPECT_EQ(Bar()->Note(), QStringLiteral("見つかりません"));
}

TEST_F(FindBarTest, KeysTypedInTheBarStayOutOfTheDocument)
{
    Load(kSheet);
    Core().SelectAll();
    Bar()->OpenFind({});
    QTest::keyClicks(Bar()->FindEdit, "xy");
    for (const QKeyCombination key :
         {QKeyCombination(Qt::ControlModifier, Qt::Key_D), QKeyCombination(Qt::Key_Return),
          QKeyCombination(Qt::ControlModifier, Qt::Key_X), QKeyCombination(Qt::ControlModifier, Qt::Key_V),
          QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        Bar()->FindEdit->selectAll();
        Key(Bar()->FindEdit, key.key(), key.keyboardModifiers());
        EXPECT_EQ(Text(), kSheet);
    }
    EXPECT_EQ(Core().Document().UndoObj().UndoList().Count(), 0);
    // Ctrl+A selects the box's text, not the document.
    Select(0, 2);
    Bar()->FindEdit->setText(QStringLiteral("abc"));
    Key(Bar()->FindEdit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Bar()->FindEdit->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(Selection(), std::make_pair(0LL, 2LL));
}

TEST_F(FindBarTest, ReplacingGoesMatchByMatchAndReplaceAllIsOneUndo)
{
    Load(kSheet + "h3 { color: red; }\r\n");
    Key(form->ExtMemo1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(Bar()->ReplaceEdit->isVisible());
    QTest::keyClicks(Bar()->FindEdit, "red");
    QTest::keyClicks(Bar()->ReplaceEdit, "blue");
    // The caret is no match: the first press only finds one, the next replaces it.
    Key(Bar()->ReplaceEdit, Qt::Key_Return);
    EXPECT_EQ(Selection(), std::make_pair(12LL, 3LL));
    EXPECT_EQ(Text(), kSheet + "h3 { color: red; }\r\n");
    Bar()->ReplaceButton->click();
    EXPECT_EQ(Text(), "h1 { color: blue; }\r\nh2 { color: red; }\r\nh3 { color: red; }\r\n");
    EXPECT_EQ(Selection(), std::make_pair(33LL, 3LL));

    Bar()->ReplaceAllButton->click();
    EXPECT_EQ(Text(), "h1 { color: blue; }\r\nh2 { color: blue; }\r\nh3 { color: blue; }\r\n");
    EXPECT_EQ(Bar()->Note(), QStringLiteral("2 個置換しました"));
    form->N28Click();
    EXPECT_EQ(Text(), "h1 { color: blue; }\r\nh2 { color: red; }\r\nh3 { color: red; }\r\n");

    form->ExtMemo1->SetReadOnly(true);
    Bar()->ReplaceAllButton->click();
    EXPECT_EQ(Bar()->Note(), QStringLiteral("読み取り専用のため置換できません"));
    Select(33, 3);
    Key(Bar()->ReplaceEdit, Qt::Key_Return);
    EXPECT_EQ(Bar()->Note(), QStringLiteral("読み取り専用のため置換できません"));
    EXPECT_EQ(Text(), "h1 { color: blue; }\r\nh2 { color: red; }\r\nh3 { color: red; }\r\n");
}

TEST_F(FindBarTest, AMalformedOrTooComplexExpressionIsToldInTheBar)
{
    Load(kSheet);
    Bar()->OpenFind(QStringLiteral("color: [a-"));
    Bar()->RegexBox->setChecked(true);
    Bar()->FindNext();
    EXPECT_TRUE(Bar()->Note().startsWith(QStringLiteral("正規表現が正しくありません")));
    EXPECT_FALSE(Core().Selected());

    Load(std::string(100000, 'a') + "b\r\naaa\r\n");
    Bar()->FindEdit->setText(QStringLiteral("(a+)+$"));
    Bar()->FindNext();
    EXPECT_EQ(Bar()->Note(), QStringLiteral("正規表現が複雑すぎます"));
}

// Work that runs long shows a box whose 中止 stops it; the document stays as it was.
TEST_F(FindBarTest, ALongReplaceShowsItsProgressAndStopsAtTheUsersWord)
{
    Load(std::string(3 << 20, 'a') + "\r\nred\r\n");
    const std::string before = Text();
    tavi::TWorkProgress& progress = form->ExtMemo1->WorkProgress();
    progress.SetShowAfter(0);
    bool boxShown = false;
    QTimer::singleShot(0, form.get(), [&] {
        boxShown = progress.Box() != nullptr && progress.Box()->isVisible();
        // Escape stops the work wherever the focus is (here, still in the bar).
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    Bar()->OpenReplace(QStringLiteral("red"));
    QTest::keyClicks(Bar()->ReplaceEdit, "blue");
    Bar()->ReplaceAllButton->click();
    EXPECT_TRUE(boxShown);
    EXPECT_EQ(Bar()->Note(), QStringLiteral("中止しました"));
    EXPECT_TRUE(Text() == before);  // (a failure would print megabytes)
    EXPECT_FALSE(progress.Working());
    EXPECT_EQ(progress.Box(), nullptr);
    EXPECT_TRUE(Bar()->isVisible());

    // The box's 中止 button stops a search the same way.
    QTimer::singleShot(0, form.get(), [&] {
        if (QPushButton* stop = progress.Box() ? progress.Box()->findChild<QPushButton*>() : nullptr)
            stop->click();
    });
    Bar()->FindEdit->setText(QStringLiteral("blue"));
    Bar()->FindNext();
    EXPECT_EQ(Bar()->Note(), QStringLiteral("中止しました"));
    EXPECT_FALSE(progress.Working());
    progress.SetShowAfter(2000);
}

}  // namespace
