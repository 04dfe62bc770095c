// Tests of the navigation keys: the half-step through double-byte characters, row crossing, word jumps, paging and
// repeats.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tavi {
namespace {

using KeysTest = testing::EditorFixture;

TEST_F(KeysTest, UpAndDownStepAroundADoubleByteCharacterAndBack)
{
    Load(
        "abcdef\r\nab\x82\xA0"
        "c\r\nabcdef\r\n",
        0, 3);
    Key(TEditKey::Down);
    EXPECT_EQ(Caret(), "1,2");
    Key(TEditKey::Down);
    EXPECT_EQ(Caret(), "2,3");
    Key(TEditKey::Up);
    Key(TEditKey::Up);
    EXPECT_EQ(Caret(), "0,3");
}

TEST_F(KeysTest, LeftAndRightCrossRowsOnlyWhereTheyMay)
{
    core.SetCaretFree(false);
    Load("ab\r\ncd\r\n", 1, 0);
    Key(TEditKey::Left);
    EXPECT_EQ(Caret(), "1,0");
    core.Options().CaretNextLine = true;
    Key(TEditKey::Left);
    EXPECT_EQ(Caret(), "0,2");
    Key(TEditKey::Right);
    EXPECT_EQ(Caret(), "1,0");
    core.Options().CaretNextLine = false;
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    Load(std::string(25, 'a') + "\r\n", 0, 18);
    Key(TEditKey::Right);
    Key(TEditKey::Right);  // a wrapped row goes on in the next
    EXPECT_EQ(Caret(), "1,0");
    Key(TEditKey::Left);
    EXPECT_EQ(Caret(), "0,19");
}

TEST_F(KeysTest, HomeEndAndTheirCtrlForms)
{
    Load("abc\r\nde\r\n", 0, 1);
    Key(TEditKey::End);
    EXPECT_EQ(Caret(), "0,3");
    Key(TEditKey::End, false, true);
    EXPECT_EQ(Caret(), "2,0");  // the position after the final line break
    Key(TEditKey::Home, false, true);
    EXPECT_EQ(Caret(), "0,0");
    Load("abc\r\nde", 0, 1);
    Key(TEditKey::End, true, true);
    EXPECT_EQ(Caret(), "1,2");
    EXPECT_EQ(core.SelText(), "bc\r\nde");
}

TEST_F(KeysTest, WordJumpsStopAtWordStarts)
{
    Load("  color : red;\r\nnext\r\n", 0, 0);
    Key(TEditKey::Right, false, true);
    EXPECT_EQ(Caret(), "0,2");
    Key(TEditKey::Right, false, true);
    EXPECT_EQ(Caret(), "0,10");
    Key(TEditKey::Right, false, true);  // no word start left: the row's end
    EXPECT_EQ(Caret(), "0,14");
    Key(TEditKey::Right, false, true);
    EXPECT_EQ(Caret(), "1,0");
    Key(TEditKey::Left, false, true);  // a line break stops the jump
    EXPECT_EQ(Caret(), "0,14");
    Key(TEditKey::Left, false, true);
    EXPECT_EQ(Caret(), "0,10");
    core.Options().DelimDBCS = true;
    Load(
        "ab\x82\xA0\x82\xA0"
        "cd\r\n",
        0, 0);
    Key(TEditKey::Right, false, true);
    EXPECT_EQ(Caret(), "0,2");
    core.Options().DelimDBCS = false;
    Key(TEditKey::Right, false, true);
    EXPECT_EQ(Caret(), "0,8");
}

TEST_F(KeysTest, HeldDownStepsTwoRowsAtTheEdgeOfTheView)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "row\r\n";
    Load(text, 19, 0);
    view.visibleRows = 20;
    Key(TEditKey::Down, false, false, true);
    EXPECT_EQ(Caret(), "21,0");
    Key(TEditKey::Down, false, false, false);
    EXPECT_EQ(Caret(), "22,0");
    view.topRow = 22;
    Key(TEditKey::Up, false, false, true);
    EXPECT_EQ(Caret(), "20,0");
    Key(TEditKey::Down, false, true);  // Ctrl: the view scrolls, the caret stays while visible
    EXPECT_EQ(view.topRow, 23);
    EXPECT_EQ(Caret(), "21,0");
}

TEST_F(KeysTest, PagingMovesTheViewAndTheCaretTogether)
{
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "row\r\n";
    Load(text, 3, 1);
    view.visibleRows = 10;
    Key(TEditKey::PageDown);
    EXPECT_EQ(view.topRow, 9);
    EXPECT_EQ(Caret(), "12,1");
    Key(TEditKey::PageUp);
    EXPECT_EQ(view.topRow, 0);
    EXPECT_EQ(Caret(), "3,1");
    Key(TEditKey::PageUp);  // already at the top: the caret goes to the first row
    EXPECT_EQ(Caret(), "0,1");
}

}  // namespace
}  // namespace tavi
