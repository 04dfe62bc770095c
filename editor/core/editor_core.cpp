// The editor core: following the document's changes, undo and redo, and the layout settings.
#include "editor/core/editor_core.h"

#include <algorithm>

#include "text/row_text.h"

namespace tavi {

TEditorCore::TEditorCore() : ownDocument_(std::make_unique<TDocument>()), doc_(*ownDocument_), lines_(*this) {}

TEditorCore::TEditorCore(TDocument& document) : doc_(document), lines_(*this) {}

TEditorCore::~TEditorCore() = default;

void TEditorCore::SetView(TEditorView* view)
{
    view_ = view != nullptr ? view : &nullView_;
}

void TEditorCore::FollowChange(const TChange& change)
{
    if (OnDocumentChange)
        OnDocumentChange(change);
    // Bounds point into rows that may have changed, so any selection ends with the change.
    if (selected_ || extending_)
        Deselect();
    if (lines_.Updating()) {
        // The view paints nothing until the update ends, but what it reads from the records
        // (the CSS reading, marks) must follow every one of them.
        changedInUpdate_ = true;
        view_->DocumentChangedInUpdate(change);
        return;
    }
    view_->UpdateScrollBars();
    if (OnChange)
        OnChange();
    view_->DocumentChanged(change);
}

void TEditorCore::FinishUpdate()
{
    if (!std::exchange(changedInUpdate_, false))
        return;
    view_->UpdateScrollBars();
    if (OnChange)
        OnChange();
}

bool TEditorCore::EditText(TTextPos from, TTextPos to, std::string_view s, TReplaceOptions options)
{
    const std::optional<TChange> change = doc_.Replace(from, to, s, options, Caret());
    if (!change)
        return false;
    view_->HideCaret();
    FollowChange(*change);
    MoveCaretTo(change->Caret.Row.Value(), change->Caret.Col.Value());
    view_->ShowCaret();
    return true;
}

std::string TEditorCore::DisplayRowText(int r) const
{
    return ExpandTabs(RowText(r), TabSpaceCount(), Encoding());
}

void TEditorCore::SetModified(bool value)
{
    if (value)
        doc_.ForgetSavePoint();
    else
        doc_.SetSavePoint();
}

void TEditorCore::Undo()
{
    StepHistory([this] { return doc_.Undo(Caret()); });
}

void TEditorCore::Redo()
{
    StepHistory([this] { return doc_.Redo(Caret()); });
}

void TEditorCore::StepHistory(const std::function<std::optional<TChange>()>& step)
{
    view_->HideUnderline();
    view_->HideCaret();
    if (const std::optional<TChange> change = step()) {
        FollowChange(*change);
        MoveCaretTo(change->Caret.Row.Value(), change->Caret.Col.Value());
    }
    view_->ShowCaret();
    view_->ShowUnderline();
}

// The same text laid out anew: undo is cleared, the caret kept within the rows.
void TEditorCore::Relayout(const TWrapRule& rule)
{
    if (const std::optional<TChange> change = doc_.SetWrapRule(rule)) {
        FollowChange(*change);
        KeepCaretInRows();
    }
}

void TEditorCore::SetWordWrap(bool value)
{
    if (value == WordWrap())
        return;
    if (value)
        disposeBlank_ = false;
    TWrapRule rule = doc_.WrapRule();
    rule.wordWrap = value;
    Relayout(rule);
    SetCaretCol(0);
}

void TEditorCore::SetWrapByte(int value)
{
    TWrapRule rule = doc_.WrapRule();
    rule.wrapByte = std::clamp(value, 20, 250);
    if (rule.wrapByte == WrapByte())
        return;
    Relayout(rule);
    if (rule.wordWrap)
        SetCaretCol(0);
}

void TEditorCore::SetTabSpaceCount(int value)
{
    TWrapRule rule = doc_.WrapRule();
    rule.tabSpaceCount = ClampTabSpaceCount(value);
    if (rule.tabSpaceCount == TabSpaceCount())
        return;
    Relayout(rule);
    SetCaretCol(0);
}

void TEditorCore::SetDisposeBlank(bool value)
{
    disposeBlank_ = value && caretFree_ && !retMark_ && !eofMark_ && !WordWrap();
}

void TEditorCore::SetCaretFree(bool value)
{
    caretFree_ = value;
    if (!value)
        disposeBlank_ = false;
}

void TEditorCore::SetRetMark(bool value)
{
    retMark_ = value;
    if (value)
        disposeBlank_ = false;
}

void TEditorCore::SetEofMark(bool value)
{
    eofMark_ = value;
    if (value)
        disposeBlank_ = false;
}

}  // namespace tavi
