// Benchmarks of finding and replacing in the generated 20 MiB style sheet: a word found only at its end, one nearby, and a
// word that occurs 100 000 times replaced all at once.
#include <memory>
#include <string>
#include <string_view>

#include "bench/benchmark_main.h"
#include "editor/core/editor_core.h"
#include "editor/document_search.h"

namespace {

constexpr const char* kSheetName = "tavi_editor_search_bench.css";
constexpr long long kOccurrences = 100000;

std::unique_ptr<tavi::TEditorCore> WrappedEditor(std::string_view text)
{
    auto core = std::make_unique<tavi::TEditorCore>();
    core->SetWordWrap(true);
    core->SetWrapByte(80);
    core->Lines().SetTextStr(text);
    return core;
}

const std::string& SheetWithWordAtTheEnd()
{
    static const std::string text = tavi::bench::SheetWithWordAtTheEnd("zebra");
    return text;
}

const std::string& SheetWithWordEverywhere()
{
    static const std::string text = tavi::bench::SheetWithWordSpread("zebra", kOccurrences);
    return text;
}

void FindAndSelect(tavi::TEditorCore& core, tavi::TDocumentSearch& search, benchmark::State& state)
{
    const auto found = search.FindNext(core, 0);
    if (!found || found->Wrapped) {
        state.SkipWithError("the word was not found at the end");
        return;
    }
    core.SetSelStart(found->Match.Start);
    core.SetSelLength(found->Match.Length);
}

// Find next from the top for a word found only on the last line, the match selected: every
// line of the sheet is decoded and searched.
void BM_FindNextWordAtTheEnd(benchmark::State& state)
{
    const auto core = WrappedEditor(SheetWithWordAtTheEnd());
    tavi::TDocumentSearch search;
    search.SetOptions({QStringLiteral("zebra"), false, true, false});
    for (auto _ : state) {
        state.PauseTiming();
        core->SetSelStart(0);
        state.ResumeTiming();
        FindAndSelect(*core, search, state);
    }
}
BENCHMARK(BM_FindNextWordAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// Find next from the middle of the sheet for a word of every rule: one stretch is decoded.
void BM_FindNextNearby(benchmark::State& state)
{
    const auto core = WrappedEditor(tavi::bench::SheetText());
    const long long middle = core->GetTextLen() / 2;
    tavi::TDocumentSearch search;
    search.SetOptions({QStringLiteral("font-size"), false, true, false});
    for (auto _ : state) {
        const auto found = search.FindNext(*core, middle);
        if (!found || found->Match.Start - middle > 200)
            state.SkipWithError("the next rule's word was not found");
    }
}
BENCHMARK(BM_FindNextNearby)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);

// Find previous from the end for a word found only on the first line.
void BM_FindPreviousFromTheEnd(benchmark::State& state)
{
    const auto core = WrappedEditor(".first { content: \"zebra\" }\r\n" + tavi::bench::SheetText());
    tavi::TDocumentSearch search;
    search.SetOptions({QStringLiteral("zebra"), false, true, false});
    for (auto _ : state) {
        const auto found = search.FindPrevious(*core, core->GetTextLen());
        if (!found || found->Wrapped)
            state.SkipWithError("the word was not found at the start");
    }
}
BENCHMARK(BM_FindPreviousFromTheEnd)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// Replace all of a word that occurs kOccurrences times all over the sheet, by a shorter
// one: one edit of nearly the whole document, with its undo record.
void BM_ReplaceAllHundredThousand(benchmark::State& state)
{
    tavi::TDocumentSearch search;
    search.SetOptions({QStringLiteral("zebra"), true, false, false});
    search.SetReplacement(QStringLiteral("12pt"));
    for (auto _ : state) {
        state.PauseTiming();
        auto core = WrappedEditor(SheetWithWordEverywhere());
        state.ResumeTiming();
        const long long count = search.ReplaceAll(*core);
        state.PauseTiming();
        if (count != kOccurrences)
            state.SkipWithError("not every occurrence was replaced");
        state.counters["replaced"] = static_cast<double>(count);
        core.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaceAllHundredThousand)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    return tavi::bench::RunBenchmarks(argc, argv, kSheetName);
}
