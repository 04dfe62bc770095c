// The interface through which the editor core tells its on-screen view what changed and asks it about the screen.
#pragma once

#include <algorithm>
#include <string>

#include "editor/core/change.h"
#include "editor/core/coordinates.h"

namespace tavi {

// The selected range: from (StartRow, StartByte) up to, not including, (EndRow,
// EndByte). Bytes index the rows' texts; columns are the display columns of those two
// places, each limited to its row's width. An empty range has Start == End. EndRow may
// equal the row count (the position after a final line break, byte 0).
struct TSelBounds {
    TRow StartRow;
    TByte StartByte;
    TColumn StartCol;
    TRow EndRow;
    TByte EndByte;
    TColumn EndCol;
    bool Empty() const { return StartRow == EndRow && StartByte == EndByte; }
    bool operator==(const TSelBounds&) const = default;
};

// Implemented by the editor widget. The core reports each change of the document's rows
// as its record, and the view decides what to repaint, shift and scroll. Hiding and
// showing the caret and the caret-row underline nest: each Hide is matched by one Show.
class TEditorView {
public:
    virtual ~TEditorView() = default;

    // The document changed as `change` records (never inside a Lines update: its end
    // repaints everything).
    virtual void DocumentChanged(const TChange& change) = 0;
    // The document changed inside a Lines update: what the view reads from the records (not
    // its paint) follows the change.
    virtual void DocumentChangedInUpdate(const TChange&) {}
    // Repaints rows min(a, b)..max(a, b) at once (the rows a selection covered).
    virtual void InvalidateRows(TRow a, TRow b) = 0;
    // Repaints the whole control.
    virtual void InvalidateAll() = 0;
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

    // The selection grew or shrank from `prev` to `now` (both non-empty or just begun); a
    // view may repaint only the cells whose selected state changed.
    virtual void SelectionChanged(const TSelBounds& prev, const TSelBounds& now)
    {
        InvalidateRows(std::min(prev.StartRow, now.StartRow), std::max(prev.EndRow, now.EndRow));
    }
    // The first row shown, and scrolling so that row r (limited to 0..row count) is it.
    // Paging and Ctrl+Up/Down use them; a view without scrolling keeps row 0 on top.
    virtual int TopRow() const { return 0; }
    virtual void SetTopRow(int r) { (void)r; }

    // Plain text of the clipboard in code page 932 (empty when it holds none), and
    // replacing it.
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

// A view that shows nothing: the core's view until a widget attaches its own, with
// the metrics of a small window.
class TNullEditorView : public TEditorView {
public:
    void DocumentChanged(const TChange&) override {}
    void InvalidateRows(TRow, TRow) override {}
    void InvalidateAll() override {}
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
