// The interface through which the editor core asks its on-screen view to repaint, scroll and place the caret.
#pragma once

#include <string>

namespace tavi {

// Implemented by the editor widget; the core calls it after changing rows or the caret.
// Row numbers are document rows; the view limits them to what is on screen. Hiding
// and showing the caret and the caret-row underline nest: each Hide is matched by one
// Show.
class TEditorView {
public:
    virtual ~TEditorView() = default;

    // Repaints rows min(a, b)..max(a, b) at once.
    virtual void InvalidateRows(int a, int b) = 0;
    // Repaints the whole control.
    virtual void InvalidateAll() = 0;
    // After n rows were inserted at `row` (or -n removed), moves the part of the text
    // area from row `row` down by n rows and paints the uncovered band.
    virtual void ShiftRowsBelow(int row, int n) = 0;
    // Recomputes the cell metrics (visible rows and columns).
    virtual void UpdateMetrics() = 0;
    // Recomputes the scroll ranges after the row count changed.
    virtual void UpdateScrollBars() = 0;
    // Re-creates the caret at CaretRow/CaretCol, scrolling it into view first.
    virtual void PlaceCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void ShowCaret() = 0;
    virtual void HideUnderline() = 0;
    virtual void ShowUnderline() = 0;
    // Suspends (false) or resumes (true) drawing while a Lines update is open.
    virtual void SetRedraw(bool on) = 0;

    // Rows and columns that fit in the text area; the largest left column.
    virtual int VisibleRows() const = 0;
    virtual int VisibleCols() const = 0;
    virtual int MaxLeftCol() const = 0;

    // Plain text of the clipboard in code page 932 (empty when it holds none), and
    // replacing it.
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

// A view that shows nothing: the core's view until a widget attaches its own, with
// the metrics of a small window.
class TNullEditorView final : public TEditorView {
public:
    void InvalidateRows(int, int) override {}
    void InvalidateAll() override {}
    void ShiftRowsBelow(int, int) override {}
    void UpdateMetrics() override {}
    void UpdateScrollBars() override {}
    void PlaceCaret() override {}
    void HideCaret() override {}
    void ShowCaret() override {}
    void HideUnderline() override {}
    void ShowUnderline() override {}
    void SetRedraw(bool) override {}
    int VisibleRows() const override { return 24; }
    int VisibleCols() const override { return 80; }
    int MaxLeftCol() const override { return 1000; }
    std::string ClipboardText() const override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

private:
    std::string clipboard_;
};

}  // namespace tavi
