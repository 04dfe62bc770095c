// Side-by-side timing and memory of TEditor, QPlainTextEdit and QScintilla on generated style sheets; prints the tables
// of bench/README.md: minimum, median and maximum of every workload, the ratios, and the floor of loading a file.
#include <malloc.h>

#include <Qsci/qscilexercss.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextOption>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/find_bar.h"
#include "app/main_editor_setup.h"
#include "bench/offscreen.h"
#include "bench/process_memory.h"
#include "bench/style_sheet_generator.h"
#include "editor/editor.h"
#include "platform/code_page.h"
#include "platform/font_names.h"

namespace {

const QSize kView(1920, 1080);
constexpr int kTypedChars = 1000;
constexpr int kEnters = 100;
constexpr int kWrapColumns = 80;  // TEditor's wrap width in the main window

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
    // From the file's bytes (code page 932, or UTF-8 when `utf8`) to a document the widget
    // can paint.
    virtual void Load(const std::string& bytes, bool utf8) = 0;
    // Colours the text by the CSS grammar, where the widget can.
    virtual void ColourAsCss() {}
    virtual void CaretToMiddle() = 0;
    virtual void SelectAllAndCopy() = 0;
    virtual void ClearSelection() = 0;
    // Pastes what the clipboard holds at the caret.
    virtual void Paste() = 0;
    // What the user does before asking to find `word` (untimed): opening a find bar, typing.
    virtual void PrepareFind(const QString& word) { (void)word; }
    // From the top, finds `word` (whole word, case as given) and selects it; true when found.
    virtual bool FindFromTop(const QString& word) = 0;
    // Replaces every `word` (whole word, case as given) by `by` as one undo step; the count.
    // A widget that replaces one at a time stops once `budgetMs` have passed.
    virtual long ReplaceAll(const QString& word, const QString& by, double budgetMs) = 0;
    virtual QScrollBar* VerticalBar() { return Widget()->verticalScrollBar(); }
};

QString TextOf(const std::string& bytes, bool utf8)
{
    return utf8 ? QString::fromStdString(bytes) : tavi::FromCp932(bytes);
}

// The width of TEditor's wrap in pixels: the peers wrap at their text area's width, which
// their margins narrow to it.
int WrapPixels()
{
    return kWrapColumns * QFontMetrics(BenchFont()).horizontalAdvance(QLatin1Char('x'));
}

class EditorSubject : public Subject {
public:
    EditorSubject()
    {
        ConfigureMainEditor(&editor_);
        editor_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &editor_; }
    void ColourAsCss() override { editor_.SetSyntaxColoring(true); }
    void Load(const std::string& bytes, bool utf8) override
    {
        if (utf8) {
            // As Open reads a file: with room for the first edits.
            std::string file;
            file.reserve(bytes.size() + bytes.size() / 8 + 4096);
            file = bytes;
            editor_.Lines().LoadFromBytes(std::move(file), tavi::TTextEncoding::Utf8);
        } else
            editor_.Lines().SetTextStr(bytes);
    }
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
    void Paste() override { editor_.PasteFromClipboard(); }
    // Through the find bar, as a user does it.
    void PrepareFind(const QString& word) override
    {
        editor_.Core().SetSelStart(0);
        OpenBar(word);
    }
    bool FindFromTop(const QString&) override
    {
        bar_.FindNext();
        return editor_.Core().Selected();
    }
    long ReplaceAll(const QString& word, const QString& by, double) override
    {
        OpenBar(word);
        bar_.ReplaceEdit->setText(by);
        bar_.ReplaceAll();
        return bar_.Note().section(QLatin1Char(' '), 0, 0).toLong();
    }

private:
    void OpenBar(const QString& word)
    {
        bar_.OpenReplace(word);
        bar_.MatchCaseBox->setChecked(true);
        bar_.WholeWordBox->setChecked(true);
    }

    TEditor editor_;
    TFindBar bar_{&editor_};
};

// QPlainTextEdit wraps at its viewport's width only: a right margin narrows the viewport to
// TEditor's 80 columns, and it wraps anywhere, as TEditor does.
class NarrowPlainTextEdit : public QPlainTextEdit {
public:
    NarrowPlainTextEdit() { setViewportMargins(0, 0, kView.width() - WrapPixels(), 0); }
};

class PlainTextSubject : public Subject {
public:
    PlainTextSubject()
    {
        edit_.setFont(BenchFont());
        edit_.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_.setWordWrapMode(QTextOption::WrapAnywhere);
        edit_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &edit_; }
    void Load(const std::string& bytes, bool utf8) override { edit_.setPlainText(TextOf(bytes, utf8)); }
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
    void Paste() override { edit_.paste(); }
    bool FindFromTop(const QString& word) override
    {
        edit_.moveCursor(QTextCursor::Start);
        return edit_.find(word, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
    }
    long ReplaceAll(const QString& word, const QString& by, double budgetMs) override
    {
        QTextDocument* document = edit_.document();
        QTextCursor step(document);
        step.beginEditBlock();
        long count = 0;
        const double end = NowMs() + budgetMs;
        for (QTextCursor at(document);
             NowMs() < end &&
             !(at = document->find(word, at, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords))
                  .isNull();
             ++count)
            at.insertText(by);
        step.endEditBlock();
        return count;
    }

private:
    NarrowPlainTextEdit edit_;
};

class ScintillaSubject : public Subject {
public:
    ScintillaSubject()
    {
        sci_.setUtf8(true);
        sci_.setFont(BenchFont());
        // Wrapped at any character, at the width a right margin leaves: TEditor's 80 columns.
        sci_.setWrapMode(QsciScintilla::WrapCharacter);
        sci_.SendScintilla(QsciScintilla::SCI_SETMARGINRIGHT, kView.width() - WrapPixels());
        sci_.resize(kView);
    }
    QAbstractScrollArea* Widget() override { return &sci_; }
    void ColourAsCss() override { sci_.setLexer(new QsciLexerCSS(&sci_)); }
    void Load(const std::string& bytes, bool utf8) override { sci_.setText(TextOf(bytes, utf8)); }
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
    void Paste() override { sci_.paste(); }
    bool FindFromTop(const QString& word) override
    {
        return sci_.findFirst(word, false, true, true, false, true, 0, 0);
    }
    long ReplaceAll(const QString& word, const QString& by, double budgetMs) override
    {
        const QByteArray what = word.toUtf8();
        const QByteArray with = by.toUtf8();
        sci_.SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
        sci_.SendScintilla(QsciScintilla::SCI_SETSEARCHFLAGS,
                           QsciScintilla::SCFIND_MATCHCASE | QsciScintilla::SCFIND_WHOLEWORD);
        long count = 0;
        const double end = NowMs() + budgetMs;
        for (long from = 0; NowMs() < end; ++count) {
            sci_.SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, from,
                               sci_.SendScintilla(QsciScintilla::SCI_GETLENGTH));
            if (sci_.SendScintilla(QsciScintilla::SCI_SEARCHINTARGET, what.size(), what.constData()) < 0)
                break;
            sci_.SendScintilla(QsciScintilla::SCI_REPLACETARGET, with.size(), with.constData());
            from = sci_.SendScintilla(QsciScintilla::SCI_GETTARGETEND);
        }
        sci_.SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
        return count;
    }

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
    double Min() const { return Values.empty() ? 0 : *std::min_element(Values.begin(), Values.end()); }
    double Max() const { return Values.empty() ? 0 : *std::max_element(Values.begin(), Values.end()); }
};

// Workloads in table order; the last is memory (MiB), the rest milliseconds.
const char* const kWorkloads[] = {"load",        "first paint",  "type 1000 chars", "Enter x100",
                                  "select+copy", "scroll pages", "paste 10 MB",     "paste 10 MB + 5 unmappable",
                                  "memory (MiB)"};
constexpr int kWorkloadCount = 9;
constexpr int kPaste = 6;
constexpr int kPasteUnmappable = 7;

struct Input {
    std::string Name;
    std::string Bytes;
    int Reps = 5;
    int MaxPages = 0;     // 0: the whole document; otherwise pages timed, then extrapolated
    bool Pastes = false;  // whether the paste workloads run on this input
    bool Utf8 = false;    // the bytes are UTF-8 (TEditor edits them as UTF-8)
    bool Css = false;     // coloured by the CSS grammar (TEditor's own reading, QScintilla's CSS lexer)
};

// 10 MB of the sheet as the clipboard holds it, with `unmappable` characters code page 932
// lacks (an emoji) spread through it.
QString PasteText(int unmappable)
{
    QString text = tavi::FromCp932(tavi::bench::SheetText(10'000'000));
    for (int k = 0; k < unmappable; ++k)
        text.insert(text.size() / (unmappable + 1) * (k + 1), QStringLiteral("\U0001F600"));
    return text;
}

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
        const long rssBefore = tavi::bench::StatusKb("VmRSS");
        tavi::bench::ResetPeakRss();
        std::unique_ptr<Subject> s = kFactories[widget]();
        QAbstractScrollArea* w = s->Widget();
        w->show();
        w->activateWindow();
        w->setFocus();
        Settle();

        if (input.Css)
            s->ColourAsCss();
        double t = NowMs();
        s->Load(input.Bytes, input.Utf8);
        Settle();
        out[0].Values.push_back(NowMs() - t);

        t = NowMs();
        w->render(&image);
        out[1].Values.push_back(NowMs() - t);
        out[kWorkloadCount - 1].Values.push_back((tavi::bench::StatusKb("VmHWM") - rssBefore) / 1024.0);

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

        if (input.Pastes) {
            static const QString plain = PasteText(0);
            static const QString unmappable = PasteText(5);
            for (const auto& [k, text] : {std::pair{kPaste, &plain}, std::pair{kPasteUnmappable, &unmappable}}) {
                QApplication::clipboard()->setText(*text);
                s->CaretToMiddle();
                Settle();
                t = NowMs();
                s->Paste();
                Settle();
                out[k].Values.push_back(NowMs() - t);
            }
            QApplication::clipboard()->clear();
        }
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
    std::printf("\n### %s (%zu bytes, %d repetitions)\n\n", input.Name.c_str(), input.Bytes.size(), input.Reps);
    std::printf("| workload | widget | min | median | max | TEditor / QPlainTextEdit | TEditor / QScintilla |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|\n");
    std::vector<std::string> notes;
    for (int k = 0; k < kWorkloadCount; ++k) {
        for (int w = 0; w < 3; ++w) {
            if (results[w][k].Values.empty())
                continue;
            const double m = results[w][k].Median();
            const bool memory = k == kWorkloadCount - 1;
            const char* format = memory ? "%.1f MiB" : "%.1f ms";
            char value[32], low[32], high[32];
            std::snprintf(value, sizeof value, format, m);
            std::snprintf(low, sizeof low, format, results[w][k].Min());
            std::snprintf(high, sizeof high, format, results[w][k].Max());
            std::string r1, r2;
            if (w == 0) {
                r1 = Ratio(m, results[1][k].Median());
                r2 = Ratio(m, results[2][k].Median());
            }
            std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", kWorkloads[k], kWidgetNames[w], low, value, high,
                        r1.c_str(), r2.c_str());
            if (!results[w][k].Note.empty())
                notes.push_back(std::string(kWidgetNames[w]) + ": " + results[w][k].Note);
        }
    }
    for (const std::string& n : notes)
        std::printf("\n- %s", n.c_str());
    std::printf("\n");
    std::fflush(stdout);
}

void PrintRow(const char* what, const Samples& samples, const char* unit, const std::string& ratio)
{
    std::printf("| %s | %.1f %s | %.1f %s | %.1f %s | %s |\n", what, samples.Min(), unit, samples.Median(), unit,
                samples.Max(), unit, ratio.c_str());
}

// Opening the sheet from the disk as Open does, each time in a fresh process (editor_load_probe, built
// beside this program), against the floor: the same file read and its line breaks found with memchr.
void MeasureOpen(const Input& input, int reps)
{
    const std::string probe = QCoreApplication::applicationDirPath().toStdString() + "/editor_load_probe";
    const std::string path = (std::filesystem::temp_directory_path() / "tavi_peers_bench_open.css").string();
    const std::string utf8Path = (std::filesystem::temp_directory_path() / "tavi_peers_bench_open_utf8.css").string();
    std::ofstream(path, std::ios::binary) << input.Bytes;
    std::ofstream(utf8Path, std::ios::binary) << tavi::FromCp932(input.Bytes).toStdString();
    Samples times[3], memory[3];
    const char* const modes[] = {"floor", "load", "utf8"};
    for (int rep = 0; rep < reps + 1; ++rep) {
        for (int m = 0; m < 3; ++m) {
            const std::string& file = m == 2 ? utf8Path : path;
            std::FILE* run = popen((probe + " " + file + " " + modes[m]).c_str(), "r");
            double ms = 0, mib = 0;
            const bool read = run && std::fscanf(run, "%lf ms %lf MiB", &ms, &mib) == 2;
            if (run)
                pclose(run);
            if (read && rep > 0) {  // the first round only brings the file into the page cache
                times[m].Values.push_back(ms);
                memory[m].Values.push_back(mib);
            }
        }
    }
    std::filesystem::remove(path);
    std::filesystem::remove(utf8Path);
    if (times[1].Values.empty())
        return;
    std::printf("\nOpening it from the disk, each time in a fresh process (%d repetitions):\n\n", reps);
    std::printf("| open | min | median | max | open / floor |\n|---|---:|---:|---:|---:|\n");
    PrintRow("floor: read + memchr", times[0], "ms", "");
    PrintRow("TEditor opening the sheet", times[1], "ms", Ratio(times[1].Median(), times[0].Median()));
    PrintRow("TEditor opening the sheet saved as UTF-8 (ratio: to the sheet)", times[2], "ms",
             Ratio(times[2].Median(), times[1].Median()));
    PrintRow("floor: peak memory", memory[0], "MiB", "");
    PrintRow("TEditor opening the sheet: peak memory", memory[1], "MiB", Ratio(memory[1].Median(), memory[0].Median()));
    std::fflush(stdout);
}

// A document of 200 MiB in TEditor alone (the peers would take minutes to load it): Enter near its
// top, each key timed with its repaint.
void MeasureHugeDocument()
{
    TEditor editor;
    ConfigureMainEditor(&editor);
    editor.resize(kView);
    editor.show();
    editor.setFocus();
    editor.Lines().SetTextStr(tavi::bench::SheetText(std::size_t{200} << 20));
    Settle();
    editor.Core().PlaceCaretAt(10, 2);
    editor.ScrollToCaret();
    Settle();
    Samples enter;
    for (int k = 0; k < kEnters; ++k) {
        const double t = NowMs();
        SendKey(&editor, Qt::Key_Return, QStringLiteral("\r"));
        enter.Values.push_back(NowMs() - t);
    }
    std::printf("\n### 200 MiB sheet, TEditor only (%d rows)\n\n", editor.Core().Rows().Count());
    std::printf("| workload | min | median | max | |\n|---|---:|---:|---:|---|\n");
    PrintRow("Enter at row 10, each of 100 keys with its repaint", enter, "ms", "");
    std::fflush(stdout);
}

// Find next from the top for a word found only at the end of the 20 MiB sheet, and replace all of a word
// that occurs 100 000 times in it, on each widget (fresh for every repetition, so TEditor's first search
// also decodes the document).
void MeasureSearch(int reps, const std::string& only)
{
    constexpr long kOccurrences = 100000;
    constexpr double kBudgetMs = 10000;
    const std::string atTheEnd = tavi::bench::SheetWithWordAtTheEnd("zebra");
    const std::string spread = tavi::bench::SheetWithWordSpread("zebra", kOccurrences);
    Samples find[3], replace[3];
    for (int w = 0; w < 3; ++w) {
        if (!only.empty() && only != kWidgetNames[w])
            continue;
        for (int rep = 0; rep < reps; ++rep) {
            for (const bool replacing : {false, true}) {
                malloc_trim(0);
                std::unique_ptr<Subject> s = kFactories[w]();
                s->Widget()->show();
                s->Load(replacing ? spread : atTheEnd, false);
                if (!replacing)
                    s->PrepareFind(QStringLiteral("zebra"));
                Settle();
                const double t = NowMs();
                const long done = replacing ? s->ReplaceAll(QStringLiteral("zebra"), QStringLiteral("12pt"), kBudgetMs)
                                            : s->FindFromTop(QStringLiteral("zebra"));
                Settle();
                double elapsed = NowMs() - t;
                if (replacing && done > 0 && done < kOccurrences) {
                    // Stopped by the budget: the rest estimated at the same pace.
                    elapsed *= static_cast<double>(kOccurrences) / static_cast<double>(done);
                    replace[w].Note = "replace all extrapolated from " + std::to_string(done) + " of " +
                                      std::to_string(kOccurrences) + " words";
                } else if (done != (replacing ? kOccurrences : 1)) {
                    std::fprintf(stderr, "  %s: %s gave %ld\n", kWidgetNames[w], replacing ? "replace all" : "find",
                                 done);
                }
                (replacing ? replace : find)[w].Values.push_back(elapsed);
            }
            std::fprintf(stderr, "  search %s rep %d done\n", kWidgetNames[w], rep + 1);
        }
    }
    std::printf("\n### Find and replace in the 20 MiB sheet (%d repetitions)\n\n", reps);
    std::printf("| workload | widget | min | median | max | TEditor / QPlainTextEdit | TEditor / QScintilla |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|\n");
    for (const auto& [what, samples] : {std::pair{"find next: the one word at the end", find},
                                        std::pair{"replace all: 100 000 words, one undo step", replace}}) {
        for (int w = 0; w < 3; ++w) {
            if (samples[w].Values.empty())
                continue;
            const std::string r1 = w == 0 ? Ratio(samples[0].Median(), samples[1].Median()) : "";
            const std::string r2 = w == 0 ? Ratio(samples[0].Median(), samples[2].Median()) : "";
            std::printf("| %s | %s | %.1f ms | %.1f ms | %.1f ms | %s | %s |\n", what, kWidgetNames[w],
                        samples[w].Min(), samples[w].Median(), samples[w].Max(), r1.c_str(), r2.c_str());
        }
    }
    for (int w = 0; w < 3; ++w)
        if (!replace[w].Note.empty())
            std::printf("\n- %s: %s", kWidgetNames[w], replace[w].Note.c_str());
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
    // starts so ("20 MiB"; "search" for find and replace alone).
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
    inputs.push_back({"200 KiB sheet", tavi::bench::SheetText(200u << 10), 5, 0, true});
    inputs.push_back({"1 MiB single line", SingleLine(), 5, 0, false});
    inputs.push_back({"20 MiB sheet", tavi::bench::SheetText(20u << 20), 5, 400, false});
    inputs.push_back({"20 MiB sheet in UTF-8", tavi::FromCp932(tavi::bench::SheetText(20u << 20)).toStdString(), 5, 400,
                      false, true});
    inputs.push_back({"20 MiB sheet coloured as CSS", tavi::bench::SheetText(20u << 20), 5, 400, false, false, true});
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
        if (input.Name == "20 MiB sheet" && (only.empty() || only == "TEditor"))
            MeasureOpen(input, quick ? 1 : 7);
    }
    if (inputPrefix.empty() || inputPrefix.rfind("search", 0) == 0)
        MeasureSearch(quick ? 1 : 5, only);
    if (inputPrefix.empty() || inputPrefix.rfind("200 MiB", 0) == 0)
        if (only.empty() || only == "TEditor")
            MeasureHugeDocument();
    return 0;
}
