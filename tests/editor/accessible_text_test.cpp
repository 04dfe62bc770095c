// Tests of what assistive technologies read of the editor's text: characters in both encodings, words and lines,
// the caret and the selection, the events edits send, and the character index behind them.
#include <QAccessible>
#include <functional>
#include <vector>

#include "editor/accessible_text.h"
#include "editor/accessible_text_events.h"
#include "editor_fixture.h"

namespace {

using tavi::TTextEncoding;

// A text event as an update handler saw it: what happened, where, and which characters.
struct TTextEvent {
    QAccessible::Event Type;
    int Position = 0;
    QString Text;
    bool operator==(const TTextEvent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TTextEvent& e)
{
    return out << "{" << int(e.Type) << " " << e.Position << " \"" << e.Text.toStdString() << "\"}";
}

std::vector<TTextEvent>* seen = nullptr;

void RecordTextEvent(QAccessibleEvent* event)
{
    if (seen == nullptr)
        return;
    switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
            seen->push_back({e->type(), e->changePosition(), e->textInserted()});
            break;
        }
        case QAccessible::TextRemoved: {
            const auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
            seen->push_back({e->type(), e->changePosition(), e->textRemoved()});
            break;
        }
        case QAccessible::TextCaretMoved:
            seen->push_back({event->type(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition(), {}});
            break;
        case QAccessible::TextSelectionChanged: {
            const auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
            seen->push_back({e->type(), e->selectionStart(), QString::number(e->selectionEnd())});
            break;
        }
        default:
            break;
    }
}

TTextEvent Inserted(int at, const QString& text)
{
    return {QAccessible::TextInserted, at, text};
}
TTextEvent Removed(int at, const QString& text)
{
    return {QAccessible::TextRemoved, at, text};
}
TTextEvent CaretAt(int at)
{
    return {QAccessible::TextCaretMoved, at, {}};
}
TTextEvent Selected(int start, int end)
{
    return {QAccessible::TextSelectionChanged, start, QString::number(end)};
}

// The editor as an assistive technology sees it, its events recorded.
class AccessibleText : public EditorInputTest {
protected:
    void SetUp() override
    {
        EditorInputTest::SetUp();
        tavi::TAccessibleTextEvents::SendTo(RecordTextEvent);
        seen = &events;
    }
    void TearDown() override
    {
        seen = nullptr;
        tavi::TAccessibleTextEvents::SendTo(nullptr);
        EditorInputTest::TearDown();
    }

    QAccessibleTextInterface* Text() { return QAccessible::queryAccessibleInterface(&editor)->textInterface(); }
    // The events since the last call (the caret's and the selection's go once the event loop
    // has run).
    std::vector<TTextEvent> Events()
    {
        QCoreApplication::processEvents();
        return std::exchange(events, {});
    }

    std::vector<TTextEvent> events;
};

// The characters of each encoding as a reader gets them: Shift-JIS with kanji, kana and
// half-width katakana (one character per pair or byte), UTF-8 with an emoji outside the
// Basic Multilingual Plane (two characters for four bytes).
TEST_F(AccessibleText, ReadsEveryCharacterOfBothEncodingsAtItsOffset)
{
    const struct {
        const char* bytes;
        TTextEncoding encoding;
        QString text;
    } cases[] = {
        {"p {\r\n  content: \"\x93\xFA\x96\x7B\x82\xA0\";\r\n}/* \xB1\xB2\xB3 */", TTextEncoding::Cp932,
         QString::fromUtf8("p {\n  content: \"日本あ\";\n}/* ｱｲｳ */")},
        {"p { content: \"\xF0\x9F\x98\x80\xE3\x81\x82\"; }\r\n\xC3\xA9t\xC3\xA9\r\n", TTextEncoding::Utf8,
         QString::fromUtf8("p { content: \"😀あ\"; }\nété\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        editor.Lines().LoadFromBytes(c.bytes, c.encoding);
        QAccessibleTextInterface* text = Text();
        ASSERT_EQ(text->characterCount(), c.text.size());
        EXPECT_EQ(text->text(0, text->characterCount()), c.text);
        for (int i = 0; i < c.text.size(); ++i) {
            // An offset inside a surrogate pair stands for the whole character.
            const int start = c.text[i].isLowSurrogate() ? i - 1 : i;
            const int end = c.text[start].isHighSurrogate() ? start + 2 : start + 1;
            int from = -1, to = -1;
            EXPECT_EQ(text->textAtOffset(i, QAccessible::CharBoundary, &from, &to), c.text.mid(start, end - start))
                << i;
            EXPECT_EQ(std::pair(from, to), std::pair(start, end)) << i;
            text->setCursorPosition(i);
            EXPECT_EQ(text->cursorPosition(), start) << i;
            EXPECT_EQ(text->offsetAtPoint(text->characterRect(i).center()), start) << i;
        }
    }
}

// A logical line is the rows wrapping made of it, with its "\n"; a word cut by the wrap is
// one word.
TEST_F(AccessibleText, LinesAndWordsAtAnOffsetJoinWrappedRows)
{
    editor.SetWrapByte(20);
    SetText("p { color: abcdefghijklmnop }\r\nq {}\r\n");
    ASSERT_EQ(editor.Core().Rows().Count(), 3);  // the first line wraps into two rows
    const QString line1 = "p { color: abcdefghijklmnop }\n";
    enum TWhere { At, Before, After };
    const struct {
        int offset;
        TWhere where;
        QAccessible::TextBoundaryType boundary;
        QString text;
        int start;
    } cases[] = {
        {25, At, QAccessible::LineBoundary, line1, 0},  // on the wrapped row
        {3, At, QAccessible::LineBoundary, line1, 0},
        {32, Before, QAccessible::LineBoundary, line1, 0},
        {5, After, QAccessible::LineBoundary, "q {}\n", 30},
        {35, At, QAccessible::LineBoundary, "", 35},  // the empty line after the final break
        {12, At, QAccessible::WordBoundary, "abcdefghijklmnop }\n", 11},
        {24, At, QAccessible::WordBoundary, "abcdefghijklmnop }\n", 11},
        {12, Before, QAccessible::WordBoundary, "color: ", 4},
        {2, At, QAccessible::WordBoundary, "p { ", 0},
        {12, After, QAccessible::WordBoundary, "q {}\n", 30},
        {29, At, QAccessible::CharBoundary, "\n", 29},
        {29, Before, QAccessible::CharBoundary, "}", 28},
    };
    for (const auto& c : cases) {
        int start = -1, end = -1;
        const QString got = c.where == At       ? Text()->textAtOffset(c.offset, c.boundary, &start, &end)
                            : c.where == Before ? Text()->textBeforeOffset(c.offset, c.boundary, &start, &end)
                                                : Text()->textAfterOffset(c.offset, c.boundary, &start, &end);
        EXPECT_EQ(got, c.text) << c.offset << " " << c.where << " " << c.boundary;
        EXPECT_EQ(std::pair(start, end), std::pair(c.start, c.start + int(c.text.size())))
            << c.offset << " " << c.where << " " << c.boundary;
    }
}

// Keys move the caret and the selection by bytes and columns; a reader sees them by
// characters, and may select and place the caret itself.
TEST_F(AccessibleText, CaretAndSelectionFollowKeysAndTheReader)
{
    SetText("ab\r\n\x93\xFA\x96\x7Bx\r\n");  // "ab", "日本x"
    Key(Qt::Key_Home, Qt::ControlModifier);
    Events();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int caret;
        std::vector<TTextEvent> events;
    } keys[] = {
        {Qt::Key_Down, Qt::NoModifier, 3, {CaretAt(3)}},
        {Qt::Key_End, Qt::NoModifier, 6, {CaretAt(6)}},
        {Qt::Key_Left, Qt::NoModifier, 5, {CaretAt(5)}},
        {Qt::Key_Left, Qt::NoModifier, 4, {CaretAt(4)}},  // over a double-byte character
        {Qt::Key_Left, Qt::ShiftModifier, 3, {CaretAt(3), Selected(3, 4)}},
        {Qt::Key_Up, Qt::ShiftModifier, 0, {CaretAt(0), Selected(0, 4)}},
        {Qt::Key_Right, Qt::NoModifier, 1, {CaretAt(1), Selected(1, 1)}},
    };
    for (const auto& k : keys) {
        Key(k.key, k.mods);
        EXPECT_EQ(Text()->cursorPosition(), k.caret) << k.key;
        EXPECT_EQ(Events(), k.events) << k.key;
    }
    EXPECT_EQ(Text()->selectionCount(), 0);

    Text()->setSelection(0, 1, 5);
    EXPECT_EQ(editor.SelText(), "b\r\n\x93\xFA\x96\x7B");
    EXPECT_EQ(Text()->selectionCount(), 1);
    int start = -1, end = -1;
    Text()->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(1, 5));
    EXPECT_EQ(Text()->cursorPosition(), 5);
    EXPECT_EQ(Events(), (std::vector{CaretAt(5), Selected(1, 5)}));
    Text()->removeSelection(0);
    EXPECT_EQ(Text()->selectionCount(), 0);
    EXPECT_EQ(Events(), (std::vector{Selected(5, 5)}));
    // Placed in two steps (a row, then a column), the caret moves once.
    editor.Core().PlaceCaretAt(0, 0);
    EXPECT_EQ(Events(), (std::vector{CaretAt(0)}));
}

// Each edit, typed or undone, is sent as the characters it removed and inserted, where they
// stand in characters (an emoji counts two, its four bytes notwithstanding).
TEST_F(AccessibleText, EditsAreSentAsTheCharactersTheyRemoveAndInsert)
{
    const struct {
        const char* bytes;
        TTextEncoding encoding;
        int caretCol;
        std::function<void()> edit;
        std::vector<TTextEvent> events;
    } steps[] = {
        {"ab\r\ncd\r\n", TTextEncoding::Cp932, 2, [this] { Type("x"); }, {Inserted(2, "x"), CaretAt(3)}},
        {nullptr, {}, 0, [this] { Type(QString::fromUtf8("日")); }, {Inserted(3, QString::fromUtf8("日")), CaretAt(4)}},
        {nullptr, {}, 0, [this] { Key(Qt::Key_Backspace); }, {Removed(3, QString::fromUtf8("日")), CaretAt(3)}},
        {nullptr, {}, 0, [this] { editor.Undo(); }, {Inserted(3, QString::fromUtf8("日")), CaretAt(4)}},
        {nullptr, {}, 0, [this] { Key(Qt::Key_Return); }, {Inserted(4, "\n"), CaretAt(5)}},
        {nullptr, {}, 0, [this] { editor.Undo(); }, {Removed(4, "\n"), CaretAt(4)}},
        {"a\xF0\x9F\x98\x80"
         "b\r\n",
         TTextEncoding::Utf8,
         3,
         [this] { Key(Qt::Key_Backspace); },
         {Removed(1, QString::fromUtf8("😀")), CaretAt(1)}},
        {nullptr, {}, 0, [this] { editor.Undo(); }, {Inserted(1, QString::fromUtf8("😀")), CaretAt(3)}},
    };
    for (const auto& s : steps) {
        if (s.bytes != nullptr) {
            editor.Lines().LoadFromBytes(s.bytes, s.encoding);
            editor.Core().PlaceCaretAt(0, s.caretCol);
            Events();
        }
        s.edit();
        EXPECT_EQ(Events(), s.events) << ::testing::PrintToString(s.events);
    }
}

// The counts behind the offsets, followed through edits across their blocks, agree with
// counts made afresh; nothing is counted before it is asked for.
TEST(AccessibleTextIndex, FollowsEditsAsCountingAfreshWouldAndCountsOnlyWhatIsAsked)
{
    tavi::TEditorCore core;
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += i % 3 == 0 ? "p { color: red; }\r\n" : i % 3 == 1 ? "\x93\xFA\x96\x7B\xB1\r\n" : "\r\n";
    core.Lines().SetTextStr(text);
    tavi::TAccessibleTextIndex followed(core.Document());
    tavi::TAccessibleTextIndex marked(core.Document());
    core.OnDocumentChange = [&](const tavi::TChange& change) {
        followed.Follow(change);
        marked.MarkStale(change.Whole ? tavi::TRow(0) : change.First);
    };
    EXPECT_EQ(followed.RowStart(tavi::TRow(4)), 18 + 4 + 1 + 18);
    EXPECT_EQ(followed.CountedRows(), 4);
    followed.Total();
    marked.Total();

    std::string many;
    for (int i = 0; i < 1500; ++i)
        many += "a\x82\xA0\r\n";
    const auto at = [](int row, int byte) { return tavi::TTextPos{tavi::TRow(row), tavi::TByte(byte)}; };
    const struct {
        tavi::TTextPos from, to;
        std::string bytes;
    } edits[] = {
        {at(1500, 0), at(1500, 0), many},          // rows into the middle of a block
        {at(1000, 2), at(2100, 1), ""},            // rows out across blocks
        {at(2500, 2), at(2500, 2), "x"},           // one character in a row
        {at(10, 0), at(3000, 0), "\x82\xA0\r\n"},  // most of the text
        {at(0, 0), at(0, 0), many + many},
    };
    for (const auto& e : edits) {
        ASSERT_TRUE(core.EditText(e.from, e.to, e.bytes, {}));
        tavi::TAccessibleTextIndex fresh(core.Document());
        ASSERT_EQ(followed.Total(), fresh.Total());
        ASSERT_EQ(marked.Total(), fresh.Total());
        for (int row = 0; row <= core.Rows().Count(); row += 97) {
            EXPECT_EQ(followed.RowStart(tavi::TRow(row)), fresh.RowStart(tavi::TRow(row))) << row;
            EXPECT_EQ(marked.RowStart(tavi::TRow(row)), fresh.RowStart(tavi::TRow(row))) << row;
            const long long offset = fresh.RowStart(tavi::TRow(row)) + 1;
            EXPECT_EQ(followed.RowOf(offset).Row, fresh.RowOf(offset).Row) << row;
        }
    }
}

}  // namespace
