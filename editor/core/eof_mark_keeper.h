// Keeps the end-of-file mark on screen where the text ends through one edit of the rows.
#pragma once

namespace tavi {

class TEditorCore;

// Made before an edit changes the rows, it notes the row whose pixels show the
// "[EOF]" mark; the edit moves rows on screen through it, so the mark's pixels are
// followed; when it goes, it repaints the row that still shows the old mark and the
// row that must show the new one, if they differ. An edit in the middle of the text
// leaves the mark's row alone and so repaints nothing more. Does nothing while EofMark
// is off or a Lines update is open (the update repaints everything at its end).
class TEofMarkKeeper {
public:
    explicit TEofMarkKeeper(TEditorCore& core);
    ~TEofMarkKeeper();
    TEofMarkKeeper(const TEofMarkKeeper&) = delete;
    TEofMarkKeeper& operator=(const TEofMarkKeeper&) = delete;

    // TEditorView::ShiftRowsBelow, following the mark's pixels.
    void ShiftRowsBelow(int row, int n);
    // TEditorView::InvalidateAll; nothing is left to do afterwards.
    void InvalidateAll();

private:
    TEditorCore& core_;
    bool active_;
    int shown_;  // the row whose pixels hold the mark; -1 when they were moved over
};

}  // namespace tavi
