// The live preview: the main window's start with the preview closed, the preview's first show (the browser engine
// starting), and the time from a key to the page showing it for a 200 KiB sheet.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "bench/benchmark_main.h"
#include "bench/offscreen.h"
#include "editor/editor.h"
#include "platform/font_names.h"
#include "platform/os/process_user.h"
#include "preview/preview_pane.h"

namespace {

constexpr char kSheetName[] = "tavi-preview-bench.css";

void WaitForPage(const TPreviewPane& pane, int before)
{
    if (!QTest::qWaitFor([&] { return pane.SheetsApplied() > before; }, 60000))
        std::fputs("the page did not take the sheet in a minute\n", stderr);
}

TPreview* LinkedPane(QWidget* parent, QString&)
{
    return new TPreviewPane(parent);
}

// The window as the program opens it, the preview closed: nothing of the engine is made.
void BM_MainWindowStartsWithThePreviewClosed(benchmark::State& state)
{
    for (auto _ : state) {
        TForm1 form;
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.Preview);
    }
}
BENCHMARK(BM_MainWindowStartsWithThePreviewClosed)->Unit(benchmark::kMillisecond)->Iterations(20);

// The first show in a run starts the engine; it is measured once, before the other benchmarks.
void BM_FirstShowOfThePreview(benchmark::State& state)
{
    for (auto _ : state) {
        TForm1 form;
        form.CreatePreview = LinkedPane;
        form.show();
        form.ExtMemo1->SetSelText(std::string_view("h1 { color: red }\r\np { margin: 1em }\r\n"));
        form.SetPreviewShown(true);
        WaitForPage(*static_cast<TPreviewPane*>(form.Preview), 0);
        form.ExtMemo1->SetModified(false);
    }
}
BENCHMARK(BM_FirstShowOfThePreview)->Unit(benchmark::kMillisecond)->Iterations(1);

// A key typed in the middle of a 200 KiB sheet until the page holds it: the pause the preview waits
// for (TForm1::kPreviewDelay) plus the update; the second figure hands the text over at once.
void BM_KeyToUpdatedPage200KiB(benchmark::State& state)
{
    const bool wait = state.range(0) != 0;
    const std::string path = tavi::bench::SheetFile(kSheetName).string();
    {
        const std::string text = tavi::bench::SheetText(200u << 10);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    TForm1 form;
    form.CreatePreview = LinkedPane;
    form.show();
    form.DropFiles({QString::fromStdString(path)});
    form.SetPreviewShown(true);
    auto& pane = *static_cast<TPreviewPane*>(form.Preview);
    WaitForPage(pane, 0);
    form.ExtMemo1->Core().PlaceCaretAt(form.ExtMemo1->Core().Rows().Count() / 2, 0);
    for (auto _ : state) {
        const int before = pane.SheetsApplied();
        form.ExtMemo1->SetSelText(std::string_view(" "));
        if (!wait)
            form.UpdatePreview();
        WaitForPage(pane, before);
    }
    state.counters["dropped"] = static_cast<double>(pane.DroppedList()->count());
    form.ExtMemo1->SetModified(false);
}
BENCHMARK(BM_KeyToUpdatedPage200KiB)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    tavi::bench::PreferOffscreenPlatform();
    if (tavi::RunsAsRoot())
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    tavi::InstallFontSubstitutions();
    return tavi::bench::RunBenchmarks(argc, argv, kSheetName);
}
