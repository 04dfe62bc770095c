// Random edits, undo, redo, saves and new wrap rules on a document: its text follows a plain string, Modified follows
// the save point, and a copy of the rows that only reads the change records stays equal to the rows.
#include "editor/core/document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "text/row_text.h"

namespace tavi {
namespace {

using TScreen = std::vector<std::pair<std::string, TRowEnd>>;

TScreen RowsOf(const TDocument& doc)
{
    TScreen screen;
    for (int r = 0; r < doc.RowCount(); ++r)
        screen.emplace_back(doc.RowText(TRow(r)), doc.RowEnd(TRow(r)));
    return screen;
}

// The rows joined as a band's text: CR LF after each row that ends a line.
std::string Joined(const TScreen& rows, std::size_t first, std::size_t count)
{
    std::string text;
    for (std::size_t i = first; i < first + count; ++i)
        text += rows[i].first + (rows[i].second == reBreak ? "\r\n" : "");
    return text;
}

int EndRowOf(const TScreen& rows)
{
    return !rows.empty() && rows.back().second == reEof ? static_cast<int>(rows.size()) - 1
                                                        : static_cast<int>(rows.size());
}

// Moves `screen` along with `change` as a view would, checking what the record promises.
void Follow(TScreen& screen, const TDocument& doc, const TChange& change)
{
    const TScreen now = RowsOf(doc);
    if (change.Whole) {
        screen = now;
        return;
    }
    const auto first = static_cast<std::size_t>(change.First.Value());
    ASSERT_LE(first + change.OldRows, screen.size());
    ASSERT_EQ(screen.size() + change.Delta(), now.size());
    ASSERT_EQ(change.OldEndRow.Value(), EndRowOf(screen));
    ASSERT_EQ(change.NewEndRow.Value(), EndRowOf(now));
    ASSERT_LE(change.SameHead + change.SameTail, std::min(change.OldRows, change.NewRows));
    for (int i = 0; i < change.SameHead; ++i)
        ASSERT_EQ(screen[first + i], now[first + i]) << "head row " << i;
    for (int i = 1; i <= change.SameTail; ++i)
        ASSERT_EQ(screen[first + change.OldRows - i], now[first + change.NewRows - i]) << "tail row " << i;
    const std::string before = Joined(screen, first, change.OldRows);
    const std::string after = Joined(now, first, change.NewRows);
    ASSERT_EQ(before.size() - change.OldBytes, after.size() - change.NewBytes);
    ASSERT_EQ(before.substr(0, change.ByteFrom), after.substr(0, change.ByteFrom));
    ASSERT_EQ(before.substr(change.ByteFrom + change.OldBytes), after.substr(change.ByteFrom + change.NewBytes));
    screen.erase(screen.begin() + static_cast<std::ptrdiff_t>(first),
                 screen.begin() + static_cast<std::ptrdiff_t>(first + change.OldRows));
    screen.insert(screen.begin() + static_cast<std::ptrdiff_t>(first), now.begin() + static_cast<std::ptrdiff_t>(first),
                  now.begin() + static_cast<std::ptrdiff_t>(first + change.NewRows));
    ASSERT_EQ(screen, now);
}

// A random character boundary of the document (the end of the text included), and its
// offset in the joined text.
std::pair<TTextPos, std::size_t> RandomPlace(const TDocument& doc, std::mt19937& random)
{
    const TScreen rows = RowsOf(doc);
    const int row = static_cast<int>(random() % (doc.EndRow().Value() + 1));
    if (row == static_cast<int>(rows.size()))
        return {{TRow(row), TByte(0)}, Joined(rows, 0, rows.size()).size()};
    const std::string& text = rows[static_cast<std::size_t>(row)].first;
    std::vector<int> bounds{0};
    for (std::size_t i = 0; i < text.size();) {
        i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        bounds.push_back(static_cast<int>(i));
    }
    const int byte = bounds[random() % bounds.size()];
    return {{TRow(row), TByte(byte)}, Joined(rows, 0, static_cast<std::size_t>(row)).size() + byte};
}

std::string RandomBytes(std::mt19937& random)
{
    static const char* const pieces[] = {"a", "bc", "\t", " ", "\x82\xA0", "\x83\x5C", "\xB1", "\r\n", "\n", "\r", "{"};
    std::string text;
    for (int n = static_cast<int>(random() % 6); n > 0; --n)
        text += random() % 8 == 0 ? std::string(random() % 40, 'x') : pieces[random() % std::size(pieces)];
    return text;
}

// The inserted bytes as the rows keep them: every line break a CR LF.
std::string WithCrLf(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            out += "\r\n";
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

class DocumentRandomTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(DocumentRandomTest, TextUndoSavePointAndChangeRecordsFollowEveryStep)
{
    std::mt19937 random(GetParam());
    TDocument doc;
    doc.SetUndoListMax(1 << 20);
    TScreen screen;
    std::string model;
    int version = 0, lastVersion = 0, saved = 0;  // which text the document holds, as edits made it
    std::vector<std::pair<std::string, int>> undo, redo;
    for (int step = 0; step < 1500; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const int op = static_cast<int>(random() % 100);
        std::optional<TChange> change;
        if (op < 60) {
            auto [from, fromOffset] = RandomPlace(doc, random);
            auto [to, toOffset] = RandomPlace(doc, random);
            if (toOffset < fromOffset) {
                std::swap(from, to);
                std::swap(fromOffset, toOffset);
            }
            const std::string bytes = RandomBytes(random);
            change = doc.Replace(from, to, bytes, {}, {});
            if (change) {
                undo.emplace_back(model, version);
                redo.clear();
                model = model.substr(0, fromOffset) + WithCrLf(bytes) + model.substr(toOffset);
                version = ++lastVersion;
            }
        } else if (op < 75) {
            change = doc.Undo({});
            ASSERT_EQ(change.has_value(), !undo.empty());
            if (change) {
                redo.emplace_back(model, version);
                std::tie(model, version) = undo.back();
                undo.pop_back();
            }
        } else if (op < 88) {
            change = doc.Redo({});
            ASSERT_EQ(change.has_value(), !redo.empty());
            if (change) {
                undo.emplace_back(model, version);
                std::tie(model, version) = redo.back();
                redo.pop_back();
            }
        } else if (op < 94) {
            doc.SetSavePoint();
            saved = version;
        } else {
            const TWrapRule rule{random() % 3 != 0, 10 + static_cast<int>(random() % 30), random() % 2 ? 4 : 8};
            change = doc.SetWrapRule(rule);  // undo and redo go on through the new layout
        }
        if (change) {
            ASSERT_NO_FATAL_FAILURE(Follow(screen, doc, *change));
        }
        ASSERT_EQ(RowsOf(doc), screen);
        ASSERT_EQ(Joined(screen, 0, screen.size()), model);
        ASSERT_EQ(doc.Modified(), version != saved);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocumentRandomTest, ::testing::Range(1u, 33u));

TEST(Document, APlaceBeyondTheEndOfATextWithoutAFinalBreakIsItsEnd)
{
    TDocument doc;
    RowList rows;
    rows.Append("ab", reEof);
    doc.Load(std::move(rows), true);
    const std::optional<TChange> change = doc.Replace({TRow(5), TByte(0)}, {TRow(5), TByte(0)}, "c", {}, {});
    ASSERT_TRUE(change.has_value());
    EXPECT_EQ(RowsOf(doc), (TScreen{{"abc", reEof}}));
    EXPECT_EQ(change->Caret.Col, TColumn(3));
}

}  // namespace
}  // namespace tavi
