// Benchmarks of the editor widget's painting on the generated 20 MiB style sheet: a full 1920x1080 repaint with
// reserved-word colouring, the whole control rendered, one-row and one-page scrolls and typing on screen, each
// also with the CSS colouring; a plain-text peer widget is measured alongside.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <memory>

#include "app/main_editor_setup.h"
#include "bench/benchmark_main.h"
#include "bench/offscreen.h"
#include "editor/editor.h"
#include "platform/font_names.h"
#include "platform/os/file_bytes.h"

namespace {

constexpr const char* kSheetName = "tavi_editor_paint_bench.css";
const QSize kView(1920, 1080);

// The main window's editor at 1920x1080 holding the sheet, scrolled to its middle.
TEditor& LoadedEditor()
{
    static std::unique_ptr<TEditor> editor = [] {
        auto e = std::make_unique<TEditor>();
        ConfigureMainEditor(e.get());
        e->Lines().LoadFromBytes(tavi::ReadFileBytes(tavi::bench::SheetPath(kSheetName)));
        e->resize(kView);
        e->SetTopRow(e->Core().Rows().Count() / 2);
        return e;
    }();
    return *editor;
}

// A full repaint of the view, plain or with the sheet coloured by the CSS grammar.
void FullRepaint(benchmark::State& state, bool css)
{
    TEditor& editor = LoadedEditor();
    editor.SetSyntaxColoring(css);
    QImage image(editor.viewport()->size(), QImage::Format_RGB32);
    editor.viewport()->render(&image);  // the reading down to the view comes once, not with every paint
    editor.ResetPaintedRowCount();
    for (auto _ : state)
        editor.viewport()->render(&image);
    state.counters["rows_per_paint"] =
        static_cast<double>(editor.PaintedRowCount()) / static_cast<double>(state.iterations());
    state.counters["document_rows"] = editor.Core().Rows().Count();
    editor.SetSyntaxColoring(false);
}
void BM_FullRepaint(benchmark::State& state)
{
    FullRepaint(state, false);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
void BM_FullRepaintCss(benchmark::State& state)
{
    FullRepaint(state, true);
}
BENCHMARK(BM_FullRepaintCss)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole control as a window shows it: frame, scroll bars and text.
void BM_WidgetRender(benchmark::State& state)
{
    TEditor& editor = LoadedEditor();
    QImage image(editor.size(), QImage::Format_RGB32);
    for (auto _ : state)
        editor.render(&image);
}
BENCHMARK(BM_WidgetRender)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);

// Scrolling one row on screen: the pixel move plus the uncovered band.
void BM_ScrollOneRow(benchmark::State& state)
{
    TEditor& editor = LoadedEditor();
    editor.show();
    QApplication::processEvents();
    editor.ResetPaintedRowCount();
    int step = 1;
    for (auto _ : state) {
        editor.verticalScrollBar()->triggerAction(step > 0 ? QAbstractSlider::SliderSingleStepAdd
                                                           : QAbstractSlider::SliderSingleStepSub);
        step = -step;
        QApplication::processEvents();
    }
    state.counters["rows_per_scroll"] =
        static_cast<double>(editor.PaintedRowCount()) / static_cast<double>(state.iterations());
    editor.hide();
}
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

// Paging through the document on screen, as the scroll bar's page step does it: each page is a
// full repaint of the text, the scroll bar and the flush to the screen; plain or coloured.
void PageThrough(benchmark::State& state, bool css, bool lineNumbers = false)
{
    TEditor& editor = LoadedEditor();
    editor.SetSyntaxColoring(css);
    editor.SetLineNumbers(lineNumbers);
    editor.SetTopRow(0);
    editor.show();
    editor.activateWindow();
    editor.setFocus();
    QApplication::processEvents();
    QScrollBar* bar = editor.verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QApplication::processEvents();
    }
    editor.hide();
    editor.SetSyntaxColoring(false);
    editor.SetLineNumbers(false);
}
void BM_ScrollOnePage(benchmark::State& state)
{
    PageThrough(state, false);
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);
void BM_ScrollOnePageCss(benchmark::State& state)
{
    PageThrough(state, true);
}
BENCHMARK(BM_ScrollOnePageCss)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
// The same with the line numbers shown beside the text.
void BM_ScrollOnePageCssLineNumbers(benchmark::State& state)
{
    PageThrough(state, true, true);
}
BENCHMARK(BM_ScrollOnePageCssLineNumbers)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The first paint after the colouring starts: the reading from the top down to the middle
// of the sheet comes with it.
void BM_FirstPaintCssAtTheMiddle(benchmark::State& state)
{
    TEditor& editor = LoadedEditor();
    editor.SetTopRow(editor.Core().Rows().Count() / 2);
    QImage image(editor.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        editor.SetSyntaxColoring(true);
        editor.viewport()->render(&image);
        state.PauseTiming();
        editor.SetSyntaxColoring(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPaintCssAtTheMiddle)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Typing on screen in the middle of the sheet, each key with its repaint, plain and coloured.
void TypeOnScreen(benchmark::State& state, bool css, bool lineNumbers = false)
{
    TEditor& editor = LoadedEditor();
    editor.SetSyntaxColoring(css);
    editor.SetLineNumbers(lineNumbers);
    editor.show();
    editor.activateWindow();
    editor.setFocus();
    // A row of its own for each run: the keys of earlier runs made a long line.
    static int run = 0;
    editor.Core().PlaceCaretAt(editor.Core().Rows().Count() / 2 + 3 + 200 * run++, 4);
    editor.ScrollToCaret();
    QApplication::processEvents();
    editor.ResetPaintedRowCount();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor, &press);
        QApplication::processEvents();
    }
    state.counters["rows_per_key"] =
        static_cast<double>(editor.PaintedRowCount()) / static_cast<double>(state.iterations());
    editor.hide();
    editor.SetSyntaxColoring(false);
    editor.SetLineNumbers(false);
}
void BM_TypeOnScreen(benchmark::State& state)
{
    TypeOnScreen(state, false);
}
BENCHMARK(BM_TypeOnScreen)->Unit(benchmark::kMicrosecond)->Iterations(1000)->Repetitions(3)->ReportAggregatesOnly(true);
void BM_TypeOnScreenCss(benchmark::State& state)
{
    TypeOnScreen(state, true);
}
BENCHMARK(BM_TypeOnScreenCss)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1000)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
void BM_TypeOnScreenCssLineNumbers(benchmark::State& state)
{
    TypeOnScreen(state, true, true);
}
BENCHMARK(BM_TypeOnScreenCssLineNumbers)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1000)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The peer: a plain-text widget of the same size and font showing the same kind of text
// (the first 1 MiB of the sheet: loading all 20 MiB into it takes far longer than the run).
void BM_PeerFullRepaint(benchmark::State& state)
{
    static std::unique_ptr<QPlainTextEdit> peer = [] {
        auto p = std::make_unique<QPlainTextEdit>();
        QFont font(tavi::kFixedSysFontName);
        font.setPixelSize(12);
        p->setFont(font);
        p->setLineWrapMode(QPlainTextEdit::NoWrap);
        const std::string text = tavi::bench::SheetText(1u << 20);
        p->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        p->resize(kView);
        p->verticalScrollBar()->setValue(p->verticalScrollBar()->maximum() / 2);
        return p;
    }();
    QImage image(peer->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        peer->viewport()->render(&image);
}
BENCHMARK(BM_PeerFullRepaint)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    tavi::bench::PreferOffscreenPlatform();
    QApplication application(argc, argv);
    tavi::InstallFontSubstitutions();
    return tavi::bench::RunBenchmarks(argc, argv, kSheetName);
}
