// Randomized test of keys, clicks, typing, pastes and selections on a wrapped document: rows and caret stay legal, undo
// and redo retrace every edit, and the journal of the changes replays to the text.
#include <gtest/gtest.h>

#include <random>

#include "editor/core/journal.h"
#include "editor_fixture.h"
#include "row_invariants.h"
#include "text/row_text.h"
#include "text/utf8.h"

namespace tavi {

void PrintTo(TTextEncoding encoding, std::ostream* out)
{
    *out << (encoding == TTextEncoding::Utf8 ? "UTF-8" : "code page 932");
}

namespace {

// Pieces of both encodings' kinds of character: ASCII, tabs and double-byte characters whose
// second byte is a sign (code page 932); wide and narrow characters, marks, a flag, an emoji
// with a skin tone and ill-formed bytes (UTF-8).
std::string RandomPiece(std::mt19937& random, bool breaks, TTextEncoding encoding)
{
    static const char* const cp932[] = {"a", "b", " ", "\t", "\x82\xA0", "\x83\x5C", "\xB1", "{", ";", "\x81\x40"};
    static const char* const utf8[] = {"a",
                                       "\t",
                                       "{",
                                       "\xE3\x81\x82",
                                       "\xE2\x80\x94",
                                       "e\xCC\x81",
                                       "\xCC\x81",
                                       "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5",
                                       "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",
                                       "\xF0\xA0\x80\x8B",
                                       "\xE3\x80\x80",
                                       "\xFF",
                                       "\xE3\x81"};
    constexpr std::size_t kWellFormed = std::size(utf8) - 2;  // typed and pasted pieces
    const bool u = encoding == TTextEncoding::Utf8;
    std::string text;
    const int n = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < n; ++i) {
        if (breaks && random() % 5 == 0) {
            text += random() % 2 ? "\r\n" : "\n";
        } else if (random() % 8 == 0) {
            text += std::string(random() % 30, 'x');
        } else {
            text += u ? utf8[random() % (breaks ? std::size(utf8) : kWellFormed)] : cp932[random() % std::size(cp932)];
        }
    }
    return text;
}

class RandomInputTest : public testing::EditorFixture,
                        public ::testing::WithParamInterface<std::tuple<unsigned, TTextEncoding>> {
protected:
    unsigned Seed() const { return std::get<0>(GetParam()); }
    TTextEncoding Encoding() const { return std::get<1>(GetParam()); }

    void Step(std::mt19937& random)
    {
        const int rows = core.Rows().Count() + 1;
        const auto row = [&] { return static_cast<int>(random() % rows); };
        const auto col = [&] { return static_cast<int>(random() % 30); };
        switch (random() % 12) {
            case 0:
            case 1: {
                static const TEditKey keys[] = {TEditKey::PageUp, TEditKey::PageDown, TEditKey::Home, TEditKey::End,
                                                TEditKey::Left,   TEditKey::Right,    TEditKey::Up,   TEditKey::Down};
                Key(keys[random() % std::size(keys)], random() % 3 == 0, random() % 4 == 0, random() % 4 == 0);
                break;
            }
            case 2:
                Key(TEditKey::Delete);
                break;
            case 3:
                Key(TEditKey::Backspace);
                break;
            case 4:
                Key(TEditKey::Enter);
                break;
            case 5:
                Key(TEditKey::Tab);
                break;
            case 6:
            case 7:
                core.TypeChars(RandomPiece(random, false, Encoding()));
                break;
            case 8:
                view.clipboard =
                    RandomPiece(random, false, Encoding()) + "\r\n" + RandomPiece(random, false, Encoding());
                core.PasteFromClipboard();
                break;
            case 9:
                core.MouseDown(row(), col(), 0, 0);
                core.MouseMove(row(), col(), 50, 50, 4);
                core.MouseUp();
                break;
            case 10:
                core.MouseDown(row(), col(), 0, 0);
                core.MouseUp();
                break;
            default:
                core.ClearSelection();
                break;
        }
    }
};

TEST_P(RandomInputTest, RowsAndCaretStayLegalAndUndoRedoRetraceEveryEdit)
{
    std::mt19937 random(Seed());
    core.Lines().LoadFromBytes({}, Encoding());
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    core.Options().WantTabs = true;
    core.SetUndoListMax(1 << 20);
    core.SetCaretFree(Seed() % 2 == 0);
    std::string start;
    for (int i = 0; i < 12; ++i)
        start += RandomPiece(random, true, Encoding());
    Load(start);
    start = Text();
    // Ill-formed bytes are only in the starting text: an edit that cut a character would make more.
    const auto illFormed = [](std::string_view text) {
        int n = 0;
        for (std::size_t i = 0; i < text.size(); i += static_cast<std::size_t>(Utf8SequenceAt(text, i).Length))
            n += !Utf8SequenceAt(text, i).WellFormed;
        return n;
    };
    const int startIllFormed = illFormed(start);
    // A journal of every change, as the crash-recovery journal keeps it: replayed onto the
    // starting text it gives the document's text at every step, undo and redo included.
    std::string journal;
    TOffsetAnchor anchor;
    core.OnDocumentChange = [&](const TChange& change) {
        ASSERT_FALSE(change.Whole);
        AppendJournalEdit(journal, JournalEditOf(core.Rows(), change, anchor));
    };
    const auto expectJournalGivesTheText = [&](int step) {
        const TReplayed replayed = ReplayJournal(start, journal);
        ASSERT_FALSE(replayed.Damaged) << "step " << step;
        ASSERT_EQ(replayed.Text, Text()) << "step " << step;
    };
    // The text before each record, or "?" when a selection's deletion and an insertion
    // made two records in one step.
    std::vector<std::string> before;
    for (int step = 0; step < 1500; ++step) {
        const std::string was = Text();
        const bool selected = core.Selected();
        const int records = Records();
        Step(random);
        const int added = Records() - records;
        ASSERT_LE(added, selected ? 2 : 1) << "step " << step;
        if (added == 2)
            before.push_back(was), before.push_back("?");
        else if (added == 1)
            before.push_back(was);
        ASSERT_NO_FATAL_FAILURE(testing::ExpectRowInvariants(core)) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(testing::ExpectLegalCaret(core)) << "step " << step;
        if (Encoding() == TTextEncoding::Utf8) {
            ASSERT_LE(illFormed(Text()), startIllFormed) << "step " << step;
        }
        ASSERT_EQ(view.caretHidden, 0);
        ASSERT_NO_FATAL_FAILURE(expectJournalGivesTheText(step));
    }
    const std::string final = Text();
    for (int i = static_cast<int>(before.size()) - 1; i >= 0; --i) {
        core.Undo();
        if (before[i] != "?") {
            ASSERT_EQ(Text(), before[i]) << "undo of record " << i;
        }
        ASSERT_NO_FATAL_FAILURE(testing::ExpectRowInvariants(core));
    }
    EXPECT_FALSE(core.CanUndo());
    EXPECT_EQ(Text(), start);
    while (core.CanRedo())
        core.Redo();
    EXPECT_EQ(Text(), final);
    ASSERT_NO_FATAL_FAILURE(testing::ExpectRowInvariants(core));
    ASSERT_NO_FATAL_FAILURE(expectJournalGivesTheText(-1));
}

TEST(Journal, AReplayStopsAtARecordCutOffAndKeepsWhatCameBefore)
{
    std::string journal;
    AppendJournalEdit(journal, {TDocOffset(1), 1, "XY"});
    AppendJournalEdit(journal, {TDocOffset(0), 0, "\r\n\x1A"});
    const std::size_t firstEnd = journal.find('\n', journal.find('\n') + 1) + 1;
    for (std::size_t cut = 0; cut < journal.size(); ++cut) {
        const TReplayed replayed = ReplayJournal("abc", std::string_view(journal).substr(0, cut));
        EXPECT_EQ(replayed.Text, cut < firstEnd ? "abc" : "aXYc") << cut;
        EXPECT_EQ(replayed.Damaged, cut != 0 && cut != firstEnd) << cut;
    }
    const TReplayed whole = ReplayJournal("abc", journal);
    EXPECT_EQ(whole.Text,
              "\r\n\x1A"
              "aXYc");
    EXPECT_EQ(whole.Records, 2u);
    EXPECT_FALSE(ReplayJournal("abc", "E9 1 0\n\n").Text.empty());
    EXPECT_TRUE(ReplayJournal("abc", "E9 1 0\n\n").Damaged);  // a place past the text
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputTest,
                         ::testing::Combine(::testing::Values(1u, 2u, 3u, 4u, 5u, 6u),
                                            ::testing::Values(TTextEncoding::Cp932, TTextEncoding::Utf8)));

}  // namespace
}  // namespace tavi
