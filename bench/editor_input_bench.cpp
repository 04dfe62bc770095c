// Benchmarks of typing, Enter and Backspace in the middle of the generated 20 MiB style sheet with word wrap on.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/benchmark_main.h"
#include "css/css_row_states.h"
#include "editor/change_repaint.h"
#include "editor/core/editor_core.h"
#include "editor/core/journal.h"
#include "platform/os/file_bytes.h"

namespace {

namespace fs = std::filesystem;

// Reads each change as the widget does and counts what it would repaint, so a run can
// report the rows an edit repaints.
class TCountingView final : public tavi::TNullEditorView, private tavi::TRowPainter {
public:
    int rowsRepainted = 0;
    int fullRepaints = 0;
    void DocumentChanged(const tavi::TChange& change) override { tavi::RepaintChange(change, true, *this); }
    void InvalidateRows(tavi::TRow a, tavi::TRow b) override { rowsRepainted += std::abs(b - a) + 1; }
    void InvalidateAll() override { ++fullRepaints; }
    void ShiftRowsBelow(tavi::TRow, int) override {}
    void RepaintTyped(tavi::TRow, tavi::TColumn, int) override { ++rowsRepainted; }
};

constexpr const char* kSheetName = "tavi_editor_input_bench.css";

struct TLoaded {
    TCountingView view;
    tavi::TEditorCore core;
};

// A wrapping editor with its counting view, its document filled by `fill`.
template <typename Fill>
std::unique_ptr<TLoaded> MakeLoaded(Fill&& fill)
{
    auto l = std::make_unique<TLoaded>();
    l->core.SetView(&l->view);
    l->core.SetWordWrap(true);
    fill(l->core.Lines());
    return l;
}

TLoaded& Loaded()
{
    static const std::unique_ptr<TLoaded> loaded = MakeLoaded([](tavi::TEditorStrings& lines) {
        lines.LoadFromBytes(tavi::ReadFileBytes(tavi::bench::SheetPath(kSheetName)));
    });
    return *loaded;
}

// The caret in the middle of the document, on a declaration row.
void CaretToMiddle(tavi::TEditorCore& core)
{
    int row = core.Rows().Count() / 2;
    while (core.RowText(row).rfind("  margin", 0) != 0)
        ++row;
    core.PlaceCaretAt(row, 5);
}

// Types "x" at the caret (timed) and takes it back with Backspace (untimed), counting the
// rows repainted per edit.
void TypeAndTakeBack(TLoaded& l, benchmark::State& state)
{
    l.view.rowsRepainted = l.view.fullRepaints = 0;
    for (auto _ : state) {
        l.core.TypeChars("x");
        state.PauseTiming();
        l.core.KeyDown(tavi::TEditKey::Backspace);
        state.ResumeTiming();
    }
    state.counters["rows_repainted_per_edit"] = static_cast<double>(l.view.rowsRepainted) / (2.0 * state.iterations());
    state.counters["full_repaints"] = l.view.fullRepaints;
}

void BM_TypeCharInTheMiddle(benchmark::State& state)
{
    TLoaded& l = Loaded();
    CaretToMiddle(l.core);
    TypeAndTakeBack(l, state);
}
BENCHMARK(BM_TypeCharInTheMiddle)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same with the crash-recovery journal's part on the keystroke: each change turned into
// its record and appended to what waits to be written (the write itself runs every two
// seconds, not per key). Compare with BM_TypeCharInTheMiddle.
void BM_TypeCharInTheMiddleWithJournal(benchmark::State& state)
{
    TLoaded& l = Loaded();
    CaretToMiddle(l.core);
    std::string pending;
    tavi::TOffsetAnchor anchor;
    l.core.OnDocumentChange = [&](const tavi::TChange& change) {
        tavi::AppendJournalEdit(pending, tavi::JournalEditOf(l.core.Rows(), change, anchor));
        if (pending.size() > (1u << 16))
            pending.clear();
    };
    TypeAndTakeBack(l, state);
    l.core.OnDocumentChange = nullptr;
}
BENCHMARK(BM_TypeCharInTheMiddleWithJournal)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The document's rows as the CSS reading goes over them.
class TCoreRows final : public tavi::TCssRowSource {
public:
    explicit TCoreRows(const tavi::TEditorCore& core) : core_(core) {}
    int RowCount() const override { return core_.Rows().Count(); }
    std::string_view RowText(int r) const override { return core_.RowText(r); }
    bool RowEndsLine(int r) const override { return core_.RowEnd(r) == tavi::reBreak; }
    tavi::TTextEncoding Encoding() const override { return core_.Encoding(); }

private:
    const tavi::TEditorCore& core_;
};

// Reading the whole sheet as CSS from the top, as a jump to its end makes the colouring do.
void BM_ReadWholeSheetAsCss(benchmark::State& state)
{
    TLoaded& l = Loaded();
    const TCoreRows rows(l.core);
    for (auto _ : state) {
        tavi::TCssRowStates states;
        benchmark::DoNotOptimize(states.StateAt(rows, rows.RowCount()));
    }
    state.counters["MB_per_s"] = benchmark::Counter(static_cast<double>(l.core.GetTextLen()) * state.iterations() / 1e6,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadWholeSheetAsCss)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Typing with the CSS colouring following each change: the rows read again per key. Compare
// with BM_TypeCharInTheMiddle.
void BM_TypeCharInTheMiddleWithCssReading(benchmark::State& state)
{
    TLoaded& l = Loaded();
    CaretToMiddle(l.core);
    const TCoreRows rows(l.core);
    tavi::TCssRowStates states;
    states.StateAt(rows, rows.RowCount());  // everything read once, as after paging to the end
    long long rowsRead = 0;
    l.core.OnDocumentChange = [&](const tavi::TChange& change) {
        if (change.Whole) {
            states.Clear();
            return;
        }
        states.Change(rows, change.First.Value(), change.OldRows, change.NewRows);
        rowsRead += states.RowsReadByLastChange();
    };
    TypeAndTakeBack(l, state);
    l.core.OnDocumentChange = nullptr;
    state.counters["rows_read_per_edit"] = static_cast<double>(rowsRead) / (2.0 * state.iterations());
}
BENCHMARK(BM_TypeCharInTheMiddleWithCssReading)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Enter splits a row (one more row) and Backspace joins it again (one less).
void BM_EnterAndBackspaceInTheMiddle(benchmark::State& state)
{
    TLoaded& l = Loaded();
    CaretToMiddle(l.core);
    for (auto _ : state) {
        l.core.KeyDown(tavi::TEditKey::Enter);
        l.core.KeyDown(tavi::TEditKey::Home);
        l.core.KeyDown(tavi::TEditKey::Backspace);
    }
    state.counters["rows"] = l.core.Rows().Count();
}
BENCHMARK(BM_EnterAndBackspaceInTheMiddle)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A document of 200 MiB: every row-count change near its top used to move all rows below.
TLoaded& LoadedHuge()
{
    static const std::unique_ptr<TLoaded> loaded = MakeLoaded(
        [](tavi::TEditorStrings& lines) { lines.SetTextStr(tavi::bench::SheetText(std::size_t{200} << 20)); });
    return *loaded;
}

void BM_EnterNearTheTopOf200MiB(benchmark::State& state)
{
    TLoaded& l = LoadedHuge();
    l.core.PlaceCaretAt(10, 2);
    for (auto _ : state) {
        l.core.KeyDown(tavi::TEditKey::Enter);
        state.PauseTiming();
        l.core.KeyDown(tavi::TEditKey::Backspace);
        state.ResumeTiming();
    }
    state.counters["rows"] = l.core.Rows().Count();
}
BENCHMARK(BM_EnterNearTheTopOf200MiB)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One logical line of 1 MiB, wrapped: a key typed in its middle.
TLoaded& LoadedLongLine()
{
    static const std::unique_ptr<TLoaded> loaded = MakeLoaded([](tavi::TEditorStrings& lines) {
        std::string text = tavi::bench::SheetText(std::size_t{1} << 20);
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        lines.SetTextStr(text);
    });
    return *loaded;
}

void BM_TypeCharInAOneMiBLine(benchmark::State& state)
{
    TLoaded& l = LoadedLongLine();
    l.core.PlaceCaretAt(l.core.Rows().Count() / 2, 10);
    TypeAndTakeBack(l, state);
}
BENCHMARK(BM_TypeCharInAOneMiBLine)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    return tavi::bench::RunBenchmarks(argc, argv, kSheetName);
}
