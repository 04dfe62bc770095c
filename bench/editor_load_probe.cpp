// One load in a fresh process, as Open does it: prints the milliseconds and the peak resident memory it added.
// Usage: editor_load_probe <file> floor|load|utf8|write|write-utf8. "floor" reads the file and finds its line
// breaks with memchr, the least any load must do; "load" is Open's path for a Shift-JIS sheet (the file read whole,
// then LoadFromBytes) with the main window's wrapping; "utf8" opens the file as the main window does, in whatever
// encoding it has (for a UTF-8 sheet). editor_peers_bench runs it several times and reports minimum, median and
// maximum.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "bench/process_memory.h"
#include "bench/style_sheet_generator.h"
#include "editor/core/editor_core.h"
#include "editor/core/text_file.h"
#include "platform/code_page.h"
#include "platform/os/file_bytes.h"
#include "platform/sheet_encoding.h"

namespace {

std::size_t Floor(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return 0;
    std::fseek(file, 0, SEEK_END);
    const auto size = static_cast<std::size_t>(std::ftell(file));
    std::fseek(file, 0, SEEK_SET);
    std::unique_ptr<char[]> bytes(new char[size]);
    const std::size_t got = std::fread(bytes.get(), 1, size, file);
    std::fclose(file);
    std::size_t lines = 0;
    for (const char* p = bytes.get(); (p = static_cast<const char*>(std::memchr(p, '\n', bytes.get() + got - p))); ++p)
        ++lines;
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: editor_load_probe <file> floor|load\n");
        return 2;
    }
    if (std::strcmp(argv[2], "write") == 0) {  // the 20 MiB sheet the other benchmarks use, into <file>
        std::ofstream(argv[1], std::ios::binary) << tavi::bench::SheetText();
        return 0;
    }
    if (std::strcmp(argv[2], "write-utf8") == 0) {  // the same sheet in UTF-8
        std::ofstream(argv[1], std::ios::binary) << tavi::FromCp932(tavi::bench::SheetText()).toStdString();
        return 0;
    }
    const bool floor = std::strcmp(argv[2], "floor") == 0;
    tavi::TEditorCore core;
    core.SetWordWrap(true);
    core.SetWrapByte(80);
    const long before = tavi::bench::StatusKb("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    std::size_t rows = 0;
    if (floor) {
        rows = Floor(argv[1]);
    } else if (std::strcmp(argv[2], "utf8") == 0) {
        tavi::TSheetText sheet = tavi::DecodeSheet(tavi::ReadFileBytes(argv[1]), argv[1]);
        core.Lines().LoadFromBytes(std::move(sheet.Bytes), tavi::DocumentEncodingOf(sheet.Encoding));
        rows = static_cast<std::size_t>(core.Rows().Count());
    } else {
        core.Lines().LoadFromBytes(tavi::ReadFileBytes(argv[1]));
        rows = static_cast<std::size_t>(core.Rows().Count());
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.2f ms %.1f MiB %zu rows\n", ms, (tavi::bench::StatusKb("VmHWM") - before) / 1024.0, rows);
    return 0;
}
