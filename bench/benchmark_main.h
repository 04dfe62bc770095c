// The shared end of every benchmark program: run what is registered, then remove the generated sheet.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "bench/style_sheet_generator.h"

namespace tavi::bench {

// Runs the benchmarks registered in this program with the command line's options and
// removes the style sheet generated under `sheetName`. Returns the program's exit code.
inline int RunBenchmarks(int argc, char** argv, const char* sheetName)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove(SheetFile(sheetName), ec);
    return 0;
}

}  // namespace tavi::bench
