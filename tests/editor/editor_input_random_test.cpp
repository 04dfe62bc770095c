// Randomized widget test: keys, typing, clicks, drags, pastes and input-method text on a wrapped document keep rows and
// caret legal, and undo and redo retrace every edit.
#include <QClipboard>
#include <QInputMethodEvent>
#include <random>

#include "core/row_invariants.h"
#include "editor_fixture.h"
#include "platform/code_page.h"

namespace {

// Pieces of typed text: ASCII, half-width katakana, hiragana, a kanji whose trail byte
// is "\", a full-width space, and characters the code page lacks.
QString RandomPiece(std::mt19937& random, bool breaks)
{
    static const char* const pieces[] = {"a",
                                         "b",
                                         " ",
                                         "{",
                                         ";",
                                         "\xEF\xBD\xB1",
                                         "\xE3\x81\x82",
                                         "\xE3\x82\xBD",
                                         "\xE3\x80\x80",
                                         "\xC3\xA9",
                                         "\xF0\x9F\x98\x80"};
    QString text;
    const int n = 1 + static_cast<int>(random() % 5);
    for (int i = 0; i < n; ++i) {
        if (breaks && random() % 5 == 0)
            text += random() % 2 ? "\r\n" : "\n";
        else if (breaks && random() % 6 == 0)
            text += QString(static_cast<int>(random() % 25), 'x');
        else
            text += QString::fromUtf8(pieces[random() % std::size(pieces)]);
    }
    return text;
}

class EditorRandomInputTest : public EditorInputTest, public ::testing::WithParamInterface<unsigned> {
protected:
    QPoint RandomPoint(std::mt19937& random) const
    {
        const int row = static_cast<int>(random() % static_cast<unsigned>(editor.VisibleRows() + 1));
        const int col = static_cast<int>(random() % 25);
        return CellCentre(editor.TopRow() + row, editor.LeftCol() + col);
    }

    void Step(std::mt19937& random)
    {
        static const Qt::Key keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down};
        switch (random() % 12) {
            case 0:
            case 1: {
                Qt::KeyboardModifiers mods;
                if (random() % 3 == 0)
                    mods |= Qt::ShiftModifier;
                if (random() % 4 == 0)
                    mods |= Qt::ControlModifier;
                Key(keys[random() % std::size(keys)], mods);
                break;
            }
            case 2:
                Key(random() % 2 ? Qt::Key_Delete : Qt::Key_Backspace);
                break;
            case 3:
                Key(random() % 2 ? Qt::Key_Return : Qt::Key_Tab);
                break;
            case 4:
            case 5:
                Type(RandomPiece(random, false));
                break;
            case 6:
                QGuiApplication::clipboard()->setText(RandomPiece(random, true));
                editor.PasteFromClipboard();
                break;
            case 7: {
                QInputMethodEvent commit;
                commit.setCommitString(RandomPiece(random, false));
                QCoreApplication::sendEvent(&editor, &commit);
                break;
            }
            case 8:
                QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, RandomPoint(random));
                break;
            case 9:
                Drag(RandomPoint(random), RandomPoint(random));
                break;
            case 10:
                editor.ClearSelection();
                break;
            default:
                editor.SetSelStart(static_cast<int>(random() % 200));
                editor.SetSelLength(static_cast<int>(random() % 30));
                break;
        }
    }

    // The widget draws the caret where the model has it.
    void ExpectCaretRectFollowsTheCaret()
    {
        const tavi::TCaretShape shape =
            tavi::CaretShapeIn(editor.CaretStyle(), editor.Core().CaretOnDoubleByte(), editor.CharWidth(),
                               editor.CharacterMargin(), editor.RowHeight());
        const QRect area(editor.LeftMargin(), editor.TopMargin(), editor.viewport()->width() - editor.LeftMargin(),
                         editor.viewport()->height() - editor.TopMargin());
        const QRect expected = QRect(editor.CellPos(Caret().first, Caret().second) + QPoint(shape.Left, shape.Top),
                                     QSize(shape.Width, shape.Height))
                                   .intersected(area);
        ASSERT_EQ(editor.CaretRect(), expected);
    }
};

TEST_P(EditorRandomInputTest, RowsAndCaretStayLegalAndUndoRedoRetraceEveryEdit)
{
    std::mt19937 random(GetParam());
    editor.Core().SetWrapByte(20);
    editor.Core().SetUndoListMax(1 << 20);
    editor.SetWantTabs(true);
    editor.SetCaretFree(GetParam() % 2 == 0);
    QString start;
    for (int i = 0; i < 10; ++i)
        start += RandomPiece(random, true);
    SetText(tavi::ToCp932String(start));
    // Every text the document went through; undoing must pass them all in reverse.
    std::vector<std::string> history{Text()};
    for (int step = 0; step < 1000; ++step) {
        Step(random);
        if (Text() != history.back())
            history.push_back(Text());
        ASSERT_NO_FATAL_FAILURE(tavi::testing::ExpectRowInvariants(editor.Core())) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(tavi::testing::ExpectLegalCaret(editor.Core())) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(ExpectCaretRectFollowsTheCaret()) << "step " << step;
        if (step % 100 == 0)
            QApplication::processEvents();  // paint now and then
    }
    ASSERT_GT(history.size(), 200u) << "most steps should edit";
    std::size_t next = history.size() - 1;
    while (editor.CanUndo()) {
        editor.Undo();
        if (next > 0 && Text() == history[next - 1])
            --next;
        ASSERT_NO_FATAL_FAILURE(tavi::testing::ExpectRowInvariants(editor.Core()));
    }
    EXPECT_EQ(next, 0u) << "undo skipped the text after edit " << next;
    EXPECT_EQ(Text(), history.front());
    while (editor.CanRedo())
        editor.Redo();
    EXPECT_EQ(Text(), history.back());
    ASSERT_NO_FATAL_FAILURE(tavi::testing::ExpectLegalCaret(editor.Core()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, EditorRandomInputTest, ::testing::Values(11u, 12u, 13u));

}  // namespace
