// Randomized test of Lines against a plain vector of lines, with row-list invariants, undo and redo.
#include <gtest/gtest.h>

#include <random>

#include "editor/core/editor_core.h"
#include "editor/core/text_lines.h"
#include "editor/core/wrap_text.h"
#include "row_invariants.h"

namespace tavi {
namespace {

using testing::ExpectRowInvariants;

// What the document should hold: its logical lines, and whether the last one ends
// without a line break.
struct TModel {
    std::vector<std::string> lines;
    bool open = false;

    std::string Text() const
    {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (i + 1 < lines.size() || !open)
                text += "\r\n";
        }
        return text;
    }
};

std::vector<std::string> LinesOf(std::string_view s)
{
    std::vector<std::string> lines;
    ForEachLine(s, [&](std::string_view line) { lines.emplace_back(line); });
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

std::string RandomText(std::mt19937& random)
{
    static const char* const pieces[] = {"a",    "b",    " ",  "\t", "\x82\xA0", "\x83\x5C",
                                         "\xB1", "\r\n", "\n", "\r", "{",        ";"};
    std::string text;
    const int n = static_cast<int>(random() % 12);
    for (int i = 0; i < n; ++i) {
        if (random() % 6 == 0) {
            text += std::string(random() % 90, 'x');
        } else {
            text += pieces[random() % std::size(pieces)];
        }
    }
    return text;
}

void ExpectMatches(const TEditorCore& core, const TModel& model)
{
    ASSERT_EQ(core.Lines().GetTextStr(), model.Text());
    ASSERT_EQ(core.Lines().GetCount(), static_cast<int>(model.lines.size()));
    for (std::size_t i = 0; i < model.lines.size(); ++i)
        ASSERT_EQ(core.Lines().Get(static_cast<int>(i)), model.lines[i]) << i;
    ExpectRowInvariants(core);
}

class RandomLinesTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomLinesTest, LinesFollowTheModelAndUndoRedoRetraceIt)
{
    std::mt19937 random(GetParam());
    TEditorCore core;
    core.SetDisposeBlank(false);
    core.SetUndoListMax(1 << 20);
    TEditorStrings& lines = core.Lines();
    TModel model;
    std::vector<TModel> undo, redo;
    TModel baseline;  // the text undo can go back to
    const auto edited = [&](const TModel& before) {
        undo.push_back(before);
        redo.clear();
    };
    const auto reset = [&] {
        undo.clear();
        redo.clear();
        baseline = model;
    };

    for (int step = 0; step < 1500; ++step) {
        const int count = static_cast<int>(model.lines.size());
        const int op = static_cast<int>(random() % 100);
        const TModel before = model;
        SCOPED_TRACE("step " + std::to_string(step) + " op " + std::to_string(op));
        if (op < 25 || count == 0) {
            const std::string s = RandomText(random);
            const int result = lines.Add(s);
            ASSERT_EQ(result, count);
            for (auto& l : LinesOf(s))
                model.lines.push_back(l);
            edited(before);
        } else if (op < 40) {
            const int i = static_cast<int>(random() % (count + 1));
            const std::string s = RandomText(random);
            lines.Insert(i, s);
            const auto add = LinesOf(s);
            model.lines.insert(model.lines.begin() + i, add.begin(), add.end());
            edited(before);
        } else if (op < 55) {
            const int i = static_cast<int>(random() % count);
            const std::string s = RandomText(random);
            lines.Put(i, s);
            const auto put = LinesOf(s);
            model.lines.erase(model.lines.begin() + i);
            model.lines.insert(model.lines.begin() + i, put.begin(), put.end());
            edited(before);
        } else if (op < 68 + (count > 60 ? 20 : 0)) {
            const int i = static_cast<int>(random() % count);
            lines.Delete(i);
            model.lines.erase(model.lines.begin() + i);
            if (i == count - 1)
                model.open = false;
            edited(before);
        } else if (op < 76) {
            if (!undo.empty()) {
                ASSERT_TRUE(core.CanUndo());
                core.Undo();
                redo.push_back(model);
                model = undo.back();
                undo.pop_back();
            }
        } else if (op < 82) {
            if (!redo.empty()) {
                ASSERT_TRUE(core.CanRedo());
                core.Redo();
                undo.push_back(model);
                model = redo.back();
                redo.pop_back();
            }
        } else if (op < 88) {
            core.SetWordWrap(!core.WordWrap());  // undo and redo go on through the new layout
        } else if (op < 94) {
            core.SetWrapByte(10 + static_cast<int>(random() % 100));
        } else if (op < 97) {
            const std::string s = RandomText(random);
            model.lines.clear();
            ForEachLine(s, [&](std::string_view line) { model.lines.emplace_back(line); });
            model.open = false;
            if (!model.lines.empty() && random() % 2 == 0) {
                // A document that ends without a line break, as a loaded file can.
                lines.LoadFromBytes(s);
                model.open = s.back() != '\n' && s.back() != '\r';
            } else {
                lines.SetTextStr(s);
            }
            reset();
        } else {
            lines.Clear();
            model = TModel{};
            reset();
        }
        if (model.lines.empty())
            model.open = false;
        ASSERT_EQ(core.CanUndo(), !undo.empty());
        ASSERT_EQ(core.CanRedo(), !redo.empty());
        ASSERT_EQ(core.Document().UndoObj().UndoList().Count(), static_cast<int>(undo.size()));
        ASSERT_EQ(core.Document().UndoObj().RedoList().Count(), static_cast<int>(redo.size()));
        ASSERT_NO_FATAL_FAILURE(ExpectMatches(core, model));
    }

    // Redo what the sequence left undone, so that the final text is the newest one.
    while (!redo.empty()) {
        core.Redo();
        undo.push_back(model);
        model = redo.back();
        redo.pop_back();
    }
    ASSERT_NO_FATAL_FAILURE(ExpectMatches(core, model));
    const std::string finalText = lines.GetTextStr();
    while (!undo.empty()) {
        core.Undo();
        model = undo.back();
        undo.pop_back();
        ASSERT_NO_FATAL_FAILURE(ExpectMatches(core, model)) << undo.size() << " undo steps left";
    }
    EXPECT_FALSE(core.CanUndo());
    EXPECT_EQ(lines.GetTextStr(), baseline.Text());
    while (core.CanRedo())
        core.Redo();
    EXPECT_EQ(lines.GetTextStr(), finalText);
    ASSERT_NO_FATAL_FAILURE(ExpectRowInvariants(core));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLinesTest, ::testing::Values(1u, 2u, 3u, 42u));

}  // namespace
}  // namespace tavi
