// What assistive technologies are told of an editor's text: the characters an edit removed and inserted, caret moves
// and selections.
#pragma once

#include <QAccessibleEvent>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/accessible_text.h"

namespace tavi {

// While an assistive technology listens (the toolkit reports one active), each change of the
// rows is sent as the characters it removed and those it inserted, and a caret move or a new
// selection as its offsets, all through the toolkit's accessibility events for `source`. While
// none listens, a change only marks the character counts stale from its first row, and caret
// and selection moves cost nothing.
class TAccessibleTextEvents {
public:
    TAccessibleTextEvents(QObject& source, const TEditorCore& core);

    TAccessibleText& Text() { return text_; }

    // The document changed as `change` records (its rows are the new ones already).
    void DocumentChanged(const TChange& change);
    // The caret was placed, or the selection changed. Both are sent when the event loop next
    // runs, from where they then are: a move made in steps (a row, then a column) is one move,
    // and a view hears of a new selection before the core counts it as selected.
    void CaretMoved() { Schedule(); }
    void SelectionChanged() { Schedule(); }

    // Hands every event to `sink` instead of the toolkit, whether or not an assistive
    // technology listens (the toolkit drops events while none does, and the offscreen platform
    // never has one): what a test records them with. An empty sink restores the toolkit.
    static void SendTo(std::function<void(QAccessibleEvent*)> sink);

private:
    static bool Listening();
    // The band of rows `change` replaced, as it was: the new band with the record's bytes put
    // back. Nothing without the record (the document keeps one for every change it makes).
    std::optional<std::string> OldBand(const TChange& change, std::uint64_t stateBefore) const;
    void SendBandChange(const TChange& change, const std::string& oldBand);
    void SendNewText(std::optional<long long> oldCount);
    void Schedule();
    void SendCaretAndSelection();

    QObject& source_;
    const TEditorCore& core_;
    TAccessibleText text_;
    std::uint64_t stateSeen_ = 0;  // the document's undo state after the last change
    TTextEncoding encodingSeen_;   // and its encoding
    long long caretSent_ = -1;
    std::optional<TTextSpan> selectionSent_;
    bool scheduled_ = false;
};

}  // namespace tavi
