// Tests that the "[EOF]" mark stays where the text ends after every edit, on the screen as partial repaints leave it.
#include <QClipboard>
#include <QGuiApplication>
#include <functional>

#include "editor_fixture.h"

namespace {

struct TEofEdit {
    const char* name;
    std::string text;  // the document before the edit
    std::function<void(TEditor&)> edit;
};

// Every edit that moves the mark: it leaves the row that showed it, or comes to a row
// that did not.
std::vector<TEofEdit> EofEdits()
{
    using tavi::TEditKey;
    const auto atEnd = [](TEditor& e) { e.Core().SetSelStart(e.Core().GetTextLen()); };
    return {
        {"type_into_empty", "", [](TEditor& e) { e.Core().TypeChars("a"); }},
        {"paste_into_empty", "",
         [](TEditor& e) {
             QGuiApplication::clipboard()->setText("p {");
             e.PasteFromClipboard();
         }},
        {"paste_lines_into_empty", "",
         [](TEditor& e) {
             QGuiApplication::clipboard()->setText("p {\ncolor : red }\n");
             e.PasteFromClipboard();
         }},
        {"type_after_final_break", "abc\r\n",
         [&](TEditor& e) {
             atEnd(e);
             e.Core().TypeChars("x");
         }},
        {"delete_final_break", "abc\r\n",
         [](TEditor& e) {
             e.Core().PlaceCaretAt(0, 3);
             e.Core().KeyDown(TEditKey::Delete);
         }},
        {"enter_at_end_without_final_break", "abc",
         [&](TEditor& e) {
             atEnd(e);
             e.Core().KeyDown(TEditKey::Enter);
         }},
        {"delete_all", "abc",
         [](TEditor& e) {
             e.SelectAll();
             e.ClearSelection();
         }},
        {"cut_all", "abc",
         [](TEditor& e) {
             e.SelectAll();
             e.CopyToClipboard();
             e.ClearSelection();
         }},
        {"select_all_and_delete_key", "p {\r\nabc",
         [](TEditor& e) {
             e.SelectAll();
             e.Core().KeyDown(TEditKey::Delete);
         }},
        {"backspace_last_character", "a",
         [&](TEditor& e) {
             atEnd(e);
             e.Core().KeyDown(TEditKey::Backspace);
         }},
        {"undo_typing_into_empty", "",
         [](TEditor& e) {
             e.Core().TypeChars("ab");
             e.Core().Undo();
         }},
        {"undo_delete_all", "abc",
         [](TEditor& e) {
             e.SelectAll();
             e.ClearSelection();
             e.Core().Undo();
         }},
        {"lines_add_after_open_line", "abc", [](TEditor& e) { e.Lines().Add("p {"); }},
    };
}

class EofRepaintTest : public EditorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EofRepaintTest, TheScreenShowsOneMarkWhereTheTextEndsAfterEachEdit)
{
    editor.Core().SetWordWrap(GetParam());
    ShowRows(6);
    for (const TEofEdit& e : EofEdits()) {
        editor.Lines().LoadFromBytes(e.text);  // a text without a final line break ends the last row
        editor.viewport()->repaint();
        ExpectScreenMatchesFreshPaint(std::string(e.name) + " (before)");
        e.edit(editor);
        ExpectScreenMatchesFreshPaint(e.name);
    }
}

TEST_P(EofRepaintTest, AKeyTypedInTheMiddleRepaintsOneRow)
{
    editor.Core().SetWordWrap(GetParam());
    ShowRows(6);
    SetText("p { color : red }\r\nq { margin : 0 }\r\nr {}");
    editor.Core().PlaceCaretAt(1, 4);
    editor.viewport()->repaint();
    OnScreen();
    editor.ResetPaintedRowCount();
    editor.Core().TypeChars("x");
    QApplication::processEvents();
    EXPECT_EQ(editor.PaintedRowCount(), 1);
    ExpectScreenMatchesFreshPaint("typed");
}

// In a wrapped line far taller than the view, an edit repaints the rows it changed on the
// screen (from the caret's row down), not the whole view.
TEST_F(EditorTest, AnEditInALongWrappedLineRepaintsOnlyTheRowsItChangedOnScreen)
{
    editor.Core().SetWordWrap(true);
    ShowRows(10);
    std::string line;
    while (line.size() < 20000)
        line += "margin : 0px; ";
    SetText(line + "\r\nnext\r\n");
    const int caretRow = editor.Core().Rows().Count() / 2;
    editor.SetTopRow(caretRow - 5);
    for (const auto& [name, edit] : std::vector<std::pair<std::string, std::function<void()>>>{
             {"typed", [&] { editor.Core().TypeChars("x"); }},
             {"backspace", [&] { editor.Core().KeyDown(tavi::TEditKey::Backspace); }},
             {"enter", [&] { editor.Core().KeyDown(tavi::TEditKey::Enter); }}}) {
        editor.Core().PlaceCaretAt(caretRow, 10);
        editor.viewport()->repaint();
        OnScreen();
        editor.ResetPaintedRowCount();
        edit();
        QApplication::processEvents();
        EXPECT_LE(editor.PaintedRowCount(), 6) << name;  // the caret's row and the four below it
        EXPECT_GE(editor.PaintedRowCount(), 1) << name;
        ExpectScreenMatchesFreshPaint(name);
    }
}

INSTANTIATE_TEST_SUITE_P(WrapOnAndOff, EofRepaintTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Wrapped" : "Unwrapped"; });

}  // namespace
