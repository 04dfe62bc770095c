// A fake editor view for core tests: it records every request the core makes of the screen.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/change_repaint.h"
#include "editor/core/editor_view.h"

namespace tavi::testing {

// Changes are read as the widget reads them (RepaintChange), so the requests logged are
// the ones the widget would make of its screen.
class TRecordingView : public TEditorView, private TRowPainter {
public:
    // One line per request, e.g. "rows 3 4", "shift 5 2", "all", "caret".
    std::vector<std::string> calls;
    int caretHidden = 0;
    int underlineHidden = 0;
    int visibleRows = 20;

    // The repaint and scroll requests only (no caret, metrics or redraw bookkeeping).
    std::vector<std::string> Paints() const
    {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.rfind("rows", 0) == 0 || c.rfind("shift", 0) == 0 || c == "all" || c.rfind("typed", 0) == 0)
                out.push_back(c);
        }
        return out;
    }
    void Reset() { calls.clear(); }

    bool eofMark = false;
    void DocumentChanged(const TChange& change) override { RepaintChange(change, eofMark, *this); }
    void InvalidateRows(TRow a, TRow b) override
    {
        Log("rows " + std::to_string(a.Value()) + " " + std::to_string(b.Value()));
    }
    void InvalidateAll() override { Log("all"); }
    void ShiftRowsBelow(TRow row, int n) override
    {
        Log("shift " + std::to_string(row.Value()) + " " + std::to_string(n));
    }
    void UpdateMetrics() override { Log("metrics"); }
    void UpdateScrollBars() override { Log("scrollbars"); }
    void PlaceCaret() override { Log("caret"); }
    void HideCaret() override { ++caretHidden; }
    void ShowCaret() override { --caretHidden; }
    void HideUnderline() override { ++underlineHidden; }
    void ShowUnderline() override { --underlineHidden; }
    void SetRedraw(bool on) override { Log(on ? "redraw on" : "redraw off"); }
    int VisibleRows() const override { return visibleRows; }
    int VisibleCols() const override { return 80; }
    int MaxLeftCol() const override { return 1000; }
    void RepaintTyped(TRow row, TColumn col, int growth) override
    {
        Log("typed " + std::to_string(row.Value()) + " " + std::to_string(col.Value()) + " " +
            std::to_string(growth >= 0 ? 1 : -1) + " " + std::to_string(std::abs(growth)));
    }
    void SelectionChanged(const TSelBounds& prev, const TSelBounds& now) override
    {
        Log("sel " + std::to_string(prev.StartRow.Value()) + "-" + std::to_string(prev.EndRow.Value()) + " " +
            std::to_string(now.StartRow.Value()) + "-" + std::to_string(now.EndRow.Value()));
    }
    int TopRow() const override { return topRow; }
    void SetTopRow(int r) override
    {
        topRow = std::max(0, r);
        Log("top " + std::to_string(topRow));
    }
    int topRow = 0;
    std::string ClipboardText() const override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::string clipboard;

private:
    void Log(std::string s) { calls.push_back(std::move(s)); }
};

}  // namespace tavi::testing
