// Tests of the row list: row edits, logical-line index, re-wrapping in place and change reports.
#include "editor/core/row_list.h"

#include <vector>

#include <gtest/gtest.h>

#include "editor/core/wrap_text.h"
#include "row_dump.h"

namespace tavi {
namespace {

using testing::Dump;
using testing::DumpLengths;

RowList Rows(std::initializer_list<std::pair<const char*, TRowEnd>> rows)
{
    RowList list;
    for (const auto& [text, end] : rows)
        list.Append(text, end);
    return list;
}

TEST(RowListTest, EditsRowsAndKeepsTheirEnds)
{
    RowList rows = Rows({{"a", reBreak}, {"b", reBreak}, {"c", reEof}});
    rows.SetText(1, "bee");
    rows.Replace(0, 1, Rows({{"x", reBreak}, {"y", reBreak}}));
    EXPECT_EQ(Dump(rows), "x|B y|B bee|B c|E");
    rows.Delete(1, 2);
    EXPECT_EQ(Dump(rows), "x|B c|E");
    rows.Delete(1, 10);  // limited to the list
    rows.Insert(0, Rows({{"", reBreak}}));
    EXPECT_EQ(Dump(rows), "|B x|B");
    EXPECT_EQ(rows.TextBytes(), 1u);
    rows.Clear();
    EXPECT_TRUE(rows.Empty());
}

TEST(RowListTest, CountsLogicalLinesAndFindsTheirRows)
{
    RowList rows = Rows({{"a", reWrap}, {"b", reBreak}, {"c", reBreak}, {"d", reWrap}, {"e", reWrap}});
    EXPECT_EQ(rows.LineCount(), 3);  // an open last line counts once
    EXPECT_EQ(rows.LineToRow(0), 0);
    EXPECT_EQ(rows.LineToRow(1), 2);
    EXPECT_EQ(rows.LineToRow(2), 3);
    EXPECT_EQ(rows.LineToRow(3), 5);
    // Each row's line, asked in any order, from the same index.
    const auto linesOfRows = [&rows] {
        std::vector<int> lines;
        for (int r = rows.Count() - 1; r >= 0; --r)
            lines.insert(lines.begin(), rows.LineOfRow(r));
        return lines;
    };
    EXPECT_EQ(linesOfRows(), (std::vector<int>{0, 0, 1, 2, 2}));
    // The index follows edits above and below rows it already knows.
    rows.SetEnd(0, reBreak);
    EXPECT_EQ(rows.LineToRow(1), 1);
    EXPECT_EQ(rows.LineToRow(3), 3);
    EXPECT_EQ(linesOfRows(), (std::vector<int>{0, 1, 2, 3, 3}));
    rows.Delete(0, 2);
    EXPECT_EQ(rows.LineToRow(1), 1);
    EXPECT_EQ(rows.LineCount(), 2);
    rows.Replace(1, 2, Rows({{"p", reWrap}, {"q", reBreak}, {"r", reEof}}));
    EXPECT_EQ(rows.LineCount(), 3);
    EXPECT_EQ(rows.LineToRow(2), 3);
    EXPECT_EQ(linesOfRows(), (std::vector<int>{0, 1, 1, 2}));
}

TEST(RowListTest, ReportsChangesOncePerBracket)
{
    RowList rows;
    int reports = 0;
    rows.OnChange = [&] { ++reports; };
    rows.Append("a", reBreak);
    rows.SetEnd(0, reBreak);  // no change, no report
    EXPECT_EQ(reports, 1);
    rows.BeginUpdate();
    rows.BeginUpdate();
    rows.Append("b", reBreak);
    rows.SetText(0, "c");
    rows.EndUpdate();
    EXPECT_EQ(reports, 1);
    rows.EndUpdate();
    EXPECT_EQ(reports, 2);
    rows.BeginUpdate();
    rows.EndUpdate();  // nothing changed
    EXPECT_EQ(reports, 2);
}

TEST(RowListTest, RewrapJoinsAndCutsLinesInPlace)
{
    RowList rows;
    rows.Append(std::string(100, 'a'), reBreak);
    rows.Append("short", reBreak);
    rows.Append(std::string(45, 'b'), reWrap);  // wrapped at another width before
    rows.Append(std::string(45, 'c'), reEof);
    EXPECT_TRUE(rows.Rewrap({true, 40, 8}));
    EXPECT_EQ(DumpLengths(rows), "40|W 40|W 20|B 5|B 40|W 40|W 10|E");
    EXPECT_EQ(rows.Text(4), std::string(40, 'b'));
    EXPECT_EQ(rows.Text(5), std::string(5, 'b') + std::string(35, 'c'));
    EXPECT_FALSE(rows.Rewrap({true, 40, 8}));  // already wrapped
    // A wider width with the same number of rows still moves the cuts.
    EXPECT_TRUE(rows.Rewrap({true, 45, 8}));
    EXPECT_EQ(DumpLengths(rows), "45|W 45|W 10|B 5|B 45|W 45|W 0|E");
    EXPECT_TRUE(rows.Unwrap());
    EXPECT_EQ(DumpLengths(rows), "100|B 5|B 90|E");
    EXPECT_FALSE(rows.Unwrap());
}

TEST(RowListTest, FinalWrapRowBecomesEofWhenRewrapped)
{
    RowList rows = Rows({{"abc", reWrap}});
    EXPECT_TRUE(rows.Unwrap());
    EXPECT_EQ(Dump(rows), "abc|E");
    RowList open = Rows({{"x", reBreak}, {"abc", reWrap}});
    EXPECT_TRUE(open.Rewrap({true, 20, 8}));
    EXPECT_EQ(Dump(open), "x|B abc|E");
}

TEST(RowListTest, ManyEditsKeepEveryTextIntact)
{
    // Replacing rows over and over leaves garbage in the byte store; compaction must not
    // disturb the rows that remain.
    RowList rows;
    const auto numbered = [](std::string prefix, int i) { return prefix.append(std::to_string(i)); };
    for (int i = 0; i < 1000; ++i)
        rows.Append(numbered("row", i), reBreak);
    const std::string big(4096, 'z');
    for (int round = 0; round < 600; ++round)
        rows.SetText(round % 1000, numbered(big, round));
    for (int i = 0; i < 1000; ++i) {
        const std::string expected = i < 600 ? numbered(big, i) : numbered("row", i);
        ASSERT_EQ(rows.Text(i), expected);
    }
    for (int round = 0; round < 600; ++round)
        rows.SetText(round % 1000, numbered("s", round));
    EXPECT_EQ(rows.Text(599), "s599");
    EXPECT_EQ(rows.Text(600), "row600");
    EXPECT_EQ(rows.TextBytes(), 4690u);
}

}  // namespace
}  // namespace tavi
