// Benchmarks of the editor core on a generated 20 MiB style sheet: load, append a rule, save, read all lines.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>

#include "editor/core/editor_core.h"

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
constexpr std::size_t kSheetBytes = 20u << 20;

// Japanese comments in code page 932: headings, a long remark that wraps at 80
// columns, and words with trail bytes equal to "\".
const char* const kComments[] = {
    "/* \x8C\xA9\x8F\x6F\x82\xB5\x82\xCC\x8F\x91\x8E\xAE */",
    "/* \x96\x7B\x95\xB6\x82\xCC\x97\x5D\x94\x92\x82\xF0\x8D\x4C\x82\xDF\x82\xC9\x82\xC6\x82\xE9 */",
    "/* \x82\xB1\x82\xB1\x82\xA9\x82\xE7\x89\xBA\x82\xCD\x88\xF3\x8D\xFC\x97\x70\x82\xCC\x90\xDD\x92\xE8\x82\xC5"
    "\x82\xB7\x81\x42\x89\xE6\x96\xCA\x95\x5C\x8E\xA6\x82\xC9\x82\xCD\x89\x65\x8B\xBF\x82\xB5\x82\xDC\x82\xB9"
    "\x82\xF1\x81\x42\xB6\xC0\xB6\xC5 \x83\x5C\x81\x5B\x83\x58\x95\x5C\x8E\xA6 \x96\x7B\x95\xB6\x82\xCC\x97"
    "\x5D\x94\x92\x82\xF0\x8D\x4C\x82\xDF\x82\xC9\x82\xC6\x82\xE9\x81\x42\x8C\xA9\x8F\x6F\x82\xB5 */",
};

fs::path SheetFile()
{
    return fs::temp_directory_path() / "tavi_editor_core_bench.css";
}

// A style sheet of about 20 MiB and a million lines, written once to a temporary file.
const std::string& SheetPath()
{
    static const std::string path = [] {
        const fs::path file = SheetFile();
        std::string text;
        text.reserve(kSheetBytes + 4096);
        for (int rule = 0; text.size() < kSheetBytes; ++rule) {
            if (rule % 4 == 0)
                text += std::string(kComments[rule / 4 % 3]) + "\r\n";
            text += ".item" + std::to_string(rule) + " {\r\n";
            text += "  margin : " + std::to_string(rule % 40) + "px;\r\n";
            text += "  color : #" + std::to_string(100000 + rule % 900000) + ";\r\n";
            text += "\tfont-size : 12pt }\r\n";
        }
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return file.string();
    }();
    return path;
}

std::unique_ptr<tavi::TEditorCore> WrappedEditor()
{
    auto core = std::make_unique<tavi::TEditorCore>();
    core->SetWordWrap(true);
    core->SetWrapByte(80);
    return core;
}

void BM_LoadFromFile(benchmark::State& state)
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
        core->Lines().LoadFromFile(path);
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
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

tavi::TEditorCore& LoadedEditor()
{
    static std::unique_ptr<tavi::TEditorCore> core = [] {
        auto c = WrappedEditor();
        c->Lines().LoadFromFile(SheetPath());
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove(SheetFile(), ec);
    return 0;
}
