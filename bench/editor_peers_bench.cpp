// Side-by-side timing and memory of TEditor, QPlainTextEdit and QScintilla on generated style sheets; prints one table.
#include <malloc.h>

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_editor_setup.h"
#include "bench/offscreen.h"
#include "bench/style_sheet_generator.h"
#include "editor/editor.h"
#include "platform/code_page.h"
#include "platform/font_names.h"

namespace {

const QSize kView(1920, 1080);
constexpr int kTypedChars = 1000;
constexpr int kEnters = 100;

// The same fixed-pitch face and size for every widget: the main window's editor font.
QFont BenchFont()
{
    QFont font(tavi::kFixedSysFontName);
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Kilobytes from a "Key:   1234 kB" line of /proc/self/status.
long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    return 0;
}

// Peak resident memory restarts from the current figure (Linux "clear_refs" 5).
void ResetPeakRss()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Lets queued work and pending repaints run, as the event loop would between user actions.
void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// One widget under test behind the same small set of actions.
class Subject {
public:
    virtual ~Subject() = default;
    virtual QAbstractScrollArea* Widget() = 0;
    // From the file's bytes to a document the widget can paint.
    virtual void Load(const std::string& bytes) = 0;
    virtual void CaretToMiddle() = 0;
    virtual void SelectAllAndCopy() = 0;
    virtual void ClearSelection() = 0;
    virtual QScrollBar* VerticalBar() { return Widget()->verticalScrollBar(); }
};

class EditorSubject : public Subject {
public:
    EditorSubject()
    {
        ConfigureMainEditor(&editor_);
        editor_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &editor_; }
    void Load(const std::string& bytes) override { editor_.Lines().SetTextStr(bytes); }
    void CaretToMiddle() override
    {
        editor_.Core().PlaceCaretAt(editor_.Core().Rows().Count() / 2, 0);
        editor_.ScrollToCaret();
    }
    void SelectAllAndCopy() override
    {
        editor_.SelectAll();
        editor_.CopyToClipboard();
    }
    void ClearSelection() override
    {
        // Placing the caret keeps a selection (as the other widgets' cursor moves do not).
        editor_.Core().Deselect();
        CaretToMiddle();
    }

private:
    TEditor editor_;
};

class PlainTextSubject : public Subject {
public:
    PlainTextSubject()
    {
        edit_.setFont(BenchFont());
        edit_.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &edit_; }
    void Load(const std::string& bytes) override { edit_.setPlainText(tavi::FromCp932(bytes)); }
    void CaretToMiddle() override
    {
        QTextCursor cursor(edit_.document());
        const int blocks = edit_.document()->blockCount();
        if (blocks > 1)
            cursor.setPosition(edit_.document()->findBlockByNumber(blocks / 2).position());
        else
            cursor.setPosition(edit_.document()->characterCount() / 2);
        edit_.setTextCursor(cursor);
        edit_.ensureCursorVisible();
    }
    void SelectAllAndCopy() override
    {
        edit_.selectAll();
        edit_.copy();
    }
    void ClearSelection() override { CaretToMiddle(); }

private:
    QPlainTextEdit edit_;
};

class ScintillaSubject : public Subject {
public:
    ScintillaSubject()
    {
        sci_.setUtf8(true);
        sci_.setFont(BenchFont());
        sci_.setWrapMode(QsciScintilla::WrapWord);
        sci_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &sci_; }
    void Load(const std::string& bytes) override { sci_.setText(tavi::FromCp932(bytes)); }
    void CaretToMiddle() override
    {
        const long length = sci_.SendScintilla(QsciScintilla::SCI_GETLENGTH);
        const int lines = sci_.lines();
        long pos = lines > 1 ? sci_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, lines / 2)
                             : sci_.SendScintilla(QsciScintilla::SCI_POSITIONBEFORE, length / 2 + 1);
        sci_.SendScintilla(QsciScintilla::SCI_GOTOPOS, pos);
        sci_.ensureCursorVisible();
    }
    void SelectAllAndCopy() override
    {
        sci_.selectAll();
        sci_.copy();
    }
    void ClearSelection() override { CaretToMiddle(); }

private:
    QsciScintilla sci_;
};

using Factory = std::function<std::unique_ptr<Subject>()>;
const char* const kWidgetNames[] = {"TEditor", "QPlainTextEdit", "QScintilla"};
const Factory kFactories[] = {
    [] { return std::unique_ptr<Subject>(new EditorSubject); },
    [] { return std::unique_ptr<Subject>(new PlainTextSubject); },
    [] { return std::unique_ptr<Subject>(new ScintillaSubject); },
};

// Times and memory of one workload on one widget: one entry per repetition.
struct Samples {
    std::vector<double> Values;
    std::string Note;
    double Median() const
    {
        if (Values.empty())
            return 0;
        std::vector<double> v = Values;
        std::sort(v.begin(), v.end());
        return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    }
};

// Workloads in table order; the last is memory (MiB), the rest milliseconds.
const char* const kWorkloads[] = {"load",        "first paint",  "type 1000 chars", "Enter x100",
                                  "select+copy", "scroll pages", "memory (MiB)"};
constexpr int kWorkloadCount = 7;

struct Input {
    std::string Name;
    std::string Bytes;
    int Reps = 5;
    int MaxPages = 0;  // 0: the whole document; otherwise pages timed, then extrapolated
};

void SendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    Settle();
}

// Runs `step` `count` times; past `budgetMs` it stops and scales the time taken to all `count` steps,
// so that one very slow peer cannot stretch the run to hours. The note says when that happened.
constexpr double kBudgetMs = 4000;
double Repeat(int count, const std::function<void(int)>& step, const char* what, std::string& note)
{
    const double start = NowMs();
    int done = 0;
    while (done < count && (done == 0 || NowMs() - start < kBudgetMs))
        step(done++);
    const double elapsed = NowMs() - start;
    if (done == count)
        return elapsed;
    note = std::string(what) + " extrapolated from " + std::to_string(done) + " of " + std::to_string(count);
    return elapsed * count / done;
}

// Pages from the top to the end; with a cap, the time of `cap` pages scaled to the whole document.
double ScrollThrough(Subject& s, int cap, std::string& note)
{
    QScrollBar* bar = s.VerticalBar();
    bar->setValue(bar->minimum());
    Settle();
    int pages = 0;
    const double start = NowMs();
    while (bar->value() < bar->maximum() && (cap == 0 || pages < cap) && (pages == 0 || NowMs() - start < kBudgetMs)) {
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        Settle();
        ++pages;
    }
    double elapsed = NowMs() - start;
    if (bar->value() < bar->maximum()) {
        const double total = double(bar->maximum() - bar->minimum()) / std::max(1, bar->pageStep());
        elapsed *= total / pages;
        note = "scroll extrapolated from " + std::to_string(pages) + " of ~" + std::to_string(long(total)) + " pages";
    }
    return elapsed;
}

// Runs every workload `input.Reps` times on a fresh widget each repetition.
void Measure(const Input& input, int widget, std::vector<Samples>& out)
{
    QImage image(kView, QImage::Format_RGB32);
    for (int rep = 0; rep < input.Reps; ++rep) {
        malloc_trim(0);
        const long rssBefore = StatusKb("VmRSS");
        ResetPeakRss();
        std::unique_ptr<Subject> s = kFactories[widget]();
        QAbstractScrollArea* w = s->Widget();
        w->show();
        w->activateWindow();
        w->setFocus();
        Settle();

        double t = NowMs();
        s->Load(input.Bytes);
        Settle();
        out[0].Values.push_back(NowMs() - t);

        t = NowMs();
        w->render(&image);
        out[1].Values.push_back(NowMs() - t);
        out[6].Values.push_back((StatusKb("VmHWM") - rssBefore) / 1024.0);

        QWidget* keys = w->focusProxy() ? w->focusProxy() : w;
        s->CaretToMiddle();
        Settle();
        out[2].Values.push_back(Repeat(
            kTypedChars, [&](int i) { SendKey(keys, Qt::Key_A + i % 26, QString(QChar(char('a' + i % 26)))); },
            "typing", out[2].Note));

        s->CaretToMiddle();
        Settle();
        out[3].Values.push_back(Repeat(
            kEnters, [&](int) { SendKey(keys, Qt::Key_Return, QStringLiteral("\r")); }, "Enter", out[3].Note));

        t = NowMs();
        s->SelectAllAndCopy();
        Settle();
        out[4].Values.push_back(NowMs() - t);
        s->ClearSelection();
        QApplication::clipboard()->clear();
        Settle();

        out[5].Values.push_back(ScrollThrough(*s, input.MaxPages, out[5].Note));
        std::fprintf(stderr, "  %s %s rep %d done\n", input.Name.c_str(), kWidgetNames[widget], rep + 1);
    }
}

std::string Ratio(double ours, double peer)
{
    if (peer <= 0)
        return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", ours / peer);
    return buf;
}

void PrintTable(const Input& input, const std::vector<std::vector<Samples>>& results)
{
    std::printf("\n### %s (%zu bytes, %d repetitions, medians)\n\n", input.Name.c_str(), input.Bytes.size(),
                input.Reps);
    std::printf("| workload | widget | median | TEditor / QPlainTextEdit | TEditor / QScintilla |\n");
    std::printf("|---|---|---:|---:|---:|\n");
    std::vector<std::string> notes;
    for (int k = 0; k < kWorkloadCount; ++k) {
        for (int w = 0; w < 3; ++w) {
            if (results[w][k].Values.empty())
                continue;
            const double m = results[w][k].Median();
            const bool memory = k == kWorkloadCount - 1;
            char value[32];
            std::snprintf(value, sizeof value, memory ? "%.1f MiB" : "%.1f ms", m);
            std::string r1, r2;
            if (w == 0) {
                r1 = Ratio(m, results[1][k].Median());
                r2 = Ratio(m, results[2][k].Median());
            }
            std::printf("| %s | %s | %s | %s | %s |\n", kWorkloads[k], kWidgetNames[w], value, r1.c_str(), r2.c_str());
            if (!results[w][k].Note.empty())
                notes.push_back(std::string(kWidgetNames[w]) + ": " + results[w][k].Note);
        }
    }
    for (const std::string& n : notes)
        std::printf("\n- %s", n.c_str());
    std::printf("\n");
    std::fflush(stdout);
}

// One line of 1 MiB: the sheet's text with its line ends removed.
std::string SingleLine()
{
    std::string text = tavi::bench::SheetText(1u << 20);
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    tavi::bench::PreferOffscreenPlatform();
    QApplication application(argc, argv);
    tavi::InstallFontSubstitutions();
    // Flags meant for the Google Benchmark programs (scripts pass them to every bench) are ignored;
    // "--quick" runs one repetition with a short scroll, to check the harness; "--only=NAME" measures one
    // widget (for profiling it alone; its ratios are then left out); "--input=PREFIX" the inputs whose name
    // starts so ("20 MiB").
    bool quick = false;
    std::string only, inputPrefix;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        quick = quick || arg == "--quick";
        if (arg.rfind("--only=", 0) == 0)
            only = arg.substr(7);
        if (arg.rfind("--input=", 0) == 0)
            inputPrefix = arg.substr(8);
    }

    std::vector<Input> inputs;
    inputs.push_back({"200 KiB sheet", tavi::bench::SheetText(200u << 10), 5, 0});
    inputs.push_back({"1 MiB single line", SingleLine(), 5, 0});
    inputs.push_back({"20 MiB sheet", tavi::bench::SheetText(20u << 20), 3, 400});
    if (quick)
        for (Input& in : inputs)
            in.Reps = 1, in.MaxPages = 50;

    std::printf("Widgets at %dx%d, font \"%s\" -> \"%s\" 12 px, offscreen platform.\n", kView.width(), kView.height(),
                qPrintable(tavi::kFixedSysFontName), qPrintable(QFontInfo(BenchFont()).family()));
    for (const Input& input : inputs) {
        if (input.Name.rfind(inputPrefix, 0) != 0)
            continue;
        std::vector<std::vector<Samples>> results(3, std::vector<Samples>(kWorkloadCount));
        for (int w = 0; w < 3; ++w)
            if (only.empty() || only == kWidgetNames[w])
                Measure(input, w, results[w]);
        PrintTable(input, results);
    }
    return 0;
}
