// Benchmarks of the editor core on a generated 20 MiB style sheet: load, append a rule, save, read all lines.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>

#include "bench/benchmark_main.h"
#include "editor/core/editor_core.h"
#include "platform/os/file_bytes.h"

namespace {

// Heap bytes in use through operator new, and the most seen since the last reset.
std::atomic<std::size_t> heapNow{0};
std::atomic<std::size_t> heapPeak{0};

void* CountedAlloc(std::size_t n)
{
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr)
        throw std::bad_alloc();
    const std::size_t now = heapNow += malloc_usable_size(p);
    std::size_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void CountedFree(void* p) noexcept
{
    if (p == nullptr)
        return;
    heapNow -= malloc_usable_size(p);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t n)
{
    return CountedAlloc(n);
}
void* operator new[](std::size_t n)
{
    return CountedAlloc(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return CountedAlloc(n);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept
{
    CountedFree(p);
}
void operator delete[](void* p) noexcept
{
    CountedFree(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    CountedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    CountedFree(p);
}

namespace {

namespace fs = std::filesystem;
constexpr const char* kSheetName = "tavi_editor_core_bench.css";

const std::string& SheetPath()
{
    return tavi::bench::SheetPath(kSheetName);
}

std::unique_ptr<tavi::TEditorCore> WrappedEditor()
{
    auto core = std::make_unique<tavi::TEditorCore>();
    core->SetWordWrap(true);
    core->SetWrapByte(80);
    return core;
}

// Open's path for a Shift-JIS sheet: the file read whole, then its bytes made the rows.
void BM_OpenFile(benchmark::State& state)
{
    const std::string& path = SheetPath();
    const double fileBytes = static_cast<double>(fs::file_size(path));
    double peakRatio = 0;
    double documentRatio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto core = WrappedEditor();
        const std::size_t before = heapNow.load();
        heapPeak = before;
        state.ResumeTiming();
        core->Lines().LoadFromBytes(tavi::ReadFileBytes(path));
        state.PauseTiming();
        peakRatio = static_cast<double>(heapPeak.load() - before) / fileBytes;
        documentRatio = static_cast<double>(heapNow.load() - before) / fileBytes;
        state.counters["rows"] = core->Rows().Count();
        state.counters["lines"] = core->Lines().GetCount();
        core.reset();
        state.ResumeTiming();
    }
    state.counters["peak_per_file_byte"] = peakRatio;
    state.counters["kept_per_file_byte"] = documentRatio;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// The floor any load stands on: the file read into memory and its line breaks found with memchr.
void BM_ReadAndFindLineBreaks(benchmark::State& state)
{
    const std::string& path = SheetPath();
    const auto fileBytes = static_cast<std::size_t>(fs::file_size(path));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::unique_ptr<char[]> bytes(new char[fileBytes]);
        const std::size_t got = std::fread(bytes.get(), 1, fileBytes, file);
        std::fclose(file);
        std::size_t lines = 0;
        for (const char* p = bytes.get(); (p = static_cast<const char*>(std::memchr(p, '\n', bytes.get() + got - p)));
             ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
}
BENCHMARK(BM_ReadAndFindLineBreaks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

tavi::TEditorCore& LoadedEditor()
{
    static std::unique_ptr<tavi::TEditorCore> core = [] {
        auto c = WrappedEditor();
        c->Lines().LoadFromBytes(tavi::ReadFileBytes(SheetPath()));
        return c;
    }();
    return *core;
}

// The five lines a rule dialog appends, one Add each.
void BM_AddFiveLineRule(benchmark::State& state)
{
    tavi::TEditorStrings& lines = LoadedEditor().Lines();
    for (auto _ : state) {
        lines.Add("P.note {");
        lines.Add("  margin : 10px;");
        lines.Add("  color : #FF0000;");
        lines.Add("  font-family : \"\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\";");
        lines.Add("  text-align : center }");
    }
}
BENCHMARK(BM_AddFiveLineRule)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SaveToFile(benchmark::State& state)
{
    const tavi::TEditorCore& core = LoadedEditor();
    const std::string out = (fs::temp_directory_path() / "tavi_editor_core_bench_out.css").string();
    for (auto _ : state)
        core.Lines().SaveToFile(out);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(out)));
    fs::remove(out);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

// Reading every logical line in turn must stay linear with wrapping on.
void BM_GetEveryLine(benchmark::State& state)
{
    const tavi::TEditorStrings& lines = LoadedEditor().Lines();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 0, n = lines.GetCount(); i < n; ++i)
            bytes += lines.Get(i).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_GetEveryLine)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_GetTextStr(benchmark::State& state)
{
    const tavi::TEditorStrings& lines = LoadedEditor().Lines();
    for (auto _ : state)
        benchmark::DoNotOptimize(lines.GetTextStr());
}
BENCHMARK(BM_GetTextStr)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    return tavi::bench::RunBenchmarks(argc, argv, kSheetName);
}
